// The column-spec language and the column layout it yields, without widgets.

#include "listcontrols/thcolumns.h"

#include "platform/base/error.h"

#include "support/testutil.h"

#include <gtest/gtest.h>

#include <climits>

using namespace THLayout;

namespace {

constexpr int tw = TwipsPorPixel;

LayoutColunas Calcula(const QStringList& specs, int barra, int apartir = TodasComDivisor,
                      std::vector<int> imagens = {})
{
    EntradaColunas e;
    e.especificacoes = specs;
    e.larguraBarraTwips = barra;
    e.apartirIndexSemDivisor = apartir;
    e.larguraImagensTwips = std::move(imagens);
    return CalculaColunas(e);
}

}  // namespace

TEST(ColumnSpec, TwoTextColumnsStretchTheLastToTheBar)
{
    const LayoutColunas l = Calcula({"Numero|0|1500|T", "Descricao|1|900|T"}, 2400);
    ASSERT_EQ(l.colunas.size(), 2u);
    EXPECT_EQ(l.colunas[0].larguraTwips, 1500);
    EXPECT_EQ(l.colunas[1].larguraTwips, 2400 + 45 - 1530);   // 915
    ASSERT_EQ(l.rotulos.size(), 2u);
    EXPECT_EQ(l.rotulos[0].esquerdaTwips, 30);
    EXPECT_EQ(l.rotulos[0].larguraTwips, 1425);
    EXPECT_EQ(l.rotulos[0].alinhamento, 0);
    EXPECT_EQ(l.rotulos[0].tag, "Numero");
    EXPECT_EQ(l.rotulos[1].esquerdaTwips, 1530);
    EXPECT_EQ(l.rotulos[1].alinhamento, 1);
    ASSERT_GE(l.divisores.size(), 1u);
    EXPECT_TRUE(l.divisores[0].carregado);
    EXPECT_EQ(l.divisores[0].xTwips, 1485);
    EXPECT_FALSE(l.divisores[0].preto);
    EXPECT_EQ(l.tiposColunas, "TT");
    EXPECT_EQ(l.ultimaColunaGrid, 1);
    EXPECT_EQ(l.ultimaImagem, -1);
    // Grid columns stand under their labels: left edge = label left - 2 px.
    EXPECT_EQ(l.colunas[0].esquerdaTwips, 0);
    EXPECT_EQ(l.colunas[1].esquerdaTwips, 1500);
    EXPECT_EQ(l.colunas[0].passoTwips, 1500);
}

TEST(ColumnSpec, DefaultDividersFollowTheNoDividerIndex)
{
    // Columns 0 and 1 get style 6; from index 2 on style 0, and each of those
    // advances the running position by its width less one pixel.
    const LayoutColunas l =
        Calcula({"A|0|600|T", "B|0|600|T", "C|0|600|T", "D|0|600|T", "E|0|600|T"}, 6000, 2);
    ASSERT_EQ(l.colunas.size(), 5u);
    EXPECT_EQ(l.colunas[0].divisor, 6);
    EXPECT_EQ(l.colunas[1].divisor, 6);
    EXPECT_EQ(l.colunas[2].divisor, 0);
    EXPECT_EQ(l.colunas[3].divisor, 0);
    const int x2 = 2 * tw + 600 + 600;
    EXPECT_EQ(l.rotulos[2].esquerdaTwips, x2);
    EXPECT_EQ(l.rotulos[3].esquerdaTwips, x2 + 600 - tw);
    EXPECT_EQ(l.rotulos[4].esquerdaTwips, x2 + 2 * (600 - tw));
    EXPECT_EQ(l.colunas[2].passoTwips, 600 - tw);
}

TEST(ColumnSpec, OneSpecKeepsItsWidth)
{
    const LayoutColunas l = Calcula({"Descricao|0|900|T"}, 2400);
    ASSERT_EQ(l.colunas.size(), 1u);
    EXPECT_EQ(l.colunas[0].larguraTwips, 900);
    EXPECT_TRUE(l.divisores.empty());
    EXPECT_EQ(l.ultimaColunaGrid, 0);
}

