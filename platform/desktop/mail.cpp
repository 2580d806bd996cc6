#include "platform/desktop/mail.h"

#include "platform/base/error.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace platform {
namespace {

const QString kSource = QStringLiteral("EnviaEmail");

// How long SendDocuments waits for xdg-email to report.  Some mail programs
// keep it waiting until the message window is closed: that is a success.
constexpr int kMailWaitMs = 5000;

// What xdg-email's exit codes mean.
QString exitReason(int code)
{
    switch (code) {
    case 1: return QStringLiteral("error in command line syntax");
    case 2: return QStringLiteral("one of the files does not exist");
    case 3: return QStringLiteral("a required tool could not be found");
    case 4: return QStringLiteral("the mail program could not be opened");
    case 5: return QStringLiteral("no permission to read one of the files");
    default: return QStringLiteral("the mail program failed");
    }
}

class XdgMailer final : public Mailer {
public:
    void SendDocuments(const QStringList& paths) override
    {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
        if (program.isEmpty())
            throw Error(kMailProgramMissing,
                        QStringLiteral("The e-mail program xdg-email was not found (install the package xdg-utils)."),
                        kSource);
        QStringList arguments;
        for (const QString& p : paths)
            arguments << QStringLiteral("--attach") << QFileInfo(p).absoluteFilePath();

        // Left running past the wait, the process deletes itself when it ends.
        auto* process = new QProcess(QCoreApplication::instance());
        process->setProgram(program);
        process->setArguments(arguments);
        process->setStandardInputFile(QProcess::nullDevice());
        process->start();
        if (!process->waitForStarted()) {
            const QString why = process->errorString();
            delete process;
            throw Error(kMailNotStarted, QStringLiteral("The e-mail program could not be started: ") + why, kSource);
        }
        if (!process->waitForFinished(kMailWaitMs)) {
            QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
            return;
        }
        const bool crashed = process->exitStatus() != QProcess::NormalExit;
        const int code = process->exitCode();
        const QString err = QString::fromLocal8Bit(process->readAllStandardError()).trimmed().left(300);
        delete process;
        if (!crashed && code == 0)
            return;
        QString text = crashed ? QStringLiteral("The e-mail program ended unexpectedly.")
                               : QStringLiteral("The e-mail program failed (xdg-email exit code %1: %2).").arg(code).arg(exitReason(code));
        if (!err.isEmpty())
            text += QStringLiteral("\r\n") + err;
        throw Error(kMailFailed, text, kSource);
    }
};

Mailer* g_fake = nullptr;

}  // namespace

Mailer& mailer()
{
    static XdgMailer real;
    return g_fake ? *g_fake : real;
}

void setMailer(Mailer* fake) { g_fake = fake; }

}  // namespace platform
