#pragma once
// Grid navigation and numeric-input helpers of the shared module: keyboard
// paging of a result list through its recordset, keeping the current record
// at the same visible row across a refresh, telling whether a list's
// current row is still a given record, and keeping a quantity box to digits.
// They work on THGrid, so they live beside it rather than in core/.
//
// Visible-row numbers count from 0 at the list's top visible row;
// LinhaGridNenhuma stands for no row (the list has no current row).  They are
// plain ints: a list may show any number of rows.

#include "platform/dao/dao.h"

#include <QString>

class QLineEdit;
class THGrid;

namespace Modulo {

constexpr int LinhaGridNenhuma = -1;
// Row height used for paging (the fixed row height of THGrid).
constexpr int AlturaLinhaPaginacao = 17;

// The characters "0" to "9" of Texto, in their order.
QString SomenteDigitos(const QString& Texto);

// Leaves backspace (8) and the codes of "0" to "9" alone and sets every
// other key code to 0, so that the key is swallowed.
void FiltraTeclaNumerica(int& KeyAscii);

// Keeps only the digits of the box's text; a clean text is not assigned
// again (so the box's cursor and change signal stay untouched).
void CorrigeTextoNumerico(QLineEdit* Caixa);

// False only when the recordset is not at EOF, the list's Row is above 0 and
// the bookmark of that row equals Bookmark; True otherwise and on any error.
// (The top visible row counts as no row here.)
bool BookmarkDiferente(platform::dao::DataControl* DataControl, THGrid* Grid,
                       const platform::dao::Bookmark& Bookmark);

// The list's Row, or LinhaGridNenhuma when it has no visible current row.
int ObtemLinhaGrid(THGrid* Grid);

// Scrolls the list so that its current record stands on visible row Linha;
// true when it scrolled.  LinhaGridNenhuma does nothing.
bool RestauraLinhaGrid(THGrid* Grid, int Linha);

// Moves the recordset for "{DOWN}", "{UP}", "{PGDN}" or "{PGUP}" (a page is
// the list's height / 17 rows; page up moves one row less) and keeps the
// list's view in step; after a page down the current record stands on the
// page's last row.  Moves stop at the first and last records; every error
// ends the routine silently.
void NavegaGridTeclado(THGrid* Grid, const platform::dao::RecordsetPtr& Registros, const QString& Tecla);

}  // namespace Modulo
