// Grid navigation and numeric-input helpers of the shared module.

#include "listcontrols/gridnavigation.h"

#include "listfixture.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QAbstractItemView>

using namespace listtest;
using namespace Modulo;

TEST(NumericInput, SomenteDigitos)
{
    struct Caso {
        const char* texto;
        const char* digitos;
    };
    const std::vector<Caso> casos = {
        {"12-34 5a6", "123456"}, {"sem digitos", ""}, {"", ""}, {"Ç3É½²7", "37"}, {"0000 001", "0000001"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto);
        EXPECT_EQ(SomenteDigitos(QString::fromUtf8(c.texto)), QString::fromUtf8(c.digitos));
    }
}

TEST(NumericInput, FiltraTeclaNumerica)
{
    struct Caso {
        int tecla;
        int resultado;
    };
    const std::vector<Caso> casos = {{8, 8},    {'0', '0'}, {'9', '9'}, {'5', '5'}, {'a', 0},
                                     {'-', 0},  {'.', 0},   {',', 0},   {' ', 0},   {13, 0}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.tecla);
        int k = c.tecla;
        FiltraTeclaNumerica(k);
        EXPECT_EQ(k, c.resultado);
    }
}

TEST(NumericInput, CorrigeTextoNumerico)
{
    QLineEdit caixa;
    caixa.setText(QStringLiteral("1a2"));   // pasted
    CorrigeTextoNumerico(&caixa);
    EXPECT_EQ(caixa.text(), "12");
    // A clean box is not assigned again: its cursor stays where it was.
    caixa.setText(QStringLiteral("345"));
    caixa.setCursorPosition(1);
    CorrigeTextoNumerico(&caixa);
    EXPECT_EQ(caixa.text(), "345");
    EXPECT_EQ(caixa.cursorPosition(), 1);
}

namespace {

class Navegacao : public Fixture {
protected:
    // The main window's list: 255 pixels, pages of 15 rows.
    THGrid* Lista(DataControl& dc, int linhas = 15)
    {
        THGrid* g = NovoGrid(linhas);
        g->ObtemDataControl(&dc);
        g->ConfiguraColunas({"Numero|0|1200|T", "Descricao|0|3000|T"});
        return g;
    }
};

}  // namespace

TEST_F(Navegacao, KeysMoveTheRecordsetAndTheView)
{
    Preenche(40);
    DataControl dc;
    Abre(dc);
    THGrid* g = Lista(dc);
    ASSERT_EQ(g->height(), 255);
    const RecordsetPtr rs = dc.Recordset();

    struct Passo {
        const char* tecla;
        long antes;
        long depois;
        int linhaVisivel;   // -2: not checked
    };
    const std::vector<Passo> passos = {
        {"{UP}", 0, 0, 0},          // up on the first keeps the first
        {"{DOWN}", 0, 1, 1},
        {"{PGDN}", 1, 16, 14},      // a whole page, shown on the page's last row
        {"{PGUP}", 16, 2, -2},      // one row less than a page
        {"{PGDN}", 30, 39, 14},     // near the end: the last record
        {"{DOWN}", 39, 39, 14},     // down on the last keeps the last
        {"{HOME}", 39, 39, 14},     // any other key moves nothing
    };
    for (const Passo& p : passos) {
        SCOPED_TRACE(p.tecla);
        rs->SetAbsolutePosition(p.antes);
        NavegaGridTeclado(g, rs, QString::fromLatin1(p.tecla));
        EXPECT_EQ(rs->AbsolutePosition(), p.depois);
        EXPECT_EQ(g->innerGrid()->currentIndex().row(), p.depois);
        if (p.linhaVisivel != -2) {
            EXPECT_EQ(g->Row(), p.linhaVisivel);
        }
    }

    // Nothing on an empty list, nor without a recordset.
    Preenche(0);
    dc.Refresh();
    EXPECT_NO_THROW(NavegaGridTeclado(g, dc.Recordset(), QStringLiteral("{DOWN}")));
    EXPECT_NO_THROW(NavegaGridTeclado(g, nullptr, QStringLiteral("{DOWN}")));
}

TEST_F(Navegacao, RowOfTheCurrentRecordKeptAcrossARefresh)
{
    Preenche(40);
    DataControl dc;
    Abre(dc);
    THGrid* g = Lista(dc, 10);
    dc.Recordset()->SetAbsolutePosition(20);   // lands on the last visible row
    const int linha = ObtemLinhaGrid(g);
    EXPECT_EQ(linha, 9);
    EXPECT_FALSE(RestauraLinhaGrid(g, linha));   // already there
    EXPECT_TRUE(RestauraLinhaGrid(g, 3));
    EXPECT_EQ(g->Row(), 3);
    EXPECT_EQ(dc.Recordset()->AbsolutePosition(), 20);

    // The current record scrolled out of view: no row, and restoring "no
    // row" does nothing.
    g->Scroll(0, 10, true);
    EXPECT_EQ(ObtemLinhaGrid(g), LinhaGridNenhuma);
    const int topo = g->innerGrid()->verticalScrollBar()->value();
    EXPECT_FALSE(RestauraLinhaGrid(g, LinhaGridNenhuma));
    EXPECT_EQ(g->innerGrid()->verticalScrollBar()->value(), topo);
}

TEST_F(Navegacao, BookmarkDiferente)
{
    Preenche(20);
    DataControl dc;
    Abre(dc);
    THGrid* g = Lista(dc, 8);
    const RecordsetPtr rs = dc.Recordset();

    // On the first visible row the answer is True even for the same record.
    EXPECT_TRUE(BookmarkDiferente(&dc, g, rs->BookmarkOfRow(0)));
    rs->SetAbsolutePosition(3);
    EXPECT_FALSE(BookmarkDiferente(&dc, g, rs->BookmarkOfRow(3)));
    EXPECT_TRUE(BookmarkDiferente(&dc, g, rs->BookmarkOfRow(2)));
    const Bookmark antigo = rs->BookmarkOfRow(3);
    dc.Refresh();
    dc.Recordset()->SetAbsolutePosition(3);
    EXPECT_TRUE(BookmarkDiferente(&dc, g, antigo));   // another generation is another row
    dc.Recordset()->MoveLast();
    dc.Recordset()->MoveNext();   // EOF
    EXPECT_TRUE(BookmarkDiferente(&dc, g, antigo));
    EXPECT_TRUE(BookmarkDiferente(nullptr, g, antigo));
}
