// The SQL functions, collations and LIKE that give translated statements
// Jet's meaning.  Every function follows the run time: Null in gives Null
// out (IsNull, IsNumeric, Nz and the concatenation excepted), numbers and
// numeric text are interchangeable, other text where a number is needed is
// Jet's type mismatch (3464).  Errors reach SQLite as "JET<number>:<text>",
// which the database layer turns back into platform::Error.

#include "platform/dao/jetsql.h"

#include "platform/base/vbruntime.h"
#include "platform/dao/jetcollation.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <sqlite3.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <string>

namespace platform::dao::jet {
namespace {

using vb::Value;

// ---------------------------------------------------------------------------
// Results and errors

void raise(sqlite3_context* ctx, long number, const char* text)
{
    const std::string msg = "JET" + std::to_string(number) + ":" + text;
    sqlite3_result_error(ctx, msg.c_str(), int(msg.size()));
}

void typeMismatch(sqlite3_context* ctx) { raise(ctx, 3464, "Data type mismatch in criteria expression."); }
void invalidCall(sqlite3_context* ctx) { raise(ctx, 5, "Invalid procedure call or argument."); }
void overflow(sqlite3_context* ctx) { raise(ctx, 6, "Overflow."); }
void divisionByZero(sqlite3_context* ctx) { raise(ctx, 11, "Division by zero."); }

void resultText(sqlite3_context* ctx, std::string_view s)
{
    sqlite3_result_text(ctx, s.data(), int(s.size()), SQLITE_TRANSIENT);
}

void resultText(sqlite3_context* ctx, const QString& s)
{
    const QByteArray b = s.toUtf8();
    sqlite3_result_text(ctx, b.constData(), int(b.size()), SQLITE_TRANSIENT);
}

void resultBool(sqlite3_context* ctx, bool b) { sqlite3_result_int(ctx, b ? -1 : 0); }

// A whole number as an integer, anything else as a Double.
void resultNumber(sqlite3_context* ctx, double d)
{
    if (d == std::trunc(d) && std::fabs(d) < 9007199254740992.0)
        sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(d));
    else
        sqlite3_result_double(ctx, d);
}

// ---------------------------------------------------------------------------
// Arguments

bool isNull(sqlite3_value* v) { return sqlite3_value_type(v) == SQLITE_NULL; }

bool anyNull(int argc, sqlite3_value** argv)
{
    for (int k = 0; k < argc; ++k)
        if (isNull(argv[k]))
            return true;
    return false;
}

std::string_view rawText(sqlite3_value* v)
{
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return p ? std::string_view(p, std::size_t(sqlite3_value_bytes(v))) : std::string_view();
}

// The value as the run time writes it (numbers without a trailing ".0").
std::string_view textOf(sqlite3_value* v, std::string& buf)
{
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
        buf = std::to_string(sqlite3_value_int64(v));
        return buf;
    case SQLITE_FLOAT:
        buf.clear();
        vb::AppendNumberText(sqlite3_value_double(v), buf);
        return buf;
    case SQLITE_NULL:
        return {};
    default:
        return rawText(v);
    }
}

QString qtextOf(sqlite3_value* v)
{
    std::string buf;
    const std::string_view s = textOf(v, buf);
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// Numbers, and text that IsNumeric accepts; false for anything else.
bool numberOf(sqlite3_value* v, double* out)
{
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER: *out = double(sqlite3_value_int64(v)); return true;
    case SQLITE_FLOAT: *out = sqlite3_value_double(v); return true;
    case SQLITE_TEXT: return vb::TextToNumber(rawText(v), out);
    default: return false;
    }
}

// A date as a day number: numbers are day numbers, text may be a number or
// a date.
bool dayNumberOf(sqlite3_value* v, double* out)
{
    if (numberOf(v, out))
        return true;
    if (sqlite3_value_type(v) == SQLITE_TEXT)
        return vb::ParseDateText(qtextOf(v), out);
    return false;
}

// An Integer argument of the run time: rounded half to even.
bool intOf(sqlite3_value* v, long long* out)
{
    double d;
    if (!numberOf(v, &d))
        return false;
    d = std::nearbyint(d);
    if (!(std::fabs(d) < 9.2e18))
        return false;
    *out = static_cast<long long>(d);
    return true;
}

Value valueOf(sqlite3_value* v)
{
    Value out;
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
        out.kind = Value::Integer;
        out.i = sqlite3_value_int64(v);
        break;
    case SQLITE_FLOAT:
        out.kind = Value::Real;
        out.r = sqlite3_value_double(v);
        break;
    case SQLITE_NULL: break;
    default:
        out.kind = Value::Text;
        out.text = rawText(v);
        break;
    }
    return out;
}

// UTF-8 character helpers
inline bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

std::size_t charCount(std::string_view s)
{
    std::size_t n = 0;
    for (unsigned char c : s)
        n += !isContinuation(c);
    return n;
}

// Byte offset of character index `k` (clamped to the end).
std::size_t byteOffset(std::string_view s, std::size_t k)
{
    std::size_t i = 0;
    while (i < s.size() && k > 0) {
        ++i;
        while (i < s.size() && isContinuation(static_cast<unsigned char>(s[i])))
            ++i;
        --k;
    }
    return i;
}

