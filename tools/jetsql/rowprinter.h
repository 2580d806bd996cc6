#pragma once
// The row printer of jetsql, shared by the tools that print query results
// (tqcompare, ...): a header line of the field names, then one line per row,
// fields separated by tabs; Null is an empty field; tab, line breaks and
// backslash are written \t \n \r \\; dates as yyyy-MM-dd HH:mm:ss, doubles
// with up to 15 significant digits, booleans as -1 / 0, binary data in hex.

#include "platform/dao/dao.h"

#include <QString>
#include <QTextStream>
#include <QVariant>

namespace jetsql {

// One field's text.
QString CellText(const QVariant& value);

// Prints the header and every row from the recordset's current position to
// its end (a snapshot is read from its first row).
void PrintRows(QTextStream& out, const platform::dao::RecordsetPtr& rs);

}  // namespace jetsql
