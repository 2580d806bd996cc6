// A test process that starts the rig's servers and then aborts, for the test
// that the servers end with it.  Prints "PIDS <pid> <pid> ..." once they
// answer, then aborts without stopping them.
#include "rig.h"

#include <QCoreApplication>
#include <QProcess>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString root = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    // Leaked on purpose: nothing may stop them but the end of this process.
    auto* web = new tqrig::Nginx;
    auto* scripted = new tqrig::ScriptedServer;
    if (!web->start(root) || !scripted->start(QJsonObject{{QStringLiteral("default"), QJsonObject{}}})) {
        std::printf("SKIP %s%s\n", qPrintable(web->reason()), qPrintable(scripted->reason()));
        return 0;
    }
    std::printf("PIDS %lld %lld\n", web->processId(), scripted->processId());
    std::fflush(stdout);
    std::abort();
}
