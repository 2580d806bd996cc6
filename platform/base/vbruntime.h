#pragma once
// The run-time conversions of the system: Format, IsNumeric, Val, Int, Fix,
// the C... conversions, numbers written as text, and the date serials.
// The SQL functions of the database layer and the catalogue's own code share
// them, so a value formats the same way in a query and on a screen.
//
// One rule everywhere, whatever the machine's locale:
//   - a number in text is: optional blanks, an optional sign, digits with an
//     optional "." and fraction, an optional exponent (E or D, optional sign,
//     digits), optional blanks; or &H / &O followed by hexadecimal / octal
//     digits.  "," is not part of a number ("1,5" is not numeric).
//   - Format writes "." as the decimal point and "," as the thousands
//     separator; month and day names are English.
//   - dates are day numbers counted from 30 December 1899 (day 0), the time
//     of day being the fraction.
//
// Null is an invalid QVariant, as in the database layer.  Routines that
// cannot take a value raise platform::Error with the run time's numbers:
// 13 type mismatch, 6 overflow, 5 invalid procedure call, 94 invalid use of
// Null.

#include "platform/base/error.h"

#include <QDateTime>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace platform::vb {

namespace errors {
constexpr long InvalidUseOfNull = 94;
}

// ---------------------------------------------------------------------------
// Numbers and text

// True for numbers and for text that follows the number rule above; False
// for Null, empty text, dates and anything else.
bool IsNumeric(const QVariant& value);
bool IsNumericText(std::string_view utf8);
// The number in a text that IsNumeric accepts; false (out untouched) otherwise.
bool TextToNumber(std::string_view utf8, double* out);

// The number at the start of the text: blanks, tabs and line feeds anywhere
// are skipped, then an optional sign, digits, one ".", an exponent, or &H/&O;
// reading stops at the first other character.  Val("12.345A") = 12.345,
// Val(" 1 2") = 12, Val("x") = 0.
double Val(QStringView text);
double Val(std::string_view utf8);

// A Double as the run time writes it: up to 15 significant digits, no
// trailing zeros, scientific form outside 0.0001 <= |x| < 1E15
// (2.0 -> "2", 0.1 + 0.2 -> "0.3", 1E15 -> "1E+15", 0.00001 -> "1E-05").
QString NumberToText(double value);
void AppendNumberText(double value, std::string& out);

// CStr: text of any value; numbers as above, booleans "True"/"False", dates
// as Format writes them without a mask.  Null raises 94.
QString CStr(const QVariant& value);

// The value as a Double: numbers, booleans (-1/0), dates (day numbers) and
// numeric text.  Null raises 94, other text 13.
double CDbl(const QVariant& value);
// Rounded half to even and range-checked (6 overflow): 32-bit, 16-bit, byte.
std::int32_t CLng(const QVariant& value);
std::int16_t CInt(const QVariant& value);
std::uint8_t CByte(const QVariant& value);
// Integer part: Int rounds down (Int(-2.5) = -3), Fix toward zero (-2).
double Int(double value);
double Fix(double value);
// Round half to even at `digits` decimals (Round(2.5) = 2, Round(0.125, 2) = 0.12).
double Round(double value, int digits = 0);

// Trim, LTrim and RTrim remove spaces only (not tabs or line breaks).
QString Trim(const QString& text);
QString LTrim(const QString& text);
QString RTrim(const QString& text);

// ---------------------------------------------------------------------------
// Dates
//
// A date lies between 1 January 100 and 31 December 9999 (day numbers
// -657434 to 2958465 and its fraction).  Wherever a number becomes a date
// (Format with a date mask, FromDayNumber, the date functions) a number
// outside that range, or not a number at all, raises overflow (6).

constexpr double kMinDayNumber = -657434; // 1 January 100
constexpr double kMaxDayNumber = 2958465; // 31 December 9999
// Whether the day number is a date of that range (its time rounded to the
// second may not carry it past 31 December 9999).
bool IsDayNumberInRange(double days);

// DateSerial rolls months and days over (DateSerial(2024, 13, 1) is
// 1 January 2025; day 0 is the last day of the month before).  A result
// outside the date range raises 5.
double DateSerial(int year, int month, int day);
// Hours, minutes and seconds as a fraction of a day (may exceed one day).
double TimeSerial(int hour, int minute, int second);
double ToDayNumber(const QDateTime& dt);
double ToDayNumber(const QDate& d);
// The date and time of a day number, to the nearest second (local time spec);
// overflow (6) outside the date range.
QDateTime FromDayNumber(double days);
// A date written as text: "yyyy-mm-dd", "dd/mm/yyyy" (day first), either
// followed by " hh:nn[:ss]", or a time alone.  False when it is none of them
// or a date outside the range.
bool ParseDateText(QStringView text, double* days);
// Now() and Date() of the run time, as day numbers.
double Now();
double Today();

// ---------------------------------------------------------------------------
// Format

// Format(value, mask).  Null gives Null (or the fourth section of a number
// mask).  Numbers and numeric text use number masks ("0000 000 000" with
// 501123456 or "501123456" gives "0501 123 456"; "00,000,000", "000.00",
// "##0.00", "0.00E+00", "0%", sections "pos;neg;zero;null").  Dates, and
// numbers taken as day numbers, use date masks ("dd", "yyyy", "hh:nn:ss",
// "sshhyynnmmdd", "yyyy-mm-dd_hh-nn-ss"; m/mm after h/hh is minutes).  Text
// that is not numeric is returned unchanged by number and date masks; text
// masks (@ & < > !) take any value as text.  Named formats: "General
// Number", "Fixed", "Standard", "Percent", "Scientific", "Yes/No",
// "True/False", "On/Off", "General Date", "Long Date", "Medium Date",
// "Short Date", "Long Time", "Medium Time", "Short Time".  Without a mask a
// value is written as CStr writes it.
QVariant Format(const QVariant& value, const QString& mask = {});
// The same, "" for Null: the Format$ of the run time.
QString FormatText(const QVariant& value, const QString& mask = {});

// ---------------------------------------------------------------------------
// Lower level, for the SQL functions: values as SQLite holds them (UTF-8 text)
// and masks compiled once.

struct Value {
    enum Kind { Null, Integer, Real, Text, Date };
    Kind kind = Null;
    std::int64_t i = 0;
    double r = 0;          // Real, and Date as a day number
    std::string_view text; // UTF-8
};

class FormatMask {
public:
    explicit FormatMask(std::string_view utf8Mask);
    ~FormatMask();
    FormatMask(const FormatMask&) = delete;
    FormatMask& operator=(const FormatMask&) = delete;

    // Writes the formatted value to `out` (replacing its content).  Returns
    // false when the result is Null.
    bool apply(const Value& value, std::string& out) const;

    struct Impl;

private:
    std::unique_ptr<Impl> m_impl;
};

}  // namespace platform::vb
