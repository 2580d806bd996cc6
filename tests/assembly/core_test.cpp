// The assembly view's widget-free core, table by table: the figure model,
// locate requests and marks, label styles and related labels, the item
// menu and its requests, the panels' geometry, and the statement texts.

#include "assembly/consultas.h"
#include "assembly/estilos.h"
#include "assembly/figuramodelo.h"
#include "assembly/localizacao.h"
#include "assembly/menuitem.h"
#include "assembly/painelitem.h"

#include "support/qstringprinter.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace Conjunto;

namespace {

QVariant N() { return {}; }

// A figure row: part, hot spot, item (null: Null), kit (0: Null), applicable.
LinhaFigura L(QVariant parte, std::int64_t ponto, QVariant item, std::int64_t jogo = 0, bool aplicavel = true,
              QVariant resumido = {}, QString arquivo = QStringLiteral("F.jpg"))
{
    LinhaFigura l;
    l.NumeroParte = parte;
    l.CodigoFiguraDetalhada = ponto;
    l.ArquivoFigura = arquivo;
    l.ItemComponente = item;
    l.ItemComponenteResumido = resumido;
    l.PosicaoLeft = int(ponto % 100);
    l.PosicaoTop = 7;
    l.DescricaoParte = QStringLiteral("PARTE %1").arg(parte.toString());
    l.CodigoJogoReparo = jogo ? QVariant(qlonglong(jogo)) : QVariant();
    l.ItemAplicavel = aplicavel ? item : QVariant();
    return l;
}

struct Faixa {
    int primeiro, ultimo;
    bool operator==(const Faixa&) const = default;
};

std::vector<Faixa> Faixas(const FiguraModelo& f)
{
    std::vector<Faixa> out;
    for (int i = 0; i < f.QuantidadePartes(); ++i)
        out.push_back({f.Parte(i).primeiro, f.Parte(i).ultimo});
    return out;
}

}  // namespace

// ---------------------------------------------------------------------------
// Figure model

