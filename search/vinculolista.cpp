#include "search/vinculolista.h"

#include "listcontrols/thgrid.h"

#include <QPointer>

namespace Pesquisa {

ExecutorPesquisa::Vinculo VinculoLista(THGrid* grid, platform::dao::DataControl* dtc, const QString& sql, bool atualizaGrid)
{
    return [grid = QPointer<THGrid>(grid), dtc = QPointer<platform::dao::DataControl>(dtc), sql,
            atualizaGrid](const platform::dao::RecordsetPtr& rs) {
        if (!dtc)
            return;
        if (grid)
            grid->AnalisarScollProximoRefresh();
        dtc->SetRecordSource(sql);
        if (dtc->Recordset())
            dtc->Recordset()->Close();
        dtc->SetRecordset(rs);
        if (grid && atualizaGrid)
            grid->AtualizaGrid();
    };
}

}  // namespace Pesquisa
