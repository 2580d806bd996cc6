#include "platform/base/vbruntime.h"

#include <gtest/gtest.h>

#include <QDateTime>

#include <climits>
#include <cmath>

using namespace platform;

namespace {

const QVariant Null;

struct FormatCase {
    const char* name;
    QVariant value;
    const char* mask;
    QVariant expected; // Null: the result is Null
};

}  // namespace

TEST(VbFormat, NumberMasks)
{
    const FormatCase cases[] = {
        {"company number", 501123456, "0000 000 000", QStringLiteral("0501 123 456")},
        {"company number as numeric text", QStringLiteral("501123456"), "0000 000 000",
         QStringLiteral("0501 123 456")},
        {"more digits than places go in front", QStringLiteral("12345678901"), "0000 000 000",
         QStringLiteral("12345 678 901")},
        {"text that is not numeric stays", QStringLiteral("A-501.2"), "0000 000 000", QStringLiteral("A-501.2")},
        {"empty text stays", QStringLiteral(""), "0000 000 000", QStringLiteral("")},
        {"Null stays Null", Null, "0000 000 000", Null},
        {"grouped", 1234567, "00,000,000", QStringLiteral("01,234,567")},
        {"grouped, wider than the mask", 1234567890, "00,000,000", QStringLiteral("1,234,567,890")},
        {"item with two points is text", QStringLiteral("01.002.000"), "00,000,000", QStringLiteral("01.002.000")},
        {"decimals padded", 5, "000.00", QStringLiteral("005.00")},
        {"decimals rounded half away from zero", 2.345, "000.00", QStringLiteral("002.35")},
        {"numeric text with fraction", QStringLiteral("1.5"), "000.00", QStringLiteral("001.50")},
        {"progress percent", 33.333333333, "##0.00", QStringLiteral("33.33")},
        {"progress at zero", 0, "##0.00", QStringLiteral("0.00")},
        {"progress at one hundred", 100.0, "##0.00", QStringLiteral("100.00")},
        {"label index", 7, "000", QStringLiteral("007")},
        {"page index", 3, "00", QStringLiteral("03")},
        {"negative", -5.5, "0.0", QStringLiteral("-5.5")},
        {"negative rounded to zero has no sign", -0.001, "0.00", QStringLiteral("0.00")},
        {"optional places dropped", 5, "#.##", QStringLiteral("5.")},
        {"leading hash with zero", 0.5, "#.00", QStringLiteral(".50")},
        {"percent", 0.256, "0.0%", QStringLiteral("25.6%")},
        {"thousands scaling", 1234567, "0,", QStringLiteral("1235")},
        {"scientific", 1234.5, "0.00E+00", QStringLiteral("1.23E+03")},
        {"scientific small", 0.000123, "0.0E-00", QStringLiteral("1.2E-04")},
        {"sections: negative", -5, "0;(0)", QStringLiteral("(5)")},
        {"sections: zero", 0, "0;(0);\"zero\"", QStringLiteral("zero")},
        {"sections: Null", Null, "0;(0);zero;\"none\"", QStringLiteral("none")},
        {"quoted and escaped literals", 5, "\"n=\"0\\!", QStringLiteral("n=5!")},
        {"long numeric text keeps its digits", QStringLiteral("123456789012345678"), "0",
         QStringLiteral("123456789012345678")},
        {"numeric text with blanks and sign", QStringLiteral(" -42 "), "000", QStringLiteral("-042")},
        {"no mask writes the number", 2.0, "", QStringLiteral("2")},
        {"boolean as number", true, "0", QStringLiteral("-1")},
        {"named Fixed", 3.14159, "Fixed", QStringLiteral("3.14")},
        {"named Standard", 1234.5, "Standard", QStringLiteral("1,234.50")},
        {"named Yes/No", 0, "Yes/No", QStringLiteral("No")},
        {"text mask upper case", QStringLiteral("peça"), ">", QStringLiteral("PEÇA")},
        {"text mask right aligned", QStringLiteral("ab"), "@@@@", QStringLiteral("  ab")},
        {"text mask left aligned", QStringLiteral("ab"), "!@@@@", QStringLiteral("ab  ")},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QVariant got = vb::Format(c.value, QString::fromUtf8(c.mask));
        EXPECT_EQ(got.isValid(), c.expected.isValid());
        EXPECT_EQ(got.toString(), c.expected.toString());
    }
}

