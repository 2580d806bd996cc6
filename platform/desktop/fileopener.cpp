#include "platform/desktop/fileopener.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace platform {
namespace {

// How long Open() waits for xdg-open to report; a handler that is still
// running after that has been started, which counts as success.
constexpr int kOpenWaitMs = 5000;

class XdgFileOpener final : public FileOpener {
public:
    int Open(const QString& path) override
    {
        const QFileInfo info(path);
        if (!info.exists())
            return info.dir().exists() ? kOpenFileNotFound : kOpenPathNotFound;
        const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        if (program.isEmpty())
            return kOpenNoAssociation;
        // The process outlives this call when the handler keeps xdg-open
        // waiting; it is then left to finish on its own.
        auto* process = new QProcess(QCoreApplication::instance());
        process->setProgram(program);
        process->setArguments({info.absoluteFilePath()});
        process->setStandardInputFile(QProcess::nullDevice());
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        QObject::connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError e) {
            if (e == QProcess::FailedToStart)
                process->deleteLater();
        });
        process->start();
        if (!process->waitForStarted())
            return kOpenNoAssociation;
        if (!process->waitForFinished(kOpenWaitMs))
            return kOpenSucceeded;
        if (process->exitStatus() != QProcess::NormalExit)
            return kOpenNoAssociation;
        // xdg-open: 0 success, 2 a file does not exist, 3 a required tool is
        // missing, 4 the action failed (no handler for the type).
        switch (process->exitCode()) {
        case 0: return kOpenSucceeded;
        case 2: return kOpenFileNotFound;
        default: return kOpenNoAssociation;
        }
    }

    int OpenHelp(const QString& helpFile, HelpCommand, int) override { return Open(helpFile); }
};

FileOpener* g_fakeFileOpener = nullptr;

}  // namespace

FileOpener& fileOpener()
{
    static XdgFileOpener real;
    return g_fakeFileOpener ? *g_fakeFileOpener : real;
}

void setFileOpener(FileOpener* fake) { g_fakeFileOpener = fake; }

}  // namespace platform
