// Version lists, the merged entries and the progress rows, without a server.
#include "update/listaversao.h"

#include "platform/base/error.h"
#include "update/progressoatualizacao.h"

#include "support/qstringprinter.h"
#include "support/testutil.h"

#include <gtest/gtest.h>

using namespace Atualizacao;

namespace {

TEST(ListaVersao, ReadsLinesWithCrLfOrBareLfAndSkipsBlankOnes)
{
    for (const char* fim : {"\r\n", "\n"}) {
        const QString texto = QStringLiteral("FIG;Figuras\\A.JPG;120%1   %1SDB;s.sql; 7 ;extra%1EX;Prog;0%1")
                                  .arg(QLatin1String(fim));
        const auto linhas = LeListaVersao(texto, QStringLiteral("ListVersao38.txt"));
        ASSERT_EQ(linhas.size(), 3u) << fim;
        EXPECT_EQ(linhas[0].Tipo, QStringLiteral("FIG"));
        EXPECT_EQ(linhas[0].Nome, QStringLiteral("Figuras\\A.JPG"));
        EXPECT_EQ(linhas[0].Tamanho, 120);
        EXPECT_EQ(linhas[1].Tamanho, 7);
        EXPECT_EQ(linhas[1].Linha, 3);
        EXPECT_EQ(linhas[2].Tipo, QStringLiteral("EX "));  // padded to three characters
    }
    // The largest 32-bit size.
    EXPECT_EQ(LeListaVersao(QStringLiteral("FIG;a.jpg;2147483647"), QStringLiteral("L")).at(0).Tamanho, 2147483647);
}

TEST(ListaVersao, RefusesShortLinesBadSizesAndHtmlNamingListAndLine)
{
    struct Caso {
        const char* texto;
        long numero;
        const char* trecho;
    } casos[] = {
        {"FIG;a.jpg;1\r\nFIG;b.jpg\r\n", 9, "linha 2"},
        {"FIG;a.jpg;doze\r\n", 13, "\"doze\""},
        {"FIG;a.jpg;-1\r\n", 13, "\"-1\""},
        {"FIG;a.jpg;1.5\r\n", 13, "\"1.5\""},
        {"FIG;a.jpg;\r\n", 13, "linha 1"},
        {"FIG;a.jpg;99999999999999999999\r\n", 6, "grande"},
        {"FIG;a.jpg;2147483648\r\n", 6, "\"2147483648\""},   // beyond 32 bits
        {"FIG;a.jpg;4294967297\r\n", 6, "grande"},
        {"  <!DOCTYPE html><html><body>a;b;c</body></html>", 13, "HTML"},
        {"<html>\n<p>FIG;a;1</p>\n</html>\n", 13, "HTML"},
    };
    for (const Caso& c : casos) {
        try {
            LeListaVersao(QString::fromUtf8(c.texto), QStringLiteral("ListVersao39.txt"));
            ADD_FAILURE() << "accepted: " << c.texto;
        } catch (const platform::Error& e) {
            EXPECT_EQ(e.number(), c.numero) << c.texto;
            EXPECT_TRUE(e.description().contains(QStringLiteral("ListVersao39.txt"))) << e.description().toStdString();
            EXPECT_TRUE(e.description().contains(QString::fromUtf8(c.trecho))) << e.description().toStdString();
        }
    }
}

TEST(ListaVersao, MergesByTrimmedUpperCaseNameKeepingPlaceAndFirstSpelling)
{
    ListaEntradas lista;
    lista.Acrescenta(LeListaVersao(QStringLiteral("FIG;Figuras\\a.jpg;10\r\nSDB;s38.sql;5\r\nTXT;leia.txt;1\r\n"),
                                   QStringLiteral("ListVersao38.txt")));
    lista.Acrescenta(LeListaVersao(QStringLiteral("JPG; FIGURAS\\A.JPG ;30\nSDB;s39.sql;6\n"),
                                   QStringLiteral("ListVersao39.txt")));
    const auto& e = lista.Entradas();
    ASSERT_EQ(e.size(), 4u);
    EXPECT_EQ(e[0].Nome, QStringLiteral("Figuras\\a.jpg"));
    EXPECT_EQ(e[0].Tipo, QStringLiteral("JPG"));
    EXPECT_EQ(e[0].Tamanho, 30);
    EXPECT_EQ(e[1].Nome, QStringLiteral("s38.sql"));
    EXPECT_EQ(e[3].Nome, QStringLiteral("s39.sql"));
    EXPECT_EQ(lista.TotalTamanhos(), 30 + 5 + 1 + 6);  // the newer size only
}

TEST(ListaVersao, TellsHtmlPagesFromScripts)
{
    EXPECT_TRUE(PareceHtml(QStringLiteral("\xFEFF\r\n <HTML><head>")));
    EXPECT_TRUE(PareceHtml(QStringLiteral("<!doctype html>")));
    EXPECT_FALSE(PareceHtml(QStringLiteral("E:UPDATE NOTA SET Texto = '<html>'")));
    EXPECT_FALSE(PareceHtml(QStringLiteral("B:INSERT INTO T VALUES (?1)\r\n<b>negrito</b>")));
    EXPECT_FALSE(PareceHtml(QString()));
}

TEST(ProgressoAtualizacao, RowRatioWidthAndPercentage)
{
    struct Caso {
        qint64 total, feito;
        int largura;
        const char* texto;
    } casos[] = {
        {2, 0, 0, "0.00 %"},      {2, 1, 291, "50.00 %"},   {2, 2, 582, "100.00 %"},
        {0, 0, 582, "100.00 %"},  // nothing to do is done
        {10, 50, 582, "100.00 %"},  // more bytes than listed stay at 100 %
        {3, 1, 194, "33.33 %"},   {1000, 1, 1, "0.10 %"},   {8, 1, 73, "12.50 %"},  // 72.75 -> 73
        {4, 1, 146, "25.00 %"},   {1164, 1, 0, "0.09 %"},   // 0.5 px -> 0 (half to even)
        {388, 1, 2, "0.26 %"},    // 1.5 px -> 2
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(LarguraBarraProgresso(c.total, c.feito), c.largura) << c.total << "/" << c.feito;
        EXPECT_EQ(TextoPercentual(c.total, c.feito), QString::fromUtf8(c.texto)) << c.total << "/" << c.feito;
    }
}

}  // namespace
