#pragma once
// Shared by the registered SQL functions (jetfunctions.cpp,
// jettextfunctions.cpp, jetdatefunctions.cpp): reading arguments as the run
// time does, and writing results and errors.  Errors reach SQLite as
// "JET<number>:<text>", which the database layer turns back into
// platform::Error.

#include "platform/base/vbruntime.h"

#include <QString>

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>

namespace platform::dao::jet::detail {

using vb::Value;

// ---------------------------------------------------------------------------
// Results and errors

inline void raise(sqlite3_context* ctx, long number, const char* text)
{
    const std::string msg = "JET" + std::to_string(number) + ":" + text;
    sqlite3_result_error(ctx, msg.c_str(), int(msg.size()));
}

inline void typeMismatch(sqlite3_context* ctx) { raise(ctx, 3464, "Data type mismatch in criteria expression."); }
inline void invalidCall(sqlite3_context* ctx) { raise(ctx, 5, "Invalid procedure call or argument."); }
inline void overflow(sqlite3_context* ctx) { raise(ctx, 6, "Overflow."); }
inline void divisionByZero(sqlite3_context* ctx) { raise(ctx, 11, "Division by zero."); }
inline void invalidUseOfNull(sqlite3_context* ctx) { raise(ctx, 94, "Invalid use of Null."); }
inline void outOfStringSpace(sqlite3_context* ctx) { raise(ctx, 14, "Out of string space."); }

// The longest text (UTF-8 bytes) a function may build: the connection's own
// length limit, and never more than kMaxTextBytes.  Functions that build
// texts from counts (Space, String, Replace, the concatenations) check the
// size before they allocate and raise 14 instead.
inline constexpr std::size_t kMaxTextBytes = 64 * 1024 * 1024;

inline std::size_t textLimit(sqlite3_context* ctx)
{
    const int limit = sqlite3_limit(sqlite3_context_db_handle(ctx), SQLITE_LIMIT_LENGTH, -1);
    return limit > 0 ? std::min(kMaxTextBytes, std::size_t(limit)) : kMaxTextBytes;
}

// Whether a text of that many bytes is longer than the limit (14 then set).
inline bool tooLong(sqlite3_context* ctx, std::size_t bytes)
{
    if (bytes <= textLimit(ctx))
        return false;
    outOfStringSpace(ctx);
    return true;
}

inline void resultText(sqlite3_context* ctx, std::string_view s)
{
    if (!tooLong(ctx, s.size()))
        sqlite3_result_text64(ctx, s.data(), sqlite3_uint64(s.size()), SQLITE_TRANSIENT, SQLITE_UTF8);
}

inline void resultText(sqlite3_context* ctx, const QString& s)
{
    const QByteArray b = s.toUtf8();
    resultText(ctx, std::string_view(b.constData(), std::size_t(b.size())));
}

inline void resultBool(sqlite3_context* ctx, bool b) { sqlite3_result_int(ctx, b ? -1 : 0); }

// A whole number as an integer, anything else as a Double.
inline void resultNumber(sqlite3_context* ctx, double d)
{
    if (d == std::trunc(d) && std::fabs(d) < 9007199254740992.0)
        sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(d));
    else
        sqlite3_result_double(ctx, d);
}

// ---------------------------------------------------------------------------
// Arguments

inline bool isNull(sqlite3_value* v) { return sqlite3_value_type(v) == SQLITE_NULL; }

inline bool anyNull(int argc, sqlite3_value** argv)
{
    for (int k = 0; k < argc; ++k)
        if (isNull(argv[k]))
            return true;
    return false;
}

inline std::string_view rawText(sqlite3_value* v)
{
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return p ? std::string_view(p, std::size_t(sqlite3_value_bytes(v))) : std::string_view();
}

// The value as the run time writes it (numbers without a trailing ".0").
inline std::string_view textOf(sqlite3_value* v, std::string& buf)
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