TEST(ColumnSpec, DividerColourFromTheSpec)
{
    struct Caso {
        const char* nome;
        QStringList specs;
        bool preto;
    };
    const std::vector<Caso> casos = {
        {"icon spec with style 1 shows a black line", {"ImagensGrid|2|555|I|1|Nota|99", "B|0|600|T"}, true},
        {"text spec with style 6 shows a light grey line", {"A|0|600|T|6", "B|0|600|T"}, false},
        {"text spec with style 1 shows a black line", {"A|0|600|T|1", "B|0|600|T"}, true},
        {"text spec without style shows a light grey line", {"A|0|600|T", "B|0|600|T"}, false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        const LayoutColunas l = Calcula(c.specs, 3000, TodasComDivisor, {15 * tw});
        ASSERT_FALSE(l.divisores.empty());
        EXPECT_TRUE(l.divisores[0].carregado);
        EXPECT_EQ(l.divisores[0].preto, c.preto);
    }
}

TEST(ColumnSpec, IconColumnsAndFlags)
{
    // The part-search list of the catalogue: a fixed cart icon, three text
    // columns and a flag icon.
    const QStringList specs = {
        "|2|330|F|6|Incluir no carrinho|99", "NumeroEmpresa|0|1335|T|6", "Descricao|0|4050|T|6",
        "Tipo|0|1935|T|6",                   "ImagensGrid|2|555|I|6|Nota|99",
    };
    const LayoutColunas l = Calcula(specs, 8205, TodasComDivisor, {16 * tw, 14 * tw});
    EXPECT_EQ(l.tiposColunas, "FTTTI");
    ASSERT_EQ(l.icones.size(), 2u);
    EXPECT_EQ(l.icones[0].tipo, QChar('F'));
    EXPECT_EQ(l.icones[0].numeroFlag, -1);
    EXPECT_EQ(l.icones[0].colunaGrid, 0);
    // Centred: x + (w - 5 px) / 2 - W / 2.
    EXPECT_EQ(l.icones[0].esquerdaTwips, 2 * tw + (330 - 5 * tw) / 2 - 8 * tw);
    EXPECT_EQ(l.icones[1].tipo, QChar('I'));
    EXPECT_EQ(l.icones[1].numeroFlag, 0);
    EXPECT_EQ(l.icones[1].colunaGrid, 4);
    EXPECT_EQ(l.icones[1].dica, "Nota");
    EXPECT_EQ(l.icones[1].ponteiro, 99);
    EXPECT_EQ(l.colunaFlags, 4);
    EXPECT_EQ(l.ultimaImagem, 1);
    EXPECT_EQ(l.ultimaColunaGrid, 4);
    EXPECT_EQ(l.rotulos.size(), 3u);
    EXPECT_EQ(l.rotulos[0].colunaGrid, 1);
}

TEST(ColumnSpec, IconAlignmentInsideItsColumn)
{
    const int x = 100, w = 600, icone = 16 * tw;
    EXPECT_EQ(EsquerdaIcone(x, w, 0, icone), x);
    EXPECT_EQ(EsquerdaIcone(x, w, 1, icone), x + (w - 5 * tw) - icone);
    EXPECT_EQ(EsquerdaIcone(x, w, 2, icone), x + (w - 5 * tw) / 2 - icone / 2);
}

TEST(ColumnSpec, LeftIgualAnteriorSharesThePreviousColumn)
{
    // Two icons in one column: the second, right-aligned, stands at the
    // column's left again and creates no grid column.
    const QStringList specs = {"A|0|900|T", "ImagensGrid|0|600|I|6|Um|99",
                               "#LeftIgualAnterior|1|0|I|6|Dois|99", "B|0|900|T"};
    const LayoutColunas l = Calcula(specs, 3000, TodasComDivisor, {10 * tw, 10 * tw});
    ASSERT_EQ(l.colunas.size(), 3u);
    EXPECT_EQ(l.qtdLeftIgualAnterior, 1);
    EXPECT_EQ(l.colunaLeftIgualAnterior, 1);
    ASSERT_EQ(l.icones.size(), 2u);
    const int x = 2 * tw + 900;
    EXPECT_EQ(l.icones[0].esquerdaTwips, x);
    EXPECT_EQ(l.icones[1].esquerdaTwips, x + (600 - 5 * tw) - 10 * tw);
    EXPECT_EQ(l.icones[1].colunaGrid, 1);    // it reads the shared column's flags
    EXPECT_EQ(l.icones[1].numeroFlag, 1);
    // The text column after them starts right after the shared column.
    EXPECT_EQ(l.rotulos[1].esquerdaTwips, x + 600);
    EXPECT_EQ(l.ultimaColunaGrid, 2);
}

TEST(ColumnSpec, UnknownKindAddsOnlyAGridColumn)
{
    const LayoutColunas l = Calcula({"A|0|900|T", "Codigo|0|600|X", "B|0|900|T"}, 3000);
    EXPECT_EQ(l.colunas.size(), 3u);
    EXPECT_EQ(l.tiposColunas, "TT");
    EXPECT_EQ(l.rotulos.size(), 2u);
    EXPECT_EQ(l.rotulos[1].colunaGrid, 2);
}

TEST(ColumnSpec, KindIsCaseSensitive)
{
    const LayoutColunas l = Calcula({"A|0|900|t"}, 3000);
    EXPECT_TRUE(l.tiposColunas.isEmpty());
    EXPECT_EQ(l.colunas.size(), 1u);
}

TEST(ColumnSpec, NoLimitOnColumnsOrIcons)
{
    // The original handled the array bounds as bytes; here 300 columns and
    // 300 icon columns lay out like any other.
    QStringList specs;
    std::vector<int> imagens;
    for (int i = 0; i < 300; ++i) {
        specs << QStringLiteral("F%1|0|300|T").arg(i) << QStringLiteral("I%1|0|300|F|6||0").arg(i);
        imagens.push_back(10 * tw);
    }
    const LayoutColunas l = Calcula(specs, 200000, TodasComDivisor, imagens);
    EXPECT_EQ(l.colunas.size(), 600u);
    EXPECT_EQ(l.ultimaImagem, 299);
    EXPECT_EQ(l.ultimaColunaGrid, 599);
}

TEST(ColumnSpec, Errors)
{
    struct Caso {
        const char* nome;
        QStringList specs;
        std::vector<int> imagens;
        long numero;
    };
    const std::vector<Caso> casos = {
        {"text spec with three fields", {"A|0|900"}, {}, 9},
        {"icon spec with six fields", {"A|0|900|I|6|dica"}, {0}, 9},
        {"icon column without a picture", {"A|0|900|F|6|dica|99"}, {}, 9},
        {"second icon column without a picture", {"A|0|900|F|6||0", "B|0|900|I|6||0"}, {150}, 9},
        {"alignment not a number", {"A|x|900|T"}, {}, 13},
        {"empty width", {"A|0||T"}, {}, 13},
        {"divider style not a number", {"A|0|900|T|fino"}, {}, 13},
        {"mouse pointer not a number", {"A|0|900|I|6|dica|mao"}, {0}, 13},
        {"alignment beyond a byte", {"A|256|900|T"}, {}, 6},
        {"shared column with no column before", {"#LeftIgualAnterior|0|0|T"}, {}, 9},
        {"label narrower than 5 pixels", {"A|0|60|T"}, {}, 380},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(tqtest::errorNumberOf([&] { Calcula(c.specs, 3000, TodasComDivisor, c.imagens); }), c.numero);
    }
}

TEST(ColumnSpec, NumbersConvertLikeTheRunTime)
{
    struct Caso {
        const char* texto;
        int alinhamento;
        int largura;
    };
    // Blanks around are allowed; fractions round half to even.
    const std::vector<Caso> casos = {{"A| 1 | 900 |T", 1, 900}, {"A|2|1500.5|T", 2, 1500}, {"A|1.5|1501.5|T", 2, 1502}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto);
        const Especificacao e = LeEspecificacao(QString::fromLatin1(c.texto));
        EXPECT_EQ(e.alinhamento, c.alinhamento);
        EXPECT_EQ(e.larguraTwips, c.largura);
    }
}

