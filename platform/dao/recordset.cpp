// Recordsets: snapshots read whole when they open, forward-only cursors
// stepped on demand; positions, bookmarks, Find and clones.

#include "platform/dao/dao.h"

#include "platform/dao/daoerrors.h"
#include "platform/dao/jetsql.h"
#include "platform/dao/rowstore.h"

#include <atomic>

#include <sqlite3.h>

namespace platform::dao {

using detail::Context;
using detail::Throw;
using detail::ItemNotFoundError;
using detail::say;

struct Recordset::Data {
    std::uint64_t generation = 0;
    detail::RowStore store;
    sqlite3_stmt* stmt = nullptr;  // forward-only: rows still to read
    sqlite3* db = nullptr;         // connection of stmt

    ~Data()
    {
        if (stmt)
            sqlite3_finalize(stmt);
    }
    void finish()
    {
        if (stmt) {
            sqlite3_finalize(stmt);
            stmt = nullptr;
        }
    }
};

namespace {

std::uint64_t nextGeneration()
{
    static std::atomic<std::uint64_t> g{0};
    return ++g;
}

[[noreturn]] void noCurrentRecord()
{
    Throw(JetError::NoCurrentRecord,
          say("Nenhum registro atual.", "No hay ningún registro activo.", "No current record."));
}

[[noreturn]] void notSupported()
{
    Throw(JetError::OperationNotSupported,
          say("A operação não é permitida para este tipo de objeto.",
              "La operación no se admite para este tipo de objeto.",
              "Operation is not supported for this type of object."));
}

// A private connection that evaluates Find criteria over a row's values.
sqlite3* criteriaConnection()
{
    static sqlite3* db = [] {
        sqlite3* h = nullptr;
        sqlite3_open_v2(":memory:", &h, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
        jet::RegisterFunctions(h);
        return h;
    }();
    return db;
}

bool truthy(sqlite3_stmt* st)
{
    switch (sqlite3_column_type(st, 0)) {
    case SQLITE_INTEGER: return sqlite3_column_int64(st, 0) != 0;
    case SQLITE_FLOAT: return sqlite3_column_double(st, 0) != 0.0;
    default: return false;
    }
}

}  // namespace

Recordset::Recordset(std::shared_ptr<Database> db, QString source, int type)
    : m_db(db), m_source(std::move(source)), m_type(type)
{
}

Recordset::~Recordset() = default;

void Recordset::open()
{
    auto db = m_db.lock();
    if (!db)
        Throw(JetError::ObjectClosed, ObjectClosedText());
    db->ensureOpen();
    const jet::Translation t = jet::TranslateStatement(m_source);
    if (t.kind != jet::StatementKind::Select)
        Throw(3219, say("Operação inválida. (Só uma instrução SELECT abre um conjunto de registros.)",
                        "Operación no válida. (Solo una instrucción SELECT abre un conjunto de registros.)",
                        "Invalid operation. (Only a SELECT statement opens a recordset.)"));

    auto data = std::make_shared<Data>();
    data->generation = nextGeneration();
    sqlite3* h = db->nativeHandle();
    sqlite3_stmt* st = nullptr;
    int rc = sqlite3_prepare_v2(h, t.sql.constData(), int(t.sql.size()), &st, nullptr);
    if (rc != SQLITE_OK)
        detail::ThrowLast(h, rc, Context::Query);
    if (!st)
        Throw(JetError::InvalidSqlStatement,
              say("Instrução SQL inválida.", "Instrucción SQL no válida.", "Invalid SQL statement."));
    data->stmt = st;
    data->db = h;

    const int n = sqlite3_column_count(st);
    std::vector<FieldInfo> fields(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        FieldInfo& f = fields[std::size_t(i)];
        f.name = QString::fromUtf8(sqlite3_column_name(st, i));
        if (const char* decl = sqlite3_column_decltype(st, i))
            f.type = jet::JetTypeFromDeclType(QString::fromUtf8(decl), &f.size);
        else
            f.type = 0;  // an expression: typed by its values
        if (const char* tbl = sqlite3_column_table_name(st, i))
            f.sourceTable = QString::fromUtf8(tbl);
    }
    data->store.setColumns(std::move(fields));
    data->store.prepare(n);

    if (m_type == dbOpenForwardOnly) {
        m_data = data;
        fetchForward(0);
    } else {
        while ((rc = sqlite3_step(st)) == SQLITE_ROW)
            data->store.appendRow(st);
        if (rc != SQLITE_DONE) {
            const int ext = sqlite3_extended_errcode(h);
            const QString msg = QString::fromUtf8(sqlite3_errmsg(h));
            throw detail::MakeError(ext, msg, Context::Query, db->Name());
        }
        data->finish();
        data->store.inferTypes();
        m_data = data;
    }
    m_pos = 0;
    m_closed = false;
}

// Reads forward-only rows until row `upTo` exists or the statement ends.
bool Recordset::fetchForward(long upTo) const
{
    Data& d = *m_data;
    while (d.stmt && d.store.rowCount() <= upTo) {
        const int rc = sqlite3_step(d.stmt);
        if (rc == SQLITE_ROW) {
            d.store.appendRow(d.stmt);
            if (d.store.rowCount() == 1)
                d.store.inferTypes();
        } else {
            const int ext = sqlite3_extended_errcode(d.db);
            const QString msg = QString::fromUtf8(sqlite3_errmsg(d.db));
            d.finish();
            if (rc != SQLITE_DONE)
                throw detail::MakeError(ext, msg, Context::Query);
        }
    }
    return d.store.rowCount() > upTo;
}

void Recordset::ensureOpen() const
{
    if (m_closed || !m_data)
        Throw(JetError::ObjectClosed, ObjectClosedText());
}

bool Recordset::IsOpen() const { return !m_closed && m_data; }

bool Recordset::EOF_() const
{
    ensureOpen();
    if (m_type == dbOpenForwardOnly && m_pos >= 0)
        fetchForward(m_pos);
    // Before the first row (a fresh clone) an empty recordset is at both
    // ends, so a loop "until EOF" reads nothing.
    if (m_pos < 0)
        return m_data->store.rowCount() == 0;
    return m_pos >= m_data->store.rowCount();
}

bool Recordset::BOF() const
{
    ensureOpen();
    if (m_pos < 0)
        return true;
    if (m_type == dbOpenForwardOnly)
        fetchForward(0);
    return m_data->store.rowCount() == 0;
}

void Recordset::ensureCurrent() const
{
    ensureOpen();
    if (m_pos < 0 || EOF_())
        noCurrentRecord();
}

long Recordset::RecordCount() const
{
    ensureOpen();
    return m_data->store.rowCount();
}

long Recordset::AbsolutePosition() const
{
    ensureOpen();
    if (m_pos < 0 || EOF_())
        return -1;
    return m_pos;
}

void Recordset::SetAbsolutePosition(long pos)
{
    ensureOpen();
    if (m_type == dbOpenForwardOnly)
        notSupported();
    if (pos < 0 || pos >= m_data->store.rowCount())
        Throw(JetError::InvalidArgument, say("Argumento inválido.", "Argumento no válido.", "Invalid argument."));
    setPosition(pos);
}

void Recordset::setPosition(long pos)
{
    const bool changed = pos != m_pos;
    m_pos = pos;
    if (changed)
        notify();
}

void Recordset::MoveFirst()
{
    ensureOpen();
    if (m_type == dbOpenForwardOnly) {
        if (m_pos > 0)
            notSupported();
        if (!fetchForward(0))
            noCurrentRecord();
        setPosition(0);
        return;
    }
    if (m_data->store.rowCount() == 0)
        noCurrentRecord();
    setPosition(0);
}

void Recordset::MoveLast()
{
    ensureOpen();
    if (m_type == dbOpenForwardOnly)
        fetchForward(std::numeric_limits<long>::max());
    const long n = m_data->store.rowCount();
    if (n == 0)
        noCurrentRecord();
    setPosition(n - 1);
}

void Recordset::MoveNext()
{
    if (EOF_())
        noCurrentRecord();
    setPosition(m_pos + 1);
}

void Recordset::MovePrevious()
{
    ensureOpen();
    if (m_type == dbOpenForwardOnly)
        notSupported();
    if (m_pos < 0 || m_data->store.rowCount() == 0)
        noCurrentRecord();
    setPosition(m_pos - 1);
}

void Recordset::Move(long rows)
{
    ensureCurrent();
    if (rows < 0 && m_type == dbOpenForwardOnly)
        notSupported();
    long target = m_pos + rows;
    if (target < 0) {
        target = -1;
    } else if (m_type == dbOpenForwardOnly) {
        fetchForward(target);
        target = std::min(target, m_data->store.rowCount());
    } else {
        target = std::min(target, m_data->store.rowCount());
    }
    setPosition(target);
}

int Recordset::FieldCount() const
{
    ensureOpen();
    return m_data->store.columnCount();
}

const std::vector<FieldInfo>& Recordset::FieldInfos() const
{
    ensureOpen();
    return m_data->store.fields();
}

int Recordset::FieldIndex(const QString& name) const
{
    ensureOpen();
    const auto& fields = m_data->store.fields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    // "Table.Field" names a field of a joined table.
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot > 0) {
        const QString table = name.left(dot);
        const QString field = name.mid(dot + 1);
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (fields[i].name.compare(field, Qt::CaseInsensitive) == 0 &&
                (fields[i].sourceTable.isEmpty() || fields[i].sourceTable.compare(table, Qt::CaseInsensitive) == 0))
                return int(i);
    }
    return -1;
}

Field Recordset::Fields(int index) const
{
    ensureOpen();
    if (index < 0 || index >= m_data->store.columnCount())
        throw ItemNotFoundError();
    return Field(this, index);
}

Field Recordset::Fields(const QString& name) const
{
    const int i = FieldIndex(name);
    if (i < 0)
        throw ItemNotFoundError(name);
    return Field(this, i);
}

QVariant Recordset::ValueAt(long row, int field) const
{
    ensureOpen();
    if (m_type == dbOpenForwardOnly)
        fetchForward(row);
    if (row < 0 || row >= m_data->store.rowCount())
        noCurrentRecord();
    if (field < 0 || field >= m_data->store.columnCount())
        throw ItemNotFoundError();
    return m_data->store.value(row, field);
}

Bookmark Recordset::GetBookmark() const
{
    ensureCurrent();
    return Bookmark{m_data->generation, m_pos};
}

Bookmark Recordset::BookmarkOfRow(long row) const
{
    ensureOpen();
    if (row < 0 || row >= m_data->store.rowCount())
        noCurrentRecord();
    return Bookmark{m_data->generation, row};
}

long Recordset::RowOfBookmark(const Bookmark& b) const
{
    if (!IsOpen() || b.generation != m_data->generation || b.row < 0 || b.row >= m_data->store.rowCount())
        return -1;
    return long(b.row);
}

void Recordset::SetBookmark(const Bookmark& b)
{
    ensureOpen();
    if (m_type == dbOpenForwardOnly)
        notSupported();
    const long row = RowOfBookmark(b);
    if (row < 0)
        Throw(JetError::InvalidBookmark, say("Indicador inválido.", "Marcador no válido.", "Not a valid bookmark."));
    setPosition(row);
}

void Recordset::find(const QString& criteria, long start, int step)
{
    ensureOpen();
    if (m_type == dbOpenForwardOnly)
        notSupported();
    const detail::RowStore& store = m_data->store;
    QStringList names;
    for (const FieldInfo& f : store.fields())
        names << f.name;
    const QByteArray sql = jet::TranslateCriteria(criteria, names);

    sqlite3* h = criteriaConnection();
    sqlite3_stmt* st = nullptr;
    int rc = sqlite3_prepare_v2(h, sql.constData(), int(sql.size()), &st, nullptr);
    if (rc != SQLITE_OK)
        detail::ThrowLast(h, rc, Context::Query);
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> guard(st, sqlite3_finalize);

    // Only the fields the criteria name are bound.
    std::vector<int> used;
    for (int p = 1; p <= sqlite3_bind_parameter_count(st); ++p)
        if (sqlite3_bind_parameter_name(st, p) && p <= store.columnCount())
            used.push_back(p);

    const long n = store.rowCount();
    for (long row = start; row >= 0 && row < n; row += step) {
        for (int p : used) {
            const detail::Cell& c = store.cell(row, p - 1);
            switch (c.kind) {
            case detail::Cell::Null: sqlite3_bind_null(st, p); break;
            case detail::Cell::Integer: sqlite3_bind_int64(st, p, c.i); break;
            case detail::Cell::Real: sqlite3_bind_double(st, p, c.d); break;
            case detail::Cell::Text: sqlite3_bind_text(st, p, store.bytes(c), int(c.length), SQLITE_STATIC); break;
            case detail::Cell::Blob: sqlite3_bind_blob(st, p, store.bytes(c), int(c.length), SQLITE_STATIC); break;
            }
        }
        rc = sqlite3_step(st);
        if (rc != SQLITE_ROW && rc != SQLITE_DONE)
            detail::ThrowLast(h, rc, Context::Query);
        const bool match = rc == SQLITE_ROW && truthy(st);
        sqlite3_reset(st);
        if (match) {
            m_noMatch = false;
            setPosition(row);
            return;
        }
    }
    m_noMatch = true;
}

void Recordset::FindFirst(const QString& criteria) { find(criteria, 0, +1); }

void Recordset::FindLast(const QString& criteria)
{
    ensureOpen();
    find(criteria, m_data->store.rowCount() - 1, -1);
}

void Recordset::FindNext(const QString& criteria)
{
    ensureOpen();
    find(criteria, m_pos < 0 ? 0 : m_pos + 1, +1);
}

void Recordset::FindPrevious(const QString& criteria)
{
    ensureOpen();
    const long n = m_data->store.rowCount();
    find(criteria, m_pos >= n ? n - 1 : m_pos - 1, -1);
}

RecordsetPtr Recordset::Clone() const
{
    ensureOpen();
    if (m_type == dbOpenForwardOnly)
        notSupported();
    auto rs = std::make_shared<Recordset>(m_db.lock(), m_source, m_type);
    rs->m_data = m_data;
    rs->m_pos = -1;
    return rs;
}

void Recordset::Requery()
{
    ensureOpen();
    auto listeners = std::move(m_listeners);
    const int next = m_nextListener;
    open();
    m_listeners = std::move(listeners);
    m_nextListener = next;
    notify();
}

std::uint64_t Recordset::Generation() const
{
    return IsOpen() ? m_data->generation : 0;
}

void Recordset::Close()
{
    if (m_data && m_data.use_count() == 1)
        m_data->finish();
    m_data.reset();
    m_closed = true;
    m_pos = -1;
}

int Recordset::AddListener(Listener l)
{
    const int id = m_nextListener++;
    m_listeners.emplace_back(id, std::move(l));
    return id;
}

void Recordset::RemoveListener(int id)
{
    std::erase_if(m_listeners, [id](const auto& p) { return p.first == id; });
}

void Recordset::notify()
{
    const auto copy = m_listeners;
    for (const auto& [id, l] : copy)
        l();
}

// ---------------------------------------------------------------------------

QVariant Field::Value() const
{
    m_rs->ensureCurrent();
    return m_rs->m_data->store.value(m_rs->m_pos, m_index);
}

QString Field::Name() const { return m_rs->FieldInfos()[std::size_t(m_index)].name; }
int Field::Type() const { return m_rs->FieldInfos()[std::size_t(m_index)].type; }
int Field::Size() const { return m_rs->FieldInfos()[std::size_t(m_index)].size; }

QString Field::Text() const
{
    const QVariant v = Value();
    return dao::IsNull(v) ? QString() : v.toString();
}

}  // namespace platform::dao