TEST(VbFormat, DateMasks)
{
    const QDateTime dt(QDate(2024, 5, 5), QTime(13, 5, 9));
    const double days = vb::ToDayNumber(dt);
    const FormatCase cases[] = {
        {"day", dt, "dd", QStringLiteral("05")},
        {"year", dt, "yyyy", QStringLiteral("2024")},
        {"time", dt, "hh:nn:ss", QStringLiteral("13:05:09")},
        {"temporary name stamp (mm after nn is the month)", dt, "sshhyynnmmdd", QStringLiteral("091324050505")},
        {"run table date", dt, "yyyymmdd", QStringLiteral("20240505")},
        {"file stamp", dt, "yyyy-mm-dd_hh-nn-ss", QStringLiteral("2024-05-05_13-05-09")},
        {"mm after hh is minutes", dt, "hh:mm", QStringLiteral("13:05")},
        {"names", dt, "dddd d mmm yy", QStringLiteral("Sunday 5 May 24")},
        {"12-hour clock", dt, "h:nn AM/PM", QStringLiteral("1:05 PM")},
        {"day number as date", days, "dd/mm/yyyy hh:nn:ss", QStringLiteral("05/05/2024 13:05:09")},
        {"ISO text as date", QStringLiteral("2024-05-05 13:05:09"), "yyyymmdd", QStringLiteral("20240505")},
        {"text that is no date stays", QStringLiteral("soon"), "yyyy", QStringLiteral("soon")},
        {"Null date", Null, "dd", Null},
        {"general date", dt, "", QStringLiteral("05/05/2024 13:05:09")},
        {"date only", QDate(2024, 5, 5), "c", QStringLiteral("05/05/2024")},
        {"day zero", 0, "dd/mm/yyyy", QStringLiteral("30/12/1899")},
        {"before day zero: fraction is the time", -1.25, "dd/mm/yyyy hh:nn", QStringLiteral("29/12/1899 06:00")},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QVariant got = vb::Format(c.value, QString::fromUtf8(c.mask));
        EXPECT_EQ(got.isValid(), c.expected.isValid());
        EXPECT_EQ(got.toString(), c.expected.toString());
    }
}

TEST(VbNumbers, IsNumericAndVal)
{
    struct Case {
        const char* text;
        bool numeric;
        double val;
    };
    const Case cases[] = {
        {"501123456", true, 501123456},
        {" 12 ", true, 12},
        {"-1.5", true, -1.5},
        {"+.5", true, 0.5},
        {"5.", true, 5},
        {"1E3", true, 1000},
        {"2.5D-1", true, 0.25},
        {"&H1F", true, 31},
        {"&HFFFF", true, -1},
        {"&O17", true, 15},
        {"01.002", true, 1.002},
        {"12.345A", false, 12.345},
        {"1,5", false, 1},
        {"1 2", false, 12},
        {"", false, 0},
        {".", false, 0},
        {"-", false, 0},
        {"1e", false, 1},
        {"abc", false, 0},
        {"01.002.000", false, 1.002},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(vb::IsNumeric(QString::fromUtf8(c.text)), c.numeric);
        EXPECT_DOUBLE_EQ(vb::Val(QString::fromUtf8(c.text)), c.val);
    }
    EXPECT_FALSE(vb::IsNumeric(QVariant()));
    EXPECT_TRUE(vb::IsNumeric(42));
    EXPECT_TRUE(vb::IsNumeric(true));
    EXPECT_FALSE(vb::IsNumeric(QDateTime::currentDateTime()));
}

