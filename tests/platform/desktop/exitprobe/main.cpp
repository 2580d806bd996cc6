// tq_desktop_exitprobe FILE READY...
// Sends FILE by e-mail and opens it, without waiting for either program
// (xdg-email and xdg-open from PATH), waits until every READY file exists
// (the programs' sign that they run), prints how many programs are still
// running and ends, leaving them to the application object's end.  A late
// result would be printed.
#include "platform/base/error.h"
#include "platform/desktop/desktopprogram.h"
#include "platform/desktop/fileopener.h"
#include "platform/desktop/mail.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return 2;
    platform::setDesktopProgramWait(0);
    platform::mailer().SendDocuments({args[0]}, [](const platform::Error& e) {
        std::printf("late mail failure %ld\n", e.number());
    });
    platform::fileOpener().Open(args[0], [](int result) { std::printf("late open failure %d\n", result); });
    const QDeadlineTimer limit(60000);
    for (const QString& ready : args.mid(1))
        while (!QFile::exists(ready) && !limit.hasExpired())
            QThread::msleep(10);
    std::printf("running %d\n", platform::desktopProgramsRunning());
    std::fflush(stdout);
    return 0;
}
