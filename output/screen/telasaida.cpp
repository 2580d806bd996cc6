// The output options screen (request 5) and the comparison printout
// (request 6) in the detail window.
#include "output/screen/telasaida.h"

#include "output/report/saida.h"

#include "core/errorbox.h"
#include "core/itemtexts.h"
#include "core/janelaprincipal.h"
#include "core/texts.h"
#include "detailwindow/frmTQ2.h"
#include "mainwindow/frmTQ1.h"
#include "platform/base/doevents.h"
#include "resources/palette.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>

#include <cmath>

namespace TelaSaida {
namespace {

const char* const kNomeControle = "TelaSaidaControle";

// What the run needs of the window: the progress label, the window's
// enabled state, the dialogs' parent.
class AmbienteJanela final : public saida::Ambiente {
public:
    explicit AmbienteJanela(frmTQ2& janela) : m_janela(janela) {}
    void MostraStatus(const QString& texto) override
    {
        m_janela.lblStatusGerandoArquivo->setText(texto);
        m_janela.lblStatusGerandoArquivo->repaint();
    }
    void HabilitaJanela(bool habilitada) override { m_janela.setEnabled(habilitada); }
    QWidget* JanelaDialogos() const override { return &m_janela; }

private:
    frmTQ2& m_janela;
};

// The screen's output state, made with the screen and gone with the window.
class Controle final : public QObject {
public:
    explicit Controle(frmTQ2& janela) : QObject(&janela), ambiente(janela), saida(ambiente)
    {
        setObjectName(QLatin1String(kNomeControle));
    }
    AmbienteJanela ambiente;
    saida::Saida saida;
};

// The button of part `numero` (from 1) where the picture set has none (it
// carries 30): drawn as its thumbnails are, the number in bold on white in a
// brand-blue frame on the panel's paper.
QPixmap MiniaturaParte(int numero, QSize tamanho)
{
    QPixmap pixmap(tamanho);
    pixmap.fill(resources::palette::paper());
    QPainter p(&pixmap);
    const QRectF r(QPointF(0, 0), QSizeF(tamanho));
    p.setPen(QPen(resources::palette::brand(), 1));
    p.setBrush(Qt::white);
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    QFont fonte;
    fonte.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    fonte.setPixelSize(9);
    fonte.setBold(true);
    p.setFont(fonte);
    const QFontMetricsF m(fonte);
    const QString texto = QString::number(numero);
    const double base = std::round((r.height() - m.capHeight()) / 2 + m.capHeight());
    p.drawText(QPointF(std::round((r.width() - m.horizontalAdvance(texto)) / 2), base), texto);
    return pixmap;
}

Controle* ObtemControle(frmTQ2& janela) { return janela.findChild<Controle*>(QLatin1String(kNomeControle)); }

// The compressed-file box gives the keyboard focus (and its focus frame)
// back at once; its state is read when the action button is pressed.
void chkGerarUnicoArquivoCompactado_Click(frmTQ2& janela)
{
    platform::DoEvents();
    janela.chkGerarUnicoArquivoCompactado->setEnabled(false);
    platform::DoEvents();
    janela.chkGerarUnicoArquivoCompactado->setEnabled(true);
}

Controle& CriaControle(frmTQ2& janela)
{
    if (Controle* c = ObtemControle(janela))
        return *c;
    auto* c = new Controle(janela);
    QObject::connect(janela.imgImprimir, &THPicture::clicado, c,
                     [&janela] { Modulo::Guarda([&janela] { imgImprimir_Click(janela); }); });
    QObject::connect(janela.chkGerarUnicoArquivoCompactado, &QCheckBox::clicked, c,
                     [&janela] { chkGerarUnicoArquivoCompactado_Click(janela); });
    return *c;
}

}  // namespace

void Registra()
{
    frmTQ2::RegistraExibeTelaSaida(ExibeTelaSaida);
    frmTQ2::RegistraImprimeComparacaoEFecha(ImprimeComparacaoEFecha);
}

void ExibeTelaSaida(frmTQ2& j, std::int32_t sCodigoPeca, const QString& sModo, const QString& sOpcoes,
                    std::uint8_t sParteFigura)
{
    j.mHistoricoTelas += QLatin1Char('5');
    // The picture loader reads the mode.
    j.mModoSaida = sModo.left(1);
    j.CarregaImagensTela(QStringLiteral("C"), 5);
    j.MostraSubTitulo(Modulo::ObtemTituloItem(QStringLiteral("PCA"), sCodigoPeca), true);

    saida::PreparaEscolha(j.mEscolhaSaida, sCodigoPeca, sOpcoes, sParteFigura);
    j.ExibeEscolhaSaida();
    for (std::size_t i = 0; i < j.imgParteFigura.size(); ++i) {
        THPicture* parte = j.imgParteFigura[i];
        if (parte->picture().isNull())
            parte->setPicture(MiniaturaParte(static_cast<int>(i) + 1, parte->size()));
    }
    j.pctTela[5]->Tag = QString::number(sCodigoPeca);

    const bool arquivo = j.mModoSaida != QLatin1String("P");
    j.lblStatusGerandoArquivo->clear();
    j.lblStatusGerandoArquivo->setVisible(arquivo);
    j.chkGerarUnicoArquivoCompactado->setText(Modulo::ObtemTexto(52));
    j.chkGerarUnicoArquivoCompactado->setChecked(false);
    j.chkGerarUnicoArquivoCompactado->setVisible(arquivo);

    // The action button stands where the cart list shows the button of the
    // same picture.
    const auto lugar = [&j](const THPicture* botao, const THPicture* destaque) {
        j.imgImprimir->move(botao->x(), j.imgImprimir->y());
        j.imgImprimirSelecionada->move(destaque->x(), j.imgImprimirSelecionada->y());
    };
    if (j.mModoSaida == QLatin1String("G"))
        lugar(j.imgGerarArquivo, j.imgGerarArquivoSelecionada);
    else if (j.mModoSaida == QLatin1String("E"))
        lugar(j.imgEnviarEmail, j.imgEnviarEmailSelecionada);

    CriaControle(j);
    j.pctTela[5]->show();
    j.pctTela[5]->repaint();
    j.AjustaBotoesNavegacao(5);
}

void imgImprimir_Click(frmTQ2& j)
{
    if (j.TelaAtual() != 5)
        return;
    Controle& c = CriaControle(j);
    saida::Saida& s = c.saida;
    s.mModoSaida = j.mModoSaida;
    s.CodigoPecaSaida = j.pctTela[5]->Tag.toLong();
    s.UnicoArquivoCompactado = j.chkGerarUnicoArquivoCompactado->isChecked();
    // The pages take the panel's font face when it has one of its own.
    if (j.pctTela[5]->testAttribute(Qt::WA_SetFont))
        s.NomeFonte = j.pctTela[5]->font().family();
    if (!s.GeraFiguraTabela(j.mEscolhaSaida))
        return;
    j.imgVoltar_Click();
}

void ImprimeComparacaoEFecha(frmTQ2& j)
{
    j.mHistoricoTelas = QStringLiteral("6");
    saida::DadosComparacao dados;
    if (Modulo::JanelaPrincipal* principal = Modulo::ObtemJanelaPrincipal()) {
        if (auto* f = dynamic_cast<frmTQ1*>(principal->Janela())) {
            dados.Linhas = f->dtcTHGrid1->Recordset();
            dados.Filtro = f->pctExibirComparacao->Tag();
            dados.SubTitulo = f->lblSubTitulo->text();
            dados.NumeroPeca1 = f->lblNumeroEmpresaPeca[0]->text();
            dados.NumeroPeca2 = f->lblNumeroEmpresaPeca[1]->text();
        }
    }
    saida::Saida s;
    s.ImprimeComparacao(dados);
    j.imgVoltar_Click();
}

}  // namespace TelaSaida