TEST(FiguraModelo, PagesLabelsTagsAndShortTexts)
{
    struct Caso {
        const char* nome;
        std::vector<LinhaFigura> linhas;
        std::vector<Faixa> faixas;
        QStringList tags;      // label 1.. in order
        QStringList legendas;
        std::vector<int> estilos;
    };
    const std::vector<Caso> casos = {
        {"one page, one label per hot spot", {L(1, 10, "01.001"), L(1, 11, "01.002")}, {{1, 2}}, {"00", "00"}, {"01.001", "01.002"}, {0, 0}},
        {"a hot spot on page 2 in kits 12, 34 and 56 (one row per kit)",
         {L(1, 1, "A"), L(2, 2, "B"), L(3, 3, "C", 12), L(3, 3, "C", 34), L(3, 3, "C", 56)},
         {{1, 1}, {2, 2}, {3, 3}},
         {"00", "01", "0212|34|56"},
         {"A", "B", "C"},
         {0, 0, 0}},
        {"short text is the caption", {L(1, 5, "03.040", 0, true, QStringLiteral("40"))}, {{1, 1}}, {"00"}, {"40"}, {0}},
        {"an item the assembly does not list is grey", {L(1, 5, "X", 0, false)}, {{1, 1}}, {"00"}, {"X"}, {2}},
        {"leading part 0 rows start the first page", {L(0, 1, "A"), L(0, 2, "B"), L(1, 3, "C")}, {{1, 2}, {3, 3}}, {"00", "00", "01"}, {"A", "B", "C"}, {0, 0, 0}},
        {"a Null part is a page of its own", {L(N(), 1, "A"), L(1, 2, "B")}, {{1, 1}, {2, 2}}, {"00", "01"}, {"A", "B"}, {0, 0}},
        {"a row with a Null item is skipped", {L(1, 1, N()), L(1, 2, "B"), L(1, 3, N(), 7)}, {{1, 1}}, {"00"}, {"B"}, {0}},
        {"the same hot-spot code on the next part is a new label", {L(1, 9, "A"), L(2, 9, "A")}, {{1, 1}, {2, 2}}, {"00", "01"}, {"A", "A"}, {0, 0}},
        {"hot-spot codes alike in their low 16 bits stay apart",
         {L(1, 40000, "A", 5), L(1, 40000 + 65536, "B", 5), L(1, 40000 + 2 * 65536, "C")},
         {{1, 3}},
         {"005", "005", "00"},
         {"A", "B", "C"},
         {0, 0, 0}},
        {"no rows", {}, {}, {}, {}, {}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        FiguraModelo f;
        f.Carrega(c.linhas);
        EXPECT_EQ(Faixas(f), c.faixas);
        ASSERT_EQ(f.UltimoItem(), c.tags.size());
        for (int i = 1; i <= f.UltimoItem(); ++i) {
            EXPECT_EQ(f.Item(i).Tag(), c.tags[i - 1]);
            EXPECT_EQ(f.Item(i).legenda, c.legendas[i - 1]);
            EXPECT_EQ(f.Item(i).estilo, c.estilos[std::size_t(i - 1)]);
        }
    }
}

TEST(FiguraModelo, ItemTextsPicturesAndPaging)
{
    FiguraModelo f;
    f.Carrega({L(1, 1, "01.010", 0, true, QStringLiteral("10"), QStringLiteral("A.jpg")), L(1, 2, "01.020"),
               L(2, 3, "02.010", 0, true, {}, QString()), L(3, 4, "03.010", 0, true, {}, QStringLiteral("C.gif"))});
    EXPECT_EQ(f.ObtemTextoItem(1, true), QStringLiteral("10"));
    EXPECT_EQ(f.ObtemTextoItem(1, false), QStringLiteral("01.010"));
    EXPECT_EQ(f.ObtemTextoItem(2, true), QStringLiteral("01.020"));
    EXPECT_EQ(f.ObtemTextoItem(2, false), QStringLiteral("01.020"));
    EXPECT_EQ(f.ObtemTextoItem(0, false), QString());
    EXPECT_EQ(f.ObtemTextoItem(9, false), QString());
    ASSERT_EQ(f.ItensResumidos().size(), 1u);
    EXPECT_EQ(f.ItensResumidos()[0].Indice, 1);
    EXPECT_EQ(f.NomesArquivos(), QStringLiteral("A.jpg||C.gif"));
    EXPECT_EQ(f.Parte(1).descricao, QStringLiteral("PARTE 2"));
    // Wrap-around paging; nothing while no page is shown.
    EXPECT_EQ(f.ParteSeguinte(2), 0);
    EXPECT_EQ(f.ParteAnterior(0), 2);
    EXPECT_EQ(f.ParteSeguinte(0), 1);
    EXPECT_EQ(f.ParteSeguinte(255), 255);
    FiguraModelo uma;
    uma.Carrega({L(1, 1, "A")});
    EXPECT_EQ(uma.ParteSeguinte(0), 0);
    EXPECT_EQ(uma.ParteAnterior(0), 0);
}

TEST(FiguraModelo, ThirtyOnePagesOfMoreThan999Labels)
{
    std::vector<LinhaFigura> linhas;
    std::int64_t ponto = 40000;
    for (int p = 1; p <= 31; ++p)
        for (int i = 0; i < 33; ++i, ponto += 65536)
            linhas.push_back(L(p, ponto, QStringLiteral("%1.%2").arg(p).arg(i)));
    FiguraModelo f;
    f.Carrega(linhas);
    ASSERT_EQ(f.QuantidadePartes(), 31);
    EXPECT_EQ(f.UltimoItem(), 1023);
    EXPECT_EQ(f.Parte(30).primeiro, 991);
    EXPECT_EQ(f.Parte(30).ultimo, 1023);
    EXPECT_EQ(f.Item(1023).pagina, 30);
    EXPECT_EQ(f.ParteSeguinte(30), 0);
    // Thumbnails: 30 keep their design places; 31 share the row's width.
    EXPECT_EQ(RetanguloMiniatura(29, 30), QRect(683, 560, 17, 11));
    int fim = 0;
    for (int i = 0; i < 31; ++i) {
        const QRect r = RetanguloMiniatura(i, 31);
        EXPECT_GE(r.left(), fim + 1) << i;
        fim = r.right();
    }
    EXPECT_LE(fim, 700);
    EXPECT_EQ(RetanguloMiniatura(30, 31).width(), 17);
    EXPECT_GE(RetanguloMiniatura(99, 100).width(), 3);
    EXPECT_LE(RetanguloMiniatura(99, 100).right(), 700);
}

TEST(FiguraModelo, ThumbnailsOfAnyCountStayApartEvenFramed)
{
    // A kit's frame grows a thumbnail by one pixel on each side; framed
    // neighbours must not meet either.  Up to 680 pages they stay above the
    // page description (top 583).
    for (int partes : {31, 36, 37, 60, 136, 137, 200, 272, 273, 408, 680, 1000}) {
        SCOPED_TRACE(partes);
        std::vector<QRect> r;
        for (int i = 0; i < partes; ++i) {
            r.push_back(RetanguloMiniatura(i, partes));
            EXPECT_GE(r.back().width(), 3) << i;
            EXPECT_GE(r.back().height(), 3) << i;
            EXPECT_GE(r.back().left(), 16) << i;
            EXPECT_LE(r.back().right(), 700) << i;
            EXPECT_GE(r.back().top(), 560) << i;
            if (partes <= 680) {
                EXPECT_LT(r.back().bottom(), 583) << i;
            }
        }
        for (int i = 0; i < partes; ++i)
            for (int j = i + 1; j < partes; ++j)
                ASSERT_FALSE(r[std::size_t(i)].adjusted(-1, -1, 1, 1).intersects(r[std::size_t(j)].adjusted(-1, -1, 1, 1))) << i << " " << j;
    }
    // Up to 30 pages: the design places; up to 36 the design size.
    EXPECT_EQ(RetanguloMiniatura(0, 30), QRect(16, 560, 17, 11));
    EXPECT_EQ(RetanguloMiniatura(35, 36).size(), QSize(17, 11));
}

TEST(FiguraModelo, TheFramesMarkOneThumbnailAtAnyCount)
{
    // Up to 30 pages the frames' design place, 4 pixels out (3 out of a
    // kit's frame); among closer thumbnails as far as leaves a pixel free.
    EXPECT_EQ(MargemQuadroMiniatura(2), 4);
    EXPECT_EQ(MargemQuadroMiniatura(30), 4);
    EXPECT_EQ(MargemQuadroMiniatura(31), 4);
    EXPECT_EQ(MargemQuadroMiniatura(60), 1);
    EXPECT_EQ(MargemQuadroMiniatura(200), 1);
    {
        const std::vector<QRect> r = {RetanguloMiniatura(0, 30), RetanguloMiniatura(1, 30), RetanguloMiniatura(2, 30)};
        EXPECT_EQ(RetanguloQuadroMiniatura(r, {false, false, false}, 1, 4), QRect(35, 556, 25, 19));
        const std::vector<QRect> emolduradas = {r[0].adjusted(-1, -1, 1, 1), r[1].adjusted(-1, -1, 1, 1), r[2].adjusted(-1, -1, 1, 1)};
        EXPECT_EQ(RetanguloQuadroMiniatura(emolduradas, {true, true, true}, 1, 4), QRect(35, 556, 25, 19));
    }
    // Every page of layouts of one, two and more rows, with no kit frames,
    // every thumbnail in a kit frame, and kit frames on some neighbours: the
    // frame holds its thumbnail, reaches out of it, and meets no other; with
    // no kit frame near it stands the margin out of the thumbnail.
    struct Moldura {
        const char* nome;
        bool (*emoldurada)(int);
    };
    const Moldura molduras[] = {{"none", [](int) { return false; }},
                                {"all", [](int) { return true; }},
                                {"pairs", [](int i) { return i % 4 < 2; }},
                                {"every third", [](int i) { return i % 3 == 0; }}};
    for (int partes : {2, 30, 31, 32, 33, 34, 35, 36, 37, 60, 136, 137, 200, 408}) {
        const int margem = MargemQuadroMiniatura(partes);
        for (const Moldura& m : molduras) {
            SCOPED_TRACE(testing::Message() << partes << " pages, framed: " << m.nome);
            std::vector<QRect> r;
            std::vector<bool> e;
            for (int i = 0; i < partes; ++i) {
                e.push_back(m.emoldurada(i));
                const QRect propria = RetanguloMiniatura(i, partes);
                r.push_back(e.back() ? propria.adjusted(-1, -1, 1, 1) : propria);
            }
            const bool nenhuma = std::none_of(e.begin(), e.end(), [](bool b) { return b; });
            for (int i = 0; i < partes; ++i) {
                const QRect q = RetanguloQuadroMiniatura(r, e, i, margem);
                ASSERT_TRUE(q.contains(r[std::size_t(i)])) << i;
                ASSERT_TRUE(q.adjusted(1, 1, -1, -1).contains(r[std::size_t(i)]) || e[std::size_t(i)]) << i;
                for (int j = 0; j < partes; ++j)
                    ASSERT_TRUE(j == i || !q.intersects(r[std::size_t(j)])) << i << " " << j;
                if (nenhuma) {
                    ASSERT_EQ(q, r[std::size_t(i)].adjusted(-margem, -margem, margem, margem)) << i;
                }
            }
        }
    }
}

// ---------------------------------------------------------------------------
// Locate requests and marks

TEST(Localizacao, RequestParser)
{
    struct Caso {
        const char* texto;
        std::optional<std::int64_t> jogo;
        QStringList itens;
        std::optional<std::int64_t> componente;
        int tipo;
    };
    const std::vector<Caso> casos = {
        {"", std::nullopt, {}, std::nullopt, -1},
        {"C:100017:C", std::nullopt, {}, 100017, 2},
        {"J:900001:J", 900001, {}, std::nullopt, 4},
        {"I:01.010:I", std::nullopt, {"01.010"}, std::nullopt, 24},
        {"I:01.010|12.345A|:I", std::nullopt, {"01.010", "12.345A"}, std::nullopt, 24},
        {"I:05.030'A:I", std::nullopt, {"05.030'A"}, std::nullopt, 24},
        {"C:7:CJ:9:J", 9, {}, 7, 2},              // the kind word of C wins
        {"J:9:JI:A:I", 9, {"A"}, std::nullopt, 24},
        {"I:A:I J:9:J", 9, {"A"}, std::nullopt, 24},  // order J, I, C, whatever the text's
        {"C:12", std::nullopt, {}, std::nullopt, -1},  // unclosed
        {"J:abc:J", std::nullopt, {}, std::nullopt, -1},  // not a number
        {"C:3000000000:C", std::nullopt, {}, 3000000000LL, 2},  // full width
        {"I:A", std::nullopt, {}, std::nullopt, -1},
        {"C:1:C C:2:C", std::nullopt, {}, 1, 2},  // the first pair
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto);
        const SolicitacaoLocalizacao s = LeSolicitacaoLocalizacao(QString::fromUtf8(c.texto));
        EXPECT_EQ(s.jogo, c.jogo);
        EXPECT_EQ(s.itens, c.itens);
        EXPECT_EQ(s.componente, c.componente);
        EXPECT_EQ(s.textoTipo, c.tipo);
    }
    EXPECT_EQ(SolicitacaoComponente(12), QStringLiteral("C:12:C"));
    EXPECT_EQ(SolicitacaoItem(QStringLiteral("7")), QStringLiteral("I:7:I"));
}

