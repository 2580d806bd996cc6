// Format and the date, number and text functions with extreme arguments,
// both as the SQL functions of the database layer and as the run time's own
// conversions.  The input is text: a function name and its arguments, split
// by tabs; an argument is "n" (Null), "i<integer>", "r<number>" or "t<text>".
//   jet_dateadd<TAB>tm<TAB>r4294967297<TAB>i36526
//   vb.Format<TAB>r1e20<TAB>tmmmm
// Checked besides crashes: a day number's date and time come back the same
// through ToDayNumber.
#include "fuzzsupport.h"

#include "platform/base/vbruntime.h"
#include "platform/dao/jetsql.h"

#include <sqlite3.h>

#include <cmath>
#include <map>

namespace vb = platform::vb;

namespace {

struct Arg {
    char kind = 'n';
    qint64 i = 0;
    double r = 0;
    QString t;

    QVariant variant() const
    {
        switch (kind) {
        case 'i': return QVariant(i);
        case 'r': return QVariant(r);
        case 't': return QVariant(t);
        default: return {};
        }
    }
    double number() const { return kind == 'i' ? double(i) : kind == 'r' ? r : 0; }
    int integer() const
    {
        const double d = number();
        return std::isfinite(d) && std::fabs(d) < 2147483647.0 ? int(d) : 0;
    }
};

Arg parseArg(const QString& s)
{
    Arg a;
    a.kind = s.isEmpty() ? 'n' : char(s[0].unicode());
    const QString rest = s.mid(1);
    bool ok = true;
    switch (a.kind) {
    case 'i': a.i = rest.toLongLong(&ok); break;
    case 'r': a.r = rest.toDouble(&ok); break;
    case 't': a.t = rest; break;
    default: a.kind = 'n';
    }
    if (!ok)
        a.kind = 'n';
    return a;
}

// The SQL functions, called with bound arguments on a connection of their own.
sqlite3* Connection()
{
    static sqlite3* db = [] {
        sqlite3* h = nullptr;
        sqlite3_open(":memory:", &h);
        platform::dao::jet::RegisterFunctions(h);
        sqlite3_limit(h, SQLITE_LIMIT_LENGTH, 1 << 16);
        return h;
    }();
    return db;
}

void callSql(const QString& name, const std::vector<Arg>& args)
{
    for (const QChar c : name)
        if (!(c.isLetterOrNumber() || c == QLatin1Char('_')))
            return;
    QString sql = QStringLiteral("SELECT ") + name + QLatin1Char('(');
    for (std::size_t k = 0; k < args.size(); ++k)
        sql += k ? QStringLiteral(", ?") : QStringLiteral("?");
    sql += QLatin1Char(')');
    static std::map<QString, sqlite3_stmt*> prepared;
    sqlite3_stmt*& st = prepared[sql];
    if (!st) {
        const QByteArray text = sql.toUtf8();
        if (sqlite3_prepare_v2(Connection(), text.constData(), int(text.size()), &st, nullptr) != SQLITE_OK)
            return; // no such function, or not that many arguments
    }
    for (std::size_t k = 0; k < args.size(); ++k) {
        const int n = int(k) + 1;
        const Arg& a = args[k];
        switch (a.kind) {
        case 'i': sqlite3_bind_int64(st, n, a.i); break;
        case 'r': sqlite3_bind_double(st, n, a.r); break;
        case 't': {
            const QByteArray b = a.t.toUtf8();
            sqlite3_bind_text(st, n, b.constData(), int(b.size()), SQLITE_TRANSIENT);
            break;
        }
        default: sqlite3_bind_null(st, n);
        }
    }
    while (sqlite3_step(st) == SQLITE_ROW)
        (void)sqlite3_column_text(st, 0);
    sqlite3_reset(st);
    sqlite3_clear_bindings(st);
}

Arg argAt(const std::vector<Arg>& args, std::size_t k) { return k < args.size() ? args[k] : Arg{}; }

void callRunTime(const QString& name, const std::vector<Arg>& args)
{
    const Arg a = argAt(args, 0), b = argAt(args, 1), c = argAt(args, 2);
    if (name == QLatin1String("vb.Format")) {
        (void)vb::Format(a.variant(), b.t);
    } else if (name == QLatin1String("vb.FormatDate")) {
        // A date value, as a QDateTime field of a recordset gives it.
        const QDateTime dt(QDate(a.integer(), b.integer(), c.integer()), QTime(12, 0));
        (void)vb::Format(dt, argAt(args, 3).t);
    } else if (name == QLatin1String("vb.FormatMask")) {
        const QByteArray mask = b.t.toUtf8();
        const vb::FormatMask m({mask.constData(), std::size_t(mask.size())});
        vb::Value v;
        v.kind = vb::Value::Date;
        v.r = a.number();
        std::string out;
        (void)m.apply(v, out);
    } else if (name == QLatin1String("vb.Conversions")) {
        const QVariant v = a.variant();
        (void)vb::IsNumeric(v);
        for (auto f : {+[](const QVariant& x) { (void)vb::CLng(x); }, +[](const QVariant& x) { (void)vb::CInt(x); },
                       +[](const QVariant& x) { (void)vb::CByte(x); }, +[](const QVariant& x) { (void)vb::CDbl(x); },
                       +[](const QVariant& x) { (void)vb::CStr(x); }}) {
            try {
                f(v);
            } catch (const platform::Error&) {
            }
        }
        (void)vb::Val(a.t);
    } else if (name == QLatin1String("vb.Round")) {
        (void)vb::Round(a.number(), b.integer());
        (void)vb::NumberToText(a.number());
    } else if (name == QLatin1String("vb.Serials")) {
        (void)vb::DateSerial(a.integer(), b.integer(), c.integer());
        (void)vb::TimeSerial(a.integer(), b.integer(), c.integer());
    } else if (name == QLatin1String("vb.ParseDateText")) {
        double d = 0;
        if (vb::ParseDateText(a.t, &d) && !vb::IsDayNumberInRange(d))
            tqfuzz::Finding("a date read from text lies outside the date range");
    } else if (name == QLatin1String("vb.DayNumber")) {
        const double d = a.number();
        const bool inRange = vb::IsDayNumberInRange(d);
        try {
            const QDateTime dt = vb::FromDayNumber(d);
            if (!inRange)
                tqfuzz::Finding("a day number outside the range became a date");
            if (vb::FromDayNumber(vb::ToDayNumber(dt)) != dt)
                tqfuzz::Finding("a date does not come back from its day number");
        } catch (const platform::Error& e) {
            if (inRange || e.number() != platform::errors::Overflow)
                tqfuzz::Finding("a day number in the range was refused");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QStringList parts = tqfuzz::Utf8(data, size).split(QLatin1Char('\t'));
    std::vector<Arg> args;
    for (qsizetype k = 1; k < parts.size() && k <= 8; ++k)
        args.push_back(parseArg(parts[k]));
    const QString& name = parts[0];
    try {
        if (name.startsWith(QLatin1String("vb.")))
            callRunTime(name, args);
        else
            callSql(name, args);
    } catch (const platform::Error&) {
    }
    return 0;
}
