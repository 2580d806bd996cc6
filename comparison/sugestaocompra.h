#pragma once
// The buying suggestion of a component, without widgets: the suggestion
// query, the page model of the panel pctSugestaoCompra (four rows a page,
// ticks and quantities kept over paging), the validation of its quantity
// boxes, what its actions put into the cart, and where the panel stands.
// The main window's panel shows a SugestaoCompra's page and hands its boxes
// back; tests and tools drive the model directly.
//
// The list of an item: one row per distinct regular component of the items
// that the assembly's suggestion set names for it, and one per suggested
// repair kit that is a kit of the assembly, ordered by formatted company
// number and code.  Row k (from 1) is page (k - 1) / 4 + 1, line (k - 1) % 4.
//
// Sound behaviour where the design has faults:
//   - an assembly whose CodigoSugestao is Null has no suggestion;
//   - a proposed quantity that is not a whole number from 1 to 999 is
//     rounded down and brought into 1..999 (text that is no number gives 1),
//     and two stored proposals for one component compare as numbers;
//   - the carrier's own component is looked up with its item's apostrophes
//     doubled; a carrier without a regular row adds only the ticked rows;
//   - a flagged item whose list is empty hides the panel (MostraPainel is
//     false), never leaving another item's suggestions on show.
//
// Errors are platform::Error and reach the caller (the screen's guard).

#include "comparison/inclusao.h"
#include "platform/dao/dao.h"

#include <QRect>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

namespace Comparacao {

using platform::dao::DatabasePtr;

constexpr int kLinhasPaginaSugestao = 4;
constexpr int kQuantidadeSugestaoMaxima = 999;

// AbreSugestaoCompra: the suggestion query of an assembly's item (the
// suggestion set read on `Catalogo`; an item prepared as search text).
QString AbreSugestaoCompra(const DatabasePtr& Catalogo, long CodigoPeca, const QString& Item, const QString& Idioma);

// A proposed quantity as the panel keeps it: rounded down, within 1..999.
std::int16_t QuantidadeSugerida(const QVariant& QuantidadeInt);

// One row of the list.
struct LinhaSugestao {
    QString tipo;       // "COM" or "JRE"
    long codigo = 0;
    QString numero;     // formatted company number
    QString descricao;
    QString opcional;   // " ": the component has optional alternatives
    bool temOpcionais() const { return opcional == QLatin1String(" "); }
};

// One line of the page on show.
struct LinhaPaginaSugestao {
    LinhaSugestao linha;
    bool marcada = false;  // chkSug(i)
    QString quantidade;    // txtQtdSug(i)
};

struct PaginaSugestao {
    int pagina = 1;
    int paginas = 1;
    std::vector<LinhaPaginaSugestao> linhas;  // 1 to 4 lines
    QString legenda;  // lblPaginasSug: "1/2"
    QString dica;     // its tooltip: text 55 filled in
};

// The panel's state: the list on show (assembly and item: the panel's Tag),
// the ticks and quantities of every row, the select-all state, the page.
class SugestaoCompra {
public:
    // CarregaSugestaoCompra.  With reset: a fresh list of the item, its
    // ticks cleared and its quantities proposed; without: page `Pagina` of
    // the current list drawn from the kept ticks and quantities.  False
    // when the page has no row: nothing changes then.
    bool Carrega(const DatabasePtr& Catalogo, long CodigoPeca, const QString& Item, int Pagina, bool Reset,
                 const QString& Idioma);

    // GuardaSelecaoSugestao: the ticks and the quantity texts of the lines of
    // the page on show (in line order) go into the kept state.  Callers
    // validate the boxes first.
    void Guarda(const std::vector<bool>& Marcadas, const QStringList& Quantidades);

    // imgSelecionarTodosSug_Click: ticks every row of every page, or unticks
    // them when the last click ticked them; returns the new tick.
    bool SelecionaTodos();

    // The page that follows the one on show for an arrow (0 previous,
    // 1 next), wrapping at both ends.
    int PaginaSeguinte(int Indice) const;

