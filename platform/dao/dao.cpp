// Engine, workspaces, databases and table definitions over SQLite.

#include "platform/dao/dao.h"

#include "platform/base/vbruntime.h"
#include "platform/dao/daoerrors.h"
#include "platform/dao/fieldprops.h"
#include "platform/dao/insertcache.h"
#include "platform/dao/jetsql.h"

#include <QFileInfo>


#include <sqlite3.h>

namespace platform::dao {

using detail::Context;
using detail::Exec;
using detail::Throw;
using detail::FileNotFoundText;
using detail::ItemNotFoundError;
using detail::NotAllowedHereError;
using detail::ReadOnlyError;
using detail::say;
using detail::ThrowLast;

namespace {

// Every connection waits this long for another program's lock before a
// statement fails with "currently locked".
constexpr int kBusyTimeoutMs = 250;

// Refuses what an update script must never do to the catalogue.  The
// layer's own bookkeeping (field properties) runs with the check suspended.
int untrustedAuthorizer(void*, int action, const char*, const char* arg2, const char*, const char*)
{
    if (detail::InternalStatements::active())
        return SQLITE_OK;
    switch (action) {
    case SQLITE_ATTACH:
    case SQLITE_DETACH:
    case SQLITE_PRAGMA:
        return SQLITE_DENY;
    case SQLITE_FUNCTION:
        // load_extension() is also disabled on the connection; refuse it by name too.
        return arg2 && sqlite3_stricmp(arg2, "load_extension") == 0 ? SQLITE_DENY : SQLITE_OK;
    default:
        return SQLITE_OK;
    }
}

// Reads the schema: SQLITE_ROW for a readable database.
int readSchema(sqlite3* db)
{
    sqlite3_stmt* st = nullptr;
    int rc = sqlite3_prepare_v2(db, "SELECT count(*) FROM sqlite_master", -1, &st, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_step(st);
    sqlite3_finalize(st);
    return rc;
}

// A program killed in the middle of a transaction leaves a hot journal
// beside the file, and a read-only connection cannot roll it back: the
// database would stay unreadable until someone opened it for writing.  A
// short writable connection rolls it back (SQLite does that on its first
// read) and the read-only open is tried again.  False when the file cannot
// be opened for writing.
bool rollBackHotJournal(const QString& path)
{
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                                   nullptr);
    bool ok = rc == SQLITE_OK;
    if (ok) {
        sqlite3_busy_timeout(db, kBusyTimeoutMs);
        ok = readSchema(db) == SQLITE_ROW;
    }
    sqlite3_close_v2(db);
    return ok;
}

// CommitTrans and Rollback end one level of the workspace's transaction.
void leaveTransaction(int& depth)
{
    if (depth == 0)
        Throw(JetError::NoTransaction,
              say("Você tentou confirmar ou desfazer uma transação sem antes iniciar uma transação.",
                  "Intentó confirmar o revertir una transacción sin iniciar antes una transacción.",
                  "You tried to commit or rollback a transaction without first beginning a transaction."));
    --depth;
}

}  // namespace

// The run time's conversions, so that a date reads the same in a recordset,
// in the SQL functions and in Format.
double DateToDayNumber(const QDateTime& dt) { return vb::ToDayNumber(dt); }
QDateTime DayNumberToDate(double days) { return vb::FromDayNumber(days); }

// ---------------------------------------------------------------------------
// Database

Database::Database(std::weak_ptr<Workspace> ws, QString path, bool readOnly)
    : m_ws(std::move(ws)), m_path(std::move(path)), m_readOnly(readOnly)
{
}

Database::~Database()
{
    Close();
}

void Database::open()
{
    const QFileInfo fi(m_path);
    if (!fi.exists())
        Throw(JetError::FileNotFound, FileNotFoundText().arg(m_path));
    if (fi.isDir())
        Throw(JetError::CannotOpen,
              say("'%1' é uma pasta, não um arquivo de banco de dados.",
                  "'%1' es una carpeta, no un archivo de base de datos.", "'%1' is a folder, not a database file.")
                  .arg(m_path));

    const int flags = (m_readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(m_path.toUtf8().constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString msg = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString();
        sqlite3_close(db);
        throw detail::MakeError(rc, msg, Context::Open, m_path);
    }
    {
        const std::lock_guard<std::mutex> lock(m_handleMutex);
        m_db = db;
    }
    try {
        if (!m_readOnly && sqlite3_db_readonly(db, "main") == 1)
            Throw(JetError::CannotOpen,
                  say("O mecanismo de banco de dados não pode abrir o arquivo '%1' para gravação. Você precisa de "
                      "permissão para alterá-lo.",
                      "El motor de base de datos no puede abrir el archivo '%1' para escritura. Necesita permiso "
                      "para modificarlo.",
                      "The database engine cannot open the file '%1' for writing. You need permission "
                      "to change it.")
                      .arg(m_path));
        sqlite3_busy_timeout(db, kBusyTimeoutMs);
        sqlite3_extended_result_codes(db, 1);
        sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
        sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION, 0, nullptr);
        sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
        jet::RegisterFunctions(db);
        // Reading the schema tells a database from any other file.
        rc = readSchema(db);
        if (rc != SQLITE_ROW && m_readOnly && (sqlite3_extended_errcode(db) & 0xff) == SQLITE_READONLY
            && rollBackHotJournal(m_path))
            rc = readSchema(db);
        if (rc != SQLITE_ROW)
            throw detail::MakeError(sqlite3_extended_errcode(db), QString::fromUtf8(sqlite3_errmsg(db)),
                                    Context::Open, m_path);
        if (!m_readOnly) {
            // A catalogue may live in a shared network folder: rollback journal, never WAL.
            Exec(db, "PRAGMA journal_mode=DELETE", Context::Open);
            Exec(db, "PRAGMA synchronous=FULL", Context::Open);
            m_inserts = std::make_unique<detail::InsertCache>(db);
        }
    } catch (...) {
        const std::lock_guard<std::mutex> lock(m_handleMutex);
        sqlite3_close_v2(m_db);
        m_db = nullptr;
        throw;
    }
}

void Database::ensureOpen() const
{
    if (!m_db)
        Throw(JetError::ObjectClosed, ObjectClosedText());
}

void Database::SetUntrusted(bool on)
{
    ensureOpen();
    m_untrusted = on;
    if (on)
        sqlite3_set_authorizer(m_db, untrustedAuthorizer, nullptr);
    else
        sqlite3_set_authorizer(m_db, nullptr, nullptr);
}

void Database::Execute(const QString& jetSql, int /*options*/)
{
    ensureOpen();
    // Rows of literals go in through their shape's prepared statement.
    if (m_inserts && !m_untrusted && m_inserts->Run(jetSql, &m_recordsAffected))
        return;
    const jet::Translation t = jet::TranslateStatement(jetSql);
    if (t.kind == jet::StatementKind::Select)
        Throw(3065, say("Não é possível executar uma consulta seleção.", "No se puede ejecutar una consulta de selección.",
                        "Cannot execute a select query."));
    if (m_untrusted && t.sql.trimmed().left(6).toUpper() == "VACUUM")
        throw NotAllowedHereError(QStringLiteral("VACUUM"));

    const Context ctx = t.kind == jet::StatementKind::DropTable ? Context::Drop
                      : t.kind == jet::StatementKind::CreateTable ? Context::Create
                                                                  : Context::Action;
    // The statement and the layer's bookkeeping of field properties succeed
    // or fail together.
    Exec(m_db, "SAVEPOINT tq_execute");
    try {
        sqlite3_stmt* st = nullptr;
        const char* tail = nullptr;
        int rc = sqlite3_prepare_v2(m_db, t.sql.constData(), int(t.sql.size()), &st, &tail);
        if (rc != SQLITE_OK)
            ThrowLast(m_db, rc, ctx);
        if (!st)
            Throw(JetError::InvalidSqlStatement,
                  say("Instrução SQL inválida; era esperado 'DELETE', 'INSERT', 'PROCEDURE', 'SELECT' ou "
                      "'UPDATE'.",
                      "Instrucción SQL no válida; se esperaba 'DELETE', 'INSERT', 'PROCEDURE', 'SELECT' o "
                      "'UPDATE'.",
                      "Invalid SQL statement; expected 'DELETE', 'INSERT', 'PROCEDURE', 'SELECT', or "
                      "'UPDATE'."));
        while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        }
        if (rc != SQLITE_DONE) {
            const int ext = sqlite3_extended_errcode(m_db);
            const QString msg = QString::fromUtf8(sqlite3_errmsg(m_db));
            sqlite3_finalize(st);
            throw detail::MakeError(ext, msg, ctx, m_path);
        }
        sqlite3_finalize(st);
        m_recordsAffected = (t.kind == jet::StatementKind::Insert || t.kind == jet::StatementKind::Update ||
                             t.kind == jet::StatementKind::Delete)
                                ? long(sqlite3_changes(m_db))
                                : 0;
        detail::AfterStatement(m_db, t);
        Exec(m_db, "RELEASE tq_execute");
    } catch (...) {
        sqlite3_exec(m_db, "ROLLBACK TO tq_execute; RELEASE tq_execute", nullptr, nullptr, nullptr);
        throw;
    }
}

