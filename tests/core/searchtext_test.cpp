// Search-text normalisation and the SQL utilities.

#include "core/searchtext.h"

#include "support/testutil.h"

#include <gtest/gtest.h>

using namespace Modulo;
using namespace platform::dao;

namespace {

TEST(SearchText, CanonicalNumbers)
{
    EXPECT_EQ(NormalizaNumeroEmpresa(QStringLiteral("0501-123.456")), QStringLiteral("501123456"));
    EXPECT_EQ(NormalizaNumeroEmpresa(QStringLiteral("000")), QString());
    EXPECT_EQ(NormalizaNumeroEmpresa(QStringLiteral("ab 01")), QStringLiteral("AB01"));
    EXPECT_EQ(NormalizaNumeroFabricante(QStringLiteral(" 0-0a.7")), QStringLiteral("A7"));
    EXPECT_EQ(SomenteLetrasDigitos(QStringLiteral("São Paulo 2")), QStringLiteral("SOPAULO2"));
    EXPECT_EQ(RemoveZerosEsquerda(QString()), QString());
}

TEST(SearchText, SearchPatterns)
{
    const QString typed = QStringLiteral("  d'água [x]  ");
    EXPECT_EQ(PreparaTextoPesquisa(typed, true), QStringLiteral("D´[AÁÀÂÄÃª]G[UÚÙÛÜ][AÁÀÂÄÃª] X"));
    EXPECT_EQ(PreparaTextoPesquisa(typed, false), QStringLiteral("D´ÁGUA [X]"));
    EXPECT_EQ(PreparaTextoPesquisa(QStringLiteral("a|b-%_"), false), QStringLiteral("AB-%_"));
    EXPECT_EQ(PreparaTextoPesquisa(QStringLiteral("x|y-%_*?#!"), true), QStringLiteral("XY-%_"));
    EXPECT_EQ(RemoveAcentos(QStringLiteral("ÇÃO")), QStringLiteral("CAO"));
    EXPECT_EQ(RemoveAcentos(QStringLiteral("ção")), QStringLiteral("ção"));
    EXPECT_EQ(TextoSQL(QStringLiteral("d'água")), QStringLiteral("d''água"));
}

TEST(SearchText, ItemSortExpression)
{
    const QString a = ExpressaoItemComponente(QStringLiteral("PECA_COMPONENTE"));
    EXPECT_EQ(a, ExpressaoItemComponente(QStringLiteral("PECA_COMPONENTE.")));
    EXPECT_EQ(a.count(QStringLiteral("PECA_COMPONENTE.ItemComponente")), 5);
    EXPECT_FALSE(a.contains(QStringLiteral("<TABELA>")));
}

TEST(SearchText, Conversions)
{
    EXPECT_EQ(ConverteInteiro(QStringLiteral("abc"), 1), 1);
    EXPECT_EQ(ConverteInteiro(QStringLiteral("40000"), 1), 1);
    EXPECT_EQ(ConverteInteiro(QStringLiteral("2.7"), 1), 2);
    EXPECT_EQ(ConverteInteiro(QStringLiteral("-2.5"), 1), -3);
    EXPECT_EQ(ConverteInteiro(QStringLiteral(" 12 "), 1), 12);
    EXPECT_EQ(ValorSeNulo(QVariant(), QString()).toString(), QString());
    EXPECT_EQ(ValorSeNulo(QStringLiteral("x"), QString(), QStringLiteral("y")).toString(), QStringLiteral("y"));
    EXPECT_EQ(ValorSeNulo(QStringLiteral("x"), QString()).toString(), QStringLiteral("x"));
    EXPECT_FALSE(MatrizDimensionada(QStringList{}));
    EXPECT_TRUE(MatrizDimensionada(QStringList{QString()}));
}

class SqlValues : public ::testing::Test {
protected:
    void SetUp() override
    {
        db = DBEngine::CreateDatabase(dir.file(QStringLiteral("v.mdb")));
        db->Execute(QStringLiteral("CREATE TABLE V (n LONG, t TEXT(10))"));
        for (const char* row : {"(4, 'a')", "(7, NULL)", "(NULL, 'c')", "(9, 'd')"})
            db->Execute(QStringLiteral("INSERT INTO V (n, t) VALUES ") + QLatin1String(row));
    }
    tqtest::TempDir dir;
    DatabasePtr db;
};

TEST_F(SqlValues, SingleValuesAndLists)
{
    EXPECT_EQ(ObtemValorSQL(QStringLiteral("SELECT n FROM V WHERE n > 100"), db, -1).toInt(), -1);
    EXPECT_TRUE(IsNull(ObtemValorSQL(QStringLiteral("SELECT t FROM V WHERE n = 7"), db, -1)));
    EXPECT_EQ(ObtemValorSQL(QStringLiteral("SELECT n FROM V WHERE t = 'd'"), db, -1).toInt(), 9);
    EXPECT_EQ(ObtemListaSQL(QStringLiteral("SELECT n FROM V WHERE n IS NOT NULL ORDER BY n"), db, QStringLiteral(",")),
              QStringLiteral("4,7,9"));
    EXPECT_EQ(ObtemListaSQL(QStringLiteral("SELECT n FROM V WHERE n > 100"), db), QString());
    // Null values are left out, so no caller builds "IN (4,,9)".
    EXPECT_EQ(ObtemListaSQL(QStringLiteral("SELECT t FROM V ORDER BY n"), db), QStringLiteral("c,a,d"));
    try {
        ObtemValorSQL(QStringLiteral("SELECT x FROM Nada"), db);
        FAIL();
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.number(), JetError::NoSuchTable);
    }
}

}  // namespace
