#pragma once
// The end of every list search of the main window, as a binding for the
// search runner: the list re-decides its scroll bar at its next redraw
// (AnalisarScollProximoRefresh), the data control takes the statement as its
// record source and the rows as its recordset, and with `atualizaGrid` the
// list redraws (AtualizaGrid).  A list or data control destroyed before the
// rows arrive is left alone.

#include "search/executorpesquisa.h"

class THGrid;

namespace Pesquisa {

ExecutorPesquisa::Vinculo VinculoLista(THGrid* grid, platform::dao::DataControl* dtc, const QString& sql, bool atualizaGrid);

}  // namespace Pesquisa
