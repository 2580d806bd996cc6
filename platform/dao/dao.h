#pragma once
// platform::dao - the database layer of the catalogue.
//
// An engine of workspaces, databases, recordsets and table definitions in the
// shape of the Jet data-access objects, over SQLite 3.  The catalogue code
// hands it Jet SQL text exactly as the catalogue builds it; the layer
// translates that text (jetsql.h) and keeps Jet's meaning:
//   - text columns compare case-insensitively over all of Unicode, accents
//     count ("VEDAÇÃO" = "Vedação" <> "VEDACAO"); ORDER BY sorts base letters,
//     then accents, then case;
//   - LIKE takes Jet patterns (* ? # [..] [!..]), case-insensitive;
//   - Format, IIf, IsNull, IsNumeric, Val, Left, Mid, &, text +, TOP n,
//     DateSerial/TimeSerial and the other functions the catalogue uses;
//   - DDL types map to SQLite affinities, every text column gets the Jet
//     collation; DATETIME values are day numbers from 30 December 1899.
//
// Errors.  Every failure is raised as platform::Error with Jet's number and
// a message in Jet's words (see JetError below), in the language of
// platform::textLanguage() (English without a language source); nothing
// fails silently and a failed statement leaves the database unchanged.
//
// Objects.  Workspaces, databases and recordsets are held through shared
// pointers, the way the catalogue code holds object references; Close() is
// safe twice and on an object never opened.
//
// Threads.  Every object belongs to the thread that created it and is used
// by that thread alone; the catalogue program creates them on its one
// user-interface thread.  The one exception is the catalogue search
// (search/executorpesquisa.h): a worker thread opens its own workspace and
// read-only database on the catalogue file and opens snapshot recordsets on
// it, so that typing never waits for a query.  Exactly three things cross
// threads:
//   - Database::Interrupt() may be called from any thread while the Database
//     object exists (open, closed or closing): a statement running on it
//     stops with 3059 (JetError::Interrupted);
//   - a snapshot recordset, once OpenRecordset has returned it (its rows are
//     in memory and no statement is open), may be handed to another thread,
//     which then owns it; the sender keeps no reference.  The receiver calls
//     SetDatabase with a database of its own thread before it uses Requery;
//   - the layer's shared state (the text order tables, the registered
//     functions, bookmark generations) is read-only or atomic.
// Find on a recordset uses a connection private to the layer and is for the
// user-interface thread only.
//
// Recordsets.  A snapshot recordset reads its statement to the end and
// finalises it when it opens, so no read statement stays open between events
// and writers never wait on a browsing connection.  A forward-only recordset
// steps on demand and finalises its statement at its end or when it is
// closed; callers read it and close it in one go.

#include "platform/base/error.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

struct sqlite3;