// ---------------------------------------------------------------------------
// Operators

void fnConcat(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    thread_local std::string out, buf;
    out.clear();
    bool any = false;
    for (int k = 0; k < argc; ++k) {
        if (isNull(argv[k]))
            continue;
        any = true;
        out += textOf(argv[k], buf);
    }
    if (!any)
        sqlite3_result_null(ctx);
    else
        resultText(ctx, out);
}

enum class Arith { Add, Sub, Mul };

void arithmetic(sqlite3_context* ctx, sqlite3_value** argv, Arith op)
{
    if (isNull(argv[0]) || isNull(argv[1])) {
        sqlite3_result_null(ctx);
        return;
    }
    if (sqlite3_value_type(argv[0]) == SQLITE_INTEGER && sqlite3_value_type(argv[1]) == SQLITE_INTEGER) {
        const long long a = sqlite3_value_int64(argv[0]), b = sqlite3_value_int64(argv[1]);
        long long r;
        const bool over = op == Arith::Add   ? __builtin_add_overflow(a, b, &r)
                          : op == Arith::Sub ? __builtin_sub_overflow(a, b, &r)
                                             : __builtin_mul_overflow(a, b, &r);
        if (!over) {
            sqlite3_result_int64(ctx, r);
            return;
        }
    }
    double a, b;
    if (!numberOf(argv[0], &a) || !numberOf(argv[1], &b)) {
        typeMismatch(ctx);
        return;
    }
    sqlite3_result_double(ctx, op == Arith::Add ? a + b : op == Arith::Sub ? a - b : a * b);
}