RecordsetPtr Database::OpenRecordset(const QString& jetSql, int type)
{
    ensureOpen();
    if (type != dbOpenForwardOnly)
        type = dbOpenSnapshot;
    auto rs = std::make_shared<Recordset>(shared_from_this(), jetSql, type);
    rs->open();
    return rs;
}

std::vector<TableDef> Database::TableDefs()
{
    ensureOpen();
    std::vector<TableDef> out;
    for (const QString& name : detail::UserTables(m_db))
        out.emplace_back(weak_from_this(), name);
    return out;
}

TableDef Database::GetTableDef(const QString& name)
{
    for (TableDef& t : TableDefs())
        if (t.Name().compare(name, Qt::CaseInsensitive) == 0)
            return t;
    throw ItemNotFoundError();
}

void Database::beginTrans()
{
    ensureOpen();
    if (m_transDepth == 0)
        Exec(m_db, "BEGIN", Context::Transaction);
    else
        Exec(m_db, QStringLiteral("SAVEPOINT tq_trans_%1").arg(m_transDepth).toUtf8().constData(),
             Context::Transaction);
    ++m_transDepth;
}

void Database::commitTrans(bool /*flush*/)
{
    if (!m_db || m_transDepth == 0)
        return;
    --m_transDepth;
    // synchronous=FULL makes every commit reach the disk before it returns.
    if (m_transDepth == 0)
        Exec(m_db, "COMMIT", Context::Transaction);
    else
        Exec(m_db, QStringLiteral("RELEASE tq_trans_%1").arg(m_transDepth).toUtf8().constData(),
             Context::Transaction);
}

