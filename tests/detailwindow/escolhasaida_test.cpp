// The output part chooser's state: toggles, click and painting, the hover
// key rule, and the part grid.

#include "detailwindow/escolhasaida.h"
#include "support/qstringprinter.h"

#include <gtest/gtest.h>

namespace {

EscolhaSaida Estado(int partes, std::initializer_list<int> selecionadas)
{
    EscolhaSaida e;
    for (int i = 0; i < partes; ++i)
        e.Partes.push_back({i + 1, QStringLiteral("PARTE %1").arg(i + 1), false});
    for (int i : selecionadas)
        e.Partes[static_cast<std::size_t>(i)].Selecionada = true;
    return e;
}

// Moves the mouse onto part i the way the window does: the hover key
// becomes the part's when the part was entered.
void Entra(EscolhaSaida& e, int i, QString& chave)
{
    if (e.imgParteFigura_MouseMove(i, chave))
        chave = EscolhaSaida::ChaveParte(i);
}

}  // namespace

TEST(EscolhaSaida, TogglesReturnToThePreset)
{
    EscolhaSaida e;
    e.Tabela = false;
    e.imgChkFigura_Click();
    e.imgChkTabela_Click();
    EXPECT_FALSE(e.Figura);
    EXPECT_TRUE(e.Tabela);
    e.imgChkFigura_Click();
    e.imgChkTabela_Click();
    EXPECT_TRUE(e.Figura);
    EXPECT_FALSE(e.Tabela);
}

TEST(EscolhaSaida, PaintingTable)
{
    struct Caso {
        const char* nome;
        std::initializer_list<int> preset;
        std::vector<std::pair<char, int>> acoes;  // c click, d double click, m move
        std::vector<int> esperadas;
        int modo;
    };
    const Caso casos[] = {
        {"click selects and starts selecting", {}, {{'c', 0}}, {0}, 1},
        {"click on a selected part deselects", {0}, {{'c', 0}}, {}, 2},
        {"click, then three parts entered", {}, {{'c', 0}, {'m', 1}, {'m', 2}, {'m', 3}}, {0, 1, 2, 3}, 1},
        {"double click ends painting, toggled once", {}, {{'c', 0}, {'m', 1}, {'m', 2}, {'d', 2}, {'m', 4}},
         {0, 1, 2}, 0},
        {"deselecting leaves the unselected ones", {0, 2, 4}, {{'c', 0}, {'m', 1}, {'m', 2}, {'m', 3}}, {4}, 2},
        {"no painting before a click", {1}, {{'m', 0}, {'m', 2}}, {1}, 0},
        {"index outside the parts", {}, {{'c', 9}, {'m', 9}}, {}, 0},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        EscolhaSaida e = Estado(5, c.preset);
        QString chave = QStringLiteral("FORM");
        for (const auto& [acao, i] : c.acoes) {
            if (acao == 'c') {
                Entra(e, i, chave);  // a click comes with the mouse over the part
                e.imgParteFigura_Click(i);
            } else if (acao == 'd') {
                e.imgParteFigura_DblClick(i);
            } else {
                Entra(e, i, chave);
            }
        }
        EXPECT_EQ(e.PartesSelecionadas(), c.esperadas);
        EXPECT_EQ(e.ModoSelecaoPartes, c.modo);
    }
}

TEST(EscolhaSaida, MovingWithinAPartDoesNotRepaintIt)
{
    EscolhaSaida e = Estado(3, {});
    QString chave = QStringLiteral("FORM");
    Entra(e, 1, chave);
    e.imgParteFigura_Click(1);  // selects 1, mode 1
    e.imgParteFigura_Click(1);  // deselects 1, mode 2
    e.ModoSelecaoPartes = EscolhaSaida::kSelecionando;
    EXPECT_FALSE(e.imgParteFigura_MouseMove(1, chave));  // still over part 1
    EXPECT_FALSE(e.Partes[1].Selecionada);
    // Leaving it for another control and coming back repaints it.
    chave = QStringLiteral("CHKFIGURA");
    EXPECT_TRUE(e.imgParteFigura_MouseMove(1, chave));
    EXPECT_TRUE(e.Partes[1].Selecionada);
}

TEST(EscolhaSaida, TwentyThreePartsStandInRowsOfTen)
{
    const QPoint p0(38, 174);
    EXPECT_EQ(EscolhaSaida::PosicaoParte(0, p0), QPoint(38, 174));
    EXPECT_EQ(EscolhaSaida::PosicaoParte(9, p0), QPoint(38 + 360, 174));
    EXPECT_EQ(EscolhaSaida::PosicaoParte(10, p0), QPoint(38, 209));
    EXPECT_EQ(EscolhaSaida::PosicaoParte(22, p0), QPoint(38 + 80, 244));
    EXPECT_EQ(EscolhaSaida::PosicaoQuadro(22, p0), QPoint(34 + 80, 240));
    EXPECT_EQ(EscolhaSaida::ChaveParte(22), QStringLiteral("PARTEFIGURA22"));
}
