#pragma once
// Prepared INSERT ... VALUES statements of one connection, by shape.
//
// A statement "INSERT INTO t [(c1, ...)] VALUES (v1, ...)" whose values are
// all text literals, whole-number literals or Null runs as the prepared
// statement of its shape (the table, the columns and the kinds of the
// values) with the literals bound: the translator and SQLite's parser see a
// shape once, not every row.  The first statement of a shape goes through
// the translator, and the shape is kept only when the translator's text is
// exactly the shape with those literals written in; any other statement is
// left to Database::Execute's general path.  Binding stores the same values
// the literals would (column affinity applies alike), and one INSERT is
// atomic on its own, so the result is the same in every case, errors
// included.

#include <QHash>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

namespace platform::dao::detail {

class InsertCache {
public:
    explicit InsertCache(sqlite3* db) : m_db(db) {}
    ~InsertCache() { Clear(); }
    InsertCache(const InsertCache&) = delete;
    InsertCache& operator=(const InsertCache&) = delete;

    // Runs the statement when it is an INSERT of literals and returns true
    // (*changes: the rows it inserted); false when it is not one and nothing
    // was done.  Errors are raised as Database::Execute raises them.
    bool Run(const QString& jetSql, long* changes);

    // Finalises every prepared statement (before the connection closes).
    void Clear();

private:
    static constexpr int kShapes = 16;
    sqlite3* m_db;
    QHash<QString, sqlite3_stmt*> m_shapes;  // nullptr: a shape for the general path
};

}  // namespace platform::dao::detail