inline QString qtextOf(sqlite3_value* v)
{
    std::string buf;
    const std::string_view s = textOf(v, buf);
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// Numbers, and text that IsNumeric accepts; false for anything else.
inline bool numberOf(sqlite3_value* v, double* out)
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
inline bool dayNumberOf(sqlite3_value* v, double* out)
{
    if (numberOf(v, out))
        return true;
    if (sqlite3_value_type(v) == SQLITE_TEXT)
        return vb::ParseDateText(qtextOf(v), out);
    return false;
}

// An Integer argument of the run time: rounded half to even.
inline bool intOf(sqlite3_value* v, long long* out)
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

inline Value valueOf(sqlite3_value* v)
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

// ---------------------------------------------------------------------------
// The start of most functions: Null in gives Null out, and an argument that
// is not of the kind needed is a type mismatch.  Each returns false when the
// result is set already (Null or the error), true with the argument read.

inline bool nullIn(sqlite3_context* ctx, sqlite3_value* v)
{
    if (!isNull(v))
        return false;
    sqlite3_result_null(ctx);
    return true;
}

inline bool nullIn(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (!anyNull(argc, argv))
        return false;
    sqlite3_result_null(ctx);
    return true;
}

template <typename T>
inline bool readArg(sqlite3_context* ctx, sqlite3_value* v, bool (*read)(sqlite3_value*, T*), T* out)
{
    if (nullIn(ctx, v))
        return false;
    if (read(v, out))
        return true;
    typeMismatch(ctx);
    return false;
}

inline bool numberArg(sqlite3_context* ctx, sqlite3_value* v, double* out) { return readArg(ctx, v, numberOf, out); }
inline bool intArg(sqlite3_context* ctx, sqlite3_value* v, long long* out) { return readArg(ctx, v, intOf, out); }
inline bool dayNumberArg(sqlite3_context* ctx, sqlite3_value* v, double* out)
{
    return readArg(ctx, v, dayNumberOf, out);
}

// The two operands of an operator: Null in either gives Null.
template <typename T>
inline bool readArgs(sqlite3_context* ctx, sqlite3_value** argv, bool (*read)(sqlite3_value*, T*), T* a, T* b)
{
    if (nullIn(ctx, 2, argv))
        return false;
    if (read(argv[0], a) && read(argv[1], b))
        return true;
    typeMismatch(ctx);
    return false;
}

// ---------------------------------------------------------------------------
// UTF-8 character helpers
inline bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

inline std::size_t charCount(std::string_view s)
{
    std::size_t n = 0;
    for (unsigned char c : s)
        n += !isContinuation(c);
    return n;
}

// Byte offset of character index `k` (clamped to the end).
inline std::size_t byteOffset(std::string_view s, std::size_t k)
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
// Registration

using SqlFunction = void (*)(sqlite3_context*, int, sqlite3_value**);

// A function takes `args` to `maxArgs` arguments (exactly `args` when
// maxArgs is not given; any number when args is -1).  Each count is
// registered on its own, so that SQLite refuses any other count before the
// function reads an argument that is not there.
struct Registration {
    const char* name;
    int args;
    SqlFunction fn;
    bool deterministic;
    int maxArgs = -2;
};

inline void Register(sqlite3* db, const Registration* r, std::size_t n)
{
    for (std::size_t k = 0; k < n; ++k) {
        const int flags = SQLITE_UTF8 | SQLITE_INNOCUOUS | (r[k].deterministic ? SQLITE_DETERMINISTIC : 0);
        for (int count = r[k].args; count <= std::max(r[k].args, r[k].maxArgs); ++count)
            sqlite3_create_function_v2(db, r[k].name, count, flags, nullptr, r[k].fn, nullptr, nullptr, nullptr);
    }
}

void RegisterTextFunctions(sqlite3* db);
void RegisterDateFunctions(sqlite3* db);

}  // namespace platform::dao::jet::detail
