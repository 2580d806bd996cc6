#include "platform/desktop/fileopener.h"

#include "platform/desktop/desktopprogram.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {
namespace {

// The result code of an xdg-open that ended.
int resultOf(const DesktopProgramResult& ended)
{
    if (ended.crashed)
        return kOpenNoAssociation;
    // xdg-open: 0 success, 2 a file does not exist, 3 a required tool is
    // missing, 4 the action failed (no handler for the type).
    switch (ended.exitCode) {
    case 0: return kOpenSucceeded;
    case 2: return kOpenFileNotFound;
    default: return kOpenNoAssociation;
    }
}

class XdgFileOpener final : public FileOpener {
public:
    int Open(const QString& path, const LateOpenFailure& lateFailure) override
    {
        const QFileInfo info(path);
        if (!info.exists())
            return info.dir().exists() ? kOpenFileNotFound : kOpenPathNotFound;
        const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        if (program.isEmpty())
            return kOpenNoAssociation;
        // A handler still running when the wait is over has been started,
        // which counts as success; a failure of it comes later.
        const DesktopProgramResult result =
            runDesktopProgram(program, {info.absoluteFilePath()}, [lateFailure](const DesktopProgramResult& late) {
                const int code = resultOf(late);
                if (code <= 32 && lateFailure)
                    lateFailure(code);
            });
        switch (result.state) {
        case DesktopProgramResult::State::NotStarted: return kOpenNoAssociation;
        case DesktopProgramResult::State::StillRunning: return kOpenSucceeded;
        case DesktopProgramResult::State::Ended: return resultOf(result);
        }
        return kOpenNoAssociation;
    }

    int OpenHelp(const QString& helpFile, HelpCommand, int, const LateOpenFailure& lateFailure) override
    {
        return Open(helpFile, lateFailure);
    }
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
