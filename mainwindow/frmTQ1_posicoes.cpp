// PosObjetosForm: the main window's fixed layout, from the tables below.
#include "mainwindow/frmTQ1.h"
#include "mainwindow/posicoes.h"

#include "core/globals.h"
#include "core/janelas.h"
#include "listcontrols/thcombo.h"
#include "listcontrols/thgrid.h"

namespace PosicoesTQ1 {
namespace {

using R = Retangulo;

std::vector<Retangulo> montaFixas()
{
    std::vector<Retangulo> t = {
        // The window.
        {"pctMenu", -1, 0, 0, 84, 600},
        {"pctTitulo", -1, 89, 0, 716, 63},
        {"pctMinimizar", -1, 784, 2, 13, 10},
        {"pctSugestaoCompra", -1, 455, 140, 176, 229},
        {"pctJogoReparo", -1, 108, 184, 176, 213},
        {"pctToolTipCarrinho", -1, 14, 413, 62, 30},
        {"grdTHGrid1", -1, 104, 173, 384, 255},
        {"cboTHCombo1", -1, 21, 0, 23, 22},
        {"cboTHCombo2", -1, 48, 0, 23, 22},
        // Title strip.
        {"imgTitulo", -1, 0, 0, 716, 36},
        {"lblSubTitulo", -1, 5, 37, 634, 19},
        {"imgLinha", -1, 0, 57, 716, 6},
        // Toolbar.
        {"imgAvancar", -1, 18, 100, 54, 46},
        {"imgFigura", -1, 24, 100, 43, 43},
        {"imgTabela", -1, 23, 100, 44, 43},
        {"imgVoltar", -1, 24, 153, 42, 43},
        {"imgImprimir", -1, 17, 205, 55, 43},
        {"imgGerarArquivo", -1, 24, 256, 40, 53},
        {"imgEnviarEmail", -1, 23, 315, 43, 53},
        {"pctAnimacaoCarro", -1, 21, 446, 48, 48},
        {"imgLista", -1, 32, 457, 26, 27},
        {"imgInicio", -1, 20, 505, 50, 12},
        {"imgAtualizacao", -1, 11, 523, 68, 13},
        {"imgApresentacao", -1, 13, 542, 64, 10},
        {"imgAjuda", -1, 18, 559, 52, 14},
        {"imgSair", -1, 23, 577, 43, 14},
        // Start screen.
        {"imgDazadizeDePecas", -1, 346, 48, 201, 45},
        {"imgIcoAtualizar", -1, 563, 274, 23, 23},
        {"imgIcoAtualizarSel", -1, 563, 274, 23, 23},
        {"imgAtualizadoEm", -1, 593, 276, 75, 10},
        {"lblUltimaAtualizacao", -1, 594, 285, 69, 14},
        // Screen 1.
        {"imgTitNoTQ", 0, 35, 107, 54, 20},
        {"imgTitDescricao", 0, 124, 107, 112, 20},
        {"imgTitTipo", -1, 262, 107, 71, 20},
        {"imgTitNo", 0, 578, 107, 110, 20},
        {"txtNumeroEmpresa", -1, 35, 137, 81, 21},
        {"txtDescricao", -1, 124, 137, 262, 21},
        {"txtNumeroFabricante", -1, 576, 137, 123, 21},
        {"imgChkEixos", -1, 416, 97, 35, 14},
        {"imgChkTransmissoes", -1, 416, 113, 91, 14},
        {"imgChkJogosReparo", -1, 416, 129, 122, 14},
        {"imgChkComponentes", -1, 416, 145, 86, 14},
        {"pctPainelRef", 0, 576, 173, 123, 391},
        // Screen 2.
        {"imgTitVeiculo", -1, 15, 107, 82, 20},
        {"imgTitFabricante", -1, 429, 107, 118, 20},
        {"txtVeiculo", -1, 15, 137, 406, 21},
        // Screen 3.
        {"imgTitNoTQ", 1, 35, 107, 54, 20},
        {"imgTitDescricao", 1, 124, 107, 112, 20},
        {"imgTitTipoR", -1, 414, 107, 71, 20},
        {"imgTitNo", 1, 578, 107, 33, 20},
        {"imgFotoPeca", -1, 498, 423, 150, 77},
        {"pctPainelRef", 1, 576, 146, 123, 238},
        // Screen 4.
        {"lblObsRapida", -1, 25, 86, 3, 13},
        {"imgTitNoTQ", 2, 24, 101, 54, 20},
        {"imgTitQuantidade", 3, 113, 100, 51, 20},
        {"imgTitComponente", 0, 172, 101, 111, 20},
        {"lblInstrucoesF", -1, 24, 102, 337, 23},
        {"lblNumeroEmpresa", -1, 25, 124, 92, 19},
        {"lblQuantidade", -1, 114, 124, 36, 19},
        {"lblComponente", -1, 173, 124, 530, 19},
        {"imgFiguraDetalhada", -1, 1, 143, 700, 415},
        {"imgQuadradoParteSelecionada", -1, 138, 506, 25, 19},
        {"imgQuadradoParteAtual", -1, 162, 506, 25, 19},
        {"lblDescricaoParteFigura", -1, 15, 583, 5, 13},
        {"lblItem", 0, 215, 9, 54, 13},
        {"shpSelecaoItem", -1, 211, 7, 63, 17},
        {"pctToolTipFig_Pop", -1, 416, 78, 175, 68},
        // Screen 5.
        {"imgTitItem", -1, 35, 116, 71, 20},
        {"imgTitNoTQ", 3, 106, 116, 54, 20},
        {"imgTitComponente", 1, 195, 116, 111, 20},
        {"imgTitQuantidade", 0, 409, 116, 51, 20},
        {"imgTitNo", 2, 588, 116, 33, 20},
        {"txtItem", -1, 36, 146, 63, 21},
        {"txtNumeroEmpresaT", -1, 106, 146, 82, 21},
        {"txtComponente", -1, 195, 146, 210, 21},
        {"txtNumeroFabricanteT", -1, 586, 146, 113, 21},
        {"pctPainelRef", 2, 586, 182, 113, 374},
        // Screen 8.
        {"imgTitNoTQ", 4, 36, 115, 54, 20},
        {"imgTitComponente", 2, 125, 115, 111, 20},
        {"imgTitQuantidade", 1, 434, 115, 51, 20},
        {"imgTitQuantidade", 2, 488, 115, 51, 20},
        {"imgTitNo", 3, 585, 115, 33, 20},
        {"pctPainelRef", 3, 583, 152, 116, 340},
        {"pctExibirComparacao", -1, 15, 507, 340, 82},
        // Screen 9.
        {"imgNum1Comp", -1, 35, 109, 37, 36},
        {"imgNum2Comp", -1, 35, 230, 37, 37},
        {"imgTitNoTQ", 5, 117, 107, 54, 20},
        {"imgTitNoTQ", 6, 117, 228, 54, 20},
        {"imgGuarfo1Comp", -1, 298, 138, 22, 20},
        {"imgGuarfo2Comp", -1, 298, 259, 22, 20},
        {"imgPesquisa1Comp1", -1, 324, 134, 126, 10},
        {"imgPesquisa0Comp1", -1, 324, 151, 191, 10},
        {"imgPesquisa1Comp2", -1, 324, 255, 126, 10},
        {"imgPesquisa0Comp2", -1, 324, 272, 191, 10},
        // Buying-suggestion panel.
        {"imgTitSug", -1, 7, 7, 162, 12},
        {"imgFecharSug", -1, 156, 6, 13, 12},
        {"lblPaginasSug", -1, 132, 19, 30, 13},
        {"imgIncluirSelecionadosSug", -1, 13, 22, 102, 9},
        {"imgSelecionarTodosSug", -1, 13, 38, 85, 8},
        // Repair-kit panel.
        {"imgTitJogoReparo", -1, 7, 6, 162, 12},
        {"lblNumeroJogoReparo", 0, 7, 20, 66, 13},
        {"lblDescricaoJogoReparo", 0, 78, 20, 91, 28},
        {"imgJogoReparoRodape", -1, 0, 53, 176, 6},
        // Cart tooltip.
        {"lblToolTipCarrinho", -1, 1, 1, 58, 35},
        // Figure tooltip.
        {"lblPaginaXdeXF_Pop", -1, 4, 2, 6, -1},
        {"lblProximaPaginaF_Pop", -1, 4, 16, 63, 14},
        {"imgObsTp", -1, 6, 32, 13, 14},
        {"lblObsTp", -1, 24, 32, 142, 14},
        {"imgOpTp", -1, 5, 49, 15, 14},
        {"lblOpTp", -1, 24, 49, 124, 14},
        // Comparison display filter.
        {"shpExibirComparacao", -1, 0, 4, 340, 78},
        {"lblExibirComparacao", -1, 7, -2, 51, 15},
        {"optExibirComponentesDiferentes", -1, 10, 14, 301, 20},
        {"optExibirComponentesIguais", -1, 10, 35, 301, 20},
        {"optExibirComponentesTodos", -1, 10, 56, 301, 20},
    };
    // Tick boxes of screen 1 (empty and ticked twins at one place).
    const char* kinds[4] = {"Eixos", "Transmissoes", "JogosReparo", "Componentes"};
    for (int k = 0; k < 4; ++k) {
        t.push_back({QStringLiteral("imgQuadrado_%1").arg(QLatin1String(kinds[k])), -1, 404, 99 + 16 * k, 10, 10});
        t.push_back({QStringLiteral("imgQuadradoX%1").arg(QLatin1String(kinds[k])), -1, 404, 99 + 16 * k, 10, 10});
    }
    // Figure-part buttons.
    for (int i = 0; i < 30; ++i)
        t.push_back({"imgParteFigura", i, 16 + 23 * i, 560, 17, 11});
    // Comparison list and selection.
    for (int i = 0; i < 2; ++i) {
        t.push_back({"lblNumeroEmpresaPeca", i, 384 + 93 * i, 96, 90, 19});
        t.push_back({"imgSelecionarTodos", i, 386 + 93 * i, 141, 85, 8});
        t.push_back({"ImgTransmissao", i, 167, 108 + 121 * i, 121, 20});
        t.push_back({"txtNumeroEmpresaComp", i, 118, 137 + 121 * i, 174, 21});
        t.push_back({"lblDescricaoPecaComp", i, 118, 160 + 121 * i, 5, 13});
        t.push_back({"imgMudaPagina", i, 141 + 14 * i, 34, 10, 14});
    }
    // Suggestion rows.
    const int topoOpcional[4] = {51, 96, 140, 184};
    const int topoDescricao[4] = {65, 115, 153, 197};
    for (int i = 0; i < 4; ++i) {
        t.push_back({"chkSug", i, 12, 52 + 44 * i, 19, 13});
        t.push_back({"lblNumeroSug", i, 30, 52 + 44 * i, 66, 13});
        t.push_back({"imgOpcionalSug", i, 103, topoOpcional[i], 15, 14});
        t.push_back({"imgOpcionalSugS", i, 103, topoOpcional[i], 15, 14});
        t.push_back({"lblQtdSug", i, 124, 51 + 44 * i, 21, 17});
        t.push_back({"shpQtdSug", i, 144, 51 + 44 * i, 22, 15});
        t.push_back({"lblDescricaoSug", i, 11, topoDescricao[i], 147, 30});
    }
    // Cross-reference panels: number and manufacturer labels per row.
    const struct {
        const char* sufixo;
        int linhas;
        int larguraNumero, larguraNome;
    } paineis[4] = {{"", 9, 117, 111}, {"R", 6, 117, 111}, {"T", 9, 107, 101}, {"C", 8, 110, 104}};
    for (const auto& p : paineis) {
        for (int i = 0; i < p.linhas; ++i) {
            t.push_back({QStringLiteral("lblNumeroFabricanteRef%1").arg(QLatin1String(p.sufixo)), i, 6, 7 + 39 * i,
                         p.larguraNumero, 16});
            t.push_back({QStringLiteral("lblFabricanteRef%1").arg(QLatin1String(p.sufixo)), i, 7, 24 + 39 * i,
                         p.larguraNome, 17});
        }
    }
    return t;
}

std::vector<Pontos> montaLinhas()
{
    std::vector<Pontos> t;
    for (int i = 0; i < 2; ++i)
        t.push_back({"linComparacao", i, 382 + 93 * i, 97, 382 + 93 * i, 152});
    for (int i = 0; i < 3; ++i)
        t.push_back({"linSug", i, 13, 93 + 44 * i, 163, 93 + 44 * i});
    const struct {
        const char* sufixo;
        int linhas;
        int x2;
    } paineis[4] = {{"", 8, 118}, {"R", 5, 118}, {"T", 8, 108}, {"C", 7, 111}};
    for (const auto& p : paineis)
        for (int i = 0; i < p.linhas; ++i)
            t.push_back({QStringLiteral("linRef%1").arg(QLatin1String(p.sufixo)), i, 5, 40 + 39 * i, p.x2, 40 + 39 * i});
    return t;
}

}  // namespace

const std::vector<Retangulo>& Fixas()
{
    static const std::vector<Retangulo> t = montaFixas();
    return t;
}

const std::vector<Pontos>& Linhas()
{
    static const std::vector<Pontos> t = montaLinhas();
    return t;
}

const std::vector<BotaoInicio>& BotoesInicio()
{
    static const std::vector<BotaoInicio> t = {
        {"imgPesquisa1", "imgPesquisa1Selecionada", QPoint(127, 126), QPoint(120, 253), QPoint(499, 217), std::nullopt},
        {"imgPesquisa0", "imgPesquisa0Selecionada", QPoint(113, 156), QPoint(25, 284), QPoint(499, 169), QPoint(101, 126)},
        {"imgComparar", "imgCompararSelecionada", QPoint(103, 197), QPoint(40, 327), QPoint(499, 269), QPoint(49, 163)},
        {"imgBombas", "imgBombasSelecionada", QPoint(96, 231), QPoint(104, 358), std::nullopt, std::nullopt},
        {"imgFiltros", "imgFiltrosSelecionada", QPoint(92, 264), QPoint(258, 390), std::nullopt, std::nullopt},
    };
    return t;
}

std::optional<std::optional<QPoint>> BotaoInicio::Lugar(const QString& edicao) const
{
    if (edicao == QLatin1String("V"))
        return v;
    if (edicao == QLatin1String("A"))
        return a;
    if (edicao == QLatin1String("D"))
        return d;
    if (edicao == QLatin1String("M"))
        return m;
    return std::nullopt;
}

std::vector<Retangulo> CaixasQuantidade()
{
    std::vector<Retangulo> t;
    for (int i = 0; i < 4; ++i)
        t.push_back({"txtQtdSug", i, 145, 52 + 44 * i, 20, 13});
    return t;
}

}  // namespace PosicoesTQ1

