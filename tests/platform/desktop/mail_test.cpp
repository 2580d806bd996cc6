// The mailer with stand-in xdg-email programs on PATH: the arguments it
// receives (no shell between), and every way it can fail.

#include "platform/base/error.h"
#include "platform/desktop/mail.h"
#include "platform/desktop/messagebox.h"
#include "support/qstringprinter.h"
#include "support/testutil.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

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
    platform::mailer().SendDocuments({plain, odd}, {});
    EXPECT_EQ(received(), (QStringList{QStringLiteral("--attach"), plain, QStringLiteral("--attach"), odd}));
    EXPECT_FALSE(QFile::exists(m_files.file(QStringLiteral("x"))));
}

// Collects what this process writes on its standard error meanwhile.
class StandardErrorCapture {
public:
    StandardErrorCapture()
    {
        std::fflush(stderr);
        m_saved = ::dup(2);
        const int fd = ::open(m_file.file(QStringLiteral("stderr.txt")).toLocal8Bit().constData(),
                              O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(fd, 2);
        ::close(fd);
    }
    ~StandardErrorCapture() { restore(); }
    QString text()
    {
        restore();
        return QString::fromLocal8Bit(tqtest::readFile(m_file.file(QStringLiteral("stderr.txt"))));
    }

private:
    void restore()
    {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        ::dup2(m_saved, 2);
        ::close(m_saved);
        m_saved = -1;
    }
    tqtest::TempDir m_file;
    int m_saved = -1;
};

QString g_language;
QString language() { return g_language; }

TEST_F(StandInPath, NonZeroExitIsReportedInTheRunsLanguageAndTheOutputGoesToStandardError)
{
    installScript(4);
    platform::setMessageBoxLanguageSource(&language);
    struct Case {
        const char* language;
        const char* text;
    };
    const Case cases[] = {
        {"P", "O programa de e-mail falhou (código de saída 4 do xdg-email: o programa de e-mail não pôde ser aberto)."},
        {"E", "El programa de correo electrónico falló (código de salida 4 de xdg-email: no se pudo abrir el programa de "
              "correo)."},
        {"I", "The e-mail program failed (xdg-email exit code 4: the mail program could not be opened)."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        g_language = QString::fromLatin1(c.language);
        StandardErrorCapture err;
        try {
            platform::mailer().SendDocuments({m_files.file(QStringLiteral("f.txt"))}, {});
            ADD_FAILURE() << "no error";
        } catch (const platform::Error& e) {
            EXPECT_EQ(e.number(), platform::kMailFailed);
            EXPECT_EQ(e.description(), QString::fromUtf8(c.text));
        }
        EXPECT_EQ(err.text(), QStringLiteral("xdg-email: stand-in message\n"));
    }
    platform::setMessageBoxLanguageSource(nullptr);
}

TEST_F(StandInPath, MissingOrUnstartableProgramIsReported)
{
    EXPECT_EQ(tqtest::errorNumberOf([] { platform::mailer().SendDocuments({QStringLiteral("/tmp/x.txt")}, {}); }),
              platform::kMailProgramMissing);
    // An executable file that is no program for this system.
    const QString bogus = m_bin.file(QStringLiteral("xdg-email"));
    tqtest::writeFile(bogus, QByteArray("\x7f" "ELF garbage", 12));
    QFile::setPermissions(bogus, QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(tqtest::errorNumberOf([] { platform::mailer().SendDocuments({QStringLiteral("/tmp/x.txt")}, {}); }),
              platform::kMailNotStarted);
}

}  // namespace
