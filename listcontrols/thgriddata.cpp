// THGrid bound to a data control: the recordset it shows, and the grid's
// current row following the current record.

#include "listcontrols/thgrid.h"

#include "core/errorbox.h"
#include "listcontrols/therrors.h"
#include "listcontrols/thgridmodel.h"
#include "listcontrols/thgridview.h"

#include <QScrollBar>

#include <algorithm>

using BM = platform::dao::Bookmark;
using platform::dao::DataControl;
using platform::dao::RecordsetPtr;

RecordsetPtr THGrid::recordset() const
{
    if (!m_dataSource)
        return nullptr;
    RecordsetPtr rs = m_dataSource->Recordset();
    if (rs && !rs->IsOpen())
        return nullptr;
    return rs;
}

void THGrid::ObtemDataControl(DataControl* sDataControl)
{
    if (!sDataControl)
        THErro::Levanta(THErro::TypeMismatch, QStringLiteral("ObtemDataControl"));
    m_dataControl = sDataControl;
    if (!m_dataSource)
        SetDataSource(sDataControl);
}

void THGrid::SetDataSource(DataControl* dc)
{
    for (auto& c : m_ligacoes)
        disconnect(c);
    m_ligacoes.clear();
    m_dataSource = dc;
    if (dc) {
        m_ligacoes.push_back(connect(dc, &DataControl::recordsetChanged, this,
                                     [this] { Modulo::Guarda([this] { recordsetTrocado(); }); }));
        m_ligacoes.push_back(connect(dc, &DataControl::currentChanged, this,
                                     [this] { Modulo::Guarda([this] { registroAtualMudou(); }); }));
    }
    recordsetTrocado();
}

void THGrid::recordsetTrocado()
{
    {
        const QSignalBlocker bloqueio(m_grid->verticalScrollBar());
        m_sincronizando = true;
        m_model->setRecordset(recordset());
        m_grid->sincronizaLayout();
        m_grid->setTopo(0);
        m_sincronizando = false;
    }
    seguirRegistroAtual();
}

void THGrid::registroAtualMudou()
{
    if (m_model->recordset() != recordset()) {
        recordsetTrocado();
        return;
    }
    if (m_model->syncWithRecordset()) {
        const QSignalBlocker bloqueio(m_grid->verticalScrollBar());
        m_sincronizando = true;
        m_grid->sincronizaLayout();
        m_grid->setTopo(0);
        m_sincronizando = false;
    }
    seguirRegistroAtual();
}

int THGrid::linhaAtualModelo() const
{
    const RecordsetPtr rs = recordset();
    if (!rs || rs->EOF_() || rs->BOF())
        return -1;
    const long pos = rs->AbsolutePosition();
    return pos < m_model->rowCount() ? static_cast<int>(pos) : -1;
}

void THGrid::seguirRegistroAtual()
{
    garanteTamanho();
    const int pos = linhaAtualModelo();
    BM atual;
    if (pos >= 0)
        atual = recordset()->GetBookmark();
    const QModelIndex corrente = m_grid->currentIndex();
    int coluna = corrente.isValid() ? corrente.column() : m_ultimaColuna;
    {
        m_sincronizando = true;
        const int colunas = m_model->columnCount();
        if (pos >= 0 && colunas > 0) {
            coluna = std::clamp(coluna, 0, colunas - 1);
            if (corrente.row() != pos || corrente.column() != coluna)
                m_grid->selectionModel()->setCurrentIndex(m_model->index(pos, coluna), QItemSelectionModel::NoUpdate);
        } else if (corrente.isValid()) {
            m_grid->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        }
        m_sincronizando = false;
        // The grid follows the current record into view.
        if (pos >= 0)
            m_grid->garanteVisivel(pos);
    }
    if (atual != m_ultimoBookmark || coluna != m_ultimaColuna) {
        const BM anterior = m_ultimoBookmark;
        const int colunaAnterior = m_ultimaColuna;
        m_ultimoBookmark = atual;
        m_ultimaColuna = coluna;
        grdRowColChange(anterior, colunaAnterior);
    }
}
