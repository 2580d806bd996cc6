#pragma once
// Field properties that SQLite does not keep: whether a text or memo field
// accepts zero-length strings.  They live in the hidden table
// MSysFieldProps; triggers on each table enforce them, raising
// "JET3315:Table.Field" for an empty text where it is not allowed.

#include "platform/dao/dao.h"
#include "platform/dao/jetsql.h"

#include <QStringList>

struct sqlite3;

namespace platform::dao::detail {

// While one is alive, the untrusted-statement authorizer lets the layer's
// own bookkeeping through.
class InternalStatements {
public:
    InternalStatements() { ++depth(); }
    ~InternalStatements() { --depth(); }
    InternalStatements(const InternalStatements&) = delete;
    InternalStatements& operator=(const InternalStatements&) = delete;
    static bool active() { return depth() > 0; }

private:
    static int& depth()
    {
        static thread_local int d = 0;
        return d;
    }
};

// Tables of the user, without SQLite's and the layer's hidden ones.
QStringList UserTables(sqlite3* db);
std::vector<TableFieldDef> TableFields(sqlite3* db, const QString& table);
void SetAllowZeroLength(sqlite3* db, const QString& table, const QString& field, bool allow);
// Bookkeeping after a successful DDL statement (inside its savepoint).
void AfterStatement(sqlite3* db, const jet::Translation& t);

}  // namespace platform::dao::detail
