// Takes the update lock on the data folder DIR from a program of its own.
//
//   tq_lockprobe DIR          takes the lock, prints 1 (taken) or 0, releases it
//   tq_lockprobe DIR turns    prints "ready", then for each "lock" line read
//                             from its input takes the lock and prints 1 or 0,
//                             and for each "release" line releases it and
//                             prints "released"; ends at the end of its input
//
// An error prints "error NUMBER TEXT".  In turns the program keeps its own
// connection the whole time, as an update run does, so that a test can
// release several of them at the same instant.

#include "core/database.h"
#include "core/globals.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

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
