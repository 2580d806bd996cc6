#pragma once
// Writes the catalogue rows into a new database file.
//
// The file is created by the database layer and every table is created with
// its Jet DDL through Database::Execute, so the columns carry the layer's
// types and collations.  The rows then go through prepared INSERT statements
// on the layer's SQLite connection, all in one transaction; the indexes are
// built after the rows, which is faster than keeping them up to date.  The
// layer's zero-length guards (triggers) are set aside while loading and put
// back unchanged; Insert refuses a zero-length text itself (3315).

#include "catalogue.h"
#include "schema.h"

#include "platform/dao/dao.h"

#include <QMap>

#include <map>
#include <memory>
#include <vector>

struct sqlite3_stmt;

namespace demo {

class DatabaseWriter : public RowSink {
public:
    // Creates the file (which must not exist) and its tables.
    DatabaseWriter(const QString& path, const std::vector<TableSpec>& schema);
    ~DatabaseWriter() override;

    void Insert(const QString& table, const Row& row) override;

    // Commits the rows, builds the indexes and closes the file.
    void Finish();

    const QMap<QString, long long>& Counts() const { return m_counts; }

private:
    struct Finalize {
        void operator()(sqlite3_stmt* s) const;
    };
    using Statement = std::unique_ptr<sqlite3_stmt, Finalize>;
    struct Table {
        Statement insert;
        int columns = 0;
        QString name;
    };

    void exec(const char* sql);
    [[noreturn]] void fail(const QString& what);

    platform::dao::DatabasePtr m_db;
    std::vector<TableSpec> m_schema;
    std::map<QString, Table> m_tables;
    QMap<QString, long long> m_counts;
    std::map<QString, QStringList> m_columnNames;
    std::vector<std::pair<QString, QByteArray>> m_triggers;  // the layer's, set aside during the load
    bool m_inTransaction = false;
};

}  // namespace demo
