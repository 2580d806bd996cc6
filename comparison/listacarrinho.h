#pragma once
// The cart list (screen 3 of the detail window, request 3) without widgets:
// its query over the run's cart table, its columns, icons and place, the row
// a request names, and the Clear button.  The detail window's screen binds
// its list to ConsultaLista on the open auxiliary database and applies the
// rest; the text export of the same rows is exportacaolista.h.
//
// Errors are platform::Error and reach the caller (the screen's guard).

#include "platform/dao/dao.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>

namespace Comparacao {

// The list's query: the cart's rows with the company number formatted
// '0000 000 000', sorted by it.
QString ConsultaLista(const QString& TabelaCarrinho);

// The eight column specs (widths in twips), tooltips in the language.
QStringList ColunasLista(const QString& Idioma, const QString& Edicao = {});

// The icon pictures by name, [state][icon]: 0 the optional mark, 1 raise,
// 2 lower, 3 remove.
std::array<std::array<QString, 4>, 2> NomesIconesLista();

// The list's size and place inside pctTela(3), pixels.
constexpr int kLarguraLista = 544;
constexpr int kAlturaLista = 289;
constexpr int kEsquerdaLista = 22;
constexpr int kTopoLista = 51;

// The row a request names ("3|Tipo|Codigo"): with a kind (trimmed, not
// empty) and a code above 0, the first row of that item becomes current; no
// match (or no item named) leaves the current row where it is.  True when
// it moved.  The kind goes into the criterion with its apostrophes doubled.
bool LocalizaItemLista(const platform::dao::RecordsetPtr& Lista, const QString& Tipo, long Codigo);

// imgLimpar_Click without the list's refresh: an empty list shows text 16
// and "." (critical, titled text 19) and changes nothing; otherwise text 35
// asks (Yes/No, No the default) and any answer but No runs `ExcluiTodos`
// (Modulo::ExcluiItemCarrinho("", -1)).  True when the cart was emptied:
// the screen then refreshes its list.
bool LimpaLista(const platform::dao::RecordsetPtr& Lista, const std::function<void()>& ExcluiTodos);

}  // namespace Comparacao
