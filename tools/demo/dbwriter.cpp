#include "dbwriter.h"

#include "platform/base/error.h"

#include <sqlite3.h>

namespace demo {

namespace dao = platform::dao;

void DatabaseWriter::Finalize::operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }

DatabaseWriter::DatabaseWriter(const QString& path, const std::vector<TableSpec>& schema) : m_schema(schema)
{
    m_db = dao::DBEngine::CreateDatabase(path);
    for (const TableSpec& t : m_schema)
        m_db->Execute(t.createStatement, dao::dbFailOnError);

    // The layer guards its text columns against zero-length strings with
    // triggers.  Running them for every loaded row triples the load time, so
    // they are set aside during the load, the same rule is checked in
    // Insert, and the layer's triggers come back unchanged in Finish.
    {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(m_db->nativeHandle(), "SELECT name, sql FROM sqlite_master WHERE type = 'trigger' ORDER BY rowid", -1, &st,
                           nullptr);
        while (st && sqlite3_step(st) == SQLITE_ROW)
            m_triggers.push_back({QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0))),
                                  QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(st, 1)))});
        sqlite3_finalize(st);
        for (const auto& trigger : m_triggers)
            exec(("DROP TRIGGER \"" + trigger.first.toUtf8().replace('"', "\"\"") + "\"").constData());
    }

    // A new file that nobody else sees yet: no fsync and an in-memory journal
    // while loading; the default rollback journal comes back before closing.
    exec("PRAGMA synchronous=OFF");
    exec("PRAGMA journal_mode=MEMORY");
    exec("PRAGMA cache_size=-262144");

    for (const TableSpec& t : m_schema) {
        QStringList cols, marks;
        for (const ColumnSpec& c : t.columns) {
            cols << QLatin1Char('"') + c.name + QLatin1Char('"');
            marks << QStringLiteral("?");
        }
        const QByteArray sql = QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)").arg(t.name, cols.join(QLatin1Char(',')), marks.join(QLatin1Char(','))).toUtf8();
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(m_db->nativeHandle(), sql.constData(), int(sql.size()), &stmt, nullptr) != SQLITE_OK)
            fail(QStringLiteral("preparing the rows of %1").arg(t.name));
        Table table;
        table.insert.reset(stmt);
        table.columns = int(t.columns.size());
        table.name = t.name;
        m_tables.emplace(t.name, std::move(table));
        m_columnNames[t.name] = t.columnNames();
        m_counts[t.name] = 0;
    }
    exec("BEGIN");
    m_inTransaction = true;
}

DatabaseWriter::~DatabaseWriter()
{
    m_tables.clear();
    if (m_db && m_db->IsOpen()) {
        if (m_inTransaction)
            sqlite3_exec(m_db->nativeHandle(), "ROLLBACK", nullptr, nullptr, nullptr);
        m_db->Close();
    }
}

void DatabaseWriter::Insert(const QString& tableName, const Row& row)
{
    auto found = m_tables.find(tableName);
    if (found == m_tables.end())
        throw platform::Error(dao::JetError::NoSuchTable, QStringLiteral("No table %1 in the catalogue schema.").arg(tableName),
                              QStringLiteral("tqdemo"));
    Table& t = found->second;
    if (int(row.size()) != t.columns)
        throw platform::Error(dao::JetError::InvalidArgument,
                              QStringLiteral("%1 values for the %2 columns of %3.").arg(row.size()).arg(t.columns).arg(tableName),
                              QStringLiteral("tqdemo"));
    sqlite3_stmt* s = t.insert.get();
    for (int i = 0; i < t.columns; ++i) {
        const QVariant& v = row[std::size_t(i)];
        int rc = SQLITE_OK;
        if (!v.isValid() || v.isNull()) {
            rc = sqlite3_bind_null(s, i + 1);
        } else {
            switch (v.typeId()) {
            case QMetaType::Int:
            case QMetaType::UInt:
            case QMetaType::Long:
            case QMetaType::LongLong:
            case QMetaType::ULongLong:
            case QMetaType::Bool:
                rc = sqlite3_bind_int64(s, i + 1, v.toLongLong());
                break;
            case QMetaType::Double:
            case QMetaType::Float:
                rc = sqlite3_bind_double(s, i + 1, v.toDouble());
                break;
            default: {
                const QByteArray text = v.toString().toUtf8();
                if (text.isEmpty())
                    throw platform::Error(dao::JetError::ZeroLength,
                                          QStringLiteral("Field '%1.%2' cannot be a zero-length string.").arg(tableName, m_columnNames[tableName][i]),
                                          QStringLiteral("tqdemo"));
                rc = sqlite3_bind_text(s, i + 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
                break;
            }
            }
        }
        if (rc != SQLITE_OK)
            fail(QStringLiteral("binding a value of %1").arg(tableName));
    }
    if (sqlite3_step(s) != SQLITE_DONE)
        fail(QStringLiteral("writing a row of %1").arg(tableName));
    sqlite3_reset(s);
    ++m_counts[tableName];
}

void DatabaseWriter::Finish()
{
    m_tables.clear();
    exec("COMMIT");
    m_inTransaction = false;
    // The index statements are plain SQL: the columns already carry their
    // collations, which the indexes take over.
    exec("BEGIN");
    m_inTransaction = true;
    for (const TableSpec& t : m_schema)
        for (const QString& index : t.indexes)
            exec(index.toUtf8().constData());
    for (const auto& trigger : m_triggers)
        exec(trigger.second.constData());
    exec("COMMIT");
    m_inTransaction = false;
    exec("PRAGMA journal_mode=DELETE");
    exec("ANALYZE");
    m_db->Close();
    m_db.reset();
}

void DatabaseWriter::exec(const char* sql)
{
    char* message = nullptr;
    if (sqlite3_exec(m_db->nativeHandle(), sql, nullptr, nullptr, &message) != SQLITE_OK) {
        const QString text = QString::fromUtf8(message ? message : "");
        sqlite3_free(message);
        fail(QStringLiteral("%1 (%2)").arg(QString::fromUtf8(sql), text));
    }
}

void DatabaseWriter::fail(const QString& what)
{
    sqlite3* h = m_db ? m_db->nativeHandle() : nullptr;
    const int code = h ? sqlite3_errcode(h) : SQLITE_ERROR;
    const QString message = h ? QString::fromUtf8(sqlite3_errmsg(h)) : QString();
    const long number = code == SQLITE_FULL ? dao::JetError::DiskFull : platform::errors::DeviceIOError;
    throw platform::Error(number, QStringLiteral("Demo catalogue: %1: %2").arg(what, message), QStringLiteral("tqdemo"));
}

}  // namespace demo
