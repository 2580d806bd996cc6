#pragma once
// Opening documents and help files with the desktop's programs, behind an
// interface: the program uses xdg-open, tests install a fake that records
// what would have been opened and answers with a chosen result.
//
// Results of Open() follow the shell's "open" operation: a value above 32
// means the document was handed to a program; 32 or less is a failure:
//   2  the file does not exist
//   3  the folder does not exist
//   31 no program is associated with the document (or none could be started)

#include <QString>

#include <functional>

namespace platform {

// Result of a successful Open() (any value above 32 means success).
constexpr int kOpenSucceeded = 42;
constexpr int kOpenFileNotFound = 2;
constexpr int kOpenPathNotFound = 3;
constexpr int kOpenNoAssociation = 31;

// Commands of the help viewer: the file's default page, or the topic of a
// context identifier.
enum class HelpCommand : int {
    DisplayTopic = 0,
    HelpContext = 15,
};

// A failure that comes after Open() or OpenHelp() has answered success: the
// program that opens the document was still running after the wait and then
// failed.  It receives the result code (32 or less) the call would have
// returned, from the event loop; the caller shows it as it shows a failure
// returned.  It must not depend on a window that may be gone by then.
using LateOpenFailure = std::function<void(int result)>;

class FileOpener {
public:
    virtual ~FileOpener() = default;
    // Opens a document with the program associated with its type; returns
    // the result code above.  The real implementation starts xdg-open and
    // waits a few seconds for it with the windows painting (runDesktopProgram
    // of desktopprogram.h); a program still running then counts as success,
    // and its later failure goes to `lateFailure`.  Never raises.
    virtual int Open(const QString& path, const LateOpenFailure& lateFailure) = 0;
    // Shows a help file, at its default page (DisplayTopic, contextId 0) or
    // at the topic of contextId (HelpContext); returns a result code as
    // Open() does (31 when no program reads help files, the usual case on
    // Linux), a later failure as Open() does.  The viewer then runs on its
    // own.  The desktop's viewers take no topic on their command line, so the
    // real implementation opens the file itself.  Never raises.
    virtual int OpenHelp(const QString& helpFile, HelpCommand command, int contextId,
                         const LateOpenFailure& lateFailure) = 0;
};

FileOpener& fileOpener();
void setFileOpener(FileOpener* fake);

}  // namespace platform