namespace platform::dao {

// ---------------------------------------------------------------------------
// Constants (the values of the data-access object library)

enum RecordsetTypeEnum : int {
    dbOpenTable = 1,
    dbOpenDynaset = 2,
    dbOpenSnapshot = 4,
    dbOpenForwardOnly = 8,
};

enum ExecuteOptionEnum : int {
    dbFailOnError = 128,
    dbSeeChanges = 512,
};

enum CommitTransOptionEnum : int {
    dbForceOSFlush = 1,
};

enum IdleEnum : int {
    dbRefreshCache = 8,
};

enum WorkspaceTypeEnum : int {
    dbUseJet = 2,
};

enum DataTypeEnum : int {
    dbBoolean = 1,
    dbByte = 2,
    dbInteger = 3,
    dbLong = 4,
    dbCurrency = 5,
    dbSingle = 6,
    dbDouble = 7,
    dbDate = 8,
    dbBinary = 9,
    dbText = 10,
    dbLongBinary = 11,
    dbMemo = 12,
};

// Jet error numbers raised by this layer.
namespace JetError {
constexpr long NoCurrentRecord = 3021;       // "No current record."
constexpr long DuplicateKey = 3022;          // duplicate values in index/primary key
constexpr long SyntaxError = 3075;           // syntax error in query expression
constexpr long InvalidSqlStatement = 3129;   // expected DELETE, INSERT, ...
constexpr long TooFewParameters = 3061;      // unknown column: "Too few parameters. Expected 1."
constexpr long NoSuchTable = 3078;           // cannot find the input table or query
constexpr long TableExists = 3010;           // table already exists
constexpr long TableNotFound = 3376;         // DROP TABLE of a missing table
constexpr long FileNotFound = 3024;          // could not find file
constexpr long CannotOpen = 3051;            // file in use or no permission
constexpr long NotADatabase = 3343;          // unrecognised database format
constexpr long ReadOnly = 3027;              // database or object is read-only
constexpr long Locked = 3260;                // currently locked by another user
constexpr long ZeroLength = 3315;            // field cannot be a zero-length string
constexpr long RequiredNull = 3314;          // field cannot contain a Null value
constexpr long TypeMismatch = 3464;          // data type mismatch in criteria expression
constexpr long ItemNotFound = 3265;          // item not found in this collection
constexpr long ObjectClosed = 3420;          // object invalid or no longer set
constexpr long InvalidBookmark = 3159;       // not a valid bookmark
constexpr long InvalidArgument = 3001;       // invalid argument
constexpr long OperationNotSupported = 3251; // operation not supported for this type of object
constexpr long NoTransaction = 3034;         // commit or rollback without BeginTrans
constexpr long DiskFull = 3035;              // system resource exceeded
constexpr long Corrupt = 3049;               // cannot open database: corrupt
constexpr long NotAllowedHere = 3112;        // insufficient permissions (refused by the authorizer)
constexpr long Interrupted = 3059;           // "Operation canceled by user." (Database::Interrupt)
}  // namespace JetError

// The error a damaged database raises on opening (3049), for a caller that
// finds the damage itself (a file that holds none of its tables).
platform::Error DamagedDatabaseError(const QString& path);

// The description of 3420 (JetError::ObjectClosed), for a caller that finds
// the object gone itself.
QString ObjectClosedText();

// A Null value is an invalid QVariant.
inline bool IsNull(const QVariant& v) { return !v.isValid(); }

// Day numbers of the Jet date type, counted from 30 December 1899.
double DateToDayNumber(const QDateTime& dt);
QDateTime DayNumberToDate(double days);

class Database;
class Recordset;
namespace detail {
class InsertCache;
}
class Workspace;
using DatabasePtr = std::shared_ptr<Database>;
using RecordsetPtr = std::shared_ptr<Recordset>;
using WorkspacePtr = std::shared_ptr<Workspace>;

// ---------------------------------------------------------------------------
// Bookmarks identify one row of one generation of a recordset's data; a
// recordset and its clones share them.  A bookmark taken before a requery
// belongs to an older generation and is refused (3159).

struct Bookmark {
    std::uint64_t generation = 0;  // 0: no bookmark (Null)
    std::int64_t row = -1;

    bool isNull() const { return generation == 0; }
    friend bool operator==(const Bookmark&, const Bookmark&) = default;
};

// ---------------------------------------------------------------------------

struct FieldInfo {
    QString name;        // column name as the statement gives it (alias or column)
    QString sourceTable; // table of a plain column reference, else empty
    int type = dbText;   // DataTypeEnum
    int size = 0;        // characters of a text column, bytes of numbers
};

class Field {
public:
    Field(const Recordset* rs, int index) : m_rs(rs), m_index(index) {}
    QVariant Value() const;
    QString Name() const;
    int Type() const;
    int Size() const;
    // Convenience: the value as text ("" for Null), as a number (0 for Null).
    QString Text() const;
    bool IsNull() const { return dao::IsNull(Value()); }

private:
    const Recordset* m_rs;
    int m_index;
};

// ---------------------------------------------------------------------------

class Recordset : public std::enable_shared_from_this<Recordset> {
public:
    ~Recordset();

    int Type() const { return m_type; }
    bool EOF_() const;
    bool BOF() const;
    // RecordCount of a snapshot is the number of its rows; of a forward-only
    // recordset, the rows read so far.
    long RecordCount() const;
    // Zero-based position of the current record; -1 at BOF or EOF.  Setting
    // it to a row outside 0..RecordCount-1 raises 3001.
    long AbsolutePosition() const;
    void SetAbsolutePosition(long pos);

    void MoveFirst();
    void MoveLast();
    void MoveNext();      // at EOF: 3021
    void MovePrevious();  // at BOF: 3021
    void Move(long rows); // relative to the current record; past an end leaves BOF/EOF

    // Current record (3021 at BOF or EOF).
    int FieldCount() const;
    Field Fields(int index) const;                // 3265 for an index out of range
    Field Fields(const QString& name) const;      // case-insensitive; 3265 when unknown
    QVariant Value(int index) const { return Fields(index).Value(); }
    QVariant Value(const QString& name) const { return Fields(name).Value(); }
    const std::vector<FieldInfo>& FieldInfos() const;
    int FieldIndex(const QString& name) const;    // -1 when unknown

