#pragma once
// What the list screens of the detail window share: the list's place on a
// screen panel, the icon pictures of the kits and optionals, column widths
// in twips, showing a list screen and releasing its list.

#include "listcontrols/thgrid.h"

#include <QString>

class frmTQ2;

// Pixels as twips for a column spec ("W": the horizontal factor).
QString LarguraTwips(int pixels);

// Icon 0 include in the cart, icon 1 notes, each with its highlighted twin.
THPictures IconesCarrinhoObservacao();

// The list at 22, 51 inside panel `tela`, `largura` by 289 pixels.
void PosicionaGridTela(frmTQ2& janela, int tela, int largura);

// Shows panel `tela` and the list, sets the toolbar of the screen, lets
// pending events run and gives the list the focus.
void MostraTelaLista(frmTQ2& janela, int tela);

// Unloads the list's columns and closes the data control's recordset.
void LiberaGridTela(frmTQ2& janela);
