// Jet expressions through the translator and the registered functions:
// operators with Jet's precedence and Null rules, the functions the
// catalogue uses, dates, and the item-number sort expression.

#include "jettestdb.h"

#include "platform/base/vbruntime.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <cmath>

using namespace platform::dao;
using tqtest::JetDb;

namespace {

const QVariant Null;

struct ExprCase {
    const char* expr;
    QVariant expected; // Null: the result is Null
};

void checkAll(JetDb& db, std::initializer_list<ExprCase> cases)
{
    for (const ExprCase& c : cases) {
        SCOPED_TRACE(c.expr);
        QVariant got;
        try {
            got = db.value(QString::fromUtf8(c.expr));
        } catch (const platform::Error& e) {
            ADD_FAILURE() << e.what();
            continue;
        }
        EXPECT_EQ(got.isValid(), c.expected.isValid());
        if (c.expected.typeId() == QMetaType::Double)
            EXPECT_NEAR(got.toDouble(), c.expected.toDouble(), 1e-9);
        else
            EXPECT_EQ(got.toString(), c.expected.toString());
    }
}

}  // namespace

TEST(JetExpression, ConcatenationAndPlusWithNull)
{
    JetDb db;
    checkAll(db, {
                     {"Null & Null", Null},
                     {"Null & 'a'", "a"},
                     {"'a' & Null & 'b'", "ab"},
                     {"2.0 & 'x'", "2x"},
                     {"0.1 + 0.2 & ''", "0.3"},
                     {"1 & 2", "12"},
                     {"'a' & 1 + 2", "a3"},
                     {"'a' + 'b'", "ab"},
                     {"'1' + '2'", "12"},
                     {"'a' + Null", Null},
                     {"Null + 1", Null},
                     {"1 + 2", 3},
                     {"'1' + 2", 3},
                     {"' ' + Format(5, '000.00')", " 005.00"},
                 });
    EXPECT_EQ(tqtest::errorNumber([&] { db.value(QStringLiteral("'abc' + 1")); }), 3464);
    EXPECT_EQ(tqtest::errorNumber([&] { db.value(QStringLiteral("'abc' * 2")); }), 3464);
}

TEST(JetExpression, OperatorsAndPrecedence)
{
    JetDb db;
    checkAll(db, {
                     {"True", -1},
                     {"False", 0},
                     {"1 + 2 * 3", 7},
                     {"10 - 2 - 3", 5},
                     {"5 / 2", 2.5},
                     {"7 \\ 2", 3},
                     {"2 * 3 \\ 4", 1},
                     {"7 \\ 2 * 2", 1},
                     {"7 Mod 3", 1},
                     {"-7 Mod 3", -1},
                     {"10 Mod 4 + 1", 3},
                     {"2 ^ 3 ^ 2", 64},
                     {"-2 ^ 2", -4},
                     {"2 ^ -1", 0.5},
                     {"- -3", 3},
                     {"1 = 1 AND 2 > 1", 1},
                     {"NOT 1 = 2", 1},
                     {"1 = 2 OR 3 = 3", 1},
                     {"True XOR True", 0},
                     {"True EQV False", 0},
                     {"False IMP True", 1},
                     {"Null = Null", Null},
                     {"1 BETWEEN 0 AND 2", 1},
                     {"3 NOT IN (1, 2)", 1},
                     {"Null IS NULL", 1},
                     {"&H1F + 1", 32},
                     {"#5/6/2024#", 45418},
                     {"#2024-05-06 12:00#", 45418.5},
                     {"#6-May-2024#", 45418},
                     {"#1:30 PM#", 13.5 / 24},
                 });
    EXPECT_EQ(tqtest::errorNumber([&] { db.value(QStringLiteral("1 / 0")); }), 11);
}