TEST(Localizacao, MarksAndTheirPage)
{
    FiguraModelo f;
    f.Carrega({L(1, 1, "A", 5), L(2, 2, "B"), L(2, 3, "A"), L(3, 4, "C", 5), L(3, 5, "c"),
               L(3, 6, "01.010", 0, true, QStringLiteral("10"))});
    struct Caso {
        const char* nome;
        QStringList itens;
        std::optional<std::int64_t> jogo;
        std::vector<int> indices;
        std::vector<bool> piscam;
        int parte;
    };
    const std::vector<Caso> casos = {
        {"nothing", {}, std::nullopt, {}, {}, 0},
        {"an item drawn on two pages", {"A"}, std::nullopt, {1, 3}, {true, true}, 0},
        {"letter case counts", {"C"}, std::nullopt, {4}, {true}, 2},
        {"a short-text label is found by its full text", {"01.010"}, std::nullopt, {6}, {true}, 2},
        {"kit items do not blink", {}, 5, {1, 4}, {false, false}, 0},
        {"an item of the kit is located, not kit-marked", {"C"}, 5, {1, 4}, {false, true}, 0},
        {"an item not drawn", {"Z"}, std::nullopt, {}, {}, 0},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        const auto marcas = MarcaItensFigura(f, c.itens, c.jogo);
        ASSERT_EQ(marcas.size(), c.indices.size());
        for (std::size_t k = 0; k < marcas.size(); ++k) {
            EXPECT_EQ(marcas[k].indice, c.indices[k]);
            EXPECT_EQ(marcas[k].pisca, c.piscam[k]);
        }
        EXPECT_EQ(ParteDasMarcas(f, marcas), c.parte);
    }
    EXPECT_EQ(ParteDasMarcas(FiguraModelo{}, {}), -1);
    // Blink: white after any colour, the mark's colour after white.
    EXPECT_EQ(CorPiscaSeguinte(0, kCorLocalizado), kCorPiscaBranco);
    EXPECT_EQ(CorPiscaSeguinte(kCorPiscaBranco, kCorLocalizado), kCorLocalizado);
    EXPECT_EQ(CorPiscaSeguinte(kCorLocalizado, kCorLocalizado), kCorPiscaBranco);
}

