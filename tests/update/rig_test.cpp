// The test servers end with the test process that started them, however it
// ends: a test that aborts must not leave nginx or the scripted server
// running (they would hold CTest's output open until its time-out).
#include "rig.h"

#include "support/testutil.h"

#include <QFile>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/types.h>

namespace {

// Whether the process is gone, or a zombie that nobody has reaped yet.
bool ended(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray s = stat.readAll();
    const qsizetype close = s.lastIndexOf(')');
    return close < 0 || close + 2 >= s.size() || s[close + 2] == 'Z' || s[close + 2] == 'X';
}

}  // namespace

TEST(Rig, ServersEndWithATestProcessThatAborts)
{
    tqtest::TempDir dir;
    QProcess probe;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TMPDIR"), dir.path()); // its servers' folders are left behind
    probe.setProcessEnvironment(env);
    probe.start(QStringLiteral(TQ_RIG_ABORT_PROBE), {dir.path()});
    ASSERT_TRUE(probe.waitForFinished(30000));
    const QByteArray out = probe.readAllStandardOutput();
    if (out.startsWith("SKIP"))
        GTEST_SKIP() << out.constData();
    ASSERT_TRUE(out.startsWith("PIDS ")) << out.constData();
    EXPECT_EQ(probe.exitStatus(), QProcess::CrashExit);
    const QList<QByteArray> pids = out.mid(5).trimmed().split(' ');
    EXPECT_EQ(pids.size(), 2);
    for (const QByteArray& p : pids) {
        const qint64 pid = p.toLongLong();
        ASSERT_GT(pid, 0);
        const bool gone = QTest::qWaitFor([&] { return ended(pid); }, 5000);
        EXPECT_TRUE(gone) << "server " << pid << " outlived the test process";
        if (!gone)
            ::kill(pid_t(pid), SIGKILL);
    }
}
