#include "platform/dao/fieldprops.h"

#include "platform/dao/daoerrors.h"
#include "platform/dao/jettranslator.h"

#include <sqlite3.h>

namespace platform::dao::detail {
namespace {

constexpr const char* kPropsTable = "MSysFieldProps";

// The translator's quoting, as bytes for the statements below.
QByteArray quoteName(const QString& name) { return jet::detail::quoteName(name).toUtf8(); }
QByteArray quoteText(const QString& text) { return jet::detail::quoteText(text).toUtf8(); }

void run(sqlite3* db, const QByteArray& sql)
{
    InternalStatements internal;
    Exec(db, sql.constData());
}

// Rows of a query the layer writes itself; text columns only.
std::vector<QStringList> rows(sqlite3* db, const QByteArray& sql, const QString& bind = {})
{
    InternalStatements internal;
    std::vector<QStringList> out;
    sqlite3_stmt* st = nullptr;
    int rc = sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &st, nullptr);
    if (rc != SQLITE_OK)
        ThrowLast(db, rc);
    const QByteArray b = bind.toUtf8();
    if (!bind.isNull())
        sqlite3_bind_text(st, 1, b.constData(), int(b.size()), SQLITE_STATIC);
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        QStringList r;
        for (int i = 0; i < sqlite3_column_count(st); ++i)
            r << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)));
        out.push_back(r);
    }
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE)
        ThrowLast(db, rc);
    return out;
}

bool propsTableExists(sqlite3* db)
{
    return !rows(db, "SELECT 1 FROM sqlite_master WHERE type='table' AND name='MSysFieldProps'").empty();
}

void ensurePropsTable(sqlite3* db)
{
    run(db, QByteArray("CREATE TABLE IF NOT EXISTS ") + kPropsTable +
                "(TableName TEXT COLLATE NOCASE, FieldName TEXT COLLATE NOCASE, AllowZeroLength INTEGER, "
                "PRIMARY KEY(TableName, FieldName))");
}

bool isTextType(int t) { return t == dbText || t == dbMemo; }

// Drops and recreates the zero-length triggers of one table from its stored
// properties.
void rebuildTriggers(sqlite3* db, const QString& table)
{
    const QString base = QStringLiteral("MSysZLS_") + table;
    run(db, "DROP TRIGGER IF EXISTS " + quoteName(base + QStringLiteral("_ins")));
    run(db, "DROP TRIGGER IF EXISTS " + quoteName(base + QStringLiteral("_upd")));
    if (!propsTableExists(db))
        return;

    QStringList forbidden;
    for (const TableFieldDef& f : TableFields(db, table))
        if (isTextType(f.type) && !f.allowZeroLength)
            forbidden << f.name;
    if (forbidden.isEmpty())
        return;

    QByteArray body;
    for (const QString& f : forbidden) {
        body += "SELECT RAISE(ABORT, " + quoteText(QStringLiteral("JET3315:%1.%2").arg(table, f)) +
                ") WHERE typeof(NEW." + quoteName(f) + ")='text' AND length(NEW." + quoteName(f) + ")=0; ";
    }
    run(db, "CREATE TRIGGER " + quoteName(base + QStringLiteral("_ins")) + " BEFORE INSERT ON " + quoteName(table) +
                " BEGIN " + body + "END");
    run(db, "CREATE TRIGGER " + quoteName(base + QStringLiteral("_upd")) + " BEFORE UPDATE ON " + quoteName(table) +
                " BEGIN " + body + "END");
}

}  // namespace

QStringList UserTables(sqlite3* db)
{
    QStringList out;
    for (const QStringList& r :
         rows(db, "SELECT name FROM sqlite_master WHERE type='table' AND substr(name, 1, 7) <> 'sqlite_' "
                  "ORDER BY rowid"))
        if (!r[0].startsWith(QLatin1String("MSys"), Qt::CaseInsensitive))
            out << r[0];
    return out;
}

std::vector<TableFieldDef> TableFields(sqlite3* db, const QString& table)
{
    std::vector<TableFieldDef> out;
    for (const QStringList& r : rows(db, "SELECT name, type, \"notnull\" FROM pragma_table_info(?1)", table)) {
        TableFieldDef f;
        f.name = r[0];
        f.type = jet::JetTypeFromDeclType(r[1], &f.size);
        f.required = r[2] == QLatin1String("1");
        f.allowZeroLength = true;
        out.push_back(f);
    }
    if (out.empty())
        throw MakeError(SQLITE_ERROR, QStringLiteral("no such table: %1").arg(table));
    if (propsTableExists(db)) {
        for (const QStringList& r :
             rows(db, "SELECT FieldName, AllowZeroLength FROM MSysFieldProps WHERE TableName = ?1", table))
            for (TableFieldDef& f : out)
                if (f.name.compare(r[0], Qt::CaseInsensitive) == 0 && isTextType(f.type))
                    f.allowZeroLength = r[1] != QLatin1String("0");
    }
    return out;
}

void SetAllowZeroLength(sqlite3* db, const QString& table, const QString& field, bool allow)
{
    bool found = false;
    for (const TableFieldDef& f : TableFields(db, table))
        found = found || f.name.compare(field, Qt::CaseInsensitive) == 0;
    if (!found)
        throw ItemNotFoundError();
    ensurePropsTable(db);
    run(db, "INSERT OR REPLACE INTO MSysFieldProps(TableName, FieldName, AllowZeroLength) VALUES(" + quoteText(table) +
                "," + quoteText(field) + "," + (allow ? "1" : "0") + ")");
    rebuildTriggers(db, table);
}

void AfterStatement(sqlite3* db, const jet::Translation& t)
{
    switch (t.kind) {
    case jet::StatementKind::CreateTable:
    case jet::StatementKind::AlterTable: {
        bool any = false;
        for (const auto& c : t.columns)
            any = any || isTextType(c.jetType);
        if (!any) {
            if (t.kind == jet::StatementKind::AlterTable && propsTableExists(db))
                rebuildTriggers(db, t.table);
            return;
        }
        ensurePropsTable(db);
        // Jet's DDL creates text fields that refuse zero-length strings.
        for (const auto& c : t.columns)
            if (isTextType(c.jetType))
                run(db, "INSERT OR REPLACE INTO MSysFieldProps(TableName, FieldName, AllowZeroLength) VALUES(" +
                            quoteText(t.table) + "," + quoteText(c.name) + ",0)");
        rebuildTriggers(db, t.table);
        return;
    }
    case jet::StatementKind::DropTable:
        if (propsTableExists(db))
            run(db, "DELETE FROM MSysFieldProps WHERE TableName = " + quoteText(t.table));
        return;
    default:
        return;
    }
}

}  // namespace platform::dao::detail