TEST(Estilos, LooksRestoresAndRelatedLabels)
{
    struct Caso {
        int estilo;
        long cor;
        bool opaco, negrito, muda;
    };
    for (const Caso& c : std::vector<Caso>{{0, 0, false, false, false},
                                           {0, kCorVermelho, false, false, true},
                                           {0, 0, true, false, true},
                                           {0, 0, false, true, true},  // located, before its first blink
                                           {1, 0, true, false, false},
                                           {1, 0, false, false, true},
                                           {1, kCorPiscaBranco, true, false, true},
                                           {2, kCorCinza, false, false, false},
                                           {2, kCorVermelho, false, false, true},
                                           {7, kCorVermelho, false, true, false}}) {
        SCOPED_TRACE(testing::Message() << c.estilo << " " << c.cor << " " << c.opaco << " " << c.negrito);
        EXPECT_EQ(RestauraMudaRotulo(c.estilo, c.cor, c.opaco, c.negrito), c.muda);
    }
    EXPECT_TRUE(AparenciaEstilo(2)->italico);
    EXPECT_EQ(AparenciaEstilo(2)->corTexto, kCorCinza);
    EXPECT_TRUE(AparenciaEstilo(1)->opaco);
    EXPECT_FALSE(AparenciaEstilo(3).has_value());

    // Hovering label 1 (item A, kits 5 and 6): its twin without a short text
    // turns red, labels sharing a kit blue (with their pages), a label of
    // the same item that shows a short text only blue.
    FiguraModelo f;
    f.Carrega({L(1, 1, "A", 5), L(1, 1, "A", 6), L(1, 2, "A", 5), L(2, 3, "B", 6), L(3, 4, "C"), L(4, 5, "D", 5),
               L(4, 6, "A", 5, true, QStringLiteral("a"))});
    const ItensRelacionados r = RelacionadosDoItem(f, 1);
    EXPECT_EQ(r.vermelhos, (std::vector<int>{2}));
    EXPECT_EQ(r.azuis, (std::vector<int>{3, 5, 6}));
    EXPECT_EQ(r.partes, (std::vector<int>{1, 3}));
    EXPECT_EQ(PartesDoJogo(f, 5), (std::vector<int>{0, 3}));
    EXPECT_TRUE(PartesDoJogo(f, 0).empty());
}

