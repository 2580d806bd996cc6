// Statements and values at the edges of what the layer takes: nesting deep
// enough to exhaust the stack, joins without a comparison, numbers outside
// the date range, counts that would wrap, texts longer than a text can be.

#include "jettestdb.h"

#include "platform/dao/dao.h"

#include <gtest/gtest.h>

using namespace platform::dao;
using tqtest::errorNumber;
using tqtest::JetDb;

namespace {

QString repeated(const char* piece, int n) { return QString::fromLatin1(piece).repeated(n); }

// A statement nested `n` levels deep in one of the ways the grammar recurses.
struct Nest {
    const char* name;
    QString (*statement)(int n);
};

const Nest kNests[] = {
    {"parentheses", [](int n) { return "SELECT " + repeated("(", n) + "1" + repeated(")", n); }},
    {"function calls", [](int n) { return "SELECT " + repeated("Abs(", n) + "1" + repeated(")", n); }},
    {"sub-queries",
     [](int n) { return "SELECT a FROM t WHERE a IN " + repeated("(SELECT a FROM t WHERE a IN ", n) + "(1" + repeated(")", n + 1); }},
    {"EXISTS", [](int n) { return "SELECT a FROM t WHERE " + repeated("EXISTS (SELECT a FROM t WHERE ", n) + "1=1" + repeated(")", n); }},
    {"NOT", [](int n) { return "SELECT a FROM t WHERE " + repeated("NOT ", n) + "a"; }},
    {"signs", [](int n) { return "SELECT " + repeated("- ", n) + "a FROM t"; }},
    {"parenthesised queries", [](int n) { return repeated("(", n) + "SELECT a FROM t" + repeated(")", n); }},
    {"parenthesised joins",
     [](int n) {
         QString s = "SELECT t.a FROM " + repeated("(", n) + "t";
         for (int k = 0; k < n; ++k)
             s += QStringLiteral(" INNER JOIN u AS u%1 ON t.a = u%1.a)").arg(k);
         return s;
     }},
    {"derived tables", [](int n) { return "SELECT * FROM " + repeated("(SELECT * FROM ", n) + "t" + repeated(") AS x", n); }},
    {"UPDATE joins", [](int n) { return "UPDATE " + repeated("(", n) + "t" + repeated(")", n) + " SET a = 1"; }},
};

}  // namespace

// Each form nested thousands deep used to end the program with a stack
// overflow; now it is Jet's "Query is too complex." while any statement of
// a sane depth still translates and runs.
TEST(JetLimits, DeepNestingIsTooComplexNotACrash)
{
    JetDb db;
    db.exec(QStringLiteral("CREATE TABLE t (a LONG)"));
    db.exec(QStringLiteral("CREATE TABLE u (a LONG)"));
    db.exec(QStringLiteral("INSERT INTO t VALUES (1)"));
    db.exec(QStringLiteral("INSERT INTO u VALUES (1)"));
    for (const Nest& n : kNests) {
        SCOPED_TRACE(n.name);
        EXPECT_EQ(errorNumber([&] { jet::TranslateStatement(n.statement(5000)); }), 3360);
        EXPECT_EQ(errorNumber([&] { db.run(jet::TranslateStatement(n.statement(8)).sql); }), 0);
    }
    try {
        jet::TranslateStatement(kNests[0].statement(2000));
        ADD_FAILURE() << "no error";
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.description(), QStringLiteral("Query is too complex."));
    }

    // FindFirst criteria go through the same parser.
    const QStringList fields = {"Codigo"};
    EXPECT_EQ(errorNumber([&] { jet::TranslateCriteria(repeated("(", 5000) + "Codigo = 1" + repeated(")", 5000), fields); }),
              3360);
    EXPECT_EQ(errorNumber([&] { jet::TranslateCriteria(repeated("NOT ", 5000) + "Codigo = 1", fields); }), 3360);
    EXPECT_EQ(errorNumber([&] { jet::TranslateCriteria(repeated("(", 20) + "Codigo = 1" + repeated(")", 20), fields); }), 0);
}

