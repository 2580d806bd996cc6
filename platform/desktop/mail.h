#pragma once
// E-mail behind an interface: the program opens a new message of the user's
// mail program with files attached through xdg-email (package xdg-utils),
// tests install a fake that records the attachments (see messagebox.h for
// the pattern).
//
// Contract of SendDocuments:
//   - `paths` are the files to attach, in order; the mail program opens a
//     new message for the user to address and send;
//   - the real implementation starts "xdg-email --attach FILE ..." found on
//     PATH, directly (no shell: a file name is never interpreted), and waits
//     a few seconds for it with the windows painting (runDesktopProgram of
//     desktopprogram.h; the wait is desktopProgramWait()); a mail program
//     that is still open then counts as started;
//   - a failure raises platform::Error with a text in the run's language
//     (messageBoxLanguage() of messagebox.h): xdg-email not installed (53),
//     it could not be started (75), or it ended with a non-zero exit code
//     or a crash (57, the code and its meaning in the text); what the
//     program wrote on its standard error goes to this process's standard
//     error, never into the text;
//   - a program that was still running after the wait and then fails gives
//     the same error 57, with the same text, to `lateFailure`, called from
//     the event loop after SendDocuments has returned (the caller shows it
//     as it shows the error raised); its later success says nothing.  The
//     function must not depend on a window that may be gone by then.

#include <QString>
#include <QStringList>

#include <functional>

namespace platform {

class Error;

using LateMailFailure = std::function<void(const Error&)>;

// Error numbers of SendDocuments.
constexpr long kMailProgramMissing = 53;
constexpr long kMailNotStarted = 75;
constexpr long kMailFailed = 57;

class Mailer {
public:
    virtual ~Mailer() = default;
    virtual void SendDocuments(const QStringList& paths, const LateMailFailure& lateFailure) = 0;
};

Mailer& mailer();
void setMailer(Mailer* fake);

}  // namespace platform