// ---------------------------------------------------------------------------
// Item menu and its requests

TEST(MenuItem, EntriesByFlags)
{
    auto nomes = [](const std::vector<EntradaMenu>& e) {
        QStringList n;
        for (const EntradaMenu& x : e)
            n << (x.separador() ? QStringLiteral("-") : QStringLiteral("%1:%2").arg(x.codigo).arg(x.texto));
        return n.join(QLatin1Char(' '));
    };
    struct Caso {
        const char* nome;
        FlagsItem flags;
        bool semSegundo;
        const char* esperado;
    };
    const std::vector<Caso> casos = {
        {"no flag, a second assembly: text 101 alone", {}, false, "0:101"},
        {"no flag, no second assembly", {}, true, "0:101 - 1:23"},
        {"every flag, no second assembly", {true, true, true, true}, true, "5:39 - 0:101 - 1:23 4:10 2:9 3:8"},
        {"every flag, a second assembly", {true, true, true, true}, false, "5:39 - 0:101 - 4:10 2:9 3:8"},
        {"a suggestion alone, a second assembly", {true, false, false, false}, false, "5:39 - 0:101"},
        {"a note, a second assembly", {false, false, false, true}, false, "0:101 - 3:8"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(nomes(EntradasMenuItem(c.flags, c.semSegundo)), QString::fromUtf8(c.esperado));
    }
    EXPECT_TRUE(FlagLigada(QStringLiteral(" ")));
    EXPECT_FALSE(FlagLigada(QString(QChar(13))));
}

TEST(MenuItem, DetailRequests)
{
    // Component 12 of assembly 345 at item 7.
    EXPECT_EQ(SolicitacaoMenuItem(kMenuObservacao, 345, QStringLiteral("7"), 12)->Texto(), QStringLiteral("0|COM|12|345|7"));
    EXPECT_EQ(SolicitacaoMenuItem(kMenuJogos, 345, QStringLiteral("7"), 12)->Texto(), QStringLiteral("1|345|7|12|0"));
    EXPECT_EQ(SolicitacaoMenuItem(kMenuOpcionais, 345, QStringLiteral("7"), 12)->Texto(), QStringLiteral("4|345|12|7|0"));
    EXPECT_EQ(SolicitacaoMenuItem(kMenuJogos, 3000000000LL, QStringLiteral("05.030'A"), 12)->Texto(),
              QStringLiteral("1|3000000000|05.030'A|12|0"));
    for (int codigo : {kMenuCarrinho, kMenuTabela, kMenuSugestao, 9})
        EXPECT_FALSE(SolicitacaoMenuItem(codigo, 345, QStringLiteral("7"), 12).has_value()) << codigo;
}

// ---------------------------------------------------------------------------
// Panels

TEST(PainelItem, TooltipModeSizeAndSide)
{
    EntradaDica base;
    base.paginacao = QRect(4, 2, 62, 15);
    base.proxima = QRect(4, 16, 110, 28);
    base.iconeObservacao = QRect(6, 32, 13, 14);
    base.rotuloObservacao = QRect(24, 32, 142, 14);
    base.iconeOpcional = QRect(5, 49, 15, 14);
    base.rotuloOpcional = QRect(24, 49, 124, 14);
    base.quadro = QPoint(300, 250);
    base.larguraQuadro = 50;
    base.tela = QRect(89, 0, 713, 602);
    struct Caso {
        const char* nome;
        int componentes;
        bool naoMaritima, opcional, observacao;
        int xQuadro;
        int modo;
        int topoOp, topoObs;
        QRect painel;
    };
    const std::vector<Caso> casos = {
        {"one component, no hint: hidden", 1, true, false, false, 300, 0, -1, -1, {}},
        {"several components outside M, no hint: hidden", 3, true, false, false, 300, 0, -1, -1, {}},
        {"optional only", 1, true, true, false, 300, 2, 2, -1, QRect(263, 239, 155, 21)},
        {"note only", 1, true, false, true, 300, 2, -1, 2, QRect(263, 239, 173, 21)},
        {"both: optional above the note", 1, true, true, true, 300, 2, 2, 18, QRect(263, 223, 173, 37)},
        {"edition M, three components, both hints", 3, false, true, true, 300, 1, 46, 62, QRect(263, 179, 173, 81)},
        {"edition M, three components, no hint", 3, false, false, false, 300, 1, -1, -1, QRect(263, 211, 121, 49)},
        {"near the right edge: left of the frame", 1, true, true, true, 700, 2, 2, 18, QRect(436, 223, 173, 37)},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        EntradaDica e = base;
        e.componentes = c.componentes;
        e.edicaoNaoMaritima = c.naoMaritima;
        e.opcional = c.opcional;
        e.observacao = c.observacao;
        e.quadro.setX(c.xQuadro);
        const GeometriaDica g = CalculaDica(e);
        EXPECT_EQ(g.modo, c.modo);
        EXPECT_EQ(g.paginacaoVisivel, c.modo == 1);
        EXPECT_EQ(g.topoOpcional, c.topoOp);
        EXPECT_EQ(g.topoObservacao, c.topoObs);
        if (c.modo != 0) {
            EXPECT_EQ(g.painel, c.painel);
        }
    }
}

TEST(PainelItem, KitPanelPlaceAndRows)
{
    // Left edge: x = 800 on a wide window; otherwise by the label's half.
    EXPECT_EQ(EsquerdaPainelJogos(1000, 1, 700, 600, 176, 89), 800);
    EXPECT_EQ(EsquerdaPainelJogos(800, 1, 700, 100, 176, 89), 623);
    EXPECT_EQ(EsquerdaPainelJogos(800, 1, 700, 351, 176, 89), 623);  // on the middle line
    EXPECT_EQ(EsquerdaPainelJogos(800, 1, 700, 352, 176, 89), 90);
    struct Caso {
        const char* nome;
        std::vector<int> larguras;
        std::vector<int> topos, alturas;
        int rodape, altura;
    };
    const std::vector<Caso> casos = {
        {"no rows: the footer stays", {}, {}, {}, 53, 59},
        {"one line", {80}, {20}, {15}, 35, 41},
        {"two lines", {92}, {20}, {28}, 48, 54},
        {"a two-line row pushes the next down", {120, 60, 91}, {20, 49, 65}, {28, 15, 15}, 80, 86},
    };
    // A description that wraps to three lines is not cut off.
    EXPECT_EQ(CalculaPainelJogos({200, 50}, 91, {41, 13}).alturas, (std::vector<int>{41, 15}));
    EXPECT_EQ(CalculaPainelJogos({200}, 91, {20}).alturas, (std::vector<int>{28}));
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        const GeometriaPainelJogos g = CalculaPainelJogos(c.larguras);
        EXPECT_EQ(g.topos, c.topos);
        EXPECT_EQ(g.alturas, c.alturas);
        EXPECT_EQ(g.topoRodape, c.rodape);
        EXPECT_EQ(g.altura, c.altura);
    }
}

