#pragma once
// The cart's rows: the three routines of the shared module that write the
// run's cart table (gTabelaCarrinho in the auxiliary database gDbAuxiliar).
// Every action that puts an item into the cart goes through
// IncluiItemCarrinho; the cart list changes quantities and deletes rows
// through the other two.
//
// One row per item, key (Tipo, Codigo).  Adding an item that is in the cart
// already never sums the quantities: the stored one is raised to the new one
// when that is larger, and the row becomes optional (Opcional " ") when the
// addition is optional; an addition that changes nothing writes nothing.  A
// new row copies the item's description, company number (unformatted) and
// kind caption from the catalogue (gDbDazadize) in the run's language.
//
// Where the old routine was unsound, these are not:
//   - a quantity is read as a number (the run time's rule) and becomes a
//     whole number within 1..32000; text that is no number counts as 1;
//   - an unknown kind, or a code that the catalogue's table of that kind
//     does not hold, is refused with an error (kErroTipoCarrinho,
//     kErroItemCarrinho) and nothing is written;
//   - texts are stored whole with their apostrophes doubled in the
//     statement; a Null or empty catalogue text is stored as Null (the
//     table's text columns refuse zero-length strings);
//   - with EfeitoVisual the main window's cart animation plays only when the
//     item is in the cart afterwards, and only while a main window is loaded
//     (ObtemJanelaPrincipal).
// Database errors reach the caller (the event handler's guard shows them);
// nothing of a failed addition is written.

#include <QString>

namespace Modulo {

// Errors of the cart routines.
constexpr long kErroTipoCarrinho = 5;     // the kind is not "COM", "JRE" or "PCA"
constexpr long kErroItemCarrinho = 3021;  // the catalogue has no item with that code

// The limits of a cart quantity.
constexpr int kQuantidadeMinimaCarrinho = 1;
constexpr int kQuantidadeMaximaCarrinho = 32000;

// The quantity text as the cart stores it: the number rounded down and
// brought into 1..32000; 1 for text that is no number.
int QuantidadeCarrinho(const QString& Quantidade);

void IncluiItemCarrinho(const QString& Tipo, long Codigo, const QString& Quantidade, bool Opcional, bool EfeitoVisual);

// Sets the quantity of one row (brought into 1..32000 as above).
void AlteraQuantidadeCarrinho(const QString& Tipo, long Codigo, const QString& Quantidade);

// Deletes one row; an empty Tipo with Codigo -1 deletes every row.
void ExcluiItemCarrinho(const QString& Tipo, long Codigo);

}  // namespace Modulo
