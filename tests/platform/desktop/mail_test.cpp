// The mailer with stand-in xdg-email programs on PATH: the arguments it
// receives (no shell between), and every way it can fail.

#include "platform/base/error.h"
#include "platform/desktop/mail.h"
#include "support/qstringprinter.h"
#include "support/testutil.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

// PATH holds only a fresh folder (and the shell's own folder for scripts).
class StandInPath : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_path = qgetenv("PATH");
        qputenv("PATH", m_bin.path().toLocal8Bit());
    }
    void TearDown() override { qputenv("PATH", m_path); }

    // An xdg-email that writes each argument on a line of args.txt, a line
    // on stderr, and exits with `code`.
    void installScript(int code)
    {
        const QString script = m_bin.file(QStringLiteral("xdg-email"));
        tqtest::writeFile(script, QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '%1'\n"
                                                 "echo 'xdg-email: stand-in message' >&2\nexit %2\n")
                                      .arg(m_bin.file(QStringLiteral("args.txt")))
                                      .arg(code)
                                      .toLocal8Bit());
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QStringList received() const
    {
        return QString::fromLocal8Bit(tqtest::readFile(m_bin.file(QStringLiteral("args.txt")))).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    tqtest::TempDir m_bin;
    tqtest::TempDir m_files;
    QByteArray m_path;
};

TEST_F(StandInPath, AttachesEveryFileInOrderWithoutAShell)
{
    installScript(0);
    const QString odd = m_files.file(QStringLiteral("a b;$(touch x)'.txt"));
    const QString plain = m_files.file(QStringLiteral("CAT_TQ_2024-05-01_14-03-09.txt"));
    tqtest::writeFile(odd, "1");
    tqtest::writeFile(plain, "2");
    platform::mailer().SendDocuments({plain, odd});
    EXPECT_EQ(received(), (QStringList{QStringLiteral("--attach"), plain, QStringLiteral("--attach"), odd}));
    EXPECT_FALSE(QFile::exists(m_files.file(QStringLiteral("x"))));
}

TEST_F(StandInPath, NonZeroExitIsReportedWithItsReason)
{
    installScript(4);
    try {
        platform::mailer().SendDocuments({m_files.file(QStringLiteral("f.txt"))});
        FAIL() << "no error";
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.number(), platform::kMailFailed);
        EXPECT_TRUE(e.description().contains(QStringLiteral("exit code 4"))) << e.description().toStdString();
        EXPECT_TRUE(e.description().contains(QStringLiteral("stand-in message")));
    }
}

TEST_F(StandInPath, MissingOrUnstartableProgramIsReported)
{
    EXPECT_EQ(tqtest::errorNumberOf([] { platform::mailer().SendDocuments({QStringLiteral("/tmp/x.txt")}); }),
              platform::kMailProgramMissing);
    // An executable file that is no program for this system.
    const QString bogus = m_bin.file(QStringLiteral("xdg-email"));
    tqtest::writeFile(bogus, QByteArray("\x7f" "ELF garbage", 12));
    QFile::setPermissions(bogus, QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(tqtest::errorNumberOf([] { platform::mailer().SendDocuments({QStringLiteral("/tmp/x.txt")}); }),
              platform::kMailNotStarted);
}

}  // namespace