TEST(VbNumbers, NumberToText)
{
    const std::pair<double, const char*> cases[] = {
        {2.0, "2"},          {-2.5, "-2.5"},         {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"}, {2.0 / 3, "0.666666666666667"},
        {1e15, "1E+15"},     {123456789012345.0, "123456789012345"},
        {0.0001, "0.0001"},  {0.00001, "1E-05"},     {-1.5e-7, "-1.5E-07"},
        {1e100, "1E+100"},   {0.0, "0"},
    };
    for (const auto& [v, text] : cases)
        EXPECT_EQ(vb::NumberToText(v), QString::fromLatin1(text)) << v;
}

TEST(VbNumbers, ConversionsRoundAndRaise)
{
    EXPECT_EQ(vb::CLng(2.5), 2);
    EXPECT_EQ(vb::CLng(3.5), 4);
    EXPECT_EQ(vb::CLng(QStringLiteral(" 7 ")), 7);
    EXPECT_EQ(vb::CInt(-2.5), -2);
    EXPECT_EQ(vb::Int(-2.5), -3);
    EXPECT_EQ(vb::Fix(-2.5), -2);
    EXPECT_DOUBLE_EQ(vb::Round(2.5), 2);
    EXPECT_DOUBLE_EQ(vb::Round(0.125, 2), 0.12);
    EXPECT_DOUBLE_EQ(vb::Round(0.135, 2), 0.14);
    EXPECT_EQ(vb::CStr(true), QStringLiteral("True"));
    EXPECT_EQ(vb::CStr(2.0), QStringLiteral("2"));

    auto number = [](auto f) {
        try {
            f();
        } catch (const Error& e) {
            return e.number();
        }
        return 0L;
    };
    EXPECT_EQ(number([] { vb::CInt(40000); }), errors::Overflow);
    EXPECT_EQ(number([] { vb::CLng(QStringLiteral("abc")); }), errors::TypeMismatch);
    EXPECT_EQ(number([] { vb::CLng(QVariant()); }), vb::errors::InvalidUseOfNull);
    EXPECT_EQ(number([] { vb::CByte(-1); }), errors::Overflow);
}

TEST(VbDates, SerialsAndDayNumbers)
{
    EXPECT_DOUBLE_EQ(vb::DateSerial(1899, 12, 30), 0);
    EXPECT_DOUBLE_EQ(vb::DateSerial(1900, 1, 1), 2);
    EXPECT_DOUBLE_EQ(vb::DateSerial(2024, 5, 5), 45417);
    EXPECT_DOUBLE_EQ(vb::DateSerial(2024, 13, 1), vb::DateSerial(2025, 1, 1));
    EXPECT_DOUBLE_EQ(vb::DateSerial(2024, 3, 0), vb::DateSerial(2024, 2, 29));
    EXPECT_DOUBLE_EQ(vb::DateSerial(24, 1, 1), vb::DateSerial(2024, 1, 1));
    EXPECT_DOUBLE_EQ(vb::DateSerial(99, 1, 1), vb::DateSerial(1999, 1, 1));
    EXPECT_DOUBLE_EQ(vb::TimeSerial(12, 0, 0), 0.5);
    EXPECT_DOUBLE_EQ(vb::TimeSerial(13, 5, 9), (13 * 3600 + 5 * 60 + 9) / 86400.0);

    const QDateTime dt(QDate(2024, 5, 5), QTime(13, 5, 9));
    EXPECT_EQ(vb::FromDayNumber(vb::ToDayNumber(dt)), dt);
    EXPECT_EQ(vb::FromDayNumber(-1.25), QDateTime(QDate(1899, 12, 29), QTime(6, 0)));
    EXPECT_DOUBLE_EQ(vb::ToDayNumber(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);

    double d = 0;
    EXPECT_TRUE(vb::ParseDateText(u"05/05/2024", &d));
    EXPECT_DOUBLE_EQ(d, 45417);
    EXPECT_TRUE(vb::ParseDateText(u"2024-05-05 12:00", &d));
    EXPECT_DOUBLE_EQ(d, 45417.5);
    EXPECT_FALSE(vb::ParseDateText(u"2024-02-30", &d));
    EXPECT_FALSE(vb::ParseDateText(u"noon", &d));
}

// A number that is no date of 1 January 100 .. 31 December 9999 overflows
// wherever it becomes a date, instead of reading outside the month names or
// printing a five-digit year; conversions of extreme arguments never wrap.
TEST(VbDates, NumbersOutsideTheDateRangeOverflow)
{
    auto number = [](auto f) {
        try {
            f();
        } catch (const Error& e) {
            return e.number();
        }
        return 0L;
    };
    struct Case {
        const char* name;
        QVariant value;
        const char* mask;
        long error;
        const char* text;
    };
    const Case cases[] = {
        {"month name of 1E+20", 1e20, "mmmm", errors::Overflow, nullptr},
        {"short month name of -1E+20", -1e20, "mmm", errors::Overflow, nullptr},
        {"long date of 1E+20", 1e20, "Long Date", errors::Overflow, nullptr},
        {"year of 3000000", 3000000, "yyyy-mm-dd", errors::Overflow, nullptr},
        {"general date past 9999", 2958466.0, "c", errors::Overflow, nullptr},
        {"a time that carries past 9999", 2958465.999999999, "hh:nn", errors::Overflow, nullptr},
        {"numeric text", QStringLiteral("1E+300"), "dddd", errors::Overflow, nullptr},
        {"a date of year 20000", QDate(20000, 1, 1), "yyyy", errors::Overflow, nullptr},
        {"the last day", 2958465, "yyyy-mm-dd dddd", 0, "9999-12-31 Friday"},
        {"the first day", -657434, "mmmm d, yyyy", 0, "January 1, 0100"},
        {"a number mask takes any number", 1e20, "0", 0, "100000000000000000000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString got;
        EXPECT_EQ(number([&] { got = vb::FormatText(c.value, QString::fromLatin1(c.mask)); }), c.error);
        if (c.text) {
            EXPECT_EQ(got, QString::fromLatin1(c.text));
        }
    }
    EXPECT_EQ(number([] { vb::FromDayNumber(1e20); }), errors::Overflow);
    EXPECT_EQ(number([] { vb::FromDayNumber(std::nan("")); }), errors::Overflow);
    EXPECT_EQ(number([] { vb::FromDayNumber(-657435); }), errors::Overflow);
    EXPECT_EQ(vb::FromDayNumber(-657434.5), QDateTime(QDate(100, 1, 1), QTime(12, 0)));
    EXPECT_TRUE(vb::IsDayNumberInRange(vb::kMaxDayNumber + 0.5));
    EXPECT_FALSE(vb::IsDayNumberInRange(vb::kMaxDayNumber + 1));
    EXPECT_EQ(number([] { vb::DateSerial(9999, 13, 1); }), errors::InvalidProcedureCall);
    EXPECT_EQ(number([] { vb::DateSerial(100, 1, INT_MIN); }), errors::InvalidProcedureCall);
    EXPECT_DOUBLE_EQ(vb::TimeSerial(INT_MAX, INT_MAX, 0), (INT_MAX * 3600.0 + INT_MAX * 60.0) / 86400.0);
    EXPECT_DOUBLE_EQ(vb::Round(2.5, INT_MAX), 2.5);
    double d = 0;
    EXPECT_FALSE(vb::ParseDateText(u"31/12/10000", &d));
    EXPECT_FALSE(vb::ParseDateText(u"0099-12-31", &d));
    EXPECT_TRUE(vb::ParseDateText(u"0100-01-01", &d));
    EXPECT_DOUBLE_EQ(d, vb::kMinDayNumber);
}
