// An impatient user on a real X display: a window with an e-mail button
// that hands a file to the mail program (xdg-email, a stand-in on PATH that
// stays open until released) and a text field with the keyboard focus.
// xdotool clicks the button once, then, while the program is waited for,
// clicks it nine times more and types "abc"; the program is released; once
// the button's click has returned, it types "x", and once that has reached
// the field, clicks the button once more.
// programwait_test.cpp runs it under Xvfb.
//   tq_mailclicks_probe FILE STANDIN_FOLDER
// Prints "clicks C sent S text T" (clicks the button acted on, calls that
// returned, the field's text) and exits 0; 1 when a step could not be done.
#include "platform/desktop/desktopprogram.h"
#include "platform/desktop/mail.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace {

// Counts the button presses and key presses the X server sends, as they
// are read, before Qt makes events of them.
class XInput final : public QAbstractNativeEventFilter {
public:
    int buttonPresses = 0;
    int keyPresses = 0;
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* bytes = static_cast<const unsigned char*>(message);
        switch (bytes[0] & 0x7f) {
        case 2:  // KeyPress
            ++keyPresses;
            break;
        case 4:  // ButtonPress
            ++buttonPresses;
            break;
        case 35:  // an extension's event: XInput 2's ButtonPress, which Qt asks for
            if ((bytes[8] | bytes[9] << 8) == 4)
                ++buttonPresses;
            break;
        default:
            break;
        }
        return false;
    }
};

bool xdotool(const QStringList& arguments) { return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0; }

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: tq_mailclicks_probe FILE STANDIN_FOLDER\n");
        return 2;
    }
    const QString file = args[1];
    const QString started = args[2] + QStringLiteral("/pid");
    const QString release = args[2] + QStringLiteral("/release");

    // The wait lasts until the program ends, released below.
    platform::setDesktopProgramWait(-1);
    XInput input;
    app.installNativeEventFilter(&input);
    QWidget window;
    window.setGeometry(40, 40, 240, 120);
    QPushButton button(QStringLiteral("E-mail"), &window);
    button.setGeometry(20, 20, 200, 40);
    button.setFocusPolicy(Qt::NoFocus);  // as the picture buttons: the keys stay with the field
    QLineEdit field(&window);
    field.setGeometry(20, 70, 200, 30);
    int clicks = 0;
    int sent = 0;
    int clicksBefore = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] {
        ++clicks;
        try {
            platform::mailer().SendDocuments({file}, {});
        } catch (...) {
            std::fprintf(stderr, "the mail program failed\n");
        }
        ++sent;
    });
    window.show();
    window.activateWindow();
    field.setFocus();

    enum class Step { Show, FirstClick, DuringTheWait, Released, Typed, After, Done };
    Step step = Step::Show;
    bool failed = false;
    QDeadlineTimer deadline(60000);
    QDeadlineTimer seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (deadline.hasExpired()) {
            failed = true;
            app.exit(1);
            return;
        }
        const QPoint at = button.mapToGlobal(button.rect().center());
        switch (step) {
        case Step::Show:
            if (!window.windowHandle() || !window.windowHandle()->isExposed() || !field.hasFocus())
                return;
            step = Step::FirstClick;
            if (!xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(at.x()),
                          QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")}))
                app.exit(1);
            return;
        case Step::FirstClick:
            // Within the wait once the program has started.
            if (!QFile::exists(started))
                return;
            step = Step::DuringTheWait;
            if (!xdotool({QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("9"), QStringLiteral("--delay"),
                          QStringLiteral("40"), QStringLiteral("1")}) ||
                !xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), QStringLiteral("abc")}))
                app.exit(1);
            seen.setRemainingTime(5000);
            return;
        case Step::DuringTheWait: {
            // The program ends once this program has read the clicks and
            // keys from the server (a wait that leaves them unread gets five
            // seconds).
            if ((input.buttonPresses < 10 || input.keyPresses < 3) && !seen.hasExpired())
                return;
            QFile f(release);
            f.open(QIODevice::WriteOnly);
            step = Step::Released;
            return;
        }
        case Step::Released:
            if (sent < 1)
                return;
            step = Step::Typed;
            if (!xdotool({QStringLiteral("type"), QStringLiteral("x")}))
                app.exit(1);
            return;
        case Step::Typed:
            // The X server keeps the order of the input: once the key typed
            // after the wait has reached the field, everything before it has
            // been handled.
            if (!field.text().endsWith(QLatin1Char('x')))
                return;
            clicksBefore = clicks;
            step = Step::After;
            if (!xdotool({QStringLiteral("click"), QStringLiteral("1")}))
                app.exit(1);
            return;
        case Step::After:
            if (clicks == clicksBefore || sent < clicks)
                return;
            step = Step::Done;
            app.exit(0);
            return;
        case Step::Done:
            return;
        }
    });
    poll.start(10);
    const int code = app.exec();
    std::printf("clicks %d sent %d text %s\n", clicks, sent, qPrintable(field.text()));
    return failed ? 1 : code;
}
