#pragma once
// How jetsql prints the rows of a query, shared with the other headless
// tools (tqsearch): a header line of the field names, then one line per row,
// fields separated by tabs, Null as an empty field, dates as
// "yyyy-MM-dd HH:mm:ss", booleans as -1 and 0, binary data as hexadecimal,
// and tab, line breaks and backslash escaped as \t \n \r \\.

#include "platform/dao/dao.h"

#include <QTextStream>

namespace jetsql {

// The text of one value.
QString TextoCelula(const QVariant& v);

// Reads the recordset to its end and writes the header and the rows.
void EscreveLinhas(const platform::dao::RecordsetPtr& rs, QTextStream& out);

}  // namespace jetsql