    // Value of any row of a snapshot without moving the cursor (row 0-based).
    QVariant ValueAt(long row, int field) const;

    Bookmark GetBookmark() const;                 // 3021 at BOF/EOF
    void SetBookmark(const Bookmark& b);          // 3159 for a foreign or stale bookmark
    Bookmark BookmarkOfRow(long row) const;       // snapshot rows 0..RecordCount-1
    long RowOfBookmark(const Bookmark& b) const;  // -1 when the bookmark is not valid here

    // Jet criteria ("Tipo = 'COM' AND Codigo = 5", "ItemComponente LIKE '12*'"):
    // the field names of the recordset stand for the row's values.  On a match
    // the record becomes current and NoMatch() is false; otherwise the current
    // record stays and NoMatch() is true.  Snapshot recordsets only.
    void FindFirst(const QString& criteria);
    void FindNext(const QString& criteria);
    void FindPrevious(const QString& criteria);
    void FindLast(const QString& criteria);
    bool NoMatch() const { return m_noMatch; }

    // A second cursor over the same rows; bookmarks are shared.
    RecordsetPtr Clone() const;
    // Reads the statement again: a new generation, old bookmarks refused.
    void Requery();
    // The database Requery reads from (a recordset handed over from another
    // thread takes one of the receiving thread's; see Threads above).  The
    // rows, position and bookmarks stay.  Like the reference from
    // OpenRecordset, it does not keep the database open.
    void SetDatabase(const std::shared_ptr<Database>& db) { m_db = db; }
    // The generation of the rows this recordset reads (0 when closed); it
    // changes with every open and requery, and clones share it.
    std::uint64_t Generation() const;
    void Close();
    bool IsOpen() const;

    // Listeners called after the current record changed or the data was
    // requeried (for the list controls bound through a data control).
    using Listener = std::function<void()>;
    int AddListener(Listener l);
    void RemoveListener(int id);

    const QString& Source() const { return m_source; }

    // Implementation detail; use Database::OpenRecordset.
    struct Data;
    Recordset(std::shared_ptr<Database> db, QString source, int type);

private:
    friend class Database;
    friend class Field;
    void open();
    void ensureOpen() const;
    void ensureCurrent() const;
    void setPosition(long pos);
    void notify();
    void find(const QString& criteria, long start, int step);
    bool fetchForward(long upTo) const;

    std::weak_ptr<Database> m_db;
    QString m_source;
    int m_type;
    std::shared_ptr<Data> m_data;
    long m_pos = -1;        // -1 BOF, RecordCount EOF
    bool m_noMatch = false;
    bool m_closed = false;
    std::vector<std::pair<int, Listener>> m_listeners;
    int m_nextListener = 1;
};

// ---------------------------------------------------------------------------

struct TableFieldDef {
    QString name;
    int type = dbText;
    int size = 0;
    bool required = false;
    bool allowZeroLength = false;
};

class TableDef {
public:
    TableDef(std::weak_ptr<Database> db, QString name) : m_db(std::move(db)), m_name(std::move(name)) {}
    const QString& Name() const { return m_name; }
    std::vector<TableFieldDef> Fields() const;
    // Lets (or forbids) a text or memo field take zero-length strings.
    void SetAllowZeroLength(const QString& field, bool allow);

private:
    std::weak_ptr<Database> m_db;
    QString m_name;
};

// ---------------------------------------------------------------------------

class Database : public std::enable_shared_from_this<Database> {
public:
    ~Database();

    const QString& Name() const { return m_path; }
    bool ReadOnly() const { return m_readOnly; }

    // Runs one action or DDL statement.  Options are accepted for
    // compatibility: every statement is atomic and every failure raises.
    void Execute(const QString& jetSql, int options = 0);
    long RecordsAffected() const { return m_recordsAffected; }

    RecordsetPtr OpenRecordset(const QString& jetSql, int type = dbOpenSnapshot);

    // Table definitions, read fresh from the file on every call; hidden
    // tables of the layer are not listed.
    std::vector<TableDef> TableDefs();
    TableDef GetTableDef(const QString& name);   // 3265 when missing

    void Close();
    bool IsOpen() const { return m_db != nullptr; }