void Database::rollback()
{
    if (!m_db || m_transDepth == 0)
        return;
    --m_transDepth;
    if (m_transDepth == 0) {
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    } else {
        const QByteArray sp = QStringLiteral("tq_trans_%1").arg(m_transDepth).toUtf8();
        sqlite3_exec(m_db, ("ROLLBACK TO " + sp + "; RELEASE " + sp).constData(), nullptr, nullptr, nullptr);
    }
}

void Database::Close()
{
    if (!m_db)
        return;
    if (m_transDepth > 0)
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    m_transDepth = 0;
    m_inserts.reset();
    // close_v2 defers the close until forward-only statements still held by
    // recordsets are finalised.
    const std::lock_guard<std::mutex> lock(m_handleMutex);
    sqlite3_close_v2(m_db);
    m_db = nullptr;
}

void Database::Interrupt()
{
    const std::lock_guard<std::mutex> lock(m_handleMutex);
    if (m_db)
        sqlite3_interrupt(m_db);
}

void Database::SetInterruptCheck(std::function<bool()> check)
{
    ensureOpen();
    m_interruptCheck = std::move(check);
    if (m_interruptCheck)
        sqlite3_progress_handler(
            m_db, 4000, [](void* self) { return static_cast<Database*>(self)->m_interruptCheck() ? 1 : 0; }, this);
    else
        sqlite3_progress_handler(m_db, 0, nullptr, nullptr);
}

// ---------------------------------------------------------------------------
// Table definitions

std::vector<TableFieldDef> TableDef::Fields() const
{
    auto db = m_db.lock();
    if (!db || !db->IsOpen())
        Throw(JetError::ObjectClosed, ObjectClosedText());
    return detail::TableFields(db->nativeHandle(), m_name);
}

void TableDef::SetAllowZeroLength(const QString& field, bool allow)
{
    auto db = m_db.lock();
    if (!db || !db->IsOpen())
        Throw(JetError::ObjectClosed, ObjectClosedText());
    if (db->ReadOnly())
        throw ReadOnlyError();
    detail::SetAllowZeroLength(db->nativeHandle(), m_name, field, allow);
}

// ---------------------------------------------------------------------------
// Workspace

DatabasePtr Workspace::OpenDatabase(const QString& path, bool /*exclusive*/, bool readOnly, const QString&)
{
    auto db = std::make_shared<Database>(weak_from_this(), path, readOnly);
    db->open();
    m_databases.push_back(db);
    return db;
}

void Workspace::BeginTrans()
{
    std::vector<DatabasePtr> begun;
    try {
        for (auto& w : m_databases)
            if (auto db = w.lock(); db && db->IsOpen()) {
                db->beginTrans();
                begun.push_back(db);
            }
    } catch (...) {
        for (auto& db : begun)
            db->rollback();
        throw;
    }
    ++m_transDepth;
}

void Workspace::CommitTrans(int options)
{
    leaveTransaction(m_transDepth);
    for (auto& w : m_databases)
        if (auto db = w.lock(); db && db->IsOpen())
            db->commitTrans(options & dbForceOSFlush);
}

void Workspace::Rollback()
{
    leaveTransaction(m_transDepth);
    for (auto& w : m_databases)
        if (auto db = w.lock(); db && db->IsOpen())
            db->rollback();
}

void Workspace::Close()
{
    for (auto& w : m_databases)
        if (auto db = w.lock())
            db->Close();
    m_databases.clear();
    m_transDepth = 0;
}

// ---------------------------------------------------------------------------
// Engine

namespace DBEngine {

WorkspacePtr CreateWorkspace(const QString& name, const QString&, const QString&, int)
{
    return std::make_shared<Workspace>(name);
}

void Idle(int) {}

DatabasePtr CreateDatabase(const QString& path)
{
    if (QFileInfo::exists(path))
        Throw(3204, say("O banco de dados já existe.", "La base de datos ya existe.", "Database already exists."));
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, "PRAGMA journal_mode=DELETE; PRAGMA user_version=1;", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        const QString msg = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString();
        sqlite3_close(db);
        throw detail::MakeError(rc, msg, Context::Open, path);
    }
    sqlite3_close(db);
    auto ws = CreateWorkspace(QStringLiteral("CreateDatabase"));
    auto out = ws->OpenDatabase(path);
    return out;
}

}  // namespace DBEngine

}  // namespace platform::dao
