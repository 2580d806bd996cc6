// Jet LIKE and the JET / JETSORT collations, through translated SQL.

#include "jettestdb.h"

#include <gtest/gtest.h>

using namespace platform::dao;
using tqtest::JetDb;

namespace {

struct LikeCase {
    const char* text; // Jet literal (quoted text, a number or Null)
    const char* pattern;
    int expected; // 1 match, 0 no match, -1 Null
};

QString jetText(const char* s) { return QString::fromUtf8(s); }

}  // namespace

TEST(JetLike, PatternsCaseAccentsAndNull)
{
    const LikeCase cases[] = {
        // wildcards
        {"'PEÇA'", "'PE?A'", 1},
        {"'abc'", "'a*c'", 1},
        {"'ac'", "'a*c'", 1},
        {"'abcbd'", "'a*b?'", 1},
        {"'abcb'", "'a*b?'", 0},
        {"''", "'*'", 1},
        {"''", "'?'", 0},
        {"'5012345'", "'5012*'", 1},
        {"'0501'", "'5012*'", 0},
        {"'ANEL'", "'*NE*'", 1},
        // digits
        {"'12.345A'", "'##.###*'", 1},
        {"'12.345'", "'##.###*'", 1},
        {"'1.345'", "'##.###*'", 0},
        {"'12.34'", "'##.###*'", 0},
        {"'AB.345'", "'##.###*'", 0},
        // case is ignored, accents are not
        {"'peça'", "'PEÇA'", 1},
        {"'PEÇA'", "'peça'", 1},
        {"'PECA'", "'PEÇA'", 0},
        {"'PEÇA'", "'PECA'", 0},
        // classes with accents match upper and lower case
        {"'ANEL DE VEDAÇÃO'", "'*[AÁÀÂÄÃª]N[EÉÈÊË]L*'", 1},
        {"'anel'", "'[AÁÀÂÄÃª]N[EÉÈÊË]L'", 1},
        {"'ânel'", "'[AÁÀÂÄÃª]NEL'", 1},
        {"'vedação'", "'V[EÉÈÊË]D[AÁÀÂÄÃª][CÇ][AÁÀÂÄÃª][OÓÒÔÖÕº]'", 1},
        {"'VEDACAO'", "'V[EÉÈÊË]D[AÁÀÂÄÃª][CÇ][AÁÀÂÄÃª][OÓÒÔÖÕº]'", 1},
        {"'VEDUCAO'", "'V[EÉÈÊË]D[AÁÀÂÄÃª][CÇ][AÁÀÂÄÃª][OÓÒÔÖÕº]'", 0},
        {"'ª'", "'[AÁÀÂÄÃª]'", 1},
        {"'º'", "'[OÓÒÔÖÕº]'", 1},
        // ranges and negation
        {"'B'", "'[A-C]'", 1},
        {"'b'", "'[A-C]'", 1},
        {"'D'", "'[A-C]'", 0},
        {"'D'", "'[!A-C]'", 1},
        {"'b'", "'[!A-C]'", 0},
        {"'-'", "'[-a]'", 1},
        {"'!'", "'[!]'", 1},
        // pattern characters as literals
        {"'*'", "'[*]'", 1},
        {"'a'", "'[*]'", 0},
        {"'?'", "'[?]'", 1},
        {"'#'", "'[#]'", 1},
        {"'ab'", "'a[]b'", 1},
        // % and _ are plain characters
        {"'50%'", "'50%'", 1},
        {"'500'", "'50%'", 0},
        {"'a_b'", "'a_b'", 1},
        {"'axb'", "'a_b'", 0},
        // an unclosed class matches nothing
        {"'abc'", "'[abc'", 0},
        // numbers are matched as their text
        {"512", "'5*'", 1},
        {"2.0", "'2'", 1},
        {"0.5", "'0.5'", 1},
        // Null never matches
        {"Null", "'*'", -1},
        {"'abc'", "Null", -1},
    };
    JetDb db;
    for (const LikeCase& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " LIKE " + c.pattern);
        const QVariant v = db.value(jetText(c.text) + QStringLiteral(" LIKE ") + jetText(c.pattern));
        if (c.expected < 0)
            EXPECT_FALSE(v.isValid());
        else
            EXPECT_EQ(v.toInt(), c.expected);
    }
    // The plain function agrees.
    EXPECT_TRUE(jet::Like(QStringLiteral("vedação"), QStringLiteral("*[AÁÀÂÄÃª][CÇ][AÁÀÂÄÃª]*")));
    EXPECT_FALSE(jet::Like(QStringLiteral("VEDACAO"), QStringLiteral("*ÇÃO")));
}

TEST(JetLike, NullRowsMatchNeitherLikeNorNotLike)
{
    JetDb db;
    db.exec(QStringLiteral("CREATE TABLE t (n TEXT(20))"));
    for (const char* v : {"'ANEL'", "'arruela'", "Null", "'BUCHA'"})
        db.exec(QStringLiteral("INSERT INTO t (n) VALUES (%1)").arg(QLatin1String(v)));
    EXPECT_EQ(db.column(QStringLiteral("SELECT n FROM t WHERE n LIKE 'A*' ORDER BY n")),
              QStringList({QStringLiteral("ANEL"), QStringLiteral("arruela")}));
    EXPECT_EQ(db.column(QStringLiteral("SELECT n FROM t WHERE n NOT LIKE 'A*'")), QStringList{QStringLiteral("BUCHA")});
    EXPECT_EQ(db.column(QStringLiteral("SELECT n FROM t WHERE NOT n LIKE 'A*'")), QStringList{QStringLiteral("BUCHA")});
}

