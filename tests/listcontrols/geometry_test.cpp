// Sizing, frame decision, hover keys and the drop-down's heights and
// layouts, without widgets.

#include "listcontrols/thcolumns.h"
#include "listcontrols/thgeometry.h"

#include <gtest/gtest.h>

using namespace THLayout;

namespace {
constexpr int kTw = TwipsPorPixel;
}

TEST(Geometry, RoundHalfToEven)
{
    EXPECT_EQ(ArredondaPar(8.5), 8);
    EXPECT_EQ(ArredondaPar(9.5), 10);
    EXPECT_EQ(ArredondaPar(11.35), 11);
    EXPECT_EQ(ArredondaPar(5.88), 6);
    EXPECT_EQ(ArredondaPar(0.29), 0);
}

TEST(Geometry, HeightSnapsToWholeRows)
{
    struct Caso {
        const char* nome;
        int pixelAltura;
        int alturaAtualPx;
        int linhas;
        int alturaPx;
    };
    const std::vector<Caso> casos = {
        {"391 pixels give 23 rows", 391, 0, 23, 391},
        {"193 pixels give 11 rows", 193, 0, 11, 187},
        {"no request keeps the current 100 pixels: 6 rows", 0, 100, 6, 102},
        {"5 pixels give one row", 5, 0, 1, 17},
        {"144 pixels give 8 rows", 144, 0, 8, 136},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        EntradaTamanho e;
        e.pixelAltura = c.pixelAltura;
        e.alturaAtualTwips = c.alturaAtualPx * kTw;
        e.pixelLargura = 300;
        e.larguraScrollTwips = 16 * kTw;
        const Tamanho t = CalculaTamanho(e);
        EXPECT_EQ(t.linhas, c.linhas);
        EXPECT_EQ(t.alturaTwips, c.alturaPx * kTw);
        EXPECT_EQ(t.alturaLinhasTwips, c.alturaPx * kTw);
    }
}

TEST(Geometry, BorderAllowanceAndBarWidth)
{
    EntradaTamanho e;
    e.pixelLargura = 558;
    e.pixelAltura = 391;
    e.larguraScrollTwips = 17 * kTw;
    const Tamanho semBorda = CalculaTamanho(e);
    EXPECT_EQ(semBorda.larguraTwips, 558 * kTw);
    EXPECT_EQ(semBorda.larguraGridTwips, 558 * kTw);
    EXPECT_EQ(semBorda.larguraBarraTwips, (558 - 17 + 1) * kTw);

    e.borderStyle = 1;
    const Tamanho comBorda = CalculaTamanho(e);
    EXPECT_EQ(comBorda.alturaTwips, (391 + 2) * kTw);     // 2 pixels taller than its rows
    EXPECT_EQ(comBorda.larguraGridTwips, (558 - 2) * kTw); // grid 2 pixels narrower
    EXPECT_EQ(comBorda.larguraBarraTwips, (558 - 17 + 1 - 2) * kTw);
    EXPECT_EQ(comBorda.linhas, 23);
}

TEST(Geometry, FrameDecision)
{
    struct Caso {
        const char* nome;
        long registros;
        int ultima;
        bool rolagem;
        int larguraGridPx;
        bool painel;
        int topoPainelPx;
        int alturaPainelPx;
    };
    // A ten-row list, 300 pixels wide, scroll bar 16 pixels, no border.
    const std::vector<Caso> casos = {
        {"empty: the panel covers the whole grid", 0, -1, false, 300 - 16 + 1, true, 0, 170},
        {"three records: panel from 51 pixels", 3, 2, false, 285, true, 51, 119},
        {"ten records fill it: a one-pixel-free panel below", 10, 9, false, 285, true, 170, 0},
        {"eleven records: a scroll bar, no panel", 11, 9, true, 300, false, 0, 0},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        EntradaMoldura e;
        e.recordCount = c.registros;
        e.linhas = 10;
        e.ultimaLinha = c.ultima;
        e.larguraControleTwips = 300 * kTw;
        e.larguraScrollTwips = 16 * kTw;
        e.alturaGridTwips = 170 * kTw;
        const Moldura m = DecideMoldura(e);
        EXPECT_EQ(m.barraRolagem, c.rolagem);
        EXPECT_EQ(m.larguraGridTwips, c.larguraGridPx * kTw);
        EXPECT_EQ(m.painelVisivel, c.painel);
        if (c.painel) {
            EXPECT_EQ(m.topoPainelTwips, c.topoPainelPx * kTw);
            EXPECT_EQ(m.alturaPainelTwips, c.alturaPainelPx * kTw);
            EXPECT_EQ(m.rodapePainelYTwips, (c.alturaPainelPx - 1) * kTw);
        }
    }
}

TEST(Geometry, HoverKeys)
{
    EXPECT_EQ(MontaChaveImagem({true, 12, 1, 4}), "PIC;*;12;1;4");
    EXPECT_EQ(MontaChaveImagem({false, 12, 1, 4}), "PIC; ;12;1;4");
    const auto c = DecodificaChaveImagem("PIC;*;12;1;4");
    ASSERT_TRUE(c.has_value());
    EXPECT_TRUE(c->linhaAtual);
    EXPECT_EQ(c->elemento, 12);
    EXPECT_EQ(c->coluna, 1);
    EXPECT_EQ(c->linha, 4);
    EXPECT_FALSE(DecodificaChaveImagem("FORM").has_value());
    EXPECT_FALSE(DecodificaChaveImagem("PIC;*;x;1;4").has_value());
}

TEST(Geometry, ComboListHeights)
{
    struct Caso {
        const char* nome;
        long registros;
        int maxLinhas;
        int pedida;
        int ajustada;
    };
    const std::vector<Caso> casos = {
        {"three records", 3, 8, 53, 53},
        {"twenty records, eight shown", 20, 8, 138, 138},
        {"empty recordset: one row", 0, 8, 19, 19},
        {"no rows allowed: 2 pixels asked, one row given", 5, 0, 2, 19},
        {"exactly the maximum", 8, 8, 138, 138},
        {"more rows than a byte could count", 100000, 400, 400 * 17 + 2, 400 * 17 + 2},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(AlturaPedidaListaCombo(c.registros, c.maxLinhas), c.pedida);
        EXPECT_EQ(AlturaListaAjustada(c.pedida), c.ajustada);
        EXPECT_EQ(CalculaAbertura(c.ajustada, true).alturaControle, c.ajustada + 24);
    }
}

TEST(Geometry, ComboOpensDownOrUp)
{
    const AberturaCombo baixo = CalculaAbertura(138, true);
    EXPECT_EQ(baixo.topoFace, 6);
    EXPECT_EQ(baixo.topoSeta, 3);
    EXPECT_EQ(baixo.topoLista, 24);
    EXPECT_EQ(baixo.alturaControle, 162);

    const AberturaCombo cima = CalculaAbertura(138, false);
    EXPECT_EQ(cima.topoLista, 0);
    EXPECT_EQ(cima.topoFace, 141);
    EXPECT_EQ(cima.topoSeta, 145);
    EXPECT_EQ(cima.alturaControle, 162);
}
