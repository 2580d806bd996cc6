// The main window's controls and fixed layout: every control the layout
// names exists in its container, a rectangle in each container, the start
// screen's buttons per edition, the quantity boxes by twips per pixel.

#include "core/janelas.h"
#include "listcontrols/thcombo.h"
#include "listcontrols/thgrid.h"
#include "mainwindow/frmTQ1.h"
#include "mainwindow/posicoes.h"

#include "core/globals.h"

#include <gtest/gtest.h>

namespace {

struct EdicaoGlobal {
    explicit EdicaoGlobal(const QString& e) : m_antes(Modulo::gEdicao) { Modulo::gEdicao = e; }
    ~EdicaoGlobal() { Modulo::gEdicao = m_antes; }
    QString m_antes;
};

}  // namespace

TEST(MainWindowLayout, EveryPlacedControlExistsWithItsArrays)
{
    frmTQ1 f;
    for (const auto& r : PosicoesTQ1::Fixas())
        EXPECT_NE(f.Controle(r.controle, r.indice), nullptr) << qPrintable(r.controle) << " " << r.indice;
    for (const auto& p : PosicoesTQ1::Linhas())
        EXPECT_NE(f.Controle(p.controle, p.indice), nullptr) << qPrintable(p.controle) << " " << p.indice;
    // The arrays' index ranges.
    EXPECT_EQ(f.lblFabricanteRef.size(), 9u);
    EXPECT_EQ(f.linRef.size(), 8u);
    EXPECT_EQ(f.lblNumeroFabricanteRefR.size(), 6u);
    EXPECT_EQ(f.linRefR.size(), 5u);
    EXPECT_EQ(f.lblFabricanteRefT.size(), 9u);
    EXPECT_EQ(f.linRefT.size(), 8u);
    EXPECT_EQ(f.lblNumeroFabricanteRefC.size(), 8u);
    EXPECT_EQ(f.linRefC.size(), 7u);
    EXPECT_EQ(f.lblItem.size(), 1u);
    EXPECT_EQ(f.lblNumeroJogoReparo.size(), 1u);
    EXPECT_EQ(f.Controle(QStringLiteral("imgParteFigura"), 29), f.imgParteFigura[29]);
    EXPECT_EQ(f.Controle(QStringLiteral("imgTitNoTQ"), 6), f.imgTitNoTQ[6]);
    // Twins start hidden; the start window's layout has them under the mouse.
    for (QWidget* twin : {static_cast<QWidget*>(f.imgAvancarSelecionada), static_cast<QWidget*>(f.imgIcoAtualizarSel),
                          static_cast<QWidget*>(f.imgOpcionalSugS[3]), static_cast<QWidget*>(f.imgPesquisa0Comp2Selecionada)}) {
        EXPECT_TRUE(twin->isHidden());
        EXPECT_TRUE(twin->testAttribute(Qt::WA_TransparentForMouseEvents));
    }
}

TEST(MainWindowLayout, ARectanglePerContainer)
{
    EdicaoGlobal e(QStringLiteral("V"));
    frmTQ1 f;
    f.PosObjetosForm();
    const struct {
        QWidget* controle;
        QWidget* container;
        QRect retangulo;
    } casos[] = {
        {f.pctMenu, &f, {0, 0, 84, 600}},
        {f.pctTitulo, &f, {89, 0, 716, 63}},
        {f.pctTela[7], &f, {89, 0, 713, 602}},
        {f.pctSugestaoCompra, &f, {455, 140, 176, 229}},
        {f.pctJogoReparo, &f, {108, 184, 176, 213}},
        {f.pctToolTipCarrinho, &f, {14, 413, 62, 30}},
        {f.grdTHGrid1, &f, {104, 173, 384, 255}},
        {f.lblSubTitulo, f.pctTitulo, {5, 37, 634, 19}},
        {f.imgVoltar, f.pctMenu, {24, 153, 42, 43}},
        {f.imgVoltarSelecionada, f.pctMenu, {24, 153, 42, 43}},
        {f.pctAnimacaoCarro, f.pctMenu, {21, 446, 48, 48}},
        {f.imgSair, f.pctMenu, {23, 577, 43, 14}},
        {f.imgDazadizeDePecas, f.pctTela[0], {346, 48, 201, 45}},
        {f.txtNumeroEmpresa, f.pctTela[1], {35, 137, 81, 21}},
        {f.imgQuadradoXJogosReparo, f.pctTela[1], {404, 131, 10, 10}},
        {f.pctPainelRef[0], f.pctTela[1], {576, 173, 123, 391}},
        {f.txtVeiculo, f.pctTela[2], {15, 137, 406, 21}},
        {f.imgFotoPeca, f.pctTela[3], {498, 423, 150, 77}},
        {f.imgFiguraDetalhada, f.pctTela[4], {1, 143, 700, 415}},
        {f.imgParteFigura[29], f.pctTela[4], {683, 560, 17, 11}},
        {f.pctToolTipFig_Pop, f.pctTela[4], {416, 78, 175, 68}},
        {f.txtComponente, f.pctTela[5], {195, 146, 210, 21}},
        {f.imgTitQuantidade[2], f.pctTela[8], {488, 115, 51, 20}},
        {f.pctExibirComparacao, f.pctTela[8], {15, 507, 340, 82}},
        {f.txtNumeroEmpresaComp[1], f.pctTela[9], {118, 258, 174, 21}},
        {f.imgOpcionalSug[2], f.pctSugestaoCompra, {103, 140, 15, 14}},
        {f.lblDescricaoSug[3], f.pctSugestaoCompra, {11, 197, 147, 30}},
        {f.txtQtdSug[3], f.pctSugestaoCompra, {145, 184, 20, 13}},
        {f.lblDescricaoJogoReparo[0], f.pctJogoReparo, {78, 20, 91, 28}},
        {f.lblToolTipCarrinho, f.pctToolTipCarrinho, {1, 1, 58, 35}},
        {f.imgOpTp, f.pctToolTipFig_Pop, {5, 49, 15, 14}},
        {f.optExibirComponentesTodos, f.pctExibirComparacao, {10, 56, 301, 20}},
        {f.lblExibirComparacao, f.pctExibirComparacao, {7, -2, 51, 15}},
        {f.lblFabricanteRefT[8], f.pctPainelRef[2], {7, 336, 101, 17}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.controle->objectName().toStdString());
        EXPECT_EQ(c.controle->geometry(), c.retangulo);
        // The container: the control's parent, or the panel inside the
        // cross-reference box.
        QWidget* pai = c.controle->parentWidget();
        if (pai != c.container)
            pai = pai ? pai->parentWidget() : nullptr;
        EXPECT_EQ(pai, c.container);
    }
    // Lines by their end points.
    EXPECT_EQ(f.linComparacao[1]->geometry(), QRect(475, 97, 1, 55));
    EXPECT_EQ(f.linSug[2]->geometry(), QRect(13, 181, 150, 1));
    EXPECT_EQ(f.linRefC[6]->geometry(), QRect(5, 274, 106, 1));
}

