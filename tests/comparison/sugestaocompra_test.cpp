// The buying suggestion on the demo catalogue: the lists of 4, 5, 8 and 9
// rows with their grouping and quantity rules, the pages, ticks and
// quantities kept over paging, select-all over pages, the validation of the
// boxes, what the include puts into the cart and in which order, the
// optional-alternatives request, and where the panel stands.

#include "comparison/sugestaocompra.h"

#include "cmpfixture.h"
#include "core/globals.h"
#include "core/searchtext.h"
#include "support/fakemessagebox.h"

#include <QPoint>

#include <map>

using namespace Comparacao;

namespace {

struct Inclusao {
    QString tipo;
    long codigo;
    QString quantidade;
    bool opcional, efeito;
    friend bool operator==(const Inclusao&, const Inclusao&) = default;
};
void PrintTo(const Inclusao& i, std::ostream* os)
{
    *os << i.tipo.toStdString() << ':' << i.codigo << ':' << i.quantidade.toStdString() << (i.opcional ? ":op" : "")
        << (i.efeito ? ":fx" : "");
}

class Suggestion : public cmptest::CatalogueTest {
protected:
    void SetUp() override { Open(QStringLiteral("V")); }

    bool Load(const QString& item, int page = 1, bool reset = true)
    {
        return m_sug.Carrega(Modulo::gDbDazadize, m_summary->suggestionAssembly, item, page, reset, QStringLiteral("P"));
    }
    // Every row of the list: code -> (kind, proposed quantity, optional).
    std::map<long, std::tuple<QString, int, bool>> All(const QString& item)
    {
        std::map<long, std::tuple<QString, int, bool>> out;
        SugestaoCompra s;
        for (int p = 1; s.Carrega(Modulo::gDbDazadize, m_summary->suggestionAssembly, item, p, p == 1, QStringLiteral("P")); ++p)
            for (const LinhaPaginaSugestao& l : s.Pagina().linhas)
                out[l.linha.codigo] = {l.linha.tipo, l.quantidade.toInt(), l.linha.temOpcionais()};
        return out;
    }
    IncluiItem Recorder()
    {
        return [this](const QString& t, long c, const QString& q, bool o, bool e) { m_cart.push_back({t, c, q, o, e}); };
    }

