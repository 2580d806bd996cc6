// tqcompare and tqcart as programs on a demo fixture: the rows printed,
// filters, orders and languages, the comparison table dropped afterwards;
// the cart file written through the export writer, an error leaving OUT as
// it was.

#include "comparison/exportacaolista.h"
#include "platform/base/codepage.h"
#include "platform/dao/dao.h"
#include "support/demofixture.h"
#include "support/qstringprinter.h"
#include "support/testutil.h"
#include "tools/demo/demo.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace {

struct Resultado {
    int code;
    QString out, err;
};

Resultado Start(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(tqtest::builtProgram(program), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

class ComparisonTools : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new tqtest::TempDir;
        s_summary = &tqtest::DemoFixture(QStringLiteral("V"));
    }
    static void TearDownTestSuite()
    {
        delete s_dir;
    }
    QStringList AuxiliaryTables() const
    {
        auto ws = platform::dao::DBEngine::CreateWorkspace(QStringLiteral("t"));
        auto db = ws->OpenDatabase(s_summary->auxiliaryFile, false, true);
        QStringList names;
        for (const auto& t : db->TableDefs())
            names << t.Name();
        ws->Close();
        return names;
    }
    static tqtest::TempDir* s_dir;
    static const demo::Summary* s_summary;
};
tqtest::TempDir* ComparisonTools::s_dir = nullptr;
const demo::Summary* ComparisonTools::s_summary = nullptr;

TEST_F(ComparisonTools, TqcomparePrintsTheListsRowsAndDropsTheTable)
{
    const demo::Summary& s = *s_summary;
    const QString a = QString::number(s.comparisonFirst), b = QString::number(s.comparisonSecond);
    Resultado all = Start(QStringLiteral("tqcompare"), {s.dataFolder, a, b, QStringLiteral("2")});
    ASSERT_EQ(all.code, 0) << all.err.toStdString();
    QStringList lines = all.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 15);
    EXPECT_EQ(lines[0], QStringLiteral("CodigoComponente\tNumeroEmpresaComponente\tDescricaoComponente\tQuantidadeComponente1\t"
                                       "QuantidadeComponente2\tImagensGrid\tIguais"));
    EXPECT_TRUE(all.out.contains(QStringLiteral("%1\t").arg(s.cmpTenths) + QStringLiteral("0730 ")));
    EXPECT_TRUE(all.out.contains(QStringLiteral("\tGRAXA DE MONTAGEM (KG)\t0.3\t0.3\t\\r  \t1\n")));
    EXPECT_TRUE(all.out.contains(QStringLiteral("\tPROTETOR D'ÁGUA DO EIXO PILOTO\t1\t1\t\\r  \t1\n")));

    Resultado equal = Start(QStringLiteral("tqcompare"), {s.dataFolder, a, b, QStringLiteral("1"), QStringLiteral("DescricaoComponente"),
                                                    QStringLiteral("--lang"), QStringLiteral("I")});
    ASSERT_EQ(equal.code, 0) << equal.err.toStdString();
    lines = equal.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 8);
    EXPECT_TRUE(lines[1].contains(QStringLiteral("ASSEMBLY GREASE (KG)")));
    EXPECT_TRUE(lines[7].contains(QStringLiteral("THRUST WASHER")));

    Resultado different = Start(QStringLiteral("tqcompare"), {s.dataFolder, a, b});
    EXPECT_EQ(different.out.count(QLatin1Char('\n')), 8);
    EXPECT_EQ(AuxiliaryTables().filter(QStringLiteral("Cmp_")), QStringList());

    EXPECT_EQ(Start(QStringLiteral("tqcompare"), {s.dataFolder, a}).code, 2);
    const Resultado none = Start(QStringLiteral("tqcompare"), {s_dir->path(), a, b});
    EXPECT_EQ(none.code, 1);
    EXPECT_TRUE(none.err.startsWith(QStringLiteral("Error 53:")));
}

TEST_F(ComparisonTools, TqcartWritesTheCartThroughTheExportWriter)
{
    const demo::Summary& s = *s_summary;
    const QString out = s_dir->file(QStringLiteral("lista.txt"));
    Resultado r = Start(QStringLiteral("tqcart"), {s.dataFolder, out, QStringLiteral("COM:%1:3").arg(s.cmpLongDescription),
                                             QStringLiteral("COM:%1:2:op").arg(s.cmpApostrophe), QStringLiteral("COM:%1:5").arg(s.cmpLongDescription),
                                             QStringLiteral("JRE:%1:1").arg(s.suggestionKitOfAssembly), QStringLiteral("PCA:%1:1").arg(s.comparisonFirst)});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QString text = platform::fromWindows1252(tqtest::readFile(out));
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 8) << "title, empty line, header, four rows and the end";
    EXPECT_EQ(lines[0], QStringLiteral("Razovovu TQ - Vizureru     3.2     15-MAR-2024 R2"));
    EXPECT_TRUE(lines[3].contains(QStringLiteral("PROTETOR D'ÁGUA DO EIXO PILOTO")));
    EXPECT_TRUE(lines[3].endsWith(QStringLiteral("op")));
    EXPECT_EQ(lines[4].mid(31, 51), QStringLiteral("ENGRENAGEM DE ACIONAMENTO DA BOMBA DE ÓLEO COM CUBO"));
    EXPECT_EQ(lines[4].mid(82, 10), QStringLiteral("         5")) << "the larger quantity";
    for (int i = 2; i < 7; ++i)
        EXPECT_EQ(lines[i].size(), 115);
    EXPECT_EQ(AuxiliaryTables().filter(QStringLiteral("Lista_")), QStringList());

    // An unknown item: an error, and the file as it was.
    const QByteArray before = tqtest::readFile(out);
    r = Start(QStringLiteral("tqcart"), {s.dataFolder, out, QStringLiteral("COM:1:1")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("Error 3021:"))) << r.err.toStdString();
    EXPECT_EQ(tqtest::readFile(out), before);
    EXPECT_EQ(Start(QStringLiteral("tqcart"), {s.dataFolder, out, QStringLiteral("COM:x")}).code, 2);

    // No items: the title and the header, no rows.
    r = Start(QStringLiteral("tqcart"), {s.dataFolder, out});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QStringList empty = platform::fromWindows1252(tqtest::readFile(out)).split(QStringLiteral("\r\n"));
    ASSERT_EQ(empty.size(), 4) << "title, empty line, header and the end";
    EXPECT_EQ(empty[0], lines[0]);
    EXPECT_EQ(empty[2], lines[2]);
    EXPECT_EQ(AuxiliaryTables().filter(QStringLiteral("Lista_")), QStringList());
}

}  // namespace
