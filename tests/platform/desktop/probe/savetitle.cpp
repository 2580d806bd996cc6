// Opens the real save dialog on an X display and prints the title the X
// server holds for its window (_NET_WM_NAME, what a window manager draws),
// read back with xprop; savedialog_test.cpp runs it under Xvfb.
//   tq_savetitle_probe DISPLAYNAME TITLE
// DISPLAYNAME becomes the application's display name, TITLE the dialog's
// title.  Exits 0 with the title on standard output, 1 when none was read.
#include "platform/desktop/savedialog.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFileDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

// The window's _NET_WM_NAME as xprop prints it, unquoted; empty while the
// window has none.
QString titleOnServer(WId window)
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-notype"), QStringLiteral("-id"),
                                          QStringLiteral("0x%1").arg(window, 0, 16), QStringLiteral("_NET_WM_NAME")});
    if (!xprop.waitForFinished(20000))
        return {};
    static const QRegularExpression value(QStringLiteral("^_NET_WM_NAME = \"(.*)\"\\s*$"));
    const auto m = value.match(QString::fromUtf8(xprop.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1) : QString();
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: tq_savetitle_probe DISPLAYNAME TITLE\n");
        return 2;
    }
    QGuiApplication::setApplicationDisplayName(args[1]);
    QTemporaryDir folder;
    QString shown;
    // Once the dialog runs: its window's title, as soon as the server has
    // one (Qt sends it with the window), then the dialog is cancelled.
    QTimer poll;
    const QDeadlineTimer deadline(30000);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        shown = titleOnServer(dialog->winId());
        if (!shown.isEmpty() || deadline.hasExpired())
            dialog->reject();
    });
    poll.start(50);
    platform::saveDialogs().GetSaveFileName(
        {args[2], folder.path(), QStringLiteral("lista.txt"), QStringLiteral("TXT (*.txt)|*.txt")}, nullptr);
    std::printf("%s\n", shown.toUtf8().constData());
    return shown.isEmpty() ? 1 : 0;
}