namespace {

void aplica(QWidget* w, const PosicoesTQ1::Retangulo& r)
{
    const int largura = r.width >= 0 ? r.width : w->width();
    const int altura = r.height >= 0 ? r.height : w->height();
    if (auto* grade = qobject_cast<THGrid*>(w)) {
        grade->Move(r.left, r.top, largura, altura);
        return;
    }
    if (auto* combo = qobject_cast<THCombo*>(w)) {
        combo->Move(r.left, r.top, largura, altura);
        return;
    }
    w->setGeometry(r.left, r.top, largura, altura);
}

}  // namespace

void frmTQ1::PosObjetosForm()
{
    using namespace PosicoesTQ1;

    // 1. Quantity boxes, only away from 15 twips per pixel (at 15 their
    //    creation rectangles are these same ones).
    if (Modulo::gTwipsX != 15 || Modulo::gTwipsY != 15)
        for (const Retangulo& r : CaixasQuantidade())
            aplica(Controle(r.controle, r.indice), r);

    // 2. Start-screen buttons by edition; a hidden one is neither moved nor
    //    is its twin touched.
    for (const BotaoInicio& b : BotoesInicio()) {
        const auto lugar = b.Lugar(Modulo::gEdicao);
        if (!lugar)
            continue;
        QWidget* botao = Controle(b.botao);
        if (!*lugar) {
            botao->hide();
            continue;
        }
        botao->move(**lugar);
        Controle(b.destaque)->move(**lugar);
    }

    // 3. Fixed placements.
    for (const Retangulo& r : Fixas()) {
        QWidget* w = Controle(r.controle, r.indice);
        Q_ASSERT_X(w, "PosObjetosForm", qPrintable(r.controle));
        if (!w)
            continue;
        aplica(w, r);
        // A twin shares its button's rectangle.
        if (QWidget* twin = Controle(r.controle + QStringLiteral("Selecionada"), r.indice))
            aplica(twin, r);
    }
    for (int n = 0; n < 4; ++n)
        if (m_paineisInternos[n])
            m_paineisInternos[n]->resize(pctPainelRef[n]->size());
    for (int i = 0; i < 10; ++i)
        aplica(pctTela[i], {"pctTela", i, 89, 0, 713, 602});
    for (const Pontos& p : Linhas()) {
        QWidget* w = Controle(p.controle, p.indice);
        if (auto* linha = qobject_cast<Linha*>(w)) {
            linha->SetPontos(p.x1, p.y1, p.x2, p.y2);
        } else if (w) {
            w->setGeometry(std::min(p.x1, p.x2), std::min(p.y1, p.y2), std::max(1, std::abs(p.x2 - p.x1)),
                           std::max(1, std::abs(p.y2 - p.y1)));
        }
    }
}
