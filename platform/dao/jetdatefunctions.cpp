// Date functions of Jet SQL over day numbers (days from 30 December 1899,
// the time of day as the fraction): DateSerial, TimeSerial, Now, Date, Time,
// Year ... Second, Weekday, DateAdd, DateDiff, DatePart, CDate, DateValue,
// TimeValue.  Text arguments may be numbers or dates written as text.

#include "platform/dao/jetfunctions.h"

#include <QDate>
#include <QDateTime>
#include <QStringList>
#include <QTime>

#include <climits>
#include <iterator>

namespace platform::dao::jet::detail {
namespace {

// A date argument: Null gives Null, what is no date a type mismatch, a day
// number outside the date range overflow.  False when the result is set.
bool dateArg(sqlite3_context* ctx, sqlite3_value* v, double* days)
{
    if (!dayNumberArg(ctx, v, days))
        return false;
    if (vb::IsDayNumberInRange(*days))
        return true;
    overflow(ctx);
    return false;
}

// A date of a function's result: the day number, or overflow outside the range.
void resultDate(sqlite3_context* ctx, double days)
{
    if (vb::IsDayNumberInRange(days))
        sqlite3_result_double(ctx, days);
    else
        overflow(ctx);
}

// The first day of the week (0 the default, 1 Sunday .. 7 Saturday); false
// with the error set when the argument is no such day.
bool firstDayArg(sqlite3_context* ctx, int argc, sqlite3_value** argv, int index, int* out)
{
    long long firstDay = 1;
    if (argc > index && !isNull(argv[index])) {
        if (!intOf(argv[index], &firstDay)) {
            typeMismatch(ctx);
            return false;
        }
        if (firstDay < 0 || firstDay > 7) {
            invalidCall(ctx);
            return false;
        }
    }
    *out = firstDay == 0 ? 1 : int(firstDay);
    return true;
}

// ---------------------------------------------------------------------------
// Dates

void fnDateSerial(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (nullIn(ctx, 3, argv))
        return;
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
    if (nullIn(ctx, 3, argv))
        return;
    long long h, m, s;
    if (!intOf(argv[0], &h) || !intOf(argv[1], &m) || !intOf(argv[2], &s))
        return typeMismatch(ctx);
    for (const long long v : {h, m, s})
        if (v < INT_MIN || v > INT_MAX)
            return overflow(ctx);
    resultDate(ctx, vb::TimeSerial(int(h), int(m), int(s)));
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
    double days;
    if (!dateArg(ctx, argv[0], &days))
        return;
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
    if (nullIn(ctx, 2, argv + 1))
        return;
    QString interval;
    if (!intervalOf(argv[0], &interval))
        return invalidCall(ctx);
    double n, days;
    if (!numberOf(argv[1], &n) || !dayNumberOf(argv[2], &days))
        return typeMismatch(ctx);
    if (!vb::IsDayNumberInRange(days))
        return overflow(ctx);
    // The count stays a Double until it is known to move the date inside
    // its range: no conversion to an integer can wrap or truncate it.
    const double k = std::trunc(n);
    double out;
    if (interval == QLatin1String("yyyy") || interval == QLatin1String("q") || interval == QLatin1String("m")) {
        const double months = interval == QLatin1String("yyyy") ? k * 12 : interval == QLatin1String("q") ? k * 3 : k;
        if (!(std::fabs(months) <= 12.0 * 10000))
            return overflow(ctx);
        const QDateTime dt = vb::FromDayNumber(days);
        const QDate moved = dt.date().addMonths(int(months)); // the day is kept within the month
        if (!moved.isValid() || moved.year() < 100 || moved.year() > 9999)
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
        const double moved = line + k * step;
        const double mw = std::floor(moved);
        const double mf = moved - mw;
        out = mw < 0 ? mw - mf : mw + mf;
    }
    resultDate(ctx, out);
}

void fnDateDiff(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (nullIn(ctx, 2, argv + 1))
        return;
    QString interval;
    if (!intervalOf(argv[0], &interval))
        return invalidCall(ctx);
    double a, b;
    if (!dayNumberOf(argv[1], &a) || !dayNumberOf(argv[2], &b))
        return typeMismatch(ctx);
    if (!vb::IsDayNumberInRange(a) || !vb::IsDayNumberInRange(b))
        return overflow(ctx);
    int firstDay = 1;
    if (!firstDayArg(ctx, argc, argv, 3, &firstDay))
        return;
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
    if (nullIn(ctx, argv[1]))
        return;
    QString interval;
    if (!intervalOf(argv[0], &interval))
        return invalidCall(ctx);
    double days;
    if (!dayNumberOf(argv[1], &days))
        return typeMismatch(ctx);
    if (!vb::IsDayNumberInRange(days))
        return overflow(ctx);
    int fd = 1;
    if (!firstDayArg(ctx, argc, argv, 2, &fd))
        return;
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

// CDate, DateValue and TimeValue: the day number, its date, its time of day.
template <double (*F)(double)>
void fnDayNumber(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    double days;
    if (dateArg(ctx, argv[0], &days))
        sqlite3_result_double(ctx, F(days));
}

double wholeDay(double days) { return days; }
double dateOf(double days) { return std::trunc(days); }
double timeOf(double days) { return std::fabs(days - std::trunc(days)); }


const Registration kDateFunctions[] = {
    {"jet_dateserial", 3, fnDateSerial, true},
    {"jet_timeserial", 3, fnTimeSerial, true},
    {"jet_now", 0, fnNow, false},
    {"jet_date", 0, fnDate, false},
    {"jet_time", 0, fnTime, false},
    {"jet_year", 1, fnPart<Part::Year>, true},
    {"jet_month", 1, fnPart<Part::Month>, true},
    {"jet_day", 1, fnPart<Part::Day>, true},
    {"jet_hour", 1, fnPart<Part::Hour>, true},
    {"jet_minute", 1, fnPart<Part::Minute>, true},
    {"jet_second", 1, fnPart<Part::Second>, true},
    {"jet_weekday", 1, fnPart<Part::Weekday>, true, 2},
    {"jet_dateadd", 3, fnDateAdd, true},
    {"jet_datediff", 3, fnDateDiff, true, 5},
    {"jet_datepart", 2, fnDatePart, true, 4},
    {"jet_cdate", 1, fnDayNumber<wholeDay>, true},
    {"jet_datevalue", 1, fnDayNumber<dateOf>, true},
    {"jet_timevalue", 1, fnDayNumber<timeOf>, true},
};

}  // namespace

void RegisterDateFunctions(sqlite3* db) { Register(db, kDateFunctions, std::size(kDateFunctions)); }

}  // namespace platform::dao::jet::detail
