#pragma once
// A stand-in for one of the desktop's programs (xdg-email, xdg-open): a
// shell script of that name in a fresh folder that is put first on PATH for
// the object's lifetime.  It ends at once with an exit code, or waits until
// the test releases it, so that a test decides when the program ends
// without guessing at times.  It keeps the arguments of its last start and
// counts its starts.
//
//   tqtest::StandInProgram mail(QStringLiteral("xdg-email"));
//   mail.endsWhenReleased(3);      // exits 3 once released
//   ... the code under test starts it and returns ...
//   mail.release();
//   QTest::qWaitFor([] { return platform::desktopProgramsRunning() == 0; }, 60000);

#include "support/testutil.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QStringList>
#include <QStandardPaths>
#include <QThread>

namespace tqtest {

class StandInProgram {
public:
    // Ends the stand-in with a crash (killed by SIGSEGV) in place of an exit code.
    static constexpr int kCrash = -1;

    explicit StandInProgram(const QString& name)
        : m_script(m_bin.file(name)), m_path(qgetenv("PATH")),
          m_sleep(QStandardPaths::findExecutable(QStringLiteral("sleep")))
    {
        qputenv("PATH", (m_bin.path() + QStringLiteral(":") + QString::fromLocal8Bit(m_path)).toLocal8Bit());
    }
    ~StandInProgram()
    {
        release();  // a stand-in still waiting ends
        qputenv("PATH", m_path);
    }
    StandInProgram(const StandInProgram&) = delete;
    StandInProgram& operator=(const StandInProgram&) = delete;

    // The program ends at once with `code` (or kCrash).
    void endsAtOnce(int code) { write(QString(), code); }

    // The program writes its process id to pidFile(), then waits until
    // release() (at most ten minutes), then ends with `code` (or kCrash).
    void endsWhenReleased(int code)
    {
        QFile::remove(releaseFile());
        write(QStringLiteral("echo $$ > '%1'\n"
                             "n=0\n"
                             "while [ ! -e '%2' ] && [ $n -lt 12000 ]; do '%3' 0.05; n=$((n+1)); done\n")
                  .arg(pidFile(), releaseFile(), m_sleep),
              code);
    }

    void release() { writeFile(releaseFile(), ""); }

    // Releases the program and blocks this thread, events and all, until
    // the program of the last start has ended (it stays a zombie until its
    // parent takes its end).  False when it has not ended within `ms`.
    bool releaseAndBlockUntilEnded(int ms = 60000)
    {
        release();
        const qint64 pid = QString::fromLatin1(readFile(pidFile())).trimmed().toLongLong();
        const QString stat = QStringLiteral("/proc/%1/stat").arg(pid);
        for (QDeadlineTimer deadline(ms); !deadline.hasExpired(); QThread::msleep(2)) {
            // The state is the field after the name in parentheses.
            const QByteArray line = readFile(stat);
            const qsizetype close = line.lastIndexOf(')');
            if (pid <= 0 || line.isEmpty() || (close >= 0 && line.mid(close + 2, 1) == "Z"))
                return pid > 0;
        }
        return false;
    }

    // The arguments of the last start, one an entry.
    QStringList arguments() const
    {
        return QString::fromLocal8Bit(readFile(argumentsFile())).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    // How many times the program has been started.
    int starts() const { return int(readFile(startsFile()).count('\n')); }

    QString pidFile() const { return m_bin.file(QStringLiteral("pid")); }
    QString folder() const { return m_bin.path(); }

private:
    QString releaseFile() const { return m_bin.file(QStringLiteral("release")); }
    QString argumentsFile() const { return m_bin.file(QStringLiteral("arguments")); }
    QString startsFile() const { return m_bin.file(QStringLiteral("starts")); }
    void write(const QString& before, int code)
    {
        const QString arguments =
            QStringLiteral("echo $$ >> '%1'\n").arg(startsFile()) +
            QStringLiteral("for a in \"$@\"; do printf '%s\\n' \"$a\"; done > '%1'\n").arg(argumentsFile());
        const QString end = code == kCrash ? QStringLiteral("kill -SEGV $$\n") : QStringLiteral("exit %1\n").arg(code);
        writeFile(m_script, (QStringLiteral("#!/bin/sh\n") + arguments + before + end).toLocal8Bit());
        QFile::setPermissions(m_script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    TempDir m_bin;
    QString m_script;
    QByteArray m_path;
    QString m_sleep;
};

}  // namespace tqtest
