// Takes the update lock on the data folder DIR from a program of its own.
//
//   tq_lockprobe DIR          takes the lock, prints 1 (taken) or 0, releases it
//   tq_lockprobe DIR turns    prints "ready", then for each "lock" line read
//                             from its input takes the lock and prints 1 or 0,
//                             and for each "release" line releases it and
//                             prints "released"; ends at the end of its input
//   tq_lockprobe DIR turns STOP
//                             the same, but the first time taking the lock
//                             comes to point STOP of writing the lock
//                             database it prints "at STOP" and waits there
//                             for a line of its input (a test kills it
//                             there, or lets it go on): "written", the lock
//                             database's hidden file written and forced to
//                             disk; "renamed", that file renamed to the lock
//                             database's name (the turn still held)
//
// An error prints "error NUMBER TEXT".  In turns the program keeps its own
// connection the whole time, as an update run does, so that a test can
// release several of them at the same instant.  The stops stand in the
// system calls that write the file (fsync, rename, renameat2), which this
// program defines over the C library's for the code linked into it.

#include "core/database.h"
#include "core/globals.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

std::string gStop;  // the point to stop at, once; empty: none

std::string BaseName(const std::string& path) { return path.substr(path.rfind('/') + 1); }

// Stops at `point` when it is the one asked for.
void StopAt(const char* point)
{
    if (gStop != point)
        return;
    gStop.clear();
    std::printf("at %s\n", point);
    std::fflush(stdout);
    char line[64];
    if (!std::fgets(line, sizeof line, stdin))
        ::_exit(3);
}

// Whether `name` is the hidden file a lock database is written in.
bool IsLockTemporary(const std::string& name)
{
    const std::string prefix = "." + Modulo::NomeArquivoBloqueio().toStdString() + ".";
    return name.size() == prefix.size() + 12 && name.compare(0, prefix.size(), prefix) == 0
        && name.compare(name.size() - 4, 4, ".tmp") == 0;
}

}  // namespace

extern "C" int fsync(int fd)
{
    const long result = ::syscall(SYS_fsync, fd);
    if (result == 0) {
        char link[64], target[4096];
        std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
        const ssize_t n = ::readlink(link, target, sizeof target - 1);
        if (n > 0 && IsLockTemporary(BaseName(std::string(target, std::size_t(n)))))
            StopAt("written");
    }
    return int(result);
}

extern "C" int renameat2(int olddirfd, const char* oldpath, int newdirfd, const char* newpath, unsigned int flags)
{
    const long result = ::syscall(SYS_renameat2, olddirfd, oldpath, newdirfd, newpath, flags);
    if (result == 0 && BaseName(newpath) == Modulo::NomeArquivoBloqueio().toStdString())
        StopAt("renamed");
    return int(result);
}

extern "C" int rename(const char* oldpath, const char* newpath) { return renameat2(AT_FDCWD, oldpath, AT_FDCWD, newpath, 0); }

namespace {

// Prints the lock's answer; false after an error.
bool TakeLock()
{
    try {
        std::printf("%d\n", Modulo::BloqueiaDazadize(true) ? 1 : 0);
    } catch (const platform::Error& e) {
        std::printf("error %ld %s\n", e.number(), e.description().toLocal8Bit().constData());
        std::fflush(stdout);
        return false;
    }
    std::fflush(stdout);
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    Modulo::gCaminhoDados = QString::fromLocal8Bit(argv[1]);
    if (argc < 3) {
        if (!TakeLock())
            return 1;
        Modulo::BloqueiaDazadize(false);
        return 0;
    }
    if (std::strcmp(argv[2], "turns") != 0)
        return 2;
    if (argc > 3)
        gStop = argv[3];
    std::printf("ready\n");
    std::fflush(stdout);
    char line[64];
    while (std::fgets(line, sizeof line, stdin)) {
        if (std::strcmp(line, "lock\n") == 0) {
            TakeLock();
        } else if (std::strcmp(line, "release\n") == 0) {
            Modulo::BloqueiaDazadize(false);
            std::printf("released\n");
            std::fflush(stdout);
        } else {
            return 2;
        }
    }
    return 0;
}
