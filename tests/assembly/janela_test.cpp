// The assembly view on the main window: the registry's slots as the frame
// and the other screens call them, the list's events and column titles of
// screen 5, the buying-suggestion slots, the cart and Print.

#include "asmfixture.h"

#include "assembly/consultas.h"
#include "assembly/janela/registra.h"
#include "assembly/utilcontroles.h"

#include "core/globals.h"
#include "core/searchtext.h"
#include "listcontrols/thgrid.h"

using namespace asmtest;
using Conjunto::Visivel;

namespace {

class Janela : public TelaConjunto {
protected:
    platform::dao::RecordsetPtr Rs() { return T().dtcTHGrid1->Recordset(); }
    long Componente(const QString& item)
    {
        return long(Valor(QStringLiteral("SELECT CodigoComponente FROM PECA_COMPONENTE WHERE CodigoPeca = %1 AND ItemComponente = '%2' "
                                         "AND FlagOpcionalComponente = 0")
                              .arg(s.casesAssembly)
                              .arg(item))
                        .toLongLong());
    }
};

}  // namespace

TEST_F(Janela, EveryWindowGetsItsViewAndTheSlotsReachIt)
{
    Abre();
    // The registry holds the view's slots; a window made without them has
    // no view, and the slots do nothing on it.
    const RegistroTQ1& r = RegistroTQ1::Global();
    for (const bool cheio : {bool(r.MostraFigura), bool(r.EscondeFigura), bool(r.FechaFigura), bool(r.MostraComponentes),
                             bool(r.EscondeComponentes), bool(r.FechaConjunto), bool(r.imgParteFigura_Click),
                             bool(r.LimpaSelecaoItem), bool(r.MenuItemFigura), bool(r.OrdenaTabelaPorColuna),
                             bool(r.imgFigura_Click)})
        EXPECT_TRUE(cheio);
    EXPECT_NE(Conjunto::ConjuntoTQ1::De(F()), nullptr);
    EXPECT_TRUE(Conjunto::ConjuntoTQ1::ListaDaTabela());
    {
        const auto mostra = r.MostraFigura;
        const auto fecha = r.FechaConjunto;
        RegistroTQ1::Temporario vazio;
        frmTQ1 outra;
        EXPECT_EQ(Conjunto::ConjuntoTQ1::De(outra), nullptr);
        mostra(outra, 3);
        fecha(outra);
        EXPECT_EQ(outra.mHistoricoTelas, QStringLiteral("0"));
    }

    // The comparison's figure icon: FechaFigura, then the figure entered from 8.
    D().AbreConjunto(s.casesAssembly, QString());
    F().mHistoricoTelas = QStringLiteral("0198");
    F().FechaFigura();
    EXPECT_FALSE(F().mFiguraCarregada);
    EXPECT_FALSE(F().mPartesFigura->size());
    Modulo::gParametro = QStringLiteral("C:%1:C").arg(s.componentOnTwoPages);
    F().MostraFigura(8);
    EXPECT_EQ(F().mHistoricoTelas, QStringLiteral("0194"));
    EXPECT_TRUE(F().mFiguraCarregada);
    EXPECT_EQ(F().mPartesFigura->size(), V().Figura().QuantidadePartes());
    EXPECT_EQ(F().mParteFiguraAtual, V().ParteFiguraAtual());
    EXPECT_FALSE(V().ItensDestacados().empty());

    // The window's mouse over the figure clears the hover state through the slot.
    Passa(Rotulo(s.itemAllFlags));
    EXPECT_NE(F().mItemSobMouse, -1);
    F().pctTela_MouseMove(4);
    EXPECT_EQ(F().mItemSobMouse, -1);
    EXPECT_EQ(Modulo::gAlvoRodaNome, QStringLiteral("CAT_FIGURA"));

    // Home leaves the assembly.
    F().imgInicio_Click();
    EXPECT_EQ(F().mHistoricoTelas, QStringLiteral("0"));
    EXPECT_FALSE(Visivel(C().pctTela4));
    EXPECT_EQ(V().Figura().UltimoItem(), 0);
}

TEST_F(Janela, PrintTheSuggestionSlotsAndTheCart)
{
    Abre();
    D().AbreConjunto(s.casesAssembly, QString());
    // Print on the figure names the page shown; on the table no page.
    const int pagina = V().Figura().QuantidadePartes() - 1;
    F().imgParteFigura_Click(pagina);
    F().imgImprimir_Click();
    EXPECT_EQ(D().requisicoes.last(), QStringLiteral("5|%1|P|F|%2").arg(s.casesAssembly).arg(pagina));

    // Hovering an item with a suggestion hands its label and Left on.
    const int i = Rotulo(s.itemAllFlags);
    Passa(i);
    EXPECT_EQ(D().sugestoes.last(), QStringLiteral("figura %1 %2").arg(i).arg(V().lblItem(i)->x()));
    EXPECT_FALSE(F().mRsItensFigura->NoMatch());
    EXPECT_EQ(F().mRsItensFigura->Fields(QStringLiteral("ItemComponente")).Text(), s.itemAllFlags);
    F().MenuItemFigura(5);
    EXPECT_EQ(D().sugestoes.last(), QStringLiteral("menu"));
    // The menu's cart entry writes the run's cart and plays the animation.
    F().MenuItemFigura(0);
    EXPECT_EQ(D().Carrinho(), QStringList{QStringLiteral("COM|%1|2|op").arg(Componente(s.itemAllFlags))});
    EXPECT_EQ(D().chamadas.filter(QStringLiteral("EfeitoCarrinho")).size(), 1);

    F().imgTabela_Click();
    F().imgImprimir_Click();
    EXPECT_EQ(D().requisicoes.last(), QStringLiteral("5|%1|P|*|255").arg(s.casesAssembly));
}