TEST(JetExpression, FunctionsOfTheCatalogue)
{
    JetDb db;
    checkAll(db, {
                     {"IIf(1 > 2, 'a', 'b')", "b"},
                     {"IIf(Null, 'a', 'b')", "b"},
                     {"IIF(Left('DaimlerChrysler AG', 15) = 'DaimlerChrysler', 'DaimlerChrysler', 'x')",
                      "DaimlerChrysler"},
                     {"IsNumeric('12.5')", -1},
                     {"IsNumeric('12,5')", 0},
                     {"IsNumeric(' 7 ')", -1},
                     {"IsNumeric(Null)", 0},
                     {"IsNumeric(3)", -1},
                     {"IsNull(Null)", -1},
                     {"IsNull('')", 0},
                     {"Val('12.345A')", 12.345},
                     {"Val('2')", 2},
                     {"Val('x')", 0},
                     {"Int(2.7)", 2},
                     {"Int(-2.5)", -3},
                     {"Fix(-2.5)", -2},
                     {"Int('7.9')", 7},
                     {"Left('PEÇA', 3)", "PEÇ"},
                     {"Right('PEÇA', 2)", "ÇA"},
                     {"Mid('PEÇA', 2, 2)", "EÇ"},
                     {"Mid('abc', 2)", "bc"},
                     {"Mid('abc', 5, 1)", ""},
                     {"Mid(' X', 2, 1)", "X"},
                     {"Len('PEÇA')", 4},
                     {"Left(Null, 2)", Null},
                     {"Left(12345, 2)", "12"},
                     {"UCase('peça')", "PEÇA"},
                     {"LCase('ÁRVORE')", "árvore"},
                     {"Trim('  a b  ')", "a b"},
                     {"LTrim('  a ')", "a "},
                     {"Nz(Null, 0)", 0},
                     {"Nz('x', 0)", "x"},
                     {"InStr('abcABC', 'C')", 3},
                     {"InStr(4, 'abcABC', 'c')", 6},
                     {"Replace('a-b-c', '-', '+')", "a+b+c"},
                     {"CLng(2.5)", 2},
                     {"CLng('3.5')", 4},
                     {"CStr(2.0)", "2"},
                     {"CDbl('1.25')", 1.25},
                     {"Round(2.5)", 2},
                     {"Abs(-3)", 3},
                     {"Chr(65) & Chr(199)", "AÇ"},
                     {"Asc('A')", 65},
                     {"Space(2) & 'x'", "  x"},
                     {"Str(5)", " 5"},
                     {"Hex(255)", "FF"},
                     {"Switch(1 = 2, 'a', 2 = 2, 'b')", "b"},
                     {"Choose(2, 'a', 'b', 'c')", "b"},
                     {"Format(501123456, '0000 000 000')", "0501 123 456"},
                     {"Format('501123456', '0000 000 000')", "0501 123 456"},
                     {"Format('A-55', '0000 000 000')", "A-55"},
                     {"Format(Null, '0000 000 000')", Null},
                     {"Format(7, '000')", "007"},
                     {"Format(2.5)", "2.5"},
                 });
    EXPECT_EQ(tqtest::errorNumber([&] { db.value(QStringLiteral("CInt('40000')")); }), 6);
    EXPECT_EQ(tqtest::errorNumber([&] { db.value(QStringLiteral("Mid('abc', 0, 1)")); }), 5);
    EXPECT_EQ(tqtest::errorNumber([&] { db.value(QStringLiteral("Int('abc')")); }), 3464);
}

TEST(JetExpression, DatesAreDayNumbers)
{
    JetDb db;
    const double stamp = 45417 + (13 * 3600 + 5 * 60 + 9) / 86400.0;
    checkAll(db, {
                     {"DateSerial(2024,5,5)+TimeSerial(13,5,9)", stamp},
                     {"DateSerial(2000,1,1)+TimeSerial(0,0,0)", 36526.0},
                     {"DateSerial(2024,13,1) = DateSerial(2025,1,1)", 1},
                     {"Format(DateSerial(2024,5,5)+TimeSerial(13,5,9), 'yyyy-mm-dd hh:nn:ss')", "2024-05-05 13:05:09"},
                     {"Format(DateSerial(2024,5,5), 'dd')", "05"},
                     {"Year(#5/6/2024#)", 2024},
                     {"Month(#5/6/2024#)", 5},
                     {"Day(#5/6/2024#)", 6},
                     {"Hour(DateSerial(2024,5,5)+TimeSerial(13,5,9))", 13},
                     {"Weekday(DateSerial(2024,5,5))", 1},
                     {"DateAdd('m', 1, DateSerial(2024,1,31)) = DateSerial(2024,2,29)", 1},
                     {"DateAdd('d', -1, DateSerial(2024,3,1)) = DateSerial(2024,2,29)", 1},
                     {"DateDiff('d', DateSerial(2024,1,1), DateSerial(2024,3,1))", 60},
                     {"DateDiff('yyyy', #12/31/2023#, #1/1/2024#)", 1},
                     {"Year('2024-05-05')", 2024},
                     {"Now() > DateSerial(2020,1,1)", 1},
                     {"Date() = Int(Now())", 1},
                 });

    // A stamp written by the update run reads back as the moment it stands for.
    db.exec(QStringLiteral("CREATE TABLE UMREGISTRO (Versao LONG, DataUltimaVerificacao DATETIME, "
                           "FlagErroUltimaVerificacao BYTE)"));
    db.exec(QStringLiteral("INSERT INTO UMREGISTRO (Versao) VALUES (1)"));
    db.exec(QStringLiteral("UPDATE UMREGISTRO SET DataUltimaVerificacao=DateSerial(2024,5,5)+TimeSerial(13,5,9),"
                           "FlagErroUltimaVerificacao=0"));
    const auto rows = db.rows(QStringLiteral("SELECT DataUltimaVerificacao FROM UMREGISTRO"));
    EXPECT_EQ(platform::vb::FromDayNumber(rows[0][0].toDouble()), QDateTime(QDate(2024, 5, 5), QTime(13, 5, 9)));
}

