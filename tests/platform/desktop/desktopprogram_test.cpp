// The desktop's programs that are still running when the program ends: the
// application's end stops them quietly, shows nothing and does not crash.

#include "platform/process/process.h"
#include "support/standinprogram.h"
#include "support/testutil.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace {

TEST(DesktopProgramsAtExit, AreStoppedQuietlyWithoutALateResult)
{
    tqtest::StandInProgram xdgEmail(QStringLiteral("xdg-email"));
    tqtest::StandInProgram xdgOpen(QStringLiteral("xdg-open"));
    xdgEmail.endsWhenReleased(3);
    xdgOpen.endsWhenReleased(4);
    tqtest::TempDir files;
    const QString file = files.file(QStringLiteral("f.txt"));
    tqtest::writeFile(file, "x");

    QProcess probe;
    probe.start(tqtest::binaryDir() + QStringLiteral("/tests/tq_desktop_exitprobe"),
                {file, xdgEmail.pidFile(), xdgOpen.pidFile()});
    ASSERT_TRUE(probe.waitForFinished(120000));
    EXPECT_EQ(probe.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(probe.exitCode(), 0);
    EXPECT_EQ(QString::fromLocal8Bit(probe.readAllStandardOutput()), QStringLiteral("running 2\n"));
    const QString errors = QString::fromLocal8Bit(probe.readAllStandardError());
    EXPECT_FALSE(errors.contains(QStringLiteral("Destroyed while process"))) << errors.toStdString();

    // Neither stand-in is left waiting for its release.
    for (const tqtest::StandInProgram* p : {&xdgEmail, &xdgOpen}) {
        bool ok = false;
        const qint64 pid = QString::fromLatin1(tqtest::readFile(p->pidFile())).trimmed().toLongLong(&ok);
        ASSERT_TRUE(ok);
        EXPECT_NE(platform::waitForProcessEnd(pid, 60000), platform::ProcessWait::TimedOut);
    }
}

}  // namespace
