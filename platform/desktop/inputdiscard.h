#pragma once
// Throwing away the user's input while the program waits for something with
// its windows still painting (a desktop program being started, see
// desktopprogram.h).
//
// Contract of DiscardUserInput (an object on the stack around the wait):
//   - while it lives, the mouse buttons, keys, wheel, touch, tablet, context
//     menu, shortcut and input-method events of the application are thrown
//     away before any window or widget sees them, whatever they are sent to:
//     they are not held back and delivered afterwards.  The pointer's moves
//     without a button pressed still reach the windows, as do paint, timer,
//     window-system and posted events of any other kind;
//   - a modal window that opens during the wait (a message box shown by a
//     timer or a late result) takes its input as usual until it closes;
//   - finish() runs the events already waiting (input queued by the window
//     system or posted before the end of the wait is thrown away with the
//     rest); the destructor calls it when it has not been called, except
//     while an exception leaves the scope (then it only ends);
//   - after the end, what belongs to input thrown away is thrown away too:
//     the release of a key or mouse button pressed during the wait (and the
//     repeats of a key held down since then) and a move with such a button
//     still held.  The first click after the wait is a plain click even
//     when Qt would pair it with a click thrown away just before it into a
//     double click (its press reaches the widgets as a press, not as a
//     double click).  A key or button pressed afresh after the wait, and
//     every later click, act as usual;
//   - without a QGuiApplication, or off the application's thread, it does
//     nothing.  Objects may nest.

namespace platform {

class DiscardUserInput {
public:
    DiscardUserInput();
    ~DiscardUserInput();
    DiscardUserInput(const DiscardUserInput&) = delete;
    DiscardUserInput& operator=(const DiscardUserInput&) = delete;

    void finish();

private:
    bool m_active = false;
    int m_exceptions = 0;
};

}  // namespace platform
