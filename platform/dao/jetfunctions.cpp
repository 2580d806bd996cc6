// The SQL functions, collations and LIKE that give translated statements
// Jet's meaning: operators, LIKE, the collations, Format and the tests,
// conversions, numbers, First and Last; the text and date functions live in
// jettextfunctions.cpp and jetdatefunctions.cpp.  Every function follows the
// run time: Null in gives Null out (IsNull, IsNumeric, Nz and the
// concatenation excepted), numbers and numeric text are interchangeable,
// other text where a number is needed is Jet's type mismatch (3464).

#include "platform/dao/jetsql.h"

#include "platform/dao/jetcollation.h"
#include "platform/dao/jetfunctions.h"

#include <iterator>
#include <limits>
#include <memory>

namespace platform::dao::jet {
namespace {

using namespace detail;

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
        const std::string_view piece = textOf(argv[k], buf);
        if (tooLong(ctx, out.size() + piece.size()))
            return;
        out += piece;
    }
    if (!any)
        sqlite3_result_null(ctx);
    else
        resultText(ctx, out);
}

enum class Arith { Add, Sub, Mul };

void arithmetic(sqlite3_context* ctx, sqlite3_value** argv, Arith op)
{
    if (nullIn(ctx, 2, argv))
        return;
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
        const std::string_view a = rawText(argv[0]), b = rawText(argv[1]);
        if (tooLong(ctx, a.size() + b.size()))
            return;
        thread_local std::string out;
        out.assign(a);
        out += b;
        resultText(ctx, out);
        return;
    }
    arithmetic(ctx, argv, Arith::Add);
}

void fnSub(sqlite3_context* ctx, int, sqlite3_value** argv) { arithmetic(ctx, argv, Arith::Sub); }
void fnMul(sqlite3_context* ctx, int, sqlite3_value** argv) { arithmetic(ctx, argv, Arith::Mul); }

void fnDiv(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    double a, b;
    if (!readArgs(ctx, argv, numberOf, &a, &b))
        return;
    if (b == 0)
        return divisionByZero(ctx);
    sqlite3_result_double(ctx, a / b);
}

// "\" and Mod round their operands to whole numbers first.
template <bool Mod>
void fnWholeDivision(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    long long a, b;
    if (!readArgs(ctx, argv, intOf, &a, &b))
        return;
    if (b == 0)
        return divisionByZero(ctx);
    sqlite3_result_int64(ctx, Mod ? a % b : a / b);
}

void fnPow(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    double a, b;
    if (!readArgs(ctx, argv, numberOf, &a, &b))
        return;
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
    if (nullIn(ctx, 2, argv))
        return;
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
    bool notNull = false;
    bool failed = false;
    try {
        notNull = mask->apply(v, out);
    } catch (const platform::Error& e) { // a number that is no date for a date mask
        raise(ctx, e.number(), e.description().toUtf8().constData());
        failed = true;
    }
    if (fresh)
        sqlite3_set_auxdata(ctx, 1, fresh.release(), [](void* p) { delete static_cast<vb::FormatMask*>(p); });
    if (failed)
        return;
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

// Dates are stored as day numbers, so a number of the date range counts as a date.
void fnIsDate(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    double d;
    switch (sqlite3_value_type(argv[0])) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT: resultBool(ctx, numberOf(argv[0], &d) && vb::IsDayNumberInRange(d)); return;
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
// Conversions

void fnCStr(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (nullIn(ctx, argv[0]))
        return;
    std::string buf;
    resultText(ctx, textOf(argv[0], buf));
}

template <long long Lo, long long Hi>
void fnWhole(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    double d;
    if (!numberArg(ctx, argv[0], &d))
        return;
    d = std::nearbyint(d);
    if (!(d >= double(Lo) && d <= double(Hi)))
        return overflow(ctx);
    sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(d));
}

void fnCDbl(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    double d;
    if (numberArg(ctx, argv[0], &d))
        sqlite3_result_double(ctx, d);
}

void fnCSng(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    double d;
    if (!numberArg(ctx, argv[0], &d))
        return;
    if (std::fabs(d) > double(std::numeric_limits<float>::max()))
        return overflow(ctx);
    // A Single keeps about 7 significant digits.
    sqlite3_result_double(ctx, QString::number(double(float(d)), 'g', 7).toDouble());
}

void fnCCur(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    double d;
    if (numberArg(ctx, argv[0], &d))
        resultNumber(ctx, vb::Round(d, 4));
}

void fnCBool(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (nullIn(ctx, argv[0]))
        return;
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
    double d;
    if (!numberArg(ctx, argv[0], &d))
        return;
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
    double d;
    long long digits = 0;
    if (!numberArg(ctx, argv[0], &d))
        return;
    if (argc > 1 && !intOf(argv[1], &digits))
        return typeMismatch(ctx);
    if (digits < 0)
        return invalidCall(ctx);
    // Beyond the 17 significant digits of a Double every rounding keeps the value.
    resultNumber(ctx, vb::Round(d, int(std::min(digits, 400LL))));
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

const Registration kFunctions[] = {
    {"like", 2, fnLike, true},
    {"jet_concat", -1, fnConcat, true},
    {"jet_add", 2, fnAdd, true},
    {"jet_sub", 2, fnSub, true},
    {"jet_mul", 2, fnMul, true},
    {"jet_div", 2, fnDiv, true},
    {"jet_idiv", 2, fnWholeDivision<false>, true},
    {"jet_mod", 2, fnWholeDivision<true>, true},
    {"jet_pow", 2, fnPow, true},
    {"jet_neg", 1, fnNeg, true},
    {"jet_format", 1, fnFormat, true, 4},
    {"jet_isnull", 1, fnIsNull, true},
    {"jet_isnumeric", 1, fnIsNumeric, true},
    {"jet_isdate", 1, fnIsDate, true},
    {"jet_val", 1, fnVal, true},
    {"jet_int", 1, fnRounding<floorOf>, true},
    {"jet_fix", 1, fnRounding<truncOf>, true},
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
    {"jet_round", 1, fnRound, true, 2},
};

}  // namespace

void RegisterFunctions(sqlite3* db)
{
    // A double-quoted name never turns into a string: an unknown column is
    // an error, as in Jet.
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_create_collation_v2(db, kCollation, SQLITE_UTF8, nullptr, collateJet, nullptr);
    sqlite3_create_collation_v2(db, kSortCollation, SQLITE_UTF8, nullptr, collateJetSort, nullptr);
    Register(db, kFunctions, std::size(kFunctions));
    RegisterTextFunctions(db);
    RegisterDateFunctions(db);
    const int aggFlags = SQLITE_UTF8 | SQLITE_INNOCUOUS;
    sqlite3_create_function_v2(db, "jet_first", 1, aggFlags, nullptr, nullptr, firstStep, keptFinal, nullptr);
    sqlite3_create_function_v2(db, "jet_last", 1, aggFlags, nullptr, nullptr, lastStep, keptFinal, nullptr);
}

}  // namespace platform::dao::jet
