#pragma once
// The assembly view's registration with the catalogue's main window.
//
// Registra() fills the slots of RegistroTQ1::Global() that the assembly view
// owns, before any main window exists:
//   MostraFigura, EscondeFigura, FechaFigura        screen 4 (the figure)
//   MostraComponentes, EscondeComponentes           screen 5 (the table)
//   FechaConjunto                                   leaving the assembly
//   imgParteFigura_Click, LimpaSelecaoItem          pages, the hover state
//   MenuItemFigura                                  the item menu's entries
//   OrdenaTabelaPorColuna                           the table's sort
//   imgFigura_Click                                 the Figure button, when empty
// and adds an AoCriar hook that gives each new window its assembly view
// (ConjuntoTQ1, a child of the window) and connects the handlers of the
// window's controls on screens 4 and 5, and an AoDescarregar hook that stops
// the figure's blinking.  Slots called on a window that has no assembly view
// do nothing.
//
// The main list's row events (double click, row change, row icons), its
// column titles and the Figure button serve several screens; the catalogue
// search's screens handle them on every screen (their registration fills
// the Figure button's slot).  The view handles them on its table only when
// the Figure button's slot is its own, so that they never run twice.
//
// What the view hands on goes through the window: the detail window through
// AbreJanelaSecundaria, the cart through Modulo::IncluiItemCarrinho (whose
// animation is the window's EfeitoCarrinho), the buying-suggestion panel
// through the slots MostraSugestaoFigura, MostraSugestaoMenu and
// MostraSugestaoGrid, printing through the frame's Print (which reads
// mParteFiguraAtual), the parts list and the comparison through their show
// and hide slots.

namespace Conjunto {

void Registra();

}  // namespace Conjunto
