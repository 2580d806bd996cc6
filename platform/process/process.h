#pragma once
// Processes: waiting for any process of the system to end, and starting a
// program without a shell.
//
// Waiting never spins: it sleeps in poll() on a pidfd (pidfd_open), or, on a
// kernel without pidfd_open, looks at /proc/<pid>/stat every 50 ms.  A
// process that has ended but was not yet collected by its parent (a zombie)
// counts as ended.

#include <QString>
#include <QStringList>

namespace platform {

enum class ProcessWait {
    Ended,          // the process has ended
    NoSuchProcess,  // there was no such process when asked
    TimedOut,       // still running when the time was up
};

// Waits until process `pid` has ended, at most `timeoutMs` milliseconds
// (negative: without limit).  The process need not be a child.
ProcessWait waitForProcessEnd(qint64 pid, int timeoutMs);

// Whether a process of that id exists and has not ended.
bool processRunning(qint64 pid);

struct SpawnResult {
    qint64 pid = -1;   // the started process, -1 when it could not start
    int error = 0;     // errno of a failed start (ENOENT, EACCES, ENOEXEC, ...)
    bool ok() const { return pid > 0; }
};

// Starts `program` with `arguments` (argv[1..]) directly, without a shell.
// The process is a child of the caller; it goes on running when the caller
// ends.  A program that cannot be executed (missing, not executable, not a
// program for this system) gives error != 0 and no process.
SpawnResult spawnProgram(const QString& program, const QStringList& arguments);

// Whether the file is a program for this system: a non-empty ELF executable
// or shared object of this machine's word size, byte order and architecture
// (compared with the running program's own header).
bool isProgramForThisSystem(const QString& path);

// For a child started by spawnProgram: waits at most `timeoutMs` for it to
// end.  True when it ended (it is then collected and *status holds the
// waitpid status), false while it still runs.
bool waitForChild(qint64 pid, int timeoutMs, int* status);

}  // namespace platform