TEST(JetExpression, ItemNumberSortExpression)
{
    JetDb db;
    db.exec(QStringLiteral("CREATE TABLE PECA_COMPONENTE (CodigoPeca LONG, ItemComponente TEXT(10))"));
    for (const char* item : {"ZZ", "12.345A", "01.010", "5", "1.5", "01.002", "12", "12.345"})
        db.exec(QStringLiteral("INSERT INTO PECA_COMPONENTE (CodigoPeca, ItemComponente) VALUES (1, '%1')")
                    .arg(QLatin1String(item)));
    // The expression exactly as the catalogue builds it for PECA_COMPONENTE.
    const QString expr = QStringLiteral(
        "IIF(   PECA_COMPONENTE.ItemComponente LIKE '##.###*' , Format( LEFT(PECA_COMPONENTE.ItemComponente&'.000',10) "
        ", '00,000,000') , IIF(   IsNumeric(PECA_COMPONENTE.ItemComponente) , ' ' + Format( "
        "VAL(PECA_COMPONENTE.ItemComponente) , '000.00') , PECA_COMPONENTE.ItemComponente   )   ) ");
    const auto rows = db.rows(QStringLiteral("SELECT ") + expr +
                              QStringLiteral(" AS ItemComponenteOrderBy,PECA_COMPONENTE.ItemComponente FROM "
                                             "PECA_COMPONENTE WHERE PECA_COMPONENTE.CodigoPeca = 1 ORDER BY 1"));
    QStringList keys, items;
    for (const QVariantList& r : rows) {
        keys << r[0].toString();
        items << r[1].toString();
    }
    EXPECT_EQ(keys, QStringList({" 001.50", " 005.00", " 012.00", "01.002.000", "01.010.000", "12.345.000",
                                 "12.345A.00", "ZZ"}));
    EXPECT_EQ(items, QStringList({"1.5", "5", "12", "01.002", "01.010", "12.345", "12.345A", "ZZ"}));
}

TEST(JetExpression, LeftFunctionBesideLeftJoinAndTop)
{
    JetDb db;
    db.exec(QStringLiteral("CREATE TABLE FABRICANTE (CodigoFabricante LONG, DescricaoFabricanteP TEXT(50))"));
    db.exec(QStringLiteral("CREATE TABLE VEICULO (CodigoVeiculo LONG, CodigoFabricante LONG, DescricaoVeiculoP TEXT(50))"));
    db.exec(QStringLiteral("INSERT INTO FABRICANTE VALUES (1, 'DaimlerChrysler do Brasil')"));
    db.exec(QStringLiteral("INSERT INTO FABRICANTE VALUES (2, 'Scania')"));
    for (int k = 1; k <= 5; ++k)
        db.exec(QStringLiteral("INSERT INTO VEICULO VALUES (%1, %2, 'Veículo %1')").arg(k).arg(k == 5 ? 9 : 1 + k % 2));

    const auto rows = db.rows(QStringLiteral(
        "SELECT Left(VEICULO.DescricaoVeiculoP, 3) AS V, IIF(Left(FABRICANTE.DescricaoFabricanteP,15)='DaimlerChrysler',"
        "'DaimlerChrysler',FABRICANTE.DescricaoFabricanteP) AS F FROM VEICULO LEFT JOIN FABRICANTE ON "
        "VEICULO.CodigoFabricante = FABRICANTE.CodigoFabricante WHERE Left(VEICULO.DescricaoVeiculoP, 1) = 'v' "
        "ORDER BY VEICULO.CodigoVeiculo"));
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0][0].toString(), QStringLiteral("Veí"));
    EXPECT_EQ(rows[0][1].toString(), QStringLiteral("Scania"));
    EXPECT_EQ(rows[1][1].toString(), QStringLiteral("DaimlerChrysler"));
    EXPECT_FALSE(rows[4][1].isValid()); // no manufacturer 9: the left join keeps the row

    EXPECT_EQ(db.column(QStringLiteral("SELECT TOP 2 CodigoVeiculo FROM VEICULO ORDER BY CodigoVeiculo DESC")),
              QStringList({"5", "4"}));
    EXPECT_EQ(db.column(QStringLiteral("SELECT DISTINCT TOP 1 CodigoFabricante FROM VEICULO ORDER BY 1")),
              QStringList({"1"}));
    // TOP in one member of a union limits that member only.
    EXPECT_EQ(db.column(QStringLiteral("SELECT TOP 1 CodigoVeiculo FROM VEICULO UNION ALL SELECT CodigoFabricante FROM "
                                       "FABRICANTE ORDER BY 1")),
              QStringList({"1", "1", "2"}));
    EXPECT_EQ(db.column(QStringLiteral("SELECT TOP 40 PERCENT CodigoVeiculo FROM VEICULO ORDER BY 1")),
              QStringList({"1", "2"}));
}
