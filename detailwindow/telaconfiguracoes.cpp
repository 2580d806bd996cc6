// Screen 8 of the detail window: the automatic update check and the HTTP
// proxy's user and password, saved in the per-user configuration file by OK.

#include "detailwindow/frmTQ2.h"

#include "core/config.h"
#include "core/globals.h"
#include "core/texts.h"
#include "core/textosproprios.h"
#include "detailwindow/ponteiro.h"
#include "platform/base/doevents.h"
#include "platform/base/error.h"
#include "platform/base/vbruntime.h"

#include <QCheckBox>
#include <QLineEdit>

#include <algorithm>

namespace {
// "Path/File access error": the configuration file could not be written.
constexpr long kErroGravacao = 75;
}  // namespace

void frmTQ2::ExibeTelaConfiguracoes()
{
    mHistoricoTelas = QStringLiteral("8");
    CarregaImagensTela(QStringLiteral("C"), 8);
    MostraSubTitulo(QString(), true);
    AjustaBotoesNavegacao(8);

    chkVerificarAtualizacoesAuto->setText(Modulo::ObtemTexto(81).toUpper());
    lblAutenticacaoProxy->setText(QStringLiteral("  ") + Modulo::ObtemTexto(104).toUpper() + QStringLiteral("  "));
    lblAutenticacaoProxy->adjustSize();
    lblUsuario->setText(Modulo::ObtemTexto(82).toUpper());
    lblSenha->setText(Modulo::ObtemTexto(83).toUpper());
    // The captions keep their places and grow to their text in any language.
    for (QLabel* l : {lblUsuario, lblSenha})
        l->resize(std::max(l->width(), l->sizeHint().width()), l->height());
    chkVerificarAtualizacoesAuto->setChecked(Modulo::gVerificacaoAutomatica);

    QString usuario, senha;
    Modulo::LeConfiguracao(QStringLiteral("USUARIO_SENHA"), usuario, senha);
    txtUsuario->setText(usuario);
    txtSenha->setText(senha);

    pctTela[8]->show();
    pctTela[8]->repaint();
    platform::DoEvents();
    if (txtUsuario->isVisibleTo(this))
        txtUsuario->setFocus(Qt::OtherFocusReason);
}

void frmTQ2::imgAvancar_Click()
{
    if (TelaAtual() != 8)
        return;
    DetalhePonteiro::Escopo ampulheta;
    const bool verificar = chkVerificarAtualizacoesAuto->isChecked();
    // A file that cannot be written (or a value the file's code page cannot
    // hold) is reported and the window stays, the run's flag as it was.
    if (!Modulo::GravaConfiguracao(QString(), verificar ? QStringLiteral("1") : QStringLiteral("0"),
                                   platform::vb::Trim(txtUsuario->text()), txtSenha->text(), true))
        throw platform::Error(kErroGravacao,
                              Modulo::TextoNoIdioma("Não foi possível gravar o arquivo de configuração \"%1\".",
                                                    "No se pudo guardar el archivo de configuración \"%1\".",
                                                    "The configuration file \"%1\" could not be written.")
                                  .arg(Modulo::NomeArquivoConfiguracao()),
                              QStringLiteral("imgAvancar_Click"));
    Modulo::gVerificacaoAutomatica = verificar;
    imgVoltar_Click();
}
