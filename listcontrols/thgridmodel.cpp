#include "listcontrols/thgridmodel.h"

#include "platform/base/vbruntime.h"

#include <QDateTime>

using platform::dao::Bookmark;
using platform::dao::RecordsetPtr;

namespace {

std::uint64_t GenerationOf(const RecordsetPtr& rs)
{
    return rs ? rs->Generation() : 0;
}

long RowsOf(const RecordsetPtr& rs)
{
    if (!rs)
        return 0;
    try {
        return rs->IsOpen() ? rs->RecordCount() : 0;
    } catch (const platform::Error&) {
        return 0;
    }
}

}  // namespace

THGridModel::THGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void THGridModel::setRecordset(RecordsetPtr rs)
{
    beginResetModel();
    m_rs = std::move(rs);
    m_rows = RowsOf(m_rs);
    m_generation = GenerationOf(m_rs);
    resolveFields();
    endResetModel();
}

bool THGridModel::syncWithRecordset()
{
    const long rows = RowsOf(m_rs);
    const std::uint64_t generation = GenerationOf(m_rs);
    if (rows == m_rows && generation == m_generation)
        return false;
    beginResetModel();
    m_rows = rows;
    m_generation = generation;
    resolveFields();
    endResetModel();
    return true;
}

void THGridModel::insertGridColumn(int index, const QString& dataField, int alignment)
{
    index = std::clamp(index, 0, gridColumnCount());
    beginInsertColumns({}, index, index);
    Column c;
    c.dataField = dataField;
    c.alignment = alignment;
    m_columns.insert(m_columns.begin() + index, c);
    m_columns[index].fieldIndex = fieldIndexOf(m_columns[index]);
    endInsertColumns();
}

void THGridModel::removeGridColumn(int index)
{
    if (index < 0 || index >= gridColumnCount())
        return;
    beginRemoveColumns({}, index, index);
    m_columns.erase(m_columns.begin() + index);
    endRemoveColumns();
}

void THGridModel::setDataField(int column, const QString& dataField)
{
    if (column < 0 || column >= gridColumnCount())
        return;
    m_columns[column].dataField = dataField;
    m_columns[column].fieldIndex = fieldIndexOf(m_columns[column]);
    if (m_rows > 0)
        Q_EMIT dataChanged(index(0, column), index(static_cast<int>(m_rows) - 1, column));
}

QString THGridModel::dataField(int column) const
{
    if (column < 0 || column >= gridColumnCount())
        return {};
    return m_columns[column].dataField;
}

void THGridModel::setAlignment(int column, int alignment)
{
    if (column < 0 || column >= gridColumnCount())
        return;
    m_columns[column].alignment = alignment;
    if (m_rows > 0)
        Q_EMIT dataChanged(index(0, column), index(static_cast<int>(m_rows) - 1, column),
                           {Qt::TextAlignmentRole});
}

int THGridModel::fieldIndexOf(const Column& c) const
{
    if (!m_rs)
        return -1;
    try {
        return m_rs->FieldIndex(c.dataField);
    } catch (const platform::Error&) {
        return -1;
    }
}

void THGridModel::resolveFields()
{
    for (Column& c : m_columns)
        c.fieldIndex = fieldIndexOf(c);
}

QString THGridModel::textOf(const QVariant& value, int fieldType)
{
    if (platform::dao::IsNull(value))
        return {};
    switch (fieldType) {
    case platform::dao::dbDate: {
        bool ok = false;
        const double days = value.toDouble(&ok);
        if (!ok || !platform::vb::IsDayNumberInRange(days))
            return value.toString();
        const QDateTime dt = platform::dao::DayNumberToDate(days);
        if (dt.time() == QTime(0, 0))
            return dt.toString(QStringLiteral("dd/MM/yyyy"));
        return dt.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    }
    case platform::dao::dbBoolean:
        return value.toLongLong() != 0 ? QStringLiteral("True") : QStringLiteral("False");
    default:
        break;
    }
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return platform::vb::NumberToText(value.toDouble());
    default:
        return value.toString();
    }
}

QString THGridModel::cellText(int row, int column) const
{
    if (!m_rs || row < 0 || row >= m_rows || column < 0 || column >= gridColumnCount())
        return {};
    const Column& c = m_columns[column];
    if (c.fieldIndex < 0)
        return {};
    const auto& infos = m_rs->FieldInfos();
    const int type = c.fieldIndex < static_cast<int>(infos.size()) ? infos[c.fieldIndex].type : platform::dao::dbText;
    return textOf(m_rs->ValueAt(row, c.fieldIndex), type);
}

int THGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows);
}

int THGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : gridColumnCount();
}

QVariant THGridModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        try {
            return cellText(index.row(), index.column());
        } catch (const platform::Error&) {
            return {};
        }
    case Qt::TextAlignmentRole: {
        const int a = m_columns[index.column()].alignment;
        const Qt::Alignment h = a == 1 ? Qt::AlignRight : a == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
        return QVariant::fromValue(Qt::Alignment(h | Qt::AlignVCenter));
    }
    case BookmarkRole:
        try {
            return QVariant::fromValue(m_rs->BookmarkOfRow(index.row()));
        } catch (const platform::Error&) {
            return {};
        }
    case ValueRole: {
        const Column& c = m_columns[index.column()];
        if (c.fieldIndex < 0)
            return {};
        try {
            return m_rs->ValueAt(index.row(), c.fieldIndex);
        } catch (const platform::Error&) {
            return {};
        }
    }
    default:
        return {};
    }
}

Qt::ItemFlags THGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

QHash<int, QByteArray> THGridModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractTableModel::roleNames();
    names.insert(BookmarkRole, "bookmark");
    names.insert(ValueRole, "value");
    return names;
}
