#include "platform/desktop/inputdiscard.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QThread>
#include <QWindow>

#include <algorithm>
#include <exception>
#include <vector>

namespace platform {
namespace {

// A key as its press and release both name it: the physical key where the
// window system gives one (a press of "+" made with Shift may be released
// as "=" once Shift is let go), else Qt's key code.
struct Key {
    int code = 0;
    quint32 scanCode = 0;

    static Key of(const QKeyEvent& e) { return {e.key(), e.nativeScanCode()}; }
    bool sameAs(const Key& o) const
    {
        return scanCode != 0 && o.scanCode != 0 ? scanCode == o.scanCode : code == o.code;
    }
};

// The application's filter.  Input from the window system reaches a QWindow
// first and is then handed on to widgets as new events; the bookkeeping of
// presses and releases is done on the QWindow's events only, so that each
// is counted once.  During a wait every input event is thrown away at the
// first object it is sent to.
class Discarder final : public QObject {
public:
    explicit Discarder(QObject* parent) : QObject(parent) {}

    void begin()
    {
        // Installed again, the filter comes before the application's other
        // filters (the windows' key handling), also those installed since
        // it was last.
        if (m_modalAtStart.empty()) {
            QCoreApplication::instance()->installEventFilter(this);
            m_installed = true;
        }
        m_modalAtStart.emplace_back(QGuiApplication::modalWindow());
    }

    void end()
    {
        m_modalAtStart.pop_back();
        uninstallWhenIdle();
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (!isInput(e->type()))
            return false;
        if (!m_modalAtStart.empty()) {
            // A modal window opened meanwhile (a message box) is answered as
            // usual; the window system keeps the input of the others from it.
            QWindow* modal = QGuiApplication::modalWindow();
            if (modal && modal != m_modalAtStart.back())
                return false;
            return duringWait(o->isWindowType(), e);
        }
        if (!o->isWindowType())
            return false;
        const bool discard = afterWait(o, e);
        uninstallWhenIdle();
        return discard;
    }

private:
    static bool isInput(QEvent::Type t)
    {
        switch (t) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::InputMethod:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
        case QEvent::TabletPress:
        case QEvent::TabletMove:
        case QEvent::TabletRelease:
        case QEvent::Gesture:
        case QEvent::NativeGesture:
            return true;
        default:
            return false;
        }
    }

    bool duringWait(bool atWindow, QEvent* e)
    {
        switch (e->type()) {
        case QEvent::MouseMove:
            // Hover: the buttons under the pointer light up as usual.
            return static_cast<QMouseEvent*>(e)->buttons() != Qt::NoButton;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (atWindow) {
                m_buttons |= static_cast<QMouseEvent*>(e)->button();
                m_lastPressDiscarded = true;
            }
            return true;
        case QEvent::MouseButtonRelease:
            if (atWindow)
                m_buttons &= ~static_cast<QMouseEvent*>(e)->button();
            return true;
        case QEvent::KeyPress:
            if (atWindow)
                holdKey(Key::of(*static_cast<QKeyEvent*>(e)));
            return true;
        case QEvent::KeyRelease:
            if (atWindow && !static_cast<QKeyEvent*>(e)->isAutoRepeat())
                releaseKey(Key::of(*static_cast<QKeyEvent*>(e)));
            return true;
        case QEvent::ShortcutOverride:
            // Accepted: the key is no shortcut, and its press comes here as
            // a key press, thrown away above.
            e->accept();
            return true;
        default:
            return true;
        }
    }