TEST(ColumnSpec, FlagCharacters)
{
    // A space sets a flag; anything else, or a text too short, does not.
    const QString flags = QStringLiteral(" \r ");
    EXPECT_TRUE(FlagAtivo(flags, 0));
    EXPECT_FALSE(FlagAtivo(flags, 1));
    EXPECT_TRUE(FlagAtivo(flags, 2));
    EXPECT_FALSE(FlagAtivo(QStringLiteral("  "), 2));
    EXPECT_FALSE(FlagAtivo(QString(), 0));
}

TEST(ColumnSpec, FaceFromItsOwnSpec)
{
    // Six fields: no divider style; dividers are placed but never shown, and
    // icons take the list's pictures.
    const LayoutFace f = CalculaFace({"Descricao|0|1500|T|dica|0", "ImagensGrid|1|600|I|x|0", "Outro|0|300|Z|x|0"},
                                     {10 * tw});
    ASSERT_EQ(f.rotulos.size(), 1u);
    EXPECT_EQ(f.rotulos[0].esquerdaTwips, 2 * tw);
    EXPECT_EQ(f.rotulos[0].larguraTwips, 1500 - 5 * tw);
    ASSERT_EQ(f.icones.size(), 1u);
    EXPECT_EQ(f.icones[0].esquerdaTwips, 2 * tw + 1500 + (600 - 5 * tw) - 10 * tw);
    ASSERT_EQ(f.divisoresXTwips.size(), 2u);
    EXPECT_EQ(f.divisoresXTwips[0], 2 * tw + 1500 - 3 * tw);
    EXPECT_EQ(tqtest::errorNumberOf([] { CalculaFace({"A|0|900|I|x|0"}, {}); }), 340);
    EXPECT_EQ(tqtest::errorNumberOf([] { CalculaFace({"A|0|900"}, {}); }), 9);
    EXPECT_EQ(tqtest::errorNumberOf([] { CalculaFace({"A|0|60|T|x|0"}, {}); }), 380);
}

