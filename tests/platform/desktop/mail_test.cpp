// The mailer with stand-in xdg-email programs on PATH: the arguments it
// receives (no shell between), every way it can fail, a failure that comes
// after the wait, and the windows while it waits.

#include "platform/base/error.h"
#include "platform/desktop/desktopprogram.h"
#include "platform/desktop/mail.h"
#include "platform/desktop/messagebox.h"
#include "support/qstringprinter.h"
#include "support/standinprogram.h"
#include "support/testutil.h"

#include <QFile>
#include <QGuiApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <optional>
#include <vector>

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

// The wait made short (or long) for a test, and every stand-in it left
// running ended before the next.
class MailWait : public ::testing::Test {
protected:
    void TearDown() override
    {
        m_mail.release();
        EXPECT_TRUE(QTest::qWaitFor([] { return platform::desktopProgramsRunning() == 0; }, 60000));
        platform::setDesktopProgramWait(m_wait);
    }
    // Runs the event loop until every program that outlived its call has
    // given its result.
    static bool allResultsGiven()
    {
        return QTest::qWaitFor([] { return platform::desktopProgramsRunning() == 0; }, 60000);
    }
    void send(std::vector<platform::Error>* late)
    {
        platform::mailer().SendDocuments({m_files.file(QStringLiteral("f.txt"))},
                                         [late](const platform::Error& e) { late->push_back(e); });
    }

    tqtest::StandInProgram m_mail{QStringLiteral("xdg-email")};
    tqtest::TempDir m_files;
    int m_wait = platform::desktopProgramWait();
};

TEST_F(MailWait, AFailureAfterTheWaitGivesTheErrorOfAQuickFailureLater)
{
    struct Case {
        const char* name;
        int end;
        const char* text;
    };
    const Case cases[] = {
        {"exit 3", 3, "The e-mail program failed (xdg-email exit code 3: a required tool could not be found)."},
        {"crash", tqtest::StandInProgram::kCrash, "The e-mail program ended unexpectedly."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // At once (within a wait long enough for any machine): raised by the
        // call.
        platform::setDesktopProgramWait(120000);
        m_mail.endsAtOnce(c.end);
        std::vector<platform::Error> late;
        try {
            send(&late);
            ADD_FAILURE() << "no error";
        } catch (const platform::Error& e) {
            EXPECT_EQ(e.number(), platform::kMailFailed);
            EXPECT_EQ(e.description(), QString::fromUtf8(c.text));
        }
        // After the wait: the call returns, and the same error comes once
        // the program ends.
        platform::setDesktopProgramWait(100);
        m_mail.endsWhenReleased(c.end);
        send(&late);
        EXPECT_TRUE(late.empty());
        EXPECT_EQ(platform::desktopProgramsRunning(), 1);
        m_mail.release();
        ASSERT_TRUE(allResultsGiven());
        ASSERT_EQ(late.size(), 1u);
        EXPECT_EQ(late[0].number(), platform::kMailFailed);
        EXPECT_EQ(late[0].description(), QString::fromUtf8(c.text));
    }
}

TEST_F(MailWait, AProgramStillOpenAfterTheWaitThatEndsWellSaysNothing)
{
    platform::setDesktopProgramWait(100);
    m_mail.endsWhenReleased(0);
    std::vector<platform::Error> late;
    send(&late);
    EXPECT_EQ(platform::desktopProgramsRunning(), 1);
    m_mail.release();
    ASSERT_TRUE(allResultsGiven());
    EXPECT_TRUE(late.empty());
}

// Counts its paintings once armed, and calls onPaint at each.
class Painted final : public QWidget {
public:
    explicit Painted(std::function<void()> onPaint) : m_onPaint(std::move(onPaint)) { resize(40, 30); }
    bool armed = false;
    int paintsWhileArmed = 0;

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!armed)
            return;
        ++paintsWhileArmed;
        m_onPaint();
    }

private:
    std::function<void()> m_onPaint;
};

TEST_F(MailWait, TheWindowsPaintWhileTheProgramIsWaitedFor)
{
    // The stand-in ends only once a window has painted during the wait: the
    // failure is then raised by the call.  A wait that held the events back
    // would run out with the program still running, and raise nothing.
    platform::setDesktopProgramWait(120000);
    m_mail.endsWhenReleased(4);
    Painted window([this] { m_mail.release(); });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    std::optional<Qt::CursorShape> pointer;
    QTimer::singleShot(0, &window, [&] {
        if (const QCursor* c = QGuiApplication::overrideCursor())
            pointer = c->shape();
        window.armed = true;
        window.update();
    });
    std::vector<platform::Error> late;
    EXPECT_EQ(tqtest::errorNumberOf([&] { send(&late); }), platform::kMailFailed);
    EXPECT_GE(window.paintsWhileArmed, 1);
    EXPECT_EQ(pointer, std::optional<Qt::CursorShape>(Qt::WaitCursor));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(late.empty());
}

}  // namespace
