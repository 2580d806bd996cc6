#include "platform/process/process.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

extern char** environ;

namespace platform {
namespace {

int openPidfd(qint64 pid)
{
#ifdef SYS_pidfd_open
    return static_cast<int>(::syscall(SYS_pidfd_open, static_cast<pid_t>(pid), 0));
#else
    errno = ENOSYS;
    return -1;
#endif
}

// State letter of /proc/<pid>/stat ('Z' zombie, 'X' dead), 0 when there is
// no such process.
char procState(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray stat = f.readAll();
    // "pid (comm) S ...": comm may hold blanks and parentheses.
    const qsizetype close = stat.lastIndexOf(')');
    if (close < 0 || close + 2 >= stat.size())
        return 0;
    return stat.at(close + 2);
}

bool endedState(char s) { return s == 0 || s == 'Z' || s == 'X'; }

QDeadlineTimer deadlineIn(int timeoutMs)
{
    return timeoutMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(timeoutMs);
}

int remaining(const QDeadlineTimer& deadline)
{
    if (deadline.isForever())
        return -1;
    return static_cast<int>(std::max<qint64>(0, deadline.remainingTime()));
}

// Sleeps in poll() on the pidfd until the process ends or the deadline
// passes, then closes the descriptor.  poll's result: > 0 ended, 0 timed out,
// < 0 failed.
int pollPidfd(int fd, const QDeadlineTimer& deadline)
{
    pollfd p{fd, POLLIN, 0};
    int rc;
    do {
        rc = ::poll(&p, 1, remaining(deadline));
    } while (rc < 0 && errno == EINTR);
    ::close(fd);
    return rc;
}

// One pause between two looks at a process: `step` ms, less when the
// deadline is nearer (at least 1 ms).
void pause(const QDeadlineTimer& deadline, qint64 step)
{
    QThread::msleep(static_cast<unsigned long>(
        deadline.isForever() ? step : std::min<qint64>(step, std::max<qint64>(1, deadline.remainingTime()))));
}

}  // namespace

bool processRunning(qint64 pid)
{
    if (pid <= 0)
        return false;
    return !endedState(procState(pid));
}

ProcessWait waitForProcessEnd(qint64 pid, int timeoutMs)
{
    if (pid <= 0 || !processRunning(pid))
        return ProcessWait::NoSuchProcess;
    const QDeadlineTimer deadline = deadlineIn(timeoutMs);

    const int fd = openPidfd(pid);
    if (fd >= 0) {
        const int rc = pollPidfd(fd, deadline);
        if (rc > 0)
            return ProcessWait::Ended;
        if (rc == 0)
            return ProcessWait::TimedOut;
        // poll failed: fall back to /proc below.
    } else if (errno == ESRCH) {
        return ProcessWait::Ended;
    }

    while (processRunning(pid)) {
        if (deadline.hasExpired())
            return ProcessWait::TimedOut;
        pause(deadline, 50);
    }
    return ProcessWait::Ended;
}

SpawnResult spawnProgram(const QString& program, const QStringList& arguments)
{
    SpawnResult r;
    std::vector<QByteArray> storage;
    storage.reserve(static_cast<size_t>(arguments.size()) + 1);
    storage.push_back(QFile::encodeName(program));
    for (const QString& a : arguments)
        storage.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& s : storage)
        argv.push_back(s.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int rc = ::posix_spawn(&pid, storage[0].constData(), nullptr, nullptr, argv.data(), environ);
    if (rc != 0) {
        r.error = rc;
        return r;
    }
    r.pid = pid;
    return r;
}

bool waitForChild(qint64 pid, int timeoutMs, int* status)
{
    if (pid <= 0)
        return false;
    const QDeadlineTimer deadline = deadlineIn(timeoutMs);
    const int fd = openPidfd(pid);
    if (fd >= 0 && pollPidfd(fd, deadline) == 0)
        return false;
    for (;;) {
        int st = 0;
        const pid_t w = ::waitpid(static_cast<pid_t>(pid), &st, WNOHANG);
        if (w == pid) {
            if (status)
                *status = st;
            return true;
        }
        if (w < 0 && errno != EINTR)
            return true;  // not our child (anymore): nothing to wait for
        if (deadline.hasExpired())
            return false;
        pause(deadline, 20);
    }
}

bool isProgramForThisSystem(const QString& path)
{
    // The identity of an executable: ELF magic, word size, byte order,
    // version and machine, compared with this very program's.
    auto header = [](const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.read(20) : QByteArray();
    };
    const QByteArray own = header(QStringLiteral("/proc/self/exe"));
    const QByteArray other = header(path);
    if (other.size() < 20 || !other.startsWith("\x7f" "ELF"))
        return false;
    if (own.size() < 20 || !own.startsWith("\x7f" "ELF"))
        return true;  // cannot compare: accept any ELF program
    // e_type (bytes 16-17): ET_EXEC 2 or ET_DYN 3, in the file's byte order.
    const int type = other.at(5) == 1 ? static_cast<unsigned char>(other.at(16))
                                      : static_cast<unsigned char>(other.at(17));
    return other.mid(4, 3) == own.mid(4, 3) && other.mid(18, 2) == own.mid(18, 2) && (type == 2 || type == 3);
}

}  // namespace platform
