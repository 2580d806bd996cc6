#pragma once
// Internal to platform/base: the helpers the run-time conversions
// (vbruntime.cpp), the date routines (vbdates.cpp) and the format masks
// (vbformat.cpp) share: the decimal digits of a number, the parts of a day
// number, and UTF-8 text helpers.

#include "platform/base/vbruntime.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <string>
#include <string_view>

namespace platform::vb::internal {

// ---------------------------------------------------------------------------
// Decimal numbers: the digits of a value, so that numeric text formats
// exactly and a Double formats from its 15 significant digits, as the run
// time does.

constexpr int kMaxDigits = 40;

struct Decimal {
    bool neg = false;
    int n = 0;     // significant digits in d; 0 for zero
    int point = 0; // value = 0.d[0]d[1]... x 10^point
    char d[kMaxDigits];

    bool isZero() const { return n == 0; }
    // Digit at index i of the expansion (0 beyond the stored digits).
    char at(int i) const { return i >= 0 && i < n ? d[i] : '0'; }
};

void stripTrailingZeros(Decimal& x);
Decimal fromInt64(std::int64_t v);
Decimal fromDouble(double v);
double toDouble(const Decimal& x);
// Rounds to `decimals` places after the point: half away from zero, or half
// to even when `bankers`.
void roundDecimal(Decimal& x, int decimals, bool bankers = false);
bool isBlank(char c);
bool parseNumeric(std::string_view s, Decimal& out);

// ---------------------------------------------------------------------------
// Dates

const QDate& baseDate();

struct DateParts {
    int year, month, day, hour, minute, second;
    int weekday;   // 1 Sunday .. 7 Saturday
    int dayOfYear; // 1..366
    std::int64_t whole;
    int secs;
};

[[noreturn]] void dateOverflow();
// Whole days and seconds of the day; false outside the date range.
bool splitSeconds(double days, double* wholeOut, long long* secsOut);
DateParts splitDayNumber(double days);

// ---------------------------------------------------------------------------
// Text helpers

void appendUtf8(std::string& out, const QString& s);
QString fromUtf8(std::string_view s);
std::string_view viewOf(const QByteArray& b);
// The UTF-8 bytes of a value taken as text (a byte array as it is).
QByteArray utf8Of(const QVariant& v);
bool isWholeNumberType(int id);
void append2(std::string& out, int v);
void appendInt(std::string& out, long long v);
void appendPadded(std::string& out, long long v, int width);
// Raises run-time error `number` with its description (runTimeErrorText).
[[noreturn]] void raise(long number);

}  // namespace platform::vb::internal
