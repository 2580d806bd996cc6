#pragma once
// MSubclass: hands chosen events of a window to handler objects before (or
// instead of, or after) the window's own processing, the way a replaced
// window procedure does.  The main window uses it for the mouse wheel.
//
// A window is a top-level QWidget of the user-interface thread; a message is
// a QEvent::Type (WM_MOUSEWHEEL is QEvent::Wheel).  Attaching the first
// handler to a window installs one event filter on it (the hook); detaching
// the last removes it.  Handlers are QObjects implementing ISubclass and are
// held by QPointer: a destroyed handler drops out by itself (and a window's
// hook goes with the window).
//
// Dispatch, for every event of a message that has handlers: the handlers run
// from the last attached to the first; before the first-attached handler runs,
// the window's own processing runs when that handler's MsgResponse is 2; after
// it, when it is 1; with 0 the handlers consume the event.  The event then
// counts as handled (the window's own processing has run or was skipped on
// purpose).  The result of the last handler called is the message's result
// (the own processing's result, 1 for handled, when that ran last).
//
// Errors (platform::Error; number, description "..." and source
// "<program>.WindowProc"), raised before anything is changed:
//   kErroBaseObjeto + 13081 "Can't subclass window"              the hook could not be installed
//   kErroBaseObjeto + 13082 "Message already handled by another class"  same handler, window and message
//   kErroBaseObjeto + 13083 "Invalid window"                      no window (null, or not top-level)
//   kErroBaseObjeto + 13084 "Can't modify external window"        a window of another thread
// DetachMessageHandler never raises: unknown handlers, foreign or dead
// windows are ignored.

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>

class ISubclass {
public:
    virtual ~ISubclass() = default;
    // 2: the window's own processing runs before the handlers; 1: after
    // them; 0: not at all.
    virtual long MsgResponse() const = 0;
    virtual void SetMsgResponse(long) {}
    // Called for every hooked event; the result is the message's result.
    virtual long WindowProc(QWidget* hWnd, int iMsg, QEvent* evento) = 0;
    // The object behind the handler (held by QPointer).
    virtual QObject* ObjetoManipulador() = 0;
};

namespace MSubclass {

// The object-error base (&H80040000) as a signed 32-bit number.
inline constexpr long kErroBaseObjeto = static_cast<long>(static_cast<qint32>(0x80040000u));
inline constexpr long kErroNaoSubclassifica = kErroBaseObjeto + 13081;
inline constexpr long kErroMensagemJaTratada = kErroBaseObjeto + 13082;
inline constexpr long kErroJanelaInvalida = kErroBaseObjeto + 13083;
inline constexpr long kErroJanelaExterna = kErroBaseObjeto + 13084;

inline constexpr int WM_MOUSEWHEEL = QEvent::Wheel;

void AttachMessageHandler(ISubclass* Handler, QWidget* hWnd, int iMsg);
void DetachMessageHandler(ISubclass* Handler, QWidget* hWnd, int iMsg);

// The registry, for tests: attachments on a window over all messages (the
// hook count), handlers of one message, and whether the hook is installed.
int ContagemGanchos(const QWidget* hWnd);
int ContagemManipuladores(const QWidget* hWnd, int iMsg);
bool JanelaGanchada(const QWidget* hWnd);

}  // namespace MSubclass