    SugestaoCompra m_sug;
    std::vector<Inclusao> m_cart;
};

TEST_F(Suggestion, ListsOfFourFiveEightAndNineRows)
{
    const demo::Summary& s = *m_summary;
    const struct { QString item; size_t rows; int pages; size_t lastPage; } lists[] = {
        {s.suggestion4Item, 4, 1, 4}, {s.suggestion5Item, 5, 2, 1}, {s.suggestion8Item, 8, 2, 4}, {s.suggestion9Item, 9, 3, 1},
    };
    for (const auto& l : lists) {
        SCOPED_TRACE(l.item.toStdString());
        EXPECT_EQ(All(l.item).size(), l.rows);
        ASSERT_TRUE(Load(l.item));
        EXPECT_EQ(m_sug.Pagina().paginas, l.pages);
        EXPECT_EQ(m_sug.Pagina().legenda, QStringLiteral("1/%1").arg(l.pages));
        EXPECT_EQ(m_sug.Pagina().dica, QStringLiteral("Página 1 de %1").arg(l.pages));
        EXPECT_EQ(m_sug.Pagina().linhas.size(), std::min<size_t>(4, l.rows));
        ASSERT_TRUE(Load(l.item, l.pages, false));
        EXPECT_EQ(m_sug.Pagina().linhas.size(), l.lastPage);
        EXPECT_FALSE(Load(l.item, l.pages + 1, false));
    }
}

TEST_F(Suggestion, GroupingAndQuantityRules)
{
    const demo::Summary& s = *m_summary;
    const auto nine = All(s.suggestion9Item);
    // Two suggested items of one component: one row, the larger stored
    // proposal as a number (10, not "9").
    EXPECT_EQ(std::get<1>(nine.at(s.suggestionSharedComponent)), 10);
    // A proposal of 0.5 becomes 1; the component with alternatives shows them.
    EXPECT_EQ(std::get<1>(nine.at(s.suggestionHalf)), 1);
    EXPECT_TRUE(std::get<2>(nine.at(s.suggestionWithAlternatives)));
    // Kits of the assembly, proposed once, never optional.
    EXPECT_EQ(nine.at(s.suggestionKitOfAssembly), std::make_tuple(QStringLiteral("JRE"), 1, false));

    // Without stored proposals: the sum of the items' assembly quantities.
    const auto eight = All(s.suggestion8Item);
    EXPECT_EQ(std::get<1>(eight.at(s.suggestionSharedComponent)), 5) << "2 + 3 at two items";
    // A kit that is no kit of the assembly is never offered.
    const auto five = All(s.suggestion5Item);
    EXPECT_FALSE(five.count(s.suggestionKitNotOfAssembly));
    EXPECT_TRUE(five.count(s.suggestionKitOfAssembly));
    // Stored 3; Null over "1"; stored 1; Null over "A/R" (counts 1).
    std::vector<int> four;
    for (const auto& [code, row] : All(s.suggestion4Item))
        four.push_back(std::get<1>(row));
    std::sort(four.begin(), four.end());
    EXPECT_EQ(four, (std::vector<int>{1, 1, 1, 3}));

    for (const QString& item : {s.suggestion9Item, s.suggestion5Item}) {
        ASSERT_TRUE(Load(item));
        QString previous;
        for (int p = 1; Load(item, p, false); ++p)
            for (const LinhaPaginaSugestao& l : m_sug.Pagina().linhas) {
                EXPECT_LE(previous, l.linha.numero) << "ordered by company number";
                previous = l.linha.numero;
            }
    }
}

TEST_F(Suggestion, NoListKeepsNothingOnShow)
{
    ASSERT_TRUE(Load(m_summary->suggestion4Item));
    EXPECT_FALSE(Load(m_summary->suggestionEmptyItem)) << "the screen hides the panel";
    EXPECT_EQ(m_sug.Item(), m_summary->suggestion4Item);
    EXPECT_FALSE(m_sug.Carrega(Modulo::gDbDazadize, m_summary->suggestionNullSetAssembly, m_summary->suggestionNullSetItem, 1,
                               true, QStringLiteral("P")))
        << "a Null suggestion set is no suggestion";
    EXPECT_FALSE(m_sug.Carrega(Modulo::gDbDazadize, 999999, QStringLiteral("X'Y|Z"), 1, true, QStringLiteral("P")));
    EXPECT_EQ(QuantidadeSugerida(QStringLiteral("2.7")), 2);
    EXPECT_EQ(QuantidadeSugerida(QStringLiteral("5000")), 999);
    EXPECT_EQ(QuantidadeSugerida(QStringLiteral("-3")), 1);
    EXPECT_EQ(QuantidadeSugerida(QStringLiteral("x")), 1);
    EXPECT_EQ(QuantidadeSugerida(QVariant()), 1);
}

TEST_F(Suggestion, TicksAndQuantitiesSurvivePagingWithWrapAround)
{
    ASSERT_TRUE(Load(m_summary->suggestion9Item));
    m_sug.Guarda({true, false, false, true}, {QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    EXPECT_EQ(m_sug.PaginaSeguinte(0), 3) << "previous on page 1";
    ASSERT_TRUE(Load(m_summary->suggestion9Item, m_sug.PaginaSeguinte(1), false));
    EXPECT_EQ(m_sug.Pagina().legenda, QStringLiteral("2/3"));
    m_sug.Guarda({false, true, false, false}, {QStringLiteral("1"), QStringLiteral("12"), QStringLiteral("1"), QStringLiteral("1")});
    ASSERT_TRUE(Load(m_summary->suggestion9Item, 3, false));
    EXPECT_EQ(m_sug.PaginaSeguinte(1), 1) << "next on the last page";
    ASSERT_TRUE(Load(m_summary->suggestion9Item, 1, false));
    const auto& p1 = m_sug.Pagina().linhas;
    EXPECT_TRUE(p1[0].marcada);
    EXPECT_EQ(p1[0].quantidade, QStringLiteral("7"));
    EXPECT_TRUE(p1[3].marcada);
    ASSERT_TRUE(Load(m_summary->suggestion9Item, 2, false));
    EXPECT_TRUE(m_sug.Pagina().linhas[1].marcada);
    EXPECT_EQ(m_sug.Pagina().linhas[1].quantidade, QStringLiteral("12"));
    // A new list clears them.
    ASSERT_TRUE(Load(m_summary->suggestion9Item));
    EXPECT_FALSE(m_sug.Pagina().linhas[0].marcada);
    EXPECT_EQ(std::count(m_sug.Selecionados().begin(), m_sug.Selecionados().end(), true), 0);
}

TEST_F(Suggestion, SelectAllCoversEveryPageAndToggles)
{
    ASSERT_TRUE(Load(m_summary->suggestion9Item));
    EXPECT_EQ(m_sug.TagSelecionarTodos(), QStringLiteral("0"));
    EXPECT_TRUE(m_sug.SelecionaTodos());
    ASSERT_TRUE(Load(m_summary->suggestion9Item, 3, false));
    EXPECT_TRUE(m_sug.Pagina().linhas[0].marcada) << "page 3 ticked from page 1";
    m_sug.Guarda({false}, {QStringLiteral("1")});
    // A single untick leaves the state "all": the next click unticks everything.
    EXPECT_FALSE(m_sug.SelecionaTodos());
    EXPECT_EQ(std::count(m_sug.Selecionados().begin(), m_sug.Selecionados().end(), true), 0);
}

TEST(SuggestionBoxes, Validation)
{
    const struct { const char* name; QStringList in, out; int invalid; } rows[] = {
        {"all valid", {"5", "999", "1"}, {"5", "999", "1"}, -1},
        {"zero", {"2", "0", "x"}, {"2", "0", "x"}, 1},
        {"empty", {""}, {""}, 0},
        {"pasted letters", {"1a2", "b"}, {"12", ""}, 1},
        {"zeros", {"000"}, {"000"}, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        QStringList boxes = r.in;
        EXPECT_EQ(ValidaQuantidadesSugestao(boxes), r.invalid);
        EXPECT_EQ(boxes, r.out);
    }
}

TEST_F(Suggestion, IncludeTickedRowsThenTheCarrierThenOneAnimation)
{
    ASSERT_TRUE(Load(m_summary->suggestion9Item, 1, true));
    ASSERT_TRUE(Load(m_summary->suggestion9Item, 2, false));
    std::vector<LinhaSugestao> page2;
    for (const auto& l : m_sug.Pagina().linhas)
        page2.push_back(l.linha);
    m_sug.Guarda({true, false, true, true}, {QStringLiteral("6"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    int effects = 0;
    EXPECT_EQ(IncluiSelecionadosSugestao(m_sug, Modulo::gDbDazadize, QStringLiteral("P"), Recorder(), [&] { ++effects; }), 3);
    EXPECT_EQ(effects, 1);
    const long carrier = Modulo::ObtemValorSQL(QStringLiteral("SELECT CodigoComponente FROM PECA_COMPONENTE WHERE CodigoPeca = %1 AND "
                                                              "ItemComponente = '%2'").arg(m_summary->suggestionAssembly).arg(m_summary->suggestion9Item))
                             .toInt();
    const std::vector<Inclusao> expected = {
        {page2[0].tipo, page2[0].codigo, "6", page2[0].temOpcionais(), false},
        {page2[2].tipo, page2[2].codigo, "2", page2[2].temOpcionais(), false},
        {page2[3].tipo, page2[3].codigo, "3", page2[3].temOpcionais(), false},
        {"COM", carrier, "1", false, false},
    };
    EXPECT_EQ(m_cart, expected);
    for (const Inclusao& i : m_cart) {
        if (i.tipo == QLatin1String("JRE")) {
            EXPECT_FALSE(i.opcional) << "a kit never enters as optional";
        }
    }
}

TEST_F(Suggestion, NothingTickedShowsTheMessageAndAddsNothing)
{
    tqtest::FakeMessageBoxes boxes;
    ASSERT_TRUE(Load(m_summary->suggestion4Item));
    int effects = 0;
    EXPECT_EQ(IncluiSelecionadosSugestao(m_sug, Modulo::gDbDazadize, QStringLiteral("P"), Recorder(), [&] { ++effects; }), 0);
    EXPECT_TRUE(m_cart.empty());
    EXPECT_EQ(effects, 0);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.last().text, QStringLiteral("Nenhum Item Selecionado."));
    EXPECT_EQ(boxes.last().icon(), platform::vbCritical);
}

TEST_F(Suggestion, ACarrierWithoutARegularRowAddsOnlyTheTickedRows)
{
    ASSERT_TRUE(Load(m_summary->suggestionCarrierNoRegular));
    EXPECT_TRUE(m_sug.SelecionaTodos());
    EXPECT_EQ(IncluiSelecionadosSugestao(m_sug, Modulo::gDbDazadize, QStringLiteral("P"), Recorder(), {}), 2);
    EXPECT_EQ(m_cart.size(), 2u);
}

TEST_F(Suggestion, OptionalAlternativesRequest)
{
    const demo::Summary& s = *m_summary;
    EXPECT_EQ(ItemOpcionalSugestao(Modulo::gDbDazadize, s.suggestionAssembly, s.suggestion9Item, s.suggestionWithAlternatives),
              QStringLiteral("30.050"));
    EXPECT_EQ(ItemOpcionalSugestao(Modulo::gDbDazadize, s.suggestionAssembly, s.suggestion9Item, s.suggestionHalf), QString());
    EXPECT_EQ(SolicitacaoOpcionaisSugestao(s.suggestionAssembly, s.suggestionWithAlternatives, QStringLiteral("30.050")),
              QStringLiteral("4|%1|%2|30.050|0").arg(s.suggestionAssembly).arg(s.suggestionWithAlternatives));
}

TEST(SuggestionPlacement, BesideAFigureItem)
{
    const QRect figura(10, 40, 560, 400);  // middle at x 290
    const QRect kits(108, 184, 176, 213);
    const struct { const char* name; LugarFigura l; QPoint p; } rows[] = {
        {"item in the right half: the figure's left edge", {800, 300, figura, 84, false, {}}, {94, 40}},
        {"item in the left half: ending at x 799", {800, 290, figura, 84, false, {}}, {623, 40}},
        {"below the visible kit panel", {800, 10, figura, 84, true, kits}, {623, 399}},
        {"a wide window", {1000, 10, figura, 84, false, {}}, {800, 40}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(PosicaoSugestaoFigura(r.l), r.p);
    }
}

TEST(SuggestionPlacement, BesideAGridRow)
{
    const struct { const char* name; LugarGrade l; QPoint p; } rows[] = {
        {"below the row", {800, 600, 150, 34, false}, {455, 202}},
        {"near the bottom: above the row", {800, 600, 150, 300, false}, {455, 219}},
        {"exactly fitting stays below", {800, 600, 150, 203, false}, {455, 371}},
        {"bar hidden", {800, 600, 150, 0, true}, {455, 140}},
        {"a wide window", {1000, 700, 150, 300, false}, {800, 150}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(PosicaoSugestaoGrade(r.l), r.p);
    }
    EXPECT_EQ(CentroPainelSugestao(QRect(455, 140, 176, 229)), QPoint(543, 254)) << "254.5 rounds to even";
    EXPECT_EQ(CentroPainelSugestao(QRect(455, 141, 176, 229)), QPoint(543, 256)) << "255.5 rounds to even";
    EXPECT_EQ(LimitaPainelSugestao({700, -20}, {800, 600}), QPoint(624, 0));
    EXPECT_EQ(LimitaPainelSugestao({-5, 500}, {800, 600}), QPoint(0, 371));
    EXPECT_EQ(TopoDescricaoSugestao(52, 200), 65);
    EXPECT_EQ(TopoDescricaoSugestao(52, 100), 71);
}

}  // namespace