TEST(MainWindowLayout, StartButtonsPerEdition)
{
    const struct {
        const char* edicao;
        std::optional<QPoint> veiculo, numero, comparar, bombas, filtros;
    } casos[] = {
        {"V", QPoint(127, 126), QPoint(113, 156), QPoint(103, 197), QPoint(96, 231), QPoint(92, 264)},
        {"A", QPoint(120, 253), QPoint(25, 284), QPoint(40, 327), QPoint(104, 358), QPoint(258, 390)},
        {"D", QPoint(499, 217), QPoint(499, 169), QPoint(499, 269), std::nullopt, std::nullopt},
        {"M", std::nullopt, QPoint(101, 126), QPoint(49, 163), std::nullopt, std::nullopt},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.edicao);
        EdicaoGlobal e(QString::fromLatin1(c.edicao));
        frmTQ1 f;
        // Somewhere else first, to see what the layout moves.
        for (Imagem* i : {f.imgPesquisa0, f.imgPesquisa0Selecionada, f.imgPesquisa1, f.imgPesquisa1Selecionada,
                          f.imgComparar, f.imgCompararSelecionada, f.imgBombas, f.imgBombasSelecionada, f.imgFiltros,
                          f.imgFiltrosSelecionada})
            i->move(1, 1);
        f.PosObjetosForm();
        const struct {
            Imagem* botao;
            Imagem* destaque;
            std::optional<QPoint> lugar;
        } botoes[] = {
            {f.imgPesquisa1, f.imgPesquisa1Selecionada, c.veiculo}, {f.imgPesquisa0, f.imgPesquisa0Selecionada, c.numero},
            {f.imgComparar, f.imgCompararSelecionada, c.comparar},  {f.imgBombas, f.imgBombasSelecionada, c.bombas},
            {f.imgFiltros, f.imgFiltrosSelecionada, c.filtros},
        };
        for (const auto& b : botoes) {
            SCOPED_TRACE(b.botao->objectName().toStdString());
            if (b.lugar) {
                EXPECT_FALSE(b.botao->isHidden());
                EXPECT_EQ(b.botao->pos(), *b.lugar);
                EXPECT_EQ(b.destaque->pos(), *b.lugar);
            } else {
                // Hidden and not moved; its twin untouched.
                EXPECT_TRUE(b.botao->isHidden());
                EXPECT_EQ(b.botao->pos(), QPoint(1, 1));
                EXPECT_EQ(b.destaque->pos(), QPoint(1, 1));
            }
        }
    }
    // An unknown edition leaves the ten buttons as they were made, visible.
    EdicaoGlobal e(QStringLiteral("X"));
    frmTQ1 f;
    f.PosObjetosForm();
    EXPECT_EQ(f.imgFiltros->pos(), QPoint(92, 264));
    EXPECT_FALSE(f.imgFiltros->isHidden());
}

TEST(MainWindowLayout, QuantityBoxesArePlacedOnlyAwayFrom15TwipsPerPixel)
{
    frmTQ1 f;
    f.txtQtdSug[1]->move(3, 3);
    f.PosObjetosForm();
    EXPECT_EQ(f.txtQtdSug[1]->pos(), QPoint(3, 3));
    Modulo::gTwipsY = 12;
    f.PosObjetosForm();
    Modulo::gTwipsY = 15;
    EXPECT_EQ(f.txtQtdSug[1]->geometry(), QRect(145, 96, 20, 13));
}