TEST_F(Janela, TheListsEventsAndTitlesOnTheTableOnly)
{
    Abre();
    D().AbreConjunto(s.casesAssembly, QString());
    F().imgTabela_Click();
    THGrid* g = T().grdTHGrid1;
    const long componente = Componente(s.itemAllFlags);
    Rs()->FindFirst(Conjunto::CriterioItem(s.itemAllFlags));
    g->AtualizaGrid();

    // Row icons: cart (optional by the row's second flag), suggestion,
    // optionals, kits, note.
    D().sugestoes.clear();
    for (int icone = 0; icone < 5; ++icone)
        g->EventImageClick(icone);
    EXPECT_EQ(D().Carrinho(), QStringList{QStringLiteral("COM|%1|2|op").arg(componente)});
    EXPECT_EQ(D().sugestoes, QStringList{"tabela"});
    EXPECT_EQ(D().requisicoes,
              (QStringList{QStringLiteral("4|%1|%2|%3|0").arg(s.casesAssembly).arg(componente).arg(s.itemAllFlags),
                           QStringLiteral("1|%1|%2|%3|0").arg(s.casesAssembly).arg(s.itemAllFlags).arg(componente),
                           QStringLiteral("0|COM|%1|%2|%3").arg(componente).arg(s.casesAssembly).arg(s.itemAllFlags)}));
    // The suggestion icon does nothing while the panel shows.
    F().pctSugestaoCompra->show();
    g->EventImageClick(1);
    EXPECT_EQ(D().sugestoes.size(), 1);

    // A row change hides the panel, fills the cross references and shows
    // the panel again for a row with a suggestion.
    Rs()->MoveFirst();
    g->AtualizaGrid();
    D().Conjunto().grdTHGrid1_RowColChange(platform::dao::Bookmark());
    EXPECT_FALSE(Visivel(F().pctSugestaoCompra));
    const QString primeiro = Rs()->Fields(QStringLiteral("ImagensGrid")).Text();
    EXPECT_EQ(D().sugestoes.size(), primeiro.startsWith(QLatin1Char(' ')) ? 2 : 1);

    // The column titles sort; the double click opens the figure at the row.
    Q_EMIT F().imgTitComponente[1]->Click();
    EXPECT_EQ(g->Tag(), QStringLiteral("3"));
    Q_EMIT F().imgTitNoTQ[3]->Click();
    EXPECT_EQ(g->Tag(), QStringLiteral("4"));
    Q_EMIT F().imgTitItem->Click();
    EXPECT_EQ(g->Tag(), QStringLiteral("1"));
    Rs()->FindFirst(Conjunto::CriterioItem(s.itemAllFlags));
    Q_EMIT g->DblClick();
    EXPECT_EQ(F().mHistoricoTelas, QStringLiteral("0134"));
    ASSERT_FALSE(V().ItensDestacados().empty());
    EXPECT_EQ(V().Figura().ObtemTextoItem(V().ItensDestacados().front().indice, false), s.itemAllFlags);

    // On the figure the list's and the titles' events are not the table's.
    const int pedidos = D().requisicoes.size();
    g->EventImageClick(4);
    Q_EMIT F().imgTitComponente[1]->Click();
    Q_EMIT g->DblClick();
    EXPECT_EQ(D().requisicoes.size(), pedidos);
    EXPECT_EQ(g->Tag(), QStringLiteral("1"));
    EXPECT_EQ(F().mHistoricoTelas, QStringLiteral("0134"));
}

TEST_F(Janela, AnotherSubsystemsMainListEventsAreNotRunTwice)
{
    // The catalogue search registered first: it owns the Figure button and
    // the main list's events on every screen; the view's table leaves them
    // to it.
    QStringList figura;
    vizinhos = [&figura](RegistroTQ1& r) { r.imgFigura_Click = [&figura](frmTQ1&) { figura << QStringLiteral("busca"); }; };
    Abre();
    EXPECT_FALSE(Conjunto::ConjuntoTQ1::ListaDaTabela());
    D().AbreConjunto(s.casesAssembly, QString());
    F().imgTabela_Click();
    Rs()->FindFirst(Conjunto::CriterioItem(s.itemAllFlags));
    for (int icone = 0; icone < 5; ++icone)
        T().grdTHGrid1->EventImageClick(icone);
    Q_EMIT F().imgTitComponente[1]->Click();
    Q_EMIT T().grdTHGrid1->DblClick();
    F().imgFigura_Click();
    EXPECT_TRUE(D().requisicoes.isEmpty());
    EXPECT_TRUE(D().Carrinho().isEmpty());
    EXPECT_EQ(T().grdTHGrid1->Tag(), QStringLiteral("1"));
    EXPECT_EQ(figura, QStringList{"busca"});
    // The sort itself is still the view's slot.
    F().OrdenaTabelaPorColuna(QStringLiteral("3"));
    EXPECT_EQ(T().grdTHGrid1->Tag(), QStringLiteral("3"));
}
