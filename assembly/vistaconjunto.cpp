// The view's construction and the signals it connects.

#include "assembly/vistaconjunto.h"

#include "assembly/rotuloitem.h"

#include "core/errorbox.h"
#include "listcontrols/thcombo.h"

#include <QTimer>

namespace Conjunto {

VistaConjunto::VistaConjunto(const ControlesFigura& figura, const ControlesTabela& tabela, const MembrosTQ1& membros,
                             JanelaConjunto& janela, QObject* parent)
    : QObject(parent), c(figura), t(tabela), m(membros), m_janela(janela), m_tela(figura.pctTela4)
{
    for (std::size_t i = 0; i < c.imgParteFigura.size(); ++i)
        LigaMiniatura(c.imgParteFigura[i], int(i));
    m_emoldurada.assign(c.imgParteFigura.size(), false);
    LigaSinais();
}

VistaConjunto::~VistaConjunto()
{
    // The labels are children of the figure screen: when the window went
    // first, they went with it.
    if (m_tela) {
        for (std::size_t i = 1; i < m_rotulos.size(); ++i)
            delete m_rotulos[i];
        for (RotuloItem* livre : m_rotulosLivres)
            delete livre;
    }
    for (const QPointer<Imagem>& extra : m_miniaturasExtras)
        delete extra.data();
    DescarregaLinhasJogos();
}

void VistaConjunto::LigaMiniatura(Imagem* mini, int pagina)
{
    connect(mini, &Imagem::Click, this, [this, pagina] { Evento([&] { imgParteFigura_Click(pagina); }); });
    connect(mini, &Imagem::MouseMove, this, [this, pagina] { Evento([&] { imgParteFigura_MouseMove(pagina); }); });
}

void VistaConjunto::LigaSinais()
{
    c.tmrFigura->setInterval(100);
    connect(c.tmrFigura, &QTimer::timeout, this, [this] { Evento([this] { tmrFigura_Timer(); }); });
    connect(c.cboTHCombo2, &THCombo::Click, this, [this] { Evento([this] { cboTHCombo2_Click(); }); });
    connect(c.cboTHCombo2, &THCombo::ImageClick, this, [this](int coluna, const platform::dao::Bookmark&, int botao) {
        Evento([&] { cboTHCombo2_ImageClick(coluna, botao); });
    });
    connect(c.cboTHCombo2, &THCombo::MouseMove, this,
            [this](int, int, float, float) { Evento([this] { cboTHCombo2_MouseMove(); }); });
    connect(t.txtItem, &QLineEdit::textChanged, this, [this] { Evento([this] { txtItem_Change(); }); });
    connect(t.txtNumeroEmpresaT, &QLineEdit::textChanged, this, [this] { Evento([this] { txtNumeroEmpresaT_Change(); }); });
    connect(t.txtComponente, &QLineEdit::textChanged, this, [this] { Evento([this] { txtComponente_Change(); }); });
    connect(t.txtNumeroFabricanteT, &QLineEdit::textChanged, this,
            [this] { Evento([this] { txtNumeroFabricanteT_Change(); }); });
    // A find box sorts the table by its column when it takes the focus.
    const std::pair<CaixaTexto*, const char*> caixas[] = {
        {t.txtItem, "1"}, {t.txtNumeroEmpresaT, "4"}, {t.txtComponente, "3"}};
    for (const auto& [caixa, coluna] : caixas) {
        const QString ordem = QLatin1String(coluna);
        connect(caixa, &CaixaTexto::GotFocus, this, [this, ordem] { Evento([&] { OrdenaTabelaPorColuna(ordem); }); });
    }
}

void VistaConjunto::RotuloMouseMove(int indice)
{
    Evento([&] { lblItem_MouseMove(indice); });
}

void VistaConjunto::RotuloMouseUp(int indice, int botao)
{
    Evento([&] { lblItem_MouseUp(indice, botao); });
}

int VistaConjunto::TelaAtual() const
{
    return m.mHistoricoTelas.isEmpty() ? -1 : m.mHistoricoTelas.right(1).toInt();
}

}  // namespace Conjunto