    bool afterWait(QObject* window, QEvent* e)
    {
        switch (e->type()) {
        case QEvent::MouseButtonPress: {
            auto* press = static_cast<QMouseEvent*>(e);
            const bool pairedWithDiscarded =
                m_lastPressDiscarded && press->flags().testFlag(Qt::MouseEventCreatedDoubleClick);
            m_lastPressDiscarded = false;
            m_buttons &= ~press->button();
            if (!pairedWithDiscarded)
                return false;
            // Qt makes a double click of this press and the one thrown away
            // just before it, and widgets get that double click in place of
            // the press.  For the user it is a first click: the press goes
            // to the window as a plain one, and the double click that
            // follows it is thrown away.
            m_discardDoubleClick = true;
            QMouseEvent plain(QEvent::MouseButtonPress, press->position(), press->scenePosition(),
                              press->globalPosition(), press->button(), press->buttons(), press->modifiers(),
                              press->pointingDevice());
            plain.setTimestamp(press->timestamp());
            QCoreApplication::sendEvent(window, &plain);
            press->setAccepted(plain.isAccepted());
            return true;
        }
        case QEvent::MouseButtonDblClick: {
            const bool discard = m_discardDoubleClick;
            m_discardDoubleClick = false;
            return discard;
        }
        case QEvent::MouseButtonRelease: {
            m_discardDoubleClick = false;
            const Qt::MouseButton b = static_cast<QMouseEvent*>(e)->button();
            const bool discard = (m_buttons & b) != 0;
            m_buttons &= ~b;
            return discard;
        }
        case QEvent::MouseMove: {
            // A button let go where this program did not see it is held no
            // longer.
            m_buttons &= static_cast<QMouseEvent*>(e)->buttons();
            return m_buttons != Qt::NoButton;
        }
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
        case QEvent::KeyRelease: {
            const auto* k = static_cast<QKeyEvent*>(e);
            const auto held = findKey(Key::of(*k));
            if (held == m_keys.end())
                return false;
            if (k->isAutoRepeat()) {
                // The key held down since the wait repeats: still its input.
                e->accept();
                return true;
            }
            m_keys.erase(held);
            // A fresh press is the user's; the release ends the press thrown
            // away.
            return e->type() == QEvent::KeyRelease;
        }
        default:
            return false;
        }
    }

    std::vector<Key>::iterator findKey(const Key& k)
    {
        return std::find_if(m_keys.begin(), m_keys.end(), [&](const Key& h) { return h.sameAs(k); });
    }
    void holdKey(const Key& k)
    {
        if (findKey(k) == m_keys.end())
            m_keys.push_back(k);
    }
    void releaseKey(const Key& k)
    {
        if (const auto held = findKey(k); held != m_keys.end())
            m_keys.erase(held);
    }

    void uninstallWhenIdle()
    {
        if (!m_installed || !m_modalAtStart.empty() || m_buttons != Qt::NoButton || !m_keys.empty() ||
            m_lastPressDiscarded || m_discardDoubleClick)
            return;
        QCoreApplication::instance()->removeEventFilter(this);
        m_installed = false;
    }

    bool m_installed = false;
    std::vector<QPointer<QWindow>> m_modalAtStart;  // one for each wait running
    Qt::MouseButtons m_buttons;                     // pressed during a wait, not yet released
    std::vector<Key> m_keys;                        // likewise
    bool m_lastPressDiscarded = false;
    bool m_discardDoubleClick = false;
};

QPointer<Discarder> g_discarder;

bool onGuiThread()
{
    const QCoreApplication* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    return app && QThread::currentThread() == app->thread();
}

}  // namespace

DiscardUserInput::DiscardUserInput() : m_exceptions(std::uncaught_exceptions())
{
    if (!onGuiThread())
        return;
    if (!g_discarder)
        g_discarder = new Discarder(QCoreApplication::instance());
    g_discarder->begin();
    m_active = true;
}

DiscardUserInput::~DiscardUserInput()
{
    // Leaving by an error, no events are run here: the handlers they would
    // call must not run while the error is on its way to its box.
    if (std::uncaught_exceptions() > m_exceptions && m_active) {
        m_active = false;
        if (g_discarder)
            g_discarder->end();
        return;
    }
    finish();
}

void DiscardUserInput::finish()
{
    if (!m_active)
        return;
    // What the window system has queued, and what was posted, before the
    // end still comes under the wait.
    QCoreApplication::processEvents();
    m_active = false;
    if (g_discarder)
        g_discarder->end();
}

}  // namespace platform