    // Stops the statement running on this connection, from any thread (see
    // Threads above): it fails with 3059.  Nothing when none runs or the
    // database is closed.
    void Interrupt();
    // A test the connection runs now and then (every few thousand steps of
    // the engine) on the thread running a statement; when it answers true
    // the statement stops with 3059.  It closes the gap Interrupt leaves
    // (an interrupt sent just before a statement starts is forgotten).  An
    // empty function removes it.
    void SetInterruptCheck(std::function<bool()> check);

    // Statements that arrive from the update server run with the authorizer on:
    // ATTACH, DETACH, PRAGMA, VACUUM and extension loading are refused.
    void SetUntrusted(bool on);

    // The SQLite connection, for the bulk writers of tools and tests.
    sqlite3* nativeHandle() const { return m_db; }

    // Implementation detail; use Workspace::OpenDatabase.
    Database(std::weak_ptr<Workspace> ws, QString path, bool readOnly);

private:
    friend class Workspace;
    friend class Recordset;
    friend class TableDef;
    void open();
    void ensureOpen() const;
    void beginTrans();
    void commitTrans(bool flush);
    void rollback();

    std::weak_ptr<Workspace> m_ws;
    QString m_path;
    bool m_readOnly;
    sqlite3* m_db = nullptr;
    std::unique_ptr<detail::InsertCache> m_inserts;  // INSERTs of literals, prepared once per shape
    std::mutex m_handleMutex;  // Interrupt from another thread against Close
    std::function<bool()> m_interruptCheck;
    long m_recordsAffected = 0;
    int m_transDepth = 0;
    bool m_untrusted = false;
};

// ---------------------------------------------------------------------------

class Workspace : public std::enable_shared_from_this<Workspace> {
public:
    const QString& Name() const { return m_name; }

    // Opens a database file.  Exclusive opening is not offered; readOnly opens
    // the file without write access.  The connect string (";pwd=...") is
    // accepted and ignored: the files carry no password.
    DatabasePtr OpenDatabase(const QString& path, bool exclusive = false, bool readOnly = false,
                             const QString& connect = {});

    // Transactions span every database open in this workspace; they nest.
    void BeginTrans();
    void CommitTrans(int options = 0);
    void Rollback();
    bool InTransaction() const { return m_transDepth > 0; }

    void Close();   // closes its databases, rolling back an open transaction

    explicit Workspace(QString name) : m_name(std::move(name)) {}

private:
    QString m_name;
    std::vector<std::weak_ptr<Database>> m_databases;
    int m_transDepth = 0;
};

// The engine: creates workspaces; Idle(dbRefreshCache) is accepted (SQLite
// readers see committed data at their next statement without it).
namespace DBEngine {
WorkspacePtr CreateWorkspace(const QString& name, const QString& user = QStringLiteral("admin"),
                             const QString& password = {}, int type = dbUseJet);
void Idle(int action = dbRefreshCache);
// Creates an empty database file; 3204 when it exists.
DatabasePtr CreateDatabase(const QString& path);
}  // namespace DBEngine

// ---------------------------------------------------------------------------
// The data control: a database name, a record source and the recordset that
// Refresh opens, for list controls to bind.  It opens its own read-only
// connection to DatabaseName unless a database was handed to it.

class DataControl : public QObject {
    Q_OBJECT
public:
    explicit DataControl(QObject* parent = nullptr);
    ~DataControl() override;

    QString DatabaseName() const { return m_databaseName; }
    void SetDatabaseName(const QString& path);
    // Uses an open database instead of opening DatabaseName.
    void SetDatabase(DatabasePtr db);
    DatabasePtr Database() const { return m_database; }

    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool ro) { m_readOnly = ro; }

    QString RecordSource() const { return m_recordSource; }
    void SetRecordSource(const QString& sql) { m_recordSource = sql; }

    // Opens the record source as a snapshot; the previous recordset is closed.
    void Refresh();
    RecordsetPtr Recordset() const { return m_recordset; }
    void SetRecordset(RecordsetPtr rs);

Q_SIGNALS:
    // A new recordset is bound (Refresh or SetRecordset).
    void recordsetChanged();
    // The current record of the bound recordset changed.
    void currentChanged();

private:
    void bind(RecordsetPtr rs);
    QString m_databaseName;
    QString m_recordSource;
    bool m_readOnly = true;
    DatabasePtr m_database;
    bool m_ownsDatabase = false;
    RecordsetPtr m_recordset;
    int m_listener = 0;
};

}  // namespace platform::dao
