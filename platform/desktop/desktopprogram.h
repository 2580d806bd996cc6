#pragma once
// Starting one of the desktop's helper programs (xdg-email, xdg-open) and
// waiting a moment for its answer, for the mailer and the file opener.
//
// Contract of runDesktopProgram:
//   - the program is started directly (no shell), its standard input empty;
//   - it then waits at most desktopProgramWait() milliseconds (negative:
//     until the program ends) for the program to end.  Meanwhile the events
//     of the application run (the windows repaint, timers fire) with the busy
//     pointer when the program has a window system, and the user's input is
//     thrown away, not kept for later (inputdiscard.h): a click made during
//     the wait does nothing, before or after it.  Without an application
//     object, or off the application's thread, it blocks until the program
//     ends (there is no event loop to give a later result from);
//   - the result says whether the program could not start, ended (its exit
//     status, code and standard error), or still runs when the wait is over;
//   - a program that still runs goes on after the call; when it ends, its
//     result is given to `lateEnd` from the event loop (a call of its own,
//     never from inside the waiting code or a process signal).  A program
//     that has not ended when the application object goes away (the program
//     exits) is stopped quietly, and `lateEnd` is not called.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace platform {

struct DesktopProgramResult {
    enum class State {
        NotStarted,    // could not be started: startError says why
        Ended,         // ended: crashed, exitCode and standardError hold its result
        StillRunning,  // still running when the wait was over
    };
    State state = State::NotStarted;
    QString startError;
    bool crashed = false;
    int exitCode = 0;
    QByteArray standardError;
};

using DesktopProgramEnd = std::function<void(const DesktopProgramResult&)>;

DesktopProgramResult runDesktopProgram(const QString& program, const QStringList& arguments,
                                       DesktopProgramEnd lateEnd);

// How long runDesktopProgram waits for a program (5000 ms unless set; a
// negative value waits until the program ends, for a run with nobody at the
// screen that must know the result).
void setDesktopProgramWait(int ms);
int desktopProgramWait();

// How many programs that outlived their call have not yet given their late
// result (a result is given once lateEnd has returned).
int desktopProgramsRunning();

}  // namespace platform