// "+": text and text concatenate; otherwise numbers add.
void fnAdd(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const int ta = sqlite3_value_type(argv[0]), tb = sqlite3_value_type(argv[1]);
    if (ta == SQLITE_NULL || tb == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    if ((ta == SQLITE_TEXT || ta == SQLITE_BLOB) && (tb == SQLITE_TEXT || tb == SQLITE_BLOB)) {
        thread_local std::string out;
        out.assign(rawText(argv[0]));
        out += rawText(argv[1]);
        resultText(ctx, out);
        return;
    }
    arithmetic(ctx, argv, Arith::Add);
}

void fnSub(sqlite3_context* ctx, int, sqlite3_value** argv) { arithmetic(ctx, argv, Arith::Sub); }
void fnMul(sqlite3_context* ctx, int, sqlite3_value** argv) { arithmetic(ctx, argv, Arith::Mul); }

void fnDiv(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (anyNull(2, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    double a, b;
    if (!numberOf(argv[0], &a) || !numberOf(argv[1], &b))
        return typeMismatch(ctx);
    if (b == 0)
        return divisionByZero(ctx);
    sqlite3_result_double(ctx, a / b);
}

// "\" and Mod round their operands to whole numbers first.
void fnIntDiv(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (anyNull(2, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    long long a, b;
    if (!intOf(argv[0], &a) || !intOf(argv[1], &b))
        return typeMismatch(ctx);
    if (b == 0)
        return divisionByZero(ctx);
    sqlite3_result_int64(ctx, a / b);
}

void fnMod(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (anyNull(2, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    long long a, b;
    if (!intOf(argv[0], &a) || !intOf(argv[1], &b))
        return typeMismatch(ctx);
    if (b == 0)
        return divisionByZero(ctx);
    sqlite3_result_int64(ctx, a % b);
}

void fnPow(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (anyNull(2, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    double a, b;
    if (!numberOf(argv[0], &a) || !numberOf(argv[1], &b))
        return typeMismatch(ctx);
    const double r = std::pow(a, b);
    if (std::isnan(r))
        return invalidCall(ctx);
    if (std::isinf(r))
        return overflow(ctx);
    sqlite3_result_double(ctx, r);
}

void fnNeg(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    switch (sqlite3_value_type(argv[0])) {
    case SQLITE_NULL: sqlite3_result_null(ctx); return;
    case SQLITE_INTEGER: {
        const long long v = sqlite3_value_int64(argv[0]);
        if (v != std::numeric_limits<long long>::min()) {
            sqlite3_result_int64(ctx, -v);
            return;
        }
        break;
    }
    default: break;
    }
    double d;
    if (!numberOf(argv[0], &d))
        return typeMismatch(ctx);
    sqlite3_result_double(ctx, -d);
}

// ---------------------------------------------------------------------------
// LIKE and the collations

void fnLike(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    // like(pattern, text): SQLite's "text LIKE pattern".
    if (anyNull(2, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    auto* compiled = static_cast<detail::LikePattern*>(sqlite3_get_auxdata(ctx, 0));
    std::unique_ptr<detail::LikePattern> fresh;
    if (!compiled) {
        std::string pbuf;
        fresh = std::make_unique<detail::LikePattern>(textOf(argv[0], pbuf));
        compiled = fresh.get();
    }
    std::string tbuf;
    const bool match = compiled->matches(textOf(argv[1], tbuf));
    if (fresh) // kept for the next rows while the pattern stays the same
        sqlite3_set_auxdata(ctx, 0, fresh.release(), [](void* p) { delete static_cast<detail::LikePattern*>(p); });
    sqlite3_result_int(ctx, match ? 1 : 0);
}

int collateJet(void*, int na, const void* a, int nb, const void* b)
{
    return detail::CompareUtf8({static_cast<const char*>(a), std::size_t(na)},
                               {static_cast<const char*>(b), std::size_t(nb)}, false);
}

int collateJetSort(void*, int na, const void* a, int nb, const void* b)
{
    return detail::CompareUtf8({static_cast<const char*>(a), std::size_t(na)},
                               {static_cast<const char*>(b), std::size_t(nb)}, true);
}

// ---------------------------------------------------------------------------
// Format and the tests

void fnFormat(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    const Value v = valueOf(argv[0]);
    thread_local std::string out;
    if (argc < 2 || isNull(argv[1])) {
        static const vb::FormatMask noMask{std::string_view()};
        if (!noMask.apply(v, out))
            sqlite3_result_null(ctx);
        else
            resultText(ctx, out);
        return;
    }
    auto* mask = static_cast<vb::FormatMask*>(sqlite3_get_auxdata(ctx, 1));
    std::unique_ptr<vb::FormatMask> fresh;
    if (!mask) {
        std::string buf;
        fresh = std::make_unique<vb::FormatMask>(textOf(argv[1], buf));
        mask = fresh.get();
    }
    const bool notNull = mask->apply(v, out);
    if (fresh)
        sqlite3_set_auxdata(ctx, 1, fresh.release(), [](void* p) { delete static_cast<vb::FormatMask*>(p); });
    if (notNull)
        resultText(ctx, out);
    else
        sqlite3_result_null(ctx);
}

void fnIsNull(sqlite3_context* ctx, int, sqlite3_value** argv) { resultBool(ctx, isNull(argv[0])); }

void fnIsNumeric(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    switch (sqlite3_value_type(argv[0])) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT: resultBool(ctx, true); return;
    case SQLITE_TEXT: resultBool(ctx, vb::IsNumericText(rawText(argv[0]))); return;
    default: resultBool(ctx, false); return;
    }
}

// Dates are stored as day numbers, so a number counts as a date.
void fnIsDate(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    double d;
    switch (sqlite3_value_type(argv[0])) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT: resultBool(ctx, true); return;
    case SQLITE_TEXT: resultBool(ctx, vb::ParseDateText(qtextOf(argv[0]), &d)); return;
    default: resultBool(ctx, false); return;
    }
}

void fnVal(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    switch (sqlite3_value_type(argv[0])) {
    case SQLITE_NULL: sqlite3_result_null(ctx); return;
    case SQLITE_INTEGER:
    case SQLITE_FLOAT: sqlite3_result_value(ctx, argv[0]); return;
    default:
        try {
            resultNumber(ctx, vb::Val(rawText(argv[0])));
        } catch (const platform::Error&) {
            overflow(ctx);
        }
        return;
    }
}

template <double (*F)(double)>
void fnRounding(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    switch (sqlite3_value_type(argv[0])) {
    case SQLITE_NULL: sqlite3_result_null(ctx); return;
    case SQLITE_INTEGER: sqlite3_result_value(ctx, argv[0]); return;
    default: {
        double d;
        if (!numberOf(argv[0], &d))
            return typeMismatch(ctx);
        resultNumber(ctx, F(d));
    }
    }
}

double floorOf(double d) { return std::floor(d); }
double truncOf(double d) { return std::trunc(d); }

// ---------------------------------------------------------------------------
// Text

// The character count argument of Left, Right, Mid and the like.
bool countArg(sqlite3_context* ctx, sqlite3_value* v, long long* out)
{
    if (isNull(v)) {
        raise(ctx, 94, "Invalid use of Null.");
        return false;
    }
    if (!intOf(v, out)) {
        typeMismatch(ctx);
        return false;
    }
    if (*out < 0) {
        invalidCall(ctx);
        return false;
    }
    return true;
}

void fnLeft(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    long long n;
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    if (!countArg(ctx, argv[1], &n))
        return;
    std::string buf;
    const std::string_view s = textOf(argv[0], buf);
    resultText(ctx, s.substr(0, byteOffset(s, std::size_t(n))));
}

void fnRight(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    long long n;
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    if (!countArg(ctx, argv[1], &n))
        return;
    std::string buf;
    const std::string_view s = textOf(argv[0], buf);
    const std::size_t len = charCount(s);
    const std::size_t skip = std::size_t(n) >= len ? 0 : len - std::size_t(n);
    resultText(ctx, s.substr(byteOffset(s, skip)));
}

void fnMid(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    long long start, n = -1;
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    if (!countArg(ctx, argv[1], &start))
        return;
    if (start < 1)
        return invalidCall(ctx);
    if (argc > 2 && !countArg(ctx, argv[2], &n))
        return;
    std::string buf;
    const std::string_view s = textOf(argv[0], buf);
    const std::size_t from = byteOffset(s, std::size_t(start - 1));
    const std::string_view rest = s.substr(from);
    resultText(ctx, n < 0 ? rest : rest.substr(0, byteOffset(rest, std::size_t(n))));
}

void fnLen(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    std::string buf;
    sqlite3_result_int64(ctx, sqlite3_int64(charCount(textOf(argv[0], buf))));
}

template <bool Upper>
void fnCase(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    thread_local std::string buf;
    const std::string_view s = textOf(argv[0], buf);
    bool ascii = true;
    for (unsigned char c : s)
        ascii = ascii && c < 0x80;
    if (ascii) {
        thread_local std::string out;
        out.assign(s);
        for (char& c : out)
            c = Upper ? (c >= 'a' && c <= 'z' ? char(c - 32) : c) : (c >= 'A' && c <= 'Z' ? char(c + 32) : c);
        resultText(ctx, out);
        return;
    }
    const QString q = QString::fromUtf8(s.data(), qsizetype(s.size()));
    resultText(ctx, Upper ? q.toUpper() : q.toLower());
}

template <bool Left, bool Right>
void fnTrim(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    std::string buf;
    std::string_view s = textOf(argv[0], buf);
    if (Left)
        while (!s.empty() && s.front() == ' ')
            s.remove_prefix(1);
    if (Right)
        while (!s.empty() && s.back() == ' ')
            s.remove_suffix(1);
    resultText(ctx, s);
}

void fnInStr(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    // InStr([start,] text, sought [, compare])
    long long start = 1;
    int first = 0;
    if (argc >= 3) {
        if (isNull(argv[0]))
            return raise(ctx, 94, "Invalid use of Null.");
        if (!intOf(argv[0], &start))
            return typeMismatch(ctx);
        if (start < 1)
            return invalidCall(ctx);
        first = 1;
    }
    long long compare = 1;
    if (argc == 4 && !isNull(argv[3]) && !intOf(argv[3], &compare))
        return typeMismatch(ctx);
    if (isNull(argv[first]) || isNull(argv[first + 1])) {
        sqlite3_result_null(ctx);
        return;
    }
    QString text = qtextOf(argv[first]), sought = qtextOf(argv[first + 1]);
    const QList<uint> t = text.toUcs4(), p = sought.toUcs4();
    const long long n = t.size(), m = p.size();
    if (start > n) {
        sqlite3_result_int(ctx, 0);
        return;
    }
    if (m == 0) {
        sqlite3_result_int64(ctx, start);
        return;
    }
    for (long long i = start - 1; i + m <= n; ++i) {
        bool eq = true;
        for (long long k = 0; eq && k < m; ++k)
            eq = compare == 0 ? t[i + k] == p[k] : detail::FoldChar(t[i + k]) == detail::FoldChar(p[k]);
        if (eq) {
            sqlite3_result_int64(ctx, i + 1);
            return;
        }
    }
    sqlite3_result_int(ctx, 0);
}

void fnReplace(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    // Replace(text, find, with [, start [, count [, compare]]])
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    if (isNull(argv[1]) || isNull(argv[2]))
        return raise(ctx, 94, "Invalid use of Null.");
    long long start = 1, count = -1, compare = 0;
    if ((argc > 3 && !intOf(argv[3], &start)) || (argc > 4 && !intOf(argv[4], &count)) ||
        (argc > 5 && !intOf(argv[5], &compare)))
        return typeMismatch(ctx);
    if (start < 1 || count < -1)
        return invalidCall(ctx);
    QString text = qtextOf(argv[0]);
    const QString find = qtextOf(argv[1]), with = qtextOf(argv[2]);
    text = text.mid(start - 1);
    if (find.isEmpty() || count == 0) {
        resultText(ctx, text);
        return;
    }
    const Qt::CaseSensitivity cs = compare == 0 ? Qt::CaseSensitive : Qt::CaseInsensitive;
    QString out;
    qsizetype from = 0;
    long long done = 0;
    while (count < 0 || done < count) {
        const qsizetype at = text.indexOf(find, from, cs);
        if (at < 0)
            break;
        out += text.mid(from, at - from) + with;
        from = at + find.size();
        ++done;
    }
    out += text.mid(from);
    resultText(ctx, out);
}

void fnStrComp(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (isNull(argv[0]) || isNull(argv[1])) {
        sqlite3_result_null(ctx);
        return;
    }
    long long compare = 1;
    if (argc > 2 && !isNull(argv[2]) && !intOf(argv[2], &compare))
        return typeMismatch(ctx);
    std::string ba, bb;
    const std::string_view a = textOf(argv[0], ba), b = textOf(argv[1], bb);
    int r;
    if (compare == 0) {
        const int c = a.compare(b);
        r = c < 0 ? -1 : c > 0 ? 1 : 0;
    } else {
        r = detail::CompareUtf8(a, b, false);
    }
    sqlite3_result_int(ctx, r);
}

void fnNz(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (!isNull(argv[0]))
        sqlite3_result_value(ctx, argv[0]);
    else if (argc > 1)
        sqlite3_result_value(ctx, argv[1]);
    else
        sqlite3_result_text(ctx, "", 0, SQLITE_STATIC);
}

// Characters 128 to 159 of the Windows code page, as Chr and Asc know them.
const char16_t kCp1252High[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                  0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};

void fnChr(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    long long code;
    if (isNull(argv[0]))
        return raise(ctx, 94, "Invalid use of Null.");
    if (!intOf(argv[0], &code))
        return typeMismatch(ctx);
    if (code < 0 || code > 255)
        return invalidCall(ctx);
    const char16_t c = code >= 128 && code < 160 ? kCp1252High[code - 128] : char16_t(code);
    resultText(ctx, QString(QChar(c)));
}

void fnAsc(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return raise(ctx, 94, "Invalid use of Null.");
    const QString s = qtextOf(argv[0]);
    if (s.isEmpty())
        return invalidCall(ctx);
    const char16_t c = s[0].unicode();
    for (int k = 0; k < 32; ++k)
        if (kCp1252High[k] == c) {
            sqlite3_result_int(ctx, 128 + k);
            return;
        }
    sqlite3_result_int(ctx, c);
}

void fnSpace(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    long long n;
    if (!countArg(ctx, argv[0], &n))
        return;
    resultText(ctx, std::string(std::size_t(n), ' '));
}

void fnString(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    long long n;
    if (!countArg(ctx, argv[0], &n))
        return;
    if (isNull(argv[1]))
        return raise(ctx, 94, "Invalid use of Null.");
    QString ch;
    long long code;
    if (sqlite3_value_type(argv[1]) == SQLITE_TEXT) {
        ch = qtextOf(argv[1]).left(1);
        if (ch.isEmpty())
            return invalidCall(ctx);
    } else if (intOf(argv[1], &code)) {
        ch = QString(QChar(char16_t(code & 0xFF)));
    } else {
        return typeMismatch(ctx);
    }
    resultText(ctx, ch.repeated(qsizetype(n)));
}

void fnStr(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    double d;
    if (!numberOf(argv[0], &d))
        return typeMismatch(ctx);
    std::string s = d >= 0 ? " " : "";
    vb::AppendNumberText(d, s);
    resultText(ctx, s);
}

void fnHex(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    long long v;
    if (!intOf(argv[0], &v))
        return typeMismatch(ctx);
    if (v < -2147483648LL || v > 4294967295LL)
        return overflow(ctx);
    resultText(ctx, QString::number(static_cast<quint32>(v), 16).toUpper());
}

// ---------------------------------------------------------------------------
// Conversions

void fnCStr(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    std::string buf;
    resultText(ctx, textOf(argv[0], buf));
}

template <long long Lo, long long Hi>
void fnWhole(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    double d;
    if (!numberOf(argv[0], &d))
        return typeMismatch(ctx);
    d = std::nearbyint(d);
    if (!(d >= double(Lo) && d <= double(Hi)))
        return overflow(ctx);
    sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(d));
}

void fnCDbl(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    double d;
    if (!numberOf(argv[0], &d))
        return typeMismatch(ctx);
    sqlite3_result_double(ctx, d);
}

void fnCSng(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    double d;
    if (!numberOf(argv[0], &d))
        return typeMismatch(ctx);
    if (std::fabs(d) > double(std::numeric_limits<float>::max()))
        return overflow(ctx);
    // A Single keeps about 7 significant digits.
    sqlite3_result_double(ctx, QString::number(double(float(d)), 'g', 7).toDouble());
}

void fnCCur(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    double d;
    if (!numberOf(argv[0], &d))
        return typeMismatch(ctx);
    resultNumber(ctx, vb::Round(d, 4));
}

void fnCBool(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    double d;
    if (numberOf(argv[0], &d)) {
        resultBool(ctx, d != 0);
        return;
    }
    const QString s = qtextOf(argv[0]).trimmed();
    if (s.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        resultBool(ctx, true);
    else if (s.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        resultBool(ctx, false);
    else
        typeMismatch(ctx);
}

// ---------------------------------------------------------------------------
// Numbers

template <double (*F)(double)>
void fnMath(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    double d;
    if (!numberOf(argv[0], &d))
        return typeMismatch(ctx);
    const double r = F(d);
    if (std::isnan(r))
        return invalidCall(ctx);
    if (std::isinf(r))
        return overflow(ctx);
    if (sqlite3_value_type(argv[0]) == SQLITE_INTEGER && r == std::trunc(r))
        resultNumber(ctx, r);
    else
        sqlite3_result_double(ctx, r);
}

double absOf(double d) { return std::fabs(d); }
double sgnOf(double d) { return d > 0 ? 1 : d < 0 ? -1 : 0; }
double sqrOf(double d) { return d < 0 ? std::nan("") : std::sqrt(d); }
double expOf(double d) { return std::exp(d); }
double logOf(double d) { return d <= 0 ? std::nan("") : std::log(d); }

void fnRound(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    double d;
    long long digits = 0;
    if (!numberOf(argv[0], &d) || (argc > 1 && !intOf(argv[1], &digits)))
        return typeMismatch(ctx);
    if (digits < 0)
        return invalidCall(ctx);
    resultNumber(ctx, vb::Round(d, int(digits)));
}

// ---------------------------------------------------------------------------
// Dates

void fnDateSerial(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (anyNull(3, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    long long y, m, d;
    if (!intOf(argv[0], &y) || !intOf(argv[1], &m) || !intOf(argv[2], &d))
        return typeMismatch(ctx);
    if (std::llabs(y) > 100000 || std::llabs(m) > 1200000 || std::llabs(d) > 40000000)
        return overflow(ctx);
    try {
        sqlite3_result_double(ctx, vb::DateSerial(int(y), int(m), int(d)));
    } catch (const platform::Error&) {
        invalidCall(ctx);
    }
}

void fnTimeSerial(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (anyNull(3, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    long long h, m, s;
    if (!intOf(argv[0], &h) || !intOf(argv[1], &m) || !intOf(argv[2], &s))
        return typeMismatch(ctx);
    sqlite3_result_double(ctx, vb::TimeSerial(int(h), int(m), int(s)));
}

void fnNow(sqlite3_context* ctx, int, sqlite3_value**) { sqlite3_result_double(ctx, vb::Now()); }
void fnDate(sqlite3_context* ctx, int, sqlite3_value**) { sqlite3_result_double(ctx, vb::Today()); }
void fnTime(sqlite3_context* ctx, int, sqlite3_value**)
{
    sqlite3_result_double(ctx, QTime::currentTime().msecsSinceStartOfDay() / 86400000.0);
}

enum class Part { Year, Month, Day, Hour, Minute, Second, Weekday, Quarter, DayOfYear, Week };

int partOf(double days, Part p, int firstDay = 1)
{
    const QDateTime dt = vb::FromDayNumber(days);
    const QDate d = dt.date();
    switch (p) {
    case Part::Year: return d.year();
    case Part::Month: return d.month();
    case Part::Day: return d.day();
    case Part::Hour: return dt.time().hour();
    case Part::Minute: return dt.time().minute();
    case Part::Second: return dt.time().second();
    case Part::Weekday: return ((d.dayOfWeek() % 7 + 1) - firstDay + 7) % 7 + 1;
    case Part::Quarter: return (d.month() - 1) / 3 + 1;
    case Part::DayOfYear: return d.dayOfYear();
    case Part::Week: {
        const int jan1 = ((QDate(d.year(), 1, 1).dayOfWeek() % 7 + 1) - firstDay + 7) % 7 + 1;
        return (d.dayOfYear() - 1 + jan1 - 1) / 7 + 1;
    }
    }
    return 0;
}

template <Part P>
void fnPart(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    double days;
    if (!dayNumberOf(argv[0], &days))
        return typeMismatch(ctx);
    long long firstDay = 1;
    if (argc > 1 && !isNull(argv[1]) && (!intOf(argv[1], &firstDay) || firstDay < 0 || firstDay > 7))
        return invalidCall(ctx);
    sqlite3_result_int(ctx, partOf(days, P, firstDay == 0 ? 1 : int(firstDay)));
}

bool intervalOf(sqlite3_value* v, QString* out)
{
    if (sqlite3_value_type(v) != SQLITE_TEXT)
        return false;
    *out = qtextOf(v).trimmed().toLower();
    static const QStringList known = {QStringLiteral("yyyy"), QStringLiteral("q"), QStringLiteral("m"),
                                      QStringLiteral("y"),    QStringLiteral("d"), QStringLiteral("w"),
                                      QStringLiteral("ww"),   QStringLiteral("h"), QStringLiteral("n"),
                                      QStringLiteral("s")};
    return known.contains(*out);
}

void fnDateAdd(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[1]) || isNull(argv[2])) {
        sqlite3_result_null(ctx);
        return;
    }
    QString interval;
    if (!intervalOf(argv[0], &interval))
        return invalidCall(ctx);
    double n, days;
    if (!numberOf(argv[1], &n) || !dayNumberOf(argv[2], &days))
        return typeMismatch(ctx);
    const long long k = static_cast<long long>(std::trunc(n));
    double out;
    if (interval == QLatin1String("yyyy") || interval == QLatin1String("q") || interval == QLatin1String("m")) {
        const long long months = interval == QLatin1String("yyyy") ? k * 12 : interval == QLatin1String("q") ? k * 3 : k;
        const QDateTime dt = vb::FromDayNumber(days);
        const QDate moved = dt.date().addMonths(int(months)); // the day is kept within the month
        if (!moved.isValid())
            return overflow(ctx);
        out = vb::ToDayNumber(QDateTime(moved, dt.time()));
    } else {
        double step = 1;
        if (interval == QLatin1String("w") || interval == QLatin1String("ww"))
            step = 7;
        else if (interval == QLatin1String("h"))
            step = 1.0 / 24;
        else if (interval == QLatin1String("n"))
            step = 1.0 / 1440;
        else if (interval == QLatin1String("s"))
            step = 1.0 / 86400;
        // Move along a plain time line (days plus time of day), then write
        // the result back the run time's way, where a day before day 0
        // carries its time as a positive fraction.
        const double whole = std::trunc(days);
        const double line = whole + std::fabs(days - whole);
        const double moved = line + double(k) * step;
        const double mw = std::floor(moved);
        const double mf = moved - mw;
        out = mw < 0 ? mw - mf : mw + mf;
    }
    sqlite3_result_double(ctx, out);
}

void fnDateDiff(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (isNull(argv[1]) || isNull(argv[2])) {
        sqlite3_result_null(ctx);
        return;
    }
    QString interval;
    if (!intervalOf(argv[0], &interval))
        return invalidCall(ctx);
    double a, b;
    if (!dayNumberOf(argv[1], &a) || !dayNumberOf(argv[2], &b))
        return typeMismatch(ctx);
    long long firstDay = 1;
    if (argc > 3 && !isNull(argv[3]) && !intOf(argv[3], &firstDay))
        return typeMismatch(ctx);
    const QDateTime da = vb::FromDayNumber(a), db = vb::FromDayNumber(b);
    long long r = 0;
    auto secondsOf = [](const QDateTime& dt) {
        return QDate(1899, 12, 30).daysTo(dt.date()) * 86400LL + dt.time().msecsSinceStartOfDay() / 1000;
    };
    auto floorDiv = [](long long x, long long y) { return x >= 0 ? x / y : -((-x + y - 1) / y); };
    if (interval == QLatin1String("yyyy"))
        r = db.date().year() - da.date().year();
    else if (interval == QLatin1String("q"))
        r = (db.date().year() * 4 + (db.date().month() - 1) / 3) - (da.date().year() * 4 + (da.date().month() - 1) / 3);
    else if (interval == QLatin1String("m"))
        r = (db.date().year() * 12 + db.date().month()) - (da.date().year() * 12 + da.date().month());
    else if (interval == QLatin1String("d") || interval == QLatin1String("y"))
        r = da.date().daysTo(db.date());
    else if (interval == QLatin1String("w"))
        r = da.date().daysTo(db.date()) / 7;
    else if (interval == QLatin1String("ww")) {
        // Week boundaries (first days of the week) crossed.
        const long long base = QDate(1899, 12, 30).daysTo(QDate(1899, 12, 31)); // a Sunday
        const long long offA = QDate(1899, 12, 30).daysTo(da.date()) - base - (firstDay - 1);
        const long long offB = QDate(1899, 12, 30).daysTo(db.date()) - base - (firstDay - 1);
        r = floorDiv(offB, 7) - floorDiv(offA, 7);
    } else {
        const long long unit = interval == QLatin1String("h") ? 3600 : interval == QLatin1String("n") ? 60 : 1;
        r = floorDiv(secondsOf(db), unit) - floorDiv(secondsOf(da), unit);
    }
    sqlite3_result_int64(ctx, r);
}

void fnDatePart(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (isNull(argv[1])) {
        sqlite3_result_null(ctx);
        return;
    }
    QString interval;
    if (!intervalOf(argv[0], &interval))
        return invalidCall(ctx);
    double days;
    if (!dayNumberOf(argv[1], &days))
        return typeMismatch(ctx);
    long long firstDay = 1;
    if (argc > 2 && !isNull(argv[2]) && !intOf(argv[2], &firstDay))
        return typeMismatch(ctx);
    const int fd = firstDay == 0 ? 1 : int(firstDay);
    Part p = Part::Year;
    if (interval == QLatin1String("q"))
        p = Part::Quarter;
    else if (interval == QLatin1String("m"))
        p = Part::Month;
    else if (interval == QLatin1String("y"))
        p = Part::DayOfYear;
    else if (interval == QLatin1String("d"))
        p = Part::Day;
    else if (interval == QLatin1String("w"))
        p = Part::Weekday;
    else if (interval == QLatin1String("ww"))
        p = Part::Week;
    else if (interval == QLatin1String("h"))
        p = Part::Hour;
    else if (interval == QLatin1String("n"))
        p = Part::Minute;
    else if (interval == QLatin1String("s"))
        p = Part::Second;
    sqlite3_result_int(ctx, partOf(days, p, fd));
}

void fnCDate(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    double days;
    if (!dayNumberOf(argv[0], &days))
        return typeMismatch(ctx);
    sqlite3_result_double(ctx, days);
}

void fnDateValue(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    double days;
    if (!dayNumberOf(argv[0], &days))
        return typeMismatch(ctx);
    sqlite3_result_double(ctx, std::trunc(days));
}

void fnTimeValue(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    double days;
    if (!dayNumberOf(argv[0], &days))
        return typeMismatch(ctx);
    sqlite3_result_double(ctx, std::fabs(days - std::trunc(days)));
}

// ---------------------------------------------------------------------------
// First and Last: the value of the first and of the last row of a group.

struct Kept {
    sqlite3_value* value;
};

void firstStep(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    auto* k = static_cast<Kept*>(sqlite3_aggregate_context(ctx, sizeof(Kept)));
    if (k && !k->value)
        k->value = sqlite3_value_dup(argv[0]);
}

void lastStep(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    auto* k = static_cast<Kept*>(sqlite3_aggregate_context(ctx, sizeof(Kept)));
    if (!k)
        return;
    sqlite3_value_free(k->value);
    k->value = sqlite3_value_dup(argv[0]);
}

void keptFinal(sqlite3_context* ctx)
{
    auto* k = static_cast<Kept*>(sqlite3_aggregate_context(ctx, 0));
    if (k && k->value) {
        sqlite3_result_value(ctx, k->value);
        sqlite3_value_free(k->value);
        k->value = nullptr;
    } else {
        sqlite3_result_null(ctx);
    }
}

// ---------------------------------------------------------------------------

using Fn = void (*)(sqlite3_context*, int, sqlite3_value**);

struct Registration {
    const char* name;
    int args; // -1: any number
    Fn fn;
    bool deterministic;
};

const Registration kRegistrations[] = {
    {"like", 2, fnLike, true},
    {"jet_concat", -1, fnConcat, true},
    {"jet_add", 2, fnAdd, true},
    {"jet_sub", 2, fnSub, true},
    {"jet_mul", 2, fnMul, true},
    {"jet_div", 2, fnDiv, true},
    {"jet_idiv", 2, fnIntDiv, true},
    {"jet_mod", 2, fnMod, true},
    {"jet_pow", 2, fnPow, true},
    {"jet_neg", 1, fnNeg, true},
    {"jet_format", -1, fnFormat, true},
    {"jet_isnull", 1, fnIsNull, true},
    {"jet_isnumeric", 1, fnIsNumeric, true},
    {"jet_isdate", 1, fnIsDate, true},
    {"jet_val", 1, fnVal, true},
    {"jet_int", 1, fnRounding<floorOf>, true},
    {"jet_fix", 1, fnRounding<truncOf>, true},
    {"jet_left", 2, fnLeft, true},
    {"jet_right", 2, fnRight, true},
    {"jet_mid", -1, fnMid, true},
    {"jet_len", 1, fnLen, true},
    {"jet_ucase", 1, fnCase<true>, true},
    {"jet_lcase", 1, fnCase<false>, true},
    {"jet_trim", 1, fnTrim<true, true>, true},
    {"jet_ltrim", 1, fnTrim<true, false>, true},
    {"jet_rtrim", 1, fnTrim<false, true>, true},
    {"jet_instr", -1, fnInStr, true},
    {"jet_replace", -1, fnReplace, true},
    {"jet_strcomp", -1, fnStrComp, true},
    {"jet_nz", -1, fnNz, true},
    {"jet_chr", 1, fnChr, true},
    {"jet_asc", 1, fnAsc, true},
    {"jet_space", 1, fnSpace, true},
    {"jet_string", 2, fnString, true},
    {"jet_str", 1, fnStr, true},
    {"jet_hex", 1, fnHex, true},
    {"jet_cstr", 1, fnCStr, true},
    {"jet_clng", 1, fnWhole<-2147483648LL, 2147483647LL>, true},
    {"jet_cint", 1, fnWhole<-32768, 32767>, true},
    {"jet_cbyte", 1, fnWhole<0, 255>, true},
    {"jet_cdbl", 1, fnCDbl, true},
    {"jet_csng", 1, fnCSng, true},
    {"jet_ccur", 1, fnCCur, true},
    {"jet_cbool", 1, fnCBool, true},
    {"jet_abs", 1, fnMath<absOf>, true},
    {"jet_sgn", 1, fnMath<sgnOf>, true},
    {"jet_sqr", 1, fnMath<sqrOf>, true},
    {"jet_exp", 1, fnMath<expOf>, true},
    {"jet_log", 1, fnMath<logOf>, true},
    {"jet_round", -1, fnRound, true},
    {"jet_dateserial", 3, fnDateSerial, true},
    {"jet_timeserial", 3, fnTimeSerial, true},
    {"jet_now", 0, fnNow, false},
    {"jet_date", 0, fnDate, false},
    {"jet_time", 0, fnTime, false},
    {"jet_year", -1, fnPart<Part::Year>, true},
    {"jet_month", -1, fnPart<Part::Month>, true},
    {"jet_day", -1, fnPart<Part::Day>, true},
    {"jet_hour", -1, fnPart<Part::Hour>, true},
    {"jet_minute", -1, fnPart<Part::Minute>, true},
    {"jet_second", -1, fnPart<Part::Second>, true},
    {"jet_weekday", -1, fnPart<Part::Weekday>, true},
    {"jet_dateadd", 3, fnDateAdd, true},
    {"jet_datediff", -1, fnDateDiff, true},
    {"jet_datepart", -1, fnDatePart, true},
    {"jet_cdate", 1, fnCDate, true},
    {"jet_datevalue", 1, fnDateValue, true},
    {"jet_timevalue", 1, fnTimeValue, true},
};

}  // namespace

void RegisterFunctions(sqlite3* db)
{
    // A double-quoted name never turns into a string: an unknown column is
    // an error, as in Jet.
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_create_collation_v2(db, kCollation, SQLITE_UTF8, nullptr, collateJet, nullptr);
    sqlite3_create_collation_v2(db, kSortCollation, SQLITE_UTF8, nullptr, collateJetSort, nullptr);
    for (const Registration& r : kRegistrations) {
        const int flags = SQLITE_UTF8 | SQLITE_INNOCUOUS | (r.deterministic ? SQLITE_DETERMINISTIC : 0);
        sqlite3_create_function_v2(db, r.name, r.args, flags, nullptr, r.fn, nullptr, nullptr, nullptr);
    }
    const int aggFlags = SQLITE_UTF8 | SQLITE_INNOCUOUS;
    sqlite3_create_function_v2(db, "jet_first", 1, aggFlags, nullptr, nullptr, firstStep, keptFinal, nullptr);
    sqlite3_create_function_v2(db, "jet_last", 1, aggFlags, nullptr, nullptr, lastStep, keptFinal, nullptr);
}

}  // namespace platform::dao::jet