// A bare column as a join condition would join every row with every other
// (for seconds on a catalogue); Jet refuses it, and so does the layer.
TEST(JetLimits, AJoinConditionMustCompare)
{
    struct Case {
        const char* sql;
        long number;
    } cases[] = {
        {"SELECT * FROM PECA_COMPONENTE INNER JOIN COMPONENTE ON PECA_COMPONENTE.CodigoComponente", 3296},
        {"SELECT * FROM PECA_COMPONENTE LEFT JOIN COMPONENTE ON [CodigoComponente]", 3296},
        {"SELECT * FROM (PECA_COMPONENTE INNER JOIN COMPONENTE ON (PECA_COMPONENTE.CodigoComponente)) "
         "INNER JOIN PECA ON PECA.Codigo = PECA_COMPONENTE.CodigoPeca",
         3296},
        {"UPDATE PECA_COMPONENTE INNER JOIN COMPONENTE ON COMPONENTE.Codigo SET Quantidade = 1", 3296},
        {"SELECT * FROM PECA_COMPONENTE INNER JOIN COMPONENTE ON "
         "PECA_COMPONENTE.CodigoComponente = COMPONENTE.Codigo",
         0},
        {"UPDATE PECA_COMPONENTE INNER JOIN COMPONENTE ON COMPONENTE.Codigo = PECA_COMPONENTE.CodigoComponente "
         "SET Quantidade = 1",
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sql);
        EXPECT_EQ(errorNumber([&] { jet::TranslateStatement(QString::fromUtf8(c.sql)); }), c.number);
    }
}

