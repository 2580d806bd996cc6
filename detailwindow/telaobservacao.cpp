// Screen 0 of the detail window: the notes of one item as one block of text
// and up to three attachment links into the data folder's "Anexos/".

#include "detailwindow/frmTQ2.h"

#include "core/datapath.h"
#include "core/globals.h"
#include "core/itemtexts.h"
#include "core/janelas.h"
#include "core/pictures.h"
#include "core/texts.h"
#include "platform/base/doevents.h"

#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>

namespace {

constexpr int kLinhasAnexo = 3;
const QString kPastaAnexos = QStringLiteral("Anexos");

// The file an attachment name stands for inside "Anexos/", found in any
// letter case, or the empty string when the name leads out of that folder
// or names no file.
QString ArquivoAnexo(const QString& nome)
{
    const QString resolvido = Modulo::ResolveNomeDados(kPastaAnexos + QLatin1Char('/') + nome);
    if (resolvido.isEmpty())
        return {};
    const QFileInfo arquivo(resolvido);
    const QString pasta = QFileInfo(Modulo::ResolveNomeDados(kPastaAnexos)).canonicalFilePath();
    const QString real = arquivo.canonicalFilePath();
    if (pasta.isEmpty() || real.isEmpty() || !real.startsWith(pasta + QLatin1Char('/')) || !QFileInfo(real).isFile())
        return {};
    return resolvido;
}

}  // namespace

void frmTQ2::ExibeTelaObservacao(std::uint8_t Origem, const QString& Tipo, std::int32_t Codigo,
                                 std::int32_t CodigoPeca, const std::optional<QString>& ItemComponente,
                                 const QString& TextoExtra)
{
    if (Origem == 200) {
        mHistoricoTelas += QLatin1Char('0');
    } else if (Origem == 1) {
        mHistoricoTelas += QLatin1Char('0');
        OcultaTelaJogosReparo();
    } else if (Origem == 4) {
        mHistoricoTelas += QLatin1Char('0');
        OcultaTelaOpcionais();
    }
    CarregaImagensTela(QStringLiteral("C"), 0);
    MostraSubTitulo(Modulo::ObtemTituloItem(Tipo, Codigo), true);

    QString anexos;
    txtObservacao->setPlainText(
        Modulo::ObtemObservacoes(Tipo, Codigo, CodigoPeca, ItemComponente, false, QString(), TextoExtra, anexos));

    lblTitAnexo->hide();
    for (int i = 0; i < kLinhasAnexo; ++i) {
        lblAnexo[static_cast<std::size_t>(i)]->hide();
        imgIcoAnexo[static_cast<std::size_t>(i)]->hide();
    }
    int linhas = 0;
    for (const QString& peca : anexos.split(QLatin1Char('/'))) {
        const QString nome = peca.trimmed();
        if (nome.isEmpty())
            continue;
        const auto n = static_cast<std::size_t>(linhas);
        lblAnexo[n]->setText(nome);
        lblAnexo[n]->adjustSize();
        lblAnexo[n]->show();
        imgIcoAnexo[n]->setPicture(Modulo::CarregaImagemRecurso(QStringLiteral("ICOPDF"), QStringLiteral("G")));
        imgIcoAnexo[n]->show();
        if (++linhas == kLinhasAnexo)
            break;
    }
    if (linhas > 0) {
        lblTitAnexo->setText(Modulo::ObtemTexto(linhas == 1 ? 112 : 113).toUpper() + QLatin1Char(':'));
        lblTitAnexo->show();
        txtObservacao->resize(txtObservacao->width(), 200);
    } else {
        txtObservacao->resize(txtObservacao->width(), 300);
    }

    pctTela[0]->show();
    pctTela[0]->repaint();
    AjustaBotoesNavegacao(0);
    platform::DoEvents();
    PosicionaFocoTela();
}

void frmTQ2::OcultaTelaObservacao()
{
    AjustaBotoesNavegacao(200);
    pctTela[0]->hide();
    MostraSubTitulo(QString(), false);
    txtObservacao->clear();
    CarregaImagensTela(QStringLiteral("D"), 0);
}

void frmTQ2::lblAnexo_Click(int Index)
{
    if (Index < 0 || Index >= kLinhasAnexo)
        return;
    const QString nome = lblAnexo[static_cast<std::size_t>(Index)]->text();
    const QString arquivo = ArquivoAnexo(nome);
    if (arquivo.isEmpty()) {
        // A name that leaves the folder, or a file that is not there, is
        // reported as a missing file and nothing is opened.
        Modulo::MostraFalhaAbertura(Modulo::gCaminhoDados + kPastaAnexos + QLatin1Char('/') + nome, 2);
        return;
    }
    Modulo::AbreArquivoAssociado(arquivo);
}
