// The date routines of the run time: day numbers, their parts, DateSerial,
// TimeSerial and the reading of dates written as text.

#include "platform/base/vbruntime.h"

#include "platform/base/language.h"
#include "platform/base/vbruntime_internal.h"

#include <QDate>
#include <QTime>

#include <cmath>

namespace platform::vb {
namespace internal {

const QDate& baseDate()
{
    static const QDate base(1899, 12, 30);
    return base;
}

[[noreturn]] void dateOverflow()
{
    throw platform::Error(platform::errors::Overflow, platform::runTimeErrorText(platform::errors::Overflow));
}

bool splitSeconds(double days, double* wholeOut, long long* secsOut)
{
    if (!(days > kMinDayNumber - 1 && days < kMaxDayNumber + 1)) // NaN too
        return false;
    double whole = std::trunc(days);
    const double frac = std::fabs(days - whole);
    long long secs = std::llround(frac * 86400.0);
    if (secs >= 86400) {
        secs -= 86400;
        whole += days < 0 ? -1 : 1;
    }
    if (whole < kMinDayNumber || whole > kMaxDayNumber)
        return false;
    *wholeOut = whole;
    *secsOut = secs;
    return true;
}

DateParts splitDayNumber(double days)
{
    DateParts p{};
    double whole = 0;
    long long secs = 0;
    if (!splitSeconds(days, &whole, &secs))
        dateOverflow();
    p.whole = static_cast<std::int64_t>(whole);
    p.secs = int(secs);
    const QDate d = baseDate().addDays(p.whole);
    p.year = d.year();
    p.month = d.month();
    p.day = d.day();
    p.weekday = d.dayOfWeek() % 7 + 1;
    p.dayOfYear = d.dayOfYear();
    p.hour = p.secs / 3600;
    p.minute = p.secs / 60 % 60;
    p.second = p.secs % 60;
    return p;
}

}  // namespace internal

using namespace internal;

// ---------------------------------------------------------------------------
// Dates

bool IsDayNumberInRange(double days)
{
    double whole = 0;
    long long secs = 0;
    return splitSeconds(days, &whole, &secs);
}

double DateSerial(int year, int month, int day)
{
    if (year >= 0 && year < 100)
        year += year < 30 ? 2000 : 1900;
    const long long months = static_cast<long long>(year) * 12 + (month - 1LL);
    const long long y = months >= 0 ? months / 12 : -((-months + 11) / 12);
    const int m = int(months - y * 12) + 1;
    if (y < 1 || y > 9999)
        raise(platform::errors::InvalidProcedureCall);
    const QDate first(int(y), m, 1);
    const double days = double(baseDate().daysTo(first) + (day - 1LL));
    if (!first.isValid() || days < kMinDayNumber || days > kMaxDayNumber)
        raise(platform::errors::InvalidProcedureCall);
    return days;
}

double TimeSerial(int hour, int minute, int second)
{
    return (static_cast<double>(hour) * 3600 + static_cast<double>(minute) * 60 + second) / 86400.0;
}

double ToDayNumber(const QDate& d) { return double(baseDate().daysTo(d)); }

double ToDayNumber(const QDateTime& dt)
{
    const double days = double(baseDate().daysTo(dt.date()));
    const double frac = dt.time().msecsSinceStartOfDay() / 86400000.0;
    return days < 0 ? days - frac : days + frac;
}

QDateTime FromDayNumber(double days)
{
    const DateParts p = splitDayNumber(days);
    return QDateTime(baseDate().addDays(p.whole), QTime(p.hour, p.minute, p.second));
}

bool ParseDateText(QStringView text, double* days)
{
    const QString t = text.trimmed().toString();
    if (t.isEmpty())
        return false;
    QString datePart = t, timePart;
    const qsizetype sp = t.indexOf(QLatin1Char(' '));
    if (sp > 0) {
        datePart = t.left(sp);
        timePart = t.mid(sp + 1).trimmed();
    } else if (t.contains(QLatin1Char(':'))) {
        datePart.clear();
        timePart = t;
    }
    double result = 0;
    if (!datePart.isEmpty()) {
        const QChar sep = datePart.contains(QLatin1Char('-')) ? QLatin1Char('-') : QLatin1Char('/');
        const QStringList f = datePart.split(sep);
        if (f.size() != 3)
            return false;
        bool ok1, ok2, ok3;
        int a = f[0].toInt(&ok1), b = f[1].toInt(&ok2), c = f[2].toInt(&ok3);
        if (!ok1 || !ok2 || !ok3)
            return false;
        int y, m, d;
        if (f[0].size() == 4) {
            y = a, m = b, d = c;
        } else {
            d = a, m = b, y = c;
            if (f[2].size() <= 2)
                y += y < 30 ? 2000 : 1900;
        }
        const QDate date(y, m, d);
        if (!date.isValid() || y < 100 || y > 9999)
            return false;
        result = ToDayNumber(date);
    }
    if (!timePart.isEmpty()) {
        const QStringList f = timePart.split(QLatin1Char(':'));
        if (f.size() < 2 || f.size() > 3)
            return false;
        int hms[3] = {0, 0, 0};
        for (qsizetype k = 0; k < f.size(); ++k) {
            bool ok;
            hms[k] = f[k].toInt(&ok);
            if (!ok)
                return false;
        }
        if (hms[0] > 23 || hms[1] > 59 || hms[2] > 59 || hms[0] < 0 || hms[1] < 0 || hms[2] < 0)
            return false;
        const double frac = TimeSerial(hms[0], hms[1], hms[2]);
        result = result < 0 ? result - frac : result + frac;
    }
    *days = result;
    return true;
}

double Now() { return ToDayNumber(QDateTime::currentDateTime()); }
double Today() { return ToDayNumber(QDate::currentDate()); }

}  // namespace platform::vb