// Wherever a number becomes a date, a number outside 1 January 100 ..
// 31 December 9999 is the run time's overflow; counts that do not fit their
// type overflow instead of wrapping; the edges of the range still work.
TEST(JetLimits, DatesOutsideTheirRangeOverflow)
{
    JetDb db;
    struct Case {
        const char* expr;
        long error;          // 0: the value below
        const char* value;
    } cases[] = {
        {"Format(1E+20, 'mmmm')", 6, nullptr},
        {"Format(1E+20, 'mmm')", 6, nullptr},
        {"Format(-1E+20, 'Long Date')", 6, nullptr},
        {"Format(3000000, 'yyyy-mm-dd')", 6, nullptr},
        {"Format(2958466, 'c')", 6, nullptr},
        {"Format(2958465.99999999, 'yyyy')", 6, nullptr},
        {"Year(1E+112)", 6, nullptr},
        {"Month(-657435)", 6, nullptr},
        {"Weekday(-1E+300)", 6, nullptr},
        {"CDate(1E+20)", 6, nullptr},
        {"DateValue(-1E+20)", 6, nullptr},
        {"DatePart('yyyy', 1E+20)", 6, nullptr},
        {"DateDiff('d', 0, 1E+20)", 6, nullptr},
        {"DateAdd('m', 4294967297, #1/1/2000#)", 6, nullptr},
        {"DateAdd('yyyy', 9223372036854775807, #1/1/2000#)", 6, nullptr},
        {"DateAdd('h', 1E+112, #1/1/2000#)", 6, nullptr},
        {"DateAdd('yyyy', 8000, #1/1/2000#)", 6, nullptr},
        {"DateAdd('d', -1, -657434)", 6, nullptr},
        {"TimeSerial(2147483647, 2147483647, 0)", 6, nullptr},
        {"TimeSerial(9000000000000000000, 0, 0)", 6, nullptr},
        {"DateSerial(9999, 13, 1)", 5, nullptr},
        {"DateDiff('ww', 0, 100, 2147483656)", 5, nullptr},
        {"Format(2958465, 'yyyy-mm-dd')", 0, "9999-12-31"},
        {"Format(-657434, 'yyyy-mm-dd')", 0, "0100-01-01"},
        {"Format(1E+20, '0')", 0, "100000000000000000000"},
        {"Year(-657434)", 0, "100"},
        {"DateAdd('d', 1, 2958464)", 0, "2958465"},
        {"DateAdd('m', -120, #1/1/2000#) = #1/1/1990#", 0, "1"},
        {"IsDate(1E+20)", 0, "0"},
        {"IsDate(45000)", 0, "-1"},
        {"IsDate('31/12/10000')", 0, "0"},
        {"Round(2.5, 2147483648)", 0, "2.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expr);
        QVariant got;
        EXPECT_EQ(errorNumber([&] { got = db.value(QString::fromUtf8(c.expr)); }), c.error);
        if (c.value) {
            EXPECT_EQ(got.toString(), QString::fromUtf8(c.value));
        }
    }
    // A date literal of a year outside the range is no date.
    EXPECT_EQ(errorNumber([] { jet::TranslateStatement(QStringLiteral("SELECT #1/1/10000#")); }), 3075);
}

// Space, String, Replace and the concatenations refuse a text past the limit
// with "Out of string space." before they allocate it (String(2147483647,
// 'x') used to take 6 GB and 11 s before SQLite refused it).
TEST(JetLimits, TextsPastTheLimitAreRefusedBeforeTheyAreBuilt)
{
    JetDb db;
    struct Case {
        const char* expr;
        long error;
        const char* value;
    } cases[] = {
        {"String(2147483647, 'x')", 14, nullptr},
        {"String(9000000000000000000, 'é')", 14, nullptr},
        {"Space(1000000000)", 14, nullptr},
        {"Replace(Space(100000), ' ', Space(1000))", 14, nullptr},
        {"Space(40000000) & Space(40000000)", 14, nullptr},
        {"Space(40000000) + Space(40000000)", 14, nullptr},
        {"Len(String(1000, 'é'))", 0, "1000"},
        {"Len(Space(1000000))", 0, "1000000"},
        {"Len(Replace(Space(1000), ' ', 'ab'))", 0, "2000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expr);
        QVariant got;
        EXPECT_EQ(errorNumber([&] { got = db.value(QString::fromUtf8(c.expr)); }), c.error);
        if (c.value) {
            EXPECT_EQ(got.toString(), QString::fromUtf8(c.value));
        }
    }
    // A connection with a lower limit of its own keeps to it.
    sqlite3_limit(db.handle(), SQLITE_LIMIT_LENGTH, 1000);
    EXPECT_EQ(errorNumber([&] { db.value(QStringLiteral("Space(1001)")); }), 14);
    EXPECT_EQ(errorNumber([&] { db.value(QStringLiteral("Space(1000)")); }), 0);
}

// The registered functions take the argument counts of their Jet functions
// only: SQLite refuses any other count before the function could read an
// argument that is not there (jet_datepart with one argument read past
// its arguments).
TEST(JetLimits, RegisteredFunctionsRefuseOtherArgumentCounts)
{
    JetDb db;
    const char* const refused[] = {
        "SELECT jet_datepart('d')",           "SELECT jet_datediff('d', 1)",       "SELECT jet_year()",
        "SELECT jet_weekday(1, 1, 1)",        "SELECT jet_format()",               "SELECT jet_round()",
        "SELECT jet_mid('a')",                "SELECT jet_instr('a')",             "SELECT jet_replace('a', 'b')",
        "SELECT jet_strcomp('a')",            "SELECT jet_nz()",                   "SELECT jet_datepart(1, 2, 3, 4, 5)",
    };
    for (const char* sql : refused) {
        SCOPED_TRACE(sql);
        EXPECT_NE(errorNumber([&] { db.run(sql); }), 0);
    }
    const char* const taken[] = {
        "SELECT jet_datepart('d', 1)", "SELECT jet_datepart('ww', 1, 2, 1)", "SELECT jet_weekday(1, 2)",
        "SELECT jet_concat()",         "SELECT jet_mid('abc', 2)",          "SELECT jet_replace('a', 'b', 'c', 1, -1, 0)",
    };
    for (const char* sql : taken) {
        SCOPED_TRACE(sql);
        EXPECT_EQ(errorNumber([&] { db.run(sql); }), 0);
    }
}