// Widths and positions near the 32-bit limits give the run time's overflow
// (or the label error the spec asks for) instead of wrapping around.
TEST(ColumnSpec, WidthsNearTheLimitsOverflow)
{
    struct Caso {
        const char* nome;
        QStringList specs;
        int barra;
        std::vector<int> imagens;
        long numero;
    };
    const std::vector<Caso> casos = {
        {"one column as wide as a Long", {"A|0|2147483647|T"}, 3000, {}, 6},
        {"the second column passes the limit", {"A|0|2147483000|Z", "B|0|900|Z", "C|0|900|T"}, 3000, {}, 6},
        {"a bar as wide as a Long", {"A|0|900|T", "B|0|900|T"}, 2147483647, {}, 6},
        {"an icon right of a picture as wide as a Long", {"A|1|900|F|6||0"}, 3000, {INT_MIN}, 6},
        {"wide but inside the limits", {"A|0|2147483000|T"}, 3000, {}, 0},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(tqtest::errorNumberOf([&] { Calcula(c.specs, c.barra, TodasComDivisor, c.imagens); }), c.numero);
    }
    // The face takes its widths as they are, negative ones too.
    const std::vector<Caso> faces = {
        {"face wider than a Long", {"A|0|2147483647|T|x|0", "B|0|900|T|x|0"}, 0, {}, 6},
        {"face label of the narrowest width", {"A|0|-2147483648|T|x|0"}, 0, {}, 380},
        {"face icon right of a column that wraps", {"A|1|-2147483600|I|x|0"}, 0, {150}, 6},
        {"face columns left of the smallest position", {"A|0|-2147483600|Z|x|0", "B|0|-900|Z|x|0"}, 0, {}, 6},
        {"face wide but inside the limits", {"A|0|2147483000|T|x|0"}, 0, {}, 0},
    };
    for (const Caso& c : faces) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(tqtest::errorNumberOf([&] { CalculaFace(c.specs, c.imagens); }), c.numero);
    }

    // The unit conversions themselves.
    EXPECT_EQ(platform::twipsToPixels(INT_MAX), 143165576);
    EXPECT_EQ(platform::twipsToPixels(INT_MIN), -143165577);
    EXPECT_EQ(platform::twipsToPixels(22), 1);
    EXPECT_EQ(platform::twipsToPixels(23), 2);
    EXPECT_EQ(platform::twipsToPixels(-23), -2);
    EXPECT_EQ(platform::pixelsToTwips(143165576), 2147483640);
    EXPECT_EQ(tqtest::errorNumberOf([] { platform::pixelsToTwips(143165577); }), 6);
    EXPECT_EQ(tqtest::errorNumberOf([] { platform::pixelsToTwips(-143165578); }), 6);
}
