#include "fuzzsupport.h"

#include "platform/base/codepage.h"
#include "platform/base/error.h"
#include "tools/demo/schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace tqfuzz {
namespace {

// SQLite calls the progress handler every kStepsPerCall virtual-machine
// steps; a statement gets kCallsPerStatement calls (a million steps, several
// times what any query of the fixture catalogue needs) before it is
// interrupted.
constexpr int kStepsPerCall = 1000;
constexpr int kCallsPerStatement = 1000;
int g_calls = 0;

int progress(void*)
{
    if (++g_calls <= kCallsPerStatement)
        return 0;
    g_calls = 0; // the layer's own clean-up after the interruption runs
    return 1;
}

struct Catalogue {
    platform::dao::WorkspacePtr ws;
    platform::dao::DatabasePtr db;
    QByteArray fingerprintSql;
    QByteArray fingerprint;
};

// What a rollback must leave unchanged: the schema and the row count of every
// table (cheap enough to take after every input).
QByteArray Fingerprint(sqlite3* db, const QByteArray& sql)
{
    QByteArray out;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &st, nullptr) != SQLITE_OK)
        Finding(sqlite3_errmsg(db));
    while (sqlite3_step(st) == SQLITE_ROW)
        out += QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(st, 0))) + '\n';
    sqlite3_finalize(st);
    return out;
}

// A value of row k for a column of that Jet type: codes agree between the
// tables (so that joins find rows), texts carry accents and quotes.
QString ValueFor(const QString& type, int k)
{
    const QString t = type.toUpper();
    if (t.startsWith(QLatin1String("TEXT")) || t.startsWith(QLatin1String("MEMO"))) {
        const int open = t.indexOf(QLatin1Char('(')), close = t.indexOf(QLatin1Char(')'));
        const int size = open > 0 && close > open ? t.mid(open + 1, close - open - 1).toInt() : 50;
        static const char* const words[] = {"1", "PEÇA ''A''", "Vedação 12.345"};
        return QLatin1Char('\'') + QString::fromUtf8(words[(k - 1) % 3]).left(size) + QLatin1Char('\'');
    }
    if (t.startsWith(QLatin1String("DATETIME")))
        return QString::number(45000 + k * 100.25);
    if (t.startsWith(QLatin1String("DOUBLE")) || t.startsWith(QLatin1String("CURRENCY")) ||
        t.startsWith(QLatin1String("SINGLE")))
        return QString::number(k * 1.5);
    if (t.startsWith(QLatin1String("BIT")))
        return k % 2 ? QStringLiteral("True") : QStringLiteral("False");
    return QString::number(k);
}

Catalogue& TheCatalogue()
{
    static Catalogue c = [] {
        // The catalogue's own schema, every table with three rows: real
        // statements find their tables and columns, and every query is cheap.
        const QString file = Folder() + QStringLiteral("/FUZZ.MDB");
        QFile::remove(file);
        platform::dao::DBEngine::CreateDatabase(file)->Close();
        Catalogue made;
        made.ws = platform::dao::DBEngine::CreateWorkspace(QStringLiteral("fuzz"));
        made.db = made.ws->OpenDatabase(file);
        for (const demo::TableSpec& t : demo::CatalogueSchema()) {
            made.db->Execute(t.createStatement);
            for (int k = 1; k <= 3; ++k) {
                QStringList values;
                for (const demo::ColumnSpec& col : t.columns)
                    values << ValueFor(col.jetType, k);
                made.db->Execute(QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(t.name, values.join(QLatin1Char(','))));
            }
            for (const QString& index : t.indexes)
                made.db->Execute(index);
        }
        sqlite3* h = made.db->nativeHandle();
        made.fingerprintSql = "SELECT type || name || ifnull(sql, '') FROM sqlite_master";
        for (const platform::dao::TableDef& t : made.db->TableDefs())
            made.fingerprintSql += " UNION ALL SELECT '" + t.Name().toUtf8() + "' || count(*) FROM \"" +
                                   t.Name().toUtf8() + '"';
        made.db->SetUntrusted(true);
        sqlite3_progress_handler(h, kStepsPerCall, progress, nullptr);
        // Texts of 4 KiB are plenty here, and keep every input fast (a
        // function's own work, such as Format with a mask of a megabyte on
        // every row, is not counted in steps).
        sqlite3_limit(h, SQLITE_LIMIT_LENGTH, 1 << 12);
        made.fingerprint = Fingerprint(h, made.fingerprintSql);
        return made;
    }();
    return c;
}

}  // namespace

QString Folder()
{
    // The layer and the generator want an application object, as the
    // programs have one.
    static int argc = 1;
    static char name[] = "tqfuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static std::unique_ptr<QTemporaryDir> dir = [] {
        const QString shm = QStringLiteral("/dev/shm");
        const QString base = QFileInfo(shm).isWritable() ? shm : QDir::tempPath();
        auto d = std::make_unique<QTemporaryDir>(base + QStringLiteral("/tqfuzz-XXXXXX"));
        if (!d->isValid())
            Finding("no temporary folder");
        return d;
    }();
    return dir->path();
}

QString Utf8(const std::uint8_t* data, std::size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
}

QString Windows1252(const std::uint8_t* data, std::size_t size)
{
    return platform::fromWindows1252(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
}

platform::dao::DatabasePtr Database() { return TheCatalogue().db; }

void RolledBack(const std::function<void(const platform::dao::DatabasePtr&)>& work)
{
    Catalogue& c = TheCatalogue();
    g_calls = 0;
    c.ws->BeginTrans();
    try {
        work(c.db);
    } catch (const platform::Error&) {
    }
    g_calls = 0;
    c.ws->Rollback();
    c.db->SetUntrusted(true);
    if (!sqlite3_get_autocommit(c.db->nativeHandle()))
        Finding("a transaction is still open after the rollback");
    if (Fingerprint(c.db->nativeHandle(), c.fingerprintSql) != c.fingerprint)
        Finding("the rollback left a change in the database");
}

void Finding(const char* what)
{
    std::fprintf(stderr, "FUZZ FINDING: %s\n", what);
    std::abort();
}

}  // namespace tqfuzz