// ---------------------------------------------------------------------------
// Statement texts

TEST(Consultas, TextsAsDesignedAndQuoted)
{
    const QString figura = ConsultaFigura(345, QStringLiteral("E"));
    EXPECT_TRUE(figura.startsWith(QStringLiteral("SELECT DISTINCT FIGURADETALHADA1.NumeroParte,FIGURADETALHADA1.CodigoFiguraDetalhada,")));
    EXPECT_TRUE(figura.contains(QStringLiteral("FIGURADETALHADA1.DescricaoParteE AS DescricaoParte,")));
    EXPECT_TRUE(figura.contains(QStringLiteral("(FIGURADETALHADA1.CodigoPeca     = PECA_COMPONENTE_JOGOREPARO.CodigoPeca)")));
    EXPECT_TRUE(figura.endsWith(QStringLiteral(
        "WHERE FIGURADETALHADA1.CodigoPeca = 345 ORDER BY FIGURADETALHADA1.NumeroParte,FIGURADETALHADA1.CodigoFiguraDetalhada")));

    const QString comps = ConsultaComponentesFigura(345, true, QStringLiteral("P"));
    EXPECT_TRUE(comps.contains(QStringLiteral("WHERE PECA_COMPONENTE.FlagOpcionalComponente = 0 AND PECA_COMPONENTE.CodigoPeca = 345 ORDER BY 1,8")));
    EXPECT_TRUE(ConsultaComponentesFigura(345, false, QStringLiteral("P")).endsWith(QStringLiteral("WHERE PECA_COMPONENTE.CodigoPeca = 345 ORDER BY 1,8")));

    EXPECT_EQ(ConsultaItensComponente(345, 12), QStringLiteral("SELECT ItemComponente FROM PECA_COMPONENTE WHERE CodigoPeca = 345 AND CodigoComponente = 12"));
    EXPECT_TRUE(ConsultaJogosItem(345, QStringLiteral("05.030'A"), QStringLiteral("I"))
                    .endsWith(QStringLiteral("WHERE PECA_COMPONENTE_JOGOREPARO.CodigoPeca = 345 AND PECA_COMPONENTE_JOGOREPARO.ItemComponente = '05.030''A' ORDER BY 1")));

    const QString combo = ConsultaComboJogos(345, QStringLiteral("TODOS D'AQUI"), QStringLiteral("P"));
    EXPECT_TRUE(combo.contains(QStringLiteral("(A.CodigoPeca IS NULL OR A.CodigoPeca = PECA_COMPONENTE_JOGOREPARO.CodigoPeca)")));
    EXPECT_TRUE(combo.contains(QStringLiteral("'TODOS D''AQUI' AS DescricaoJogoReparo,")));
    EXPECT_TRUE(combo.contains(QStringLiteral("0  AS CodigoJogoReparo,")));
    EXPECT_TRUE(combo.endsWith(QStringLiteral("FROM CODIGOFABRICANTE ORDER BY OrderBy")));
    EXPECT_TRUE(combo.contains(QStringLiteral("),' ','\r') AS ImagensGrid,")));

    const QString semJogo = ConsultaComponentes(345, 0, QStringLiteral("P"));
    EXPECT_TRUE(semJogo.contains(QStringLiteral("FROM (PECA_COMPONENTE ) INNER JOIN COMPONENTE")));
    EXPECT_TRUE(semJogo.endsWith(QStringLiteral("PECA_COMPONENTE.CodigoPeca = 345 ")));
    const QString comJogo = ConsultaComponentes(345, 900001, QStringLiteral("P"));
    EXPECT_TRUE(comJogo.endsWith(QStringLiteral("PECA_COMPONENTE.CodigoPeca = 345 AND PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo = 900001 ")));
    const QString ordenada = ComOrdem(comJogo, QStringLiteral("3"));
    EXPECT_EQ(BaseSemOrdem(ordenada), comJogo);
    EXPECT_TRUE(ordenada.endsWith(QStringLiteral("ORDER BY 3")));

    EXPECT_EQ(ConsultaComponentesFabricante(QStringLiteral("12A"), QStringLiteral("1,2"), 345),
              QStringLiteral("SELECT DISTINCT TOP 50 COMPONENTE.CodigoComponente FROM (REFERENCIACRUZADA INNER JOIN COMPONENTE ON "
                             "REFERENCIACRUZADA.NumeroEmpresa = COMPONENTE.NumeroEmpresaComponente) INNER JOIN PECA_COMPONENTE ON "
                             "COMPONENTE.CodigoComponente = PECA_COMPONENTE.CodigoComponente WHERE REFERENCIACRUZADA.NumeroFabricante "
                             "LIKE '*12A*' AND REFERENCIACRUZADA.CodigoFabricante IN (1,2) AND PECA_COMPONENTE.CodigoPeca=345"));

    // Criteria.
    EXPECT_EQ(CriterioItem(QStringLiteral("12.345")), QStringLiteral("ItemComponente = '12.345'"));
    EXPECT_EQ(CriterioItem(QStringLiteral("05.030'A")), QStringLiteral("ItemComponente = '05.030''A'"));
    EXPECT_EQ(CriterioItemComponente(QStringLiteral("7"), 12), QStringLiteral("ItemComponente = '7' AND CodigoComponente=12"));
    EXPECT_EQ(CriterioItemComponente(QStringLiteral("7"), 0), QStringLiteral("ItemComponente = '7'"));
    EXPECT_EQ(CriterioCaixaItem(QStringLiteral(" 12 ")), QStringLiteral("ItemComponente LIKE '12*'"));
    EXPECT_EQ(CriterioCaixaNumero(QStringLiteral("0012 3")), QStringLiteral("NumeroEmpresaComponentePesquisa LIKE '123*'"));
    EXPECT_EQ(CriterioCaixaComponente(QStringLiteral("cafe")), QStringLiteral("DescricaoComponente LIKE '[CÇ][AÁÀÂÄÃª]F[EÉÈÊË]*'"));
    EXPECT_EQ(CriterioComponentes(QStringLiteral("-5")), QStringLiteral("CodigoComponente IN (-5)"));
    EXPECT_EQ(CriterioJogo(0), QStringLiteral("CodigoJogoReparo = 0"));
}
