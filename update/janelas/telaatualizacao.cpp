#include "update/janelas/telaatualizacao.h"

#include "detailwindow/ponteiro.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

namespace Atualizacao {
namespace {

// Swallows Esc on its way to the window or any of its controls for as long
// as it lives.  Installed after the window's own key filter, it sees the
// keys first.
class SemEsc final : public QObject {
public:
    explicit SemEsc(QWidget& janela) : m_janela(janela) { qApp->installEventFilter(this); }
    ~SemEsc() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease)
            return false;
        if (static_cast<QKeyEvent*>(e)->key() != Qt::Key_Escape)
            return false;
        auto* w = qobject_cast<QWidget*>(o);
        return w && (w == &m_janela || m_janela.isAncestorOf(w));
    }

private:
    QWidget& m_janela;
};

bool Linha(int passo) { return passo >= 1 && passo <= kPassos; }

}  // namespace

void TelaProgressoAtualizacao::Prepara(const QStringList& titulos)
{
    frmTQ2& j = m_janela;
    for (std::size_t k = 1; k <= kPassos; ++k) {
        j.lblTitAtualizacao[k]->setText(titulos.value(static_cast<int>(k) - 1));
        j.lblNumAtualizacao[k]->setText(QStringLiteral("0 %"));
        THPicture* barra = j.imgBarraAtualizacao[k];
        THPicture* borda = j.imgBordaBarraAtualizacao[k];
        barra->resize(0, barra->height());
        barra->raise();
        borda->setProperty("Tag", QStringLiteral("0"));
        barra->setProperty("Tag", QStringLiteral("0"));
        const QPoint lugar(43, barra->y() + 67);
        j.imgPassoAtualAtualizacao[k]->move(lugar);
        j.imgPassoConcluidoAtualizacao[k]->move(lugar);
        borda->show();
        barra->show();
        j.imgPassoAtualAtualizacao[k]->hide();
        j.imgPassoConcluidoAtualizacao[k]->hide();
    }
    j.pctTela[7]->show();
    j.pctTela[7]->repaint();
    DetalhePonteiro::Padrao();
    j.repaint();
}

void TelaProgressoAtualizacao::IniciaPasso(int passo)
{
    if (!Linha(passo))
        return;
    const auto k = static_cast<std::size_t>(passo);
    m_janela.imgPassoAtualAtualizacao[k]->show();
    m_janela.imgBordaBarraAtualizacao[k]->show();
    m_janela.imgBarraAtualizacao[k]->show();
}

void TelaProgressoAtualizacao::AtualizarProgressBar(int passo, qint64 total, qint64 feito)
{
    if (!Linha(passo))
        return;
    const auto k = static_cast<std::size_t>(passo);
    THPicture* barra = m_janela.imgBarraAtualizacao[k];
    m_janela.imgBordaBarraAtualizacao[k]->setProperty("Tag", QString::number(total));
    barra->setProperty("Tag", QString::number(feito));
    const int largura = LarguraBarraProgresso(total, feito);
    if (largura != barra->width()) {
        barra->resize(largura, barra->height());
        barra->repaint();
    }
    QLabel* numero = m_janela.lblNumAtualizacao[k];
    numero->setText(TextoPercentual(total, feito));
    numero->repaint();
}

void TelaProgressoAtualizacao::ConcluiPasso(int passo)
{
    if (!Linha(passo))
        return;
    const auto k = static_cast<std::size_t>(passo);
    m_janela.imgPassoAtualAtualizacao[k]->hide();
    m_janela.imgPassoConcluidoAtualizacao[k]->show();
}

void ExibeTelaAtualizacao(frmTQ2& janela, std::int16_t sVersaoAtual, std::int16_t sVersaoNova,
                          const OpcoesAtualizacao& opcoes)
{
    janela.mHistoricoTelas = QStringLiteral("7");
    janela.CarregaImagensTela(QStringLiteral("C"), 7);
    janela.MostraSubTitulo(QString(), true);
    janela.AjustaBotoesNavegacao(7);
    {
        SemEsc semEsc(janela);
        TelaProgressoAtualizacao tela(janela);
        ExecutaPedidoAtualizacao(tela, sVersaoAtual, sVersaoNova, opcoes);
    }
    janela.imgVoltar_Click();
}

}  // namespace Atualizacao
