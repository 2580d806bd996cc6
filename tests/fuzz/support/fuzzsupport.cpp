#include "fuzzsupport.h"

#include "platform/base/codepage.h"
#include "platform/base/error.h"
#include "tools/demo/demo.h"

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
// steps; a statement gets kCallsPerStatement calls (some ten million steps,
// a fraction of a second) before it is interrupted.
constexpr int kStepsPerCall = 1000;
constexpr int kCallsPerStatement = 10000;
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

Catalogue& TheCatalogue()
{
    static Catalogue c = [] {
        // The demo generator's smallest catalogue: every table the programs
        // read, with the rows of the catalogue's special cases.
        const QString folder = Folder() + QStringLiteral("/dados");
        const demo::Summary summary = demo::GenerateDataFolder(demo::Options::Fixture(QStringLiteral("V"), folder));
        Catalogue made;
        made.ws = platform::dao::DBEngine::CreateWorkspace(QStringLiteral("fuzz"));
        made.db = made.ws->OpenDatabase(summary.catalogueFile);
        sqlite3* h = made.db->nativeHandle();
        made.fingerprintSql = "SELECT type || name || ifnull(sql, '') FROM sqlite_master";
        for (const platform::dao::TableDef& t : made.db->TableDefs())
            made.fingerprintSql += " UNION ALL SELECT '" + t.Name().toUtf8() + "' || count(*) FROM \"" +
                                   t.Name().toUtf8() + '"';
        made.db->SetUntrusted(true);
        sqlite3_progress_handler(h, kStepsPerCall, progress, nullptr);
        // Texts of a megabyte are plenty here, and keep every input fast.
        sqlite3_limit(h, SQLITE_LIMIT_LENGTH, 1 << 20);
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