    const PaginaSugestao& Pagina() const { return m_pagina; }
    bool Carregada() const { return m_codigoPeca != 0; }
    long CodigoPeca() const { return m_codigoPeca; }
    const QString& Item() const { return m_item; }
    QString Tag() const;  // pctSugestaoCompra.Tag: assembly "|" item
    QString TagSelecionarTodos() const { return m_tagSelecionarTodos; }
    const std::vector<bool>& Selecionados() const { return m_selecionados; }         // mSelecionadosSug(1..n)
    const std::vector<std::int16_t>& Quantidades() const { return m_quantidades; }  // mQuantidadesSug(1..n)

private:
    long m_codigoPeca = 0;
    QString m_item;
    std::vector<bool> m_selecionados;
    std::vector<std::int16_t> m_quantidades;
    QString m_tagSelecionarTodos = QStringLiteral("0");
    PaginaSugestao m_pagina;
};

// --- the panel's actions (the page on show is validated and kept first) ---

// ValidaQuantidadesSugestao: each visible box is first reduced to its digits
// (the texts are changed in place); the index of the first box that is not a
// number above 0, or -1 when all are valid.
int ValidaQuantidadesSugestao(QStringList& Quantidades);

// imgIncluirSelecionadosSug_Click after validation and keeping the page:
// the ticked rows in list order (components optional when they have
// alternatives, kits never), then the carrier's regular component with its
// assembly quantity, each without animation; then the animation once.
// Nothing ticked: a critical box with text 16 and "." titled text 19, and
// nothing is added.  Returns the number of ticked rows added.
int IncluiSelecionadosSugestao(const SugestaoCompra& Sugestao, const DatabasePtr& Catalogo, const QString& Idioma,
                               const IncluiItem& Incluir, const EfeitoCarrinho& Efeito);

// imgOpcionalSug_Click's lookup: the suggested item of the list that holds
// component `Componente` with optional alternatives, "" when none.
QString ItemOpcionalSugestao(const DatabasePtr& Catalogo, long CodigoPeca, const QString& Item, long Componente);
// The detail-window request that shows those alternatives: "4|A|C|item|0".
QString SolicitacaoOpcionaisSugestao(long CodigoPeca, long Componente, const QString& ItemSugerido);

// --- where the panel stands (window pixels) --------------------------------

constexpr int kLarguraPainelSugestao = 176;
constexpr int kAlturaPainelSugestao = 229;

// Beside a hovered figure item (MostraSugestaoFigura): the window's width,
// the hovered label's Left, the figure picture's rectangle and its screen
// panel's Left, the repair-kit panel's rectangle when it is visible.
struct LugarFigura {
    int larguraJanela = 800;
    int esquerdaRotulo = 0;
    QRect figura;            // imgFiguraDetalhada inside pctTela(4)
    int esquerdaTela = 0;    // pctTela(4).Left
    bool jogoReparoVisivel = false;
    QRect jogoReparo;        // pctJogoReparo
};
QPoint PosicaoSugestaoFigura(const LugarFigura& Lugar);

// Beside the current row of the components table (MostraSugestaoGrid): the
// window's width and height, the grid's Top, the row bar's top inside the
// grid (THGrid.TopPixels_pctTHGrid) and whether the bar is hidden.
struct LugarGrade {
    int larguraJanela = 800;
    int alturaJanela = 600;
    int topoGrade = 0;
    int topoBarra = 0;
    bool barraOculta = false;
};
QPoint PosicaoSugestaoGrade(const LugarGrade& Lugar);

// The Top of line i's description label: 13 pixels below its number's Top
// when the text is wider than the label (two lines), else 19.
constexpr int kLarguraDescricaoSugestao = 147;
inline int TopoDescricaoSugestao(int TopoNumero, int LarguraTexto, int LarguraRotulo = kLarguraDescricaoSugestao)
{
    return TopoNumero + (LarguraTexto > LarguraRotulo ? 13 : 19);
}
// The Top of line i's number label, tick box and quantity box.
inline int TopoLinhaSugestao(int i) { return 52 + 44 * i; }

// The pointer target of MostraSugestaoMenu: the middle of the panel's
// window rectangle (halves to even), for QCursor::setPos.
QPoint CentroPainelSugestao(const QRect& RetanguloTela);

// Keeps a dragged panel inside the window: the position moved so that the
// whole panel lies in a window of that size (a window smaller than the
// panel keeps its top left corner).
QPoint LimitaPainelSugestao(QPoint Posicao, const QSize& Janela, const QSize& Painel = {kLarguraPainelSugestao, kAlturaPainelSugestao});

}  // namespace Comparacao
