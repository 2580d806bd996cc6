#pragma once
// The rows of a recordset, held compactly: one 16-byte cell per value and
// one byte arena for the UTF-8 text and blob bytes, so that materialising a
// few hundred thousand rows costs little more than stepping the statement.

#include "platform/dao/dao.h"

#include <QVariant>

#include <cstdint>
#include <string>
#include <vector>

struct sqlite3_stmt;

namespace platform::dao::detail {

struct Cell {
    enum Kind : std::uint8_t { Null, Integer, Real, Text, Blob };
    Kind kind = Null;
    std::uint32_t length = 0;   // bytes of Text/Blob
    union {
        std::int64_t i;
        double d;
        std::uint64_t offset;   // into the arena for Text/Blob
    };
    Cell() : i(0) {}
};

class RowStore {
public:
    void setColumns(std::vector<FieldInfo> fields) { m_fields = std::move(fields); }
    const std::vector<FieldInfo>& fields() const { return m_fields; }
    std::vector<FieldInfo>& fields() { return m_fields; }
    int columnCount() const { return int(m_fields.size()); }
    long rowCount() const { return m_columns ? long(m_cells.size() / m_columns) : 0; }

    // Appends the current row of a stepped statement.
    void appendRow(sqlite3_stmt* stmt);
    void prepare(int columns) { m_columns = columns; }

    const Cell& cell(long row, int col) const { return m_cells[std::size_t(row) * m_columns + col]; }
    const char* bytes(const Cell& c) const { return m_arena.data() + c.offset; }

    // The value as the layer hands it out, typed by the field's Jet type.
    QVariant value(long row, int col) const;

    // Fields whose Jet type could not be read from the declaration take
    // the type of their first non-Null value.
    void inferTypes();

private:
    std::vector<FieldInfo> m_fields;
    std::vector<Cell> m_cells;
    std::string m_arena;
    int m_columns = 0;
};

}  // namespace platform::dao::detail
