// The help opener, with the file opener's fake; and the real file opener's
// result codes, with a stand-in xdg-open on the PATH, also when they come
// after the wait.

#include "core/globals.h"
#include "core/help.h"
#include "platform/base/error.h"
#include "platform/desktop/desktopprogram.h"
#include "platform/desktop/fileopener.h"
#include "support/standinprogram.h"
#include "support/testutil.h"

#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class FakeOpener : public platform::FileOpener {
public:
    struct Call {
        QString file;
        platform::HelpCommand command;
        int context;
    };
    int Open(const QString& path, const platform::LateOpenFailure&) override
    {
        opened << path;
        return platform::kOpenSucceeded;
    }
    int OpenHelp(const QString& file, platform::HelpCommand command, int context,
                 const platform::LateOpenFailure&) override
    {
        help.push_back({file, command, context});
        return platform::kOpenSucceeded;
    }
    QStringList opened;
    std::vector<Call> help;
};

class Help : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setFileOpener(&fake);
        Modulo::gCaminhoDados = data.pathSlash();
    }
    void TearDown() override
    {
        platform::setFileOpener(nullptr);
        Modulo::gCaminhoDados = m_caminho;
        Modulo::gEdicao = m_edicao;
        Modulo::gIdioma = m_idioma;
    }
    void deliver(const QString& name) { tqtest::writeFile(data.file(name), "help"); }

    FakeOpener fake;
    tqtest::TempDir data;
    QString m_caminho = Modulo::gCaminhoDados;
    QString m_edicao = Modulo::gEdicao;
    QString m_idioma = Modulo::gIdioma;
};

TEST_F(Help, FileNameFollowsEditionAndLanguage)
{
    struct Case {
        const char* edicao;
        const char* idioma;
        const char* file;
    };
    const Case cases[] = {
        {"V", "P", "AjudaDazadizeTQ_P.chm"},   {"A", "E", "AjudaDazadizeTQ_E.chm"},
        {"D", "I", "AjudaDazadizeTQSD_I.chm"}, {"M", "I", "AjudaDazadizeTQM_I.chm"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Modulo::NomeArquivoAjuda(QString::fromLatin1(c.edicao), QString::fromLatin1(c.idioma)),
                  QString::fromLatin1(c.file));
}

TEST_F(Help, OpensTheScreensTopicOrTheDefaultPage)
{
    Modulo::gEdicao = QStringLiteral("V");
    Modulo::gIdioma = QStringLiteral("P");
    deliver(QStringLiteral("AjudaDazadizeTQ_P.chm"));
    struct Case {
        short screen;
        int context;  // 0: the file's default page
    };
    const Case cases[] = {{0, 10002}, {1, 10003}, {2, 10004}, {3, 10005}, {4, 10006},
                          {5, 10007}, {6, 0},     {7, 0},     {8, 10014}, {9, 10014}, {200, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screen);
        fake.help.clear();
        Modulo::AbreAjuda(c.screen);
        ASSERT_EQ(fake.help.size(), 1u);
        EXPECT_EQ(fake.help[0].file, data.file(QStringLiteral("AjudaDazadizeTQ_P.chm")));
        EXPECT_EQ(fake.help[0].command,
                  c.context ? platform::HelpCommand::HelpContext : platform::HelpCommand::DisplayTopic);
        EXPECT_EQ(fake.help[0].context, c.context);
    }
}

TEST_F(Help, AMissingFileRaisesMinusOneWithTheFullPath)
{
    Modulo::gEdicao = QStringLiteral("M");
    Modulo::gIdioma = QStringLiteral("I");
    deliver(QStringLiteral("AjudaDazadizeTQM_P.chm"));  // another language's file does not count
    QDir().mkdir(data.file(QStringLiteral("AjudaDazadizeTQM_I.chm")));  // nor does a folder of that name
    try {
        Modulo::AbreAjuda(4);
        ADD_FAILURE() << "no error";
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.number(), -1);
        EXPECT_EQ(e.description(), QStringLiteral("Arquivo de Ajuda \"") + data.pathSlash()
                                       + QStringLiteral("AjudaDazadizeTQM_I.chm\" não encontrado."));
    }
    EXPECT_TRUE(fake.help.empty());
}

// The real opener maps the desktop's answers onto the shell's result codes.
class RealOpener : public ::testing::Test {
protected:
    void TearDown() override { qputenv("PATH", m_path); }
    // Puts a stand-in xdg-open that exits with `code` first on the PATH.
    void standIn(int code)
    {
        const QString script = bin.file(QStringLiteral("xdg-open"));
        tqtest::writeFile(script, QStringLiteral("#!/bin/sh\nexit %1\n").arg(code).toUtf8());
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", bin.path().toLocal8Bit());
    }
    tqtest::TempDir bin;
    tqtest::TempDir docs;
    QByteArray m_path = qgetenv("PATH");
};

TEST_F(RealOpener, ResultCodes)
{
    platform::setFileOpener(nullptr);
    const QString doc = docs.file(QStringLiteral("manual.pdf"));
    tqtest::writeFile(doc, "%PDF-1.4");
    struct Case {
        const char* name;
        QString path;
        int xdgExit;  // -1: no xdg-open at all
        int expected;
    };
    const Case cases[] = {
        {"opened", doc, 0, platform::kOpenSucceeded},
        {"no handler", doc, 3, platform::kOpenNoAssociation},
        {"action failed", doc, 4, platform::kOpenNoAssociation},
        {"no xdg-open", doc, -1, platform::kOpenNoAssociation},
        {"missing file", docs.file(QStringLiteral("none.pdf")), 0, platform::kOpenFileNotFound},
        {"missing folder", docs.file(QStringLiteral("none/none.pdf")), 0, platform::kOpenPathNotFound},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.xdgExit >= 0)
            standIn(c.xdgExit);
        else
            qputenv("PATH", docs.path().toLocal8Bit());
        EXPECT_EQ(platform::fileOpener().Open(c.path, {}), c.expected);
    }
}

TEST(RealOpenerLate, AHandlerThatFailsAfterTheWaitIsReportedThenAndOneThatEndsWellIsNot)
{
    platform::setFileOpener(nullptr);
    const int wait = platform::desktopProgramWait();
    platform::setDesktopProgramWait(100);
    tqtest::TempDir docs;
    const QString doc = docs.file(QStringLiteral("manual.pdf"));
    tqtest::writeFile(doc, "%PDF-1.4");
    tqtest::StandInProgram xdgOpen(QStringLiteral("xdg-open"));
    struct Case {
        const char* name;
        int end;
        std::vector<int> late;
    };
    const Case cases[] = {
        {"no handler", 3, {platform::kOpenNoAssociation}},
        {"file gone meanwhile", 2, {platform::kOpenFileNotFound}},
        {"crash", tqtest::StandInProgram::kCrash, {platform::kOpenNoAssociation}},
        {"viewer closed", 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        xdgOpen.endsWhenReleased(c.end);
        std::vector<int> late;
        EXPECT_EQ(platform::fileOpener().Open(doc, [&late](int r) { late.push_back(r); }), platform::kOpenSucceeded);
        EXPECT_TRUE(late.empty());
        xdgOpen.release();
        ASSERT_TRUE(QTest::qWaitFor([] { return platform::desktopProgramsRunning() == 0; }, 60000));
        EXPECT_EQ(late, c.late);
    }
    platform::setDesktopProgramWait(wait);
}

}  // namespace
