// detaildemo as a program: --dump stands in for every dialog (a print dialog
// included, so a printing request ends on its own), and it starts on a
// catalogue whose texts are all Null.

#include "platform/dao/dao.h"
#include "support/qstringprinter.h"
#include "support/testutil.h"
#include "tools/demo/demo.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace {

struct Resultado {
    bool terminou;
    int code;
    QString out, err;
};

Resultado Start(const QStringList& args)
{
    QProcess p;
    p.start(tqtest::builtProgram(QStringLiteral("detaildemo")), args);
    // A dialog shown for real never ends: a minute is far beyond any run.
    const bool terminou = p.waitForFinished(60000);
    if (!terminou) {
        p.kill();
        p.waitForFinished();
    }
    return {terminou, p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

class Detaildemo : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new tqtest::TempDir;
        demo::GenerateDataFolder(demo::Options::Fixture(QStringLiteral("V"), s_dir->file(QStringLiteral("V"))));
    }
    static void TearDownTestSuite() { delete s_dir; }
    static QString Pasta() { return s_dir->file(QStringLiteral("V")); }
    static tqtest::TempDir* s_dir;
};
tqtest::TempDir* Detaildemo::s_dir = nullptr;

TEST_F(Detaildemo, DumpAnswersThePrintDialog)
{
    const Resultado r = Start({QStringLiteral("--data"), Pasta(), QStringLiteral("--dump"), QStringLiteral("6")});
    ASSERT_TRUE(r.terminou) << "the print dialog was shown for real";
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.split(QLatin1Char('\n')).contains(QStringLiteral("printed"))) << r.out.toStdString();
}

TEST_F(Detaildemo, StartsOnACatalogueWhoseTextsAreAllNull)
{
    tqtest::TempDir copia;
    const QString pasta = copia.file(QStringLiteral("V"));
    demo::GenerateDataFolder(demo::Options::Fixture(QStringLiteral("V"), pasta));
    {
        auto ws = platform::dao::DBEngine::CreateWorkspace(QStringLiteral("t"));
        auto db = ws->OpenDatabase(pasta + QLatin1Char('/') + demo::CatalogueFileName(QStringLiteral("V")), false, false);
        for (const auto& t : db->TableDefs())
            for (const auto& f : t.Fields())
                if (f.type == platform::dao::dbText && !f.required)
                    db->Execute(QStringLiteral("UPDATE %1 SET %2 = Null").arg(t.Name(), f.name));
        ws->Close();
    }
    const Resultado r = Start({QStringLiteral("--data"), pasta, QStringLiteral("--dump"), QStringLiteral("3||0")});
    ASSERT_TRUE(r.terminou);
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.count(QStringLiteral("\nrow\t")), 4) << r.out.toStdString();
}

}  // namespace
