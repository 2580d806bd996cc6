#pragma once
// The comparison's screens on the catalogue's windows.
//
// Registra() (called once at program start, mainwindow/main/subsistemas.cpp)
// fills the comparison's slots of the main window's registry and registers
// the cart list with the detail window:
//
//   MostraSelecaoComparacao, EscondeSelecaoComparacao   screen 9
//   MostraComparacao, EscondeComparacao,                screen 8
//   AtualizaGridComparacao
//   MostraSugestaoFigura, MostraSugestaoGrid,           the buying-suggestion
//   MostraSugestaoMenu, imgMudaPagina_Click             panel (screens 4, 5)
//   AoCriar: the handlers of screens 8 and 9 and of the panel (number boxes,
//            search buttons, filter options, select-all icons, the panel's
//            ticks, quantity boxes, arrows, include, optional icons, close,
//            hover and drag) and the state object EstadoTelas
//   AoDescarregar: the assemblies' snapshot of screen 9 is closed
//   frmTQ2::RegistraExibeTelaLista: request 3, the cart list
//
// Every handler runs inside Modulo::Guarda.  The slots run inside their
// caller's guard and raise platform::Error.
//
// Screen 9 (MostraSelecaoComparacao(origin)): the two number boxes look the
// typed number up in a snapshot of every assembly (opened when the screen is
// shown, closed when it is hidden); the label shows what was found, the
// box's Tag holds its CodigoPeca and the label's Tag its TipoPeca.
//
// What the main window's search screens (search/screens/) do on these
// screens through the same controls: Forward on screen 9 (the checks, then
// MostraComparacao(0)), the column titles of screen 8 (re-sorts through
// AtualizaGridComparacao) and the list's row actions on screen 8 (cart, the
// figure of either assembly, the cross references).
//
// Screen 8 (MostraComparacao(origin 0 from screen 9, 4 from the figure)):
// the first showing of a comparison builds the comparison table (one
// transaction; a failure shows the error box and leaves the list empty, the
// window usable), the header and the list's columns; later showings (from
// the figure) keep the table, filter, order and current row.  The list's
// data control reads the open auxiliary database gDbAuxiliar.  Leaving the
// comparison belongs to FechaConjunto (the assembly view); when no assembly
// view closes screen 8, screen 9 closes it itself on its way back.
//
// The buying-suggestion panel pctSugestaoCompra floats over screens 4 and 5:
// beside the hovered figure label (MostraSugestaoFigura with the label's
// Left, reading the row of
// the frame's mRsItensFigura that the assembly view positioned: the item's
// ItemComponente and its SugestaoCompra flag) or beside the components
// table's current row (MostraSugestaoGrid, reading dtcTHGrid1's row:
// ItemComponente and ImagensGrid).  An item whose list is empty hides the
// panel.  The item menu's entry moves the pointer onto the panel
// (MostraSugestaoMenu: platform::pointerWarper() to the panel's middle, then
// what the pointer's arrival does: the keep flag mManterSelecaoFigura set,
// the wheel aimed at the panel, the focus on it).  Dragging the panel with
// the left button keeps it inside the window.
//
// The cart list (request 3 of frmTQ2, "3|Tipo|Codigo"): the run's cart table
// read through the open auxiliary database, sorted by the formatted company
// number, the named item current; Print (an empty list refused with text 16,
// then saida's cart printout), Generate file (the save dialog of
// platform/desktop/savedialog.h, then the text file), E-mail (the text file
// in the private temporary folder handed to platform/desktop/mail.h) and
// Clear.  A row whose Descricao, NumeroEmpresa or DescricaoTipo is Null shows
// and exports those fields empty.

#include <QPoint>
#include <QString>
#include <QtGlobal>

#include <cstdint>

class frmTQ1;
class frmTQ2;

namespace Comparacao {

void Registra();

// ---- Screen 9 -----------------------------------------------------------
void MostraSelecaoComparacao(frmTQ1& f, quint8 Origem);
void EscondeSelecaoComparacao(frmTQ1& f);
void txtNumeroEmpresaComp_Change(frmTQ1& f, int Index);
// A search button: Lado 0 or 1, by vehicle or by number.
void imgPesquisaComp_Click(frmTQ1& f, int Lado, bool Veiculo);

// ---- Screen 8 -----------------------------------------------------------
void MostraComparacao(frmTQ1& f, quint8 Origem);
void EscondeComparacao(frmTQ1& f);
void AtualizaGridComparacao(frmTQ1& f, const QString& CodigoComponente, int Filtro, const QString& Ordem, bool Recriar,
                            bool Atualizar);
// The filter options: 0 different, 1 equal, 2 all.
void optExibirComponentes_Click(frmTQ1& f, int Filtro);
void imgSelecionarTodos_Click(frmTQ1& f, int Index);
// Hides screen 8 and gives the list back to the catalogue when the assembly
// view left it on show; drops the comparison table.
void LiberaComparacao(frmTQ1& f);

// ---- Buying-suggestion panel ------------------------------------------------
// CarregaSugestaoCompra: fills page `Pagina` of the panel; false (nothing
// changed) when that page has no row.
bool CarregaSugestaoCompra(frmTQ1& f, long CodigoPeca, const QString& Item, int Pagina, bool Reset);
// The hovered label's index and its Left inside pctTela(4).
void MostraSugestaoFigura(frmTQ1& f, int Index, int LeftRotulo);
void MostraSugestaoGrid(frmTQ1& f);
void MostraSugestaoMenu(frmTQ1& f);
// ValidaQuantidadesSugestao: true when every visible quantity box holds a
// whole number above 0; otherwise the message, the pointer back onto the
// panel on the figure screen, the focus in the first invalid box.
bool ValidaQuantidadesSugestao(frmTQ1& f);
void GuardaSelecaoSugestao(frmTQ1& f);
void imgMudaPagina_Click(frmTQ1& f, int Index);
void imgIncluirSelecionadosSug_Click(frmTQ1& f);
void imgSelecionarTodosSug_Click(frmTQ1& f);
void lblNumeroSug_Click(frmTQ1& f, int Index);
void imgOpcionalSug_Click(frmTQ1& f, int Index);
void imgFecharSug_Click(frmTQ1& f);
// The pointer over the panel (or its description, page and quantity
// captions), at `Global` (screen coordinates): the keep flag, no highlight,
// the wheel on the panel; with the left button down the panel is dragged.
void pctSugestaoCompra_MouseDown(frmTQ1& f, int Button, QPoint Global);
void pctSugestaoCompra_MouseMove(frmTQ1& f, int Button, QPoint Global);

// ---- The cart list (frmTQ2, request 3) ------------------------------------------
void ExibeTelaLista(frmTQ2& j, std::uint8_t Origem, const QString& Tipo, std::int32_t Codigo);
void ConsultaLista(frmTQ2& j);
void imgLimpar_Click(frmTQ2& j);
void imgImprimir_Click(frmTQ2& j);
void imgGerarArquivo_Click(frmTQ2& j);
void imgEnviarEmail_Click(frmTQ2& j);

}  // namespace Comparacao
