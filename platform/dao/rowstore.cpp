#include "platform/dao/rowstore.h"

#include "platform/base/vbruntime.h"

#include <sqlite3.h>

namespace platform::dao::detail {

void RowStore::appendRow(sqlite3_stmt* stmt)
{
    for (int c = 0; c < m_columns; ++c) {
        Cell cell;
        switch (sqlite3_column_type(stmt, c)) {
        case SQLITE_INTEGER:
            cell.kind = Cell::Integer;
            cell.i = sqlite3_column_int64(stmt, c);
            break;
        case SQLITE_FLOAT:
            cell.kind = Cell::Real;
            cell.d = sqlite3_column_double(stmt, c);
            break;
        case SQLITE_TEXT: {
            const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
            const int n = sqlite3_column_bytes(stmt, c);
            cell.kind = Cell::Text;
            cell.offset = m_arena.size();
            cell.length = std::uint32_t(n);
            m_arena.append(p, std::size_t(n));
            break;
        }
        case SQLITE_BLOB: {
            const auto* p = static_cast<const char*>(sqlite3_column_blob(stmt, c));
            const int n = sqlite3_column_bytes(stmt, c);
            cell.kind = Cell::Blob;
            cell.offset = m_arena.size();
            cell.length = std::uint32_t(n);
            if (n > 0)
                m_arena.append(p, std::size_t(n));
            break;
        }
        default:
            break;
        }
        m_cells.push_back(cell);
    }
}

QVariant RowStore::value(long row, int col) const
{
    const Cell& c = cell(row, col);
    const int type = m_fields[std::size_t(col)].type;
    switch (c.kind) {
    case Cell::Null:
        return {};
    case Cell::Integer:
        if (type == dbBoolean)
            return QVariant(c.i != 0);
        if (type == dbDate) // a number no date can hold stays the number
            return vb::IsDayNumberInRange(double(c.i)) ? QVariant(DayNumberToDate(double(c.i))) : QVariant(qlonglong(c.i));
        if (type == dbText || type == dbMemo)
            return QString::number(c.i);
        return QVariant(qlonglong(c.i));
    case Cell::Real:
        if (type == dbDate)
            return vb::IsDayNumberInRange(c.d) ? QVariant(DayNumberToDate(c.d)) : QVariant(c.d);
        if (type == dbBoolean)
            return QVariant(c.d != 0);
        return QVariant(c.d);
    case Cell::Text:
        return QString::fromUtf8(bytes(c), qsizetype(c.length));
    case Cell::Blob:
        return QByteArray(bytes(c), qsizetype(c.length));
    }
    return {};
}

void RowStore::inferTypes()
{
    const long rows = rowCount();
    for (int col = 0; col < m_columns; ++col) {
        FieldInfo& f = m_fields[std::size_t(col)];
        if (f.type != 0)
            continue;
        f.type = dbText;
        for (long r = 0; r < rows; ++r) {
            const Cell& c = cell(r, col);
            if (c.kind == Cell::Null)
                continue;
            f.type = c.kind == Cell::Integer ? dbLong : c.kind == Cell::Real ? dbDouble
                   : c.kind == Cell::Blob   ? dbLongBinary : dbText;
            break;
        }
        if (f.type == dbLong)
            f.size = 4;
        else if (f.type == dbDouble)
            f.size = 8;
        else if (f.type == dbText)
            f.size = 255;
    }
}

}  // namespace platform::dao::detail
