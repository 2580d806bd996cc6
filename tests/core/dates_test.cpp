#include "core/dates.h"
#include "core/globals.h"

#include "support/qstringprinter.h"

#include <gtest/gtest.h>

using namespace Modulo;

TEST(Dates, MonthEntries)
{
    const int expected[] = {0, 84, 85, 86, 87, 89, 90, 91, 92, 93, 94, 95, 96, 0};
    for (int m = 0; m <= 13; ++m)
        EXPECT_EQ(IndiceTextoMes(m), expected[m]) << m;
    EXPECT_EQ(IndiceTextoMes(255), 0);
    EXPECT_EQ(IndiceTextoMes(-1), 0);
}

TEST(Dates, DateTextsInEachLanguage)
{
    const QDate dec8(2026, 12, 8);
    EXPECT_EQ(FormataData(dec8, "P"), "08-DEZ-2026");
    EXPECT_EQ(FormataData(dec8, "E"), "08-DIC-2026");
    EXPECT_EQ(FormataData(dec8, "I"), "08-DEC-2026");
    EXPECT_EQ(FormataData(QDate(2025, 5, 5), "I"), "05-MAY-2025");
    EXPECT_EQ(FormataData(QDate(2025, 4, 30), "P"), "30-ABR-2025");

    const QDateTime jan1(QDate(2027, 1, 1), QTime(7, 3, 9));
    EXPECT_EQ(FormataDataHora(jan1, "P"), "01-JAN-2027 07:03:09");
    EXPECT_EQ(FormataDataHora(jan1, "I"), "01-JAN-2027 07:03:09");
    EXPECT_EQ(FormataDataHora(jan1, "E"), "01-ENE-2027 07:03:09");
    EXPECT_EQ(FormataDataHora(QDateTime(QDate(2026, 12, 8), QTime(19, 5, 0)), "P"), "08-DEZ-2026 19:05:00");

    const QString saved = gIdioma;
    gIdioma = "E";
    EXPECT_EQ(FormataData(dec8), "08-DIC-2026");
    gIdioma = saved;
}

TEST(Dates, FixedWidthFields)
{
    struct Row {
        QVariant value;
        int width;
        const char* align;
        const char* expected;
    };
    const Row rows[] = {
        {"  12  ", 5, "E", "   12"},
        {"  12  ", 5, "d", "12   "},
        {"  12  ", 5, " D ", "12   "},
        {"ABCDEFG", 3, "D", "ABC"},
        {"ABCDEFG", 3, "E", "EFG"},
        {"ABCDE", 5, "E", "ABCDE"},
        {"", 2, "D", "  "},
        {"", 2, "E", "  "},
        {QVariant(), 3, "D", "   "},
        {QVariant(7), 3, "E", "  7"},
        {"x", 0, "D", ""},
        {"x", -4, "E", ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.value.toString().toStdString() + "/" + std::to_string(r.width) + "/" + r.align);
        EXPECT_EQ(FormataCampoFixo(r.value, r.width, r.align), QString::fromLatin1(r.expected));
    }
}