TEST(JetCollation, SortOrderBaseLettersThenAccentsThenCase)
{
    JetDb db;
    db.exec(QStringLiteral("CREATE TABLE w (word TEXT(30))"));
    const QStringList expected = {
        QStringLiteral(" espaço"), QStringLiteral("(x)"),   QStringLiteral("_y"),     QStringLiteral("10"),
        QStringLiteral("9"),       QStringLiteral("Abacaxi"), QStringLiteral("abaco"), QStringLiteral("ABACO"),
        QStringLiteral("ábaco"),   QStringLiteral("Ábaco"), QStringLiteral("banana"), QStringLiteral("eclair"),
        QStringLiteral("Eclair"),  QStringLiteral("éclair"), QStringLiteral("zebra"),  QStringLiteral("Zebra"),
    };
    // Inserted in a scrambled order.
    for (int k : {7, 3, 12, 0, 15, 9, 1, 14, 5, 10, 2, 13, 8, 4, 11, 6})
        db.exec(QStringLiteral("INSERT INTO w (word) VALUES ('%1')").arg(expected[k]));

    EXPECT_EQ(db.column(QStringLiteral("SELECT word FROM w ORDER BY word")), expected);
    EXPECT_EQ(db.column(QStringLiteral("SELECT word FROM w ORDER BY 1")), expected);
    EXPECT_EQ(db.column(QStringLiteral("SELECT UCase(word) & '' AS u FROM w ORDER BY 1")).first(),
              QStringLiteral(" ESPAÇO"));
    QStringList reversed(expected.rbegin(), expected.rend());
    EXPECT_EQ(db.column(QStringLiteral("SELECT word FROM w ORDER BY word DESC")), reversed);

    // The plain functions order the same way; equal under JET means equal
    // but for case.
    for (qsizetype k = 1; k < expected.size(); ++k) {
        SCOPED_TRACE(expected[k - 1].toStdString() + " < " + expected[k].toStdString());
        EXPECT_LT(jet::CompareSort(expected[k - 1], expected[k]), 0);
        EXPECT_GT(jet::CompareSort(expected[k], expected[k - 1]), 0);
        EXPECT_LE(jet::Compare(expected[k - 1], expected[k]), 0);
    }
    EXPECT_EQ(jet::Compare(QStringLiteral("VEDAÇÃO"), QStringLiteral("vedação")), 0);
    EXPECT_NE(jet::Compare(QStringLiteral("VEDAÇÃO"), QStringLiteral("VEDACAO")), 0);
}

TEST(JetCollation, EqualityIgnoresCaseNotAccents)
{
    JetDb db;
    struct Case {
        const char* expr;
        int expected;
    } cases[] = {
        {"'VEDAÇÃO' = 'Vedação'", 1},
        {"'VEDAÇÃO' = 'VEDACAO'", 0},
        {"'ÁRVORE' = 'árvore'", 1},
        {"'abc' <> 'ABC'", 0},
        {"'ábaco' < 'banana'", 1},
        {"'ábaco' > 'Abacaxi'", 1},
        {"'a' IN ('X', 'A')", 1},
        {"'b' BETWEEN 'A' AND 'C'", 1},
        {"Left('DaimlerChrysler AG', 15) = 'DAIMLERCHRYSLER'", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expr);
        EXPECT_EQ(db.value(QString::fromUtf8(c.expr)).toInt(), c.expected);
    }

    // Text columns carry the equality collation: look-ups, keys, DISTINCT
    // and GROUP BY.
    db.exec(QStringLiteral("CREATE TABLE t (k TEXT(10) CONSTRAINT pk PRIMARY KEY, d TEXT(20))"));
    db.exec(QStringLiteral("INSERT INTO t (k, d) VALUES ('vedação', 'Anel')"));
    db.exec(QStringLiteral("INSERT INTO t (k, d) VALUES ('VEDACAO', 'ANEL')"));
    EXPECT_NE(tqtest::errorNumber([&] { db.exec(QStringLiteral("INSERT INTO t (k, d) VALUES ('VEDAÇÃO', 'x')")); }),
              0);
    EXPECT_EQ(db.column(QStringLiteral("SELECT d FROM t WHERE k = 'VEDAÇÃO'")), QStringList{QStringLiteral("Anel")});
    EXPECT_EQ(db.column(QStringLiteral("SELECT DISTINCT d FROM t")).size(), 1);
    EXPECT_EQ(db.column(QStringLiteral("SELECT DISTINCT Left(d, 4) FROM t")).size(), 1);
    EXPECT_EQ(db.column(QStringLiteral("SELECT Count(*) FROM t GROUP BY Left(d, 4)")),
              QStringList{QStringLiteral("2")});
}
