// The user's input while a desktop program is waited for, in the real event
// loop: clicks, keys, wheel and shortcuts made before the wait has begun,
// during it and as it ends do nothing, neither then nor after it; the
// releases of what was pressed meanwhile do nothing either; the windows
// paint and timers fire meanwhile; a modal box opened meanwhile answers; a
// click after the wait acts as usual, also the first one right after a
// click thrown away.  On a real X display (Xvfb, xdotool), where the window
// system queues the input, ten clicks on an e-mail button start one mail
// program and the click after the wait another.

#include "platform/desktop/desktopprogram.h"
#include "support/standinprogram.h"
#include "support/testutil.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QProcess>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>

#include <functional>
#include <optional>

#include <gtest/gtest.h>

namespace {

// Every input event it receives, by type, and its paintings.
class Recorder final : public QWidget {
public:
    explicit Recorder(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::StrongFocus); }
    QList<QEvent::Type> received;
    int paints = 0;

protected:
    bool event(QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
            received << e->type();
            break;
        case QEvent::Paint:
            ++paints;
            break;
        default:
            break;
        }
        return QWidget::event(e);
    }
};

// A window whose button starts the stand-in program and waits for it, as
// the e-mail buttons do, and a recorder beside it with the keyboard focus.
class ProgramWait : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_wait = platform::desktopProgramWait();
        platform::setDesktopProgramWait(120000);
        m_program.endsWhenReleased(0);
        m_window.resize(300, 200);
        m_button = new QPushButton(QStringLiteral("Start"), &m_window);
        m_button->setGeometry(10, 10, 100, 30);
        m_recorder = new Recorder(&m_window);
        m_recorder->setGeometry(10, 60, 100, 60);
        auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_K), &m_window);
        QObject::connect(shortcut, &QShortcut::activated, [this] { ++m_shortcuts; });
        QObject::connect(m_button, &QPushButton::clicked, [this] {
            ++m_clicks;
            if (m_running)
                return;  // the wait let a click in: counted, not nested
            m_running = true;
            const auto r = platform::runDesktopProgram(QStandardPaths::findExecutable(QStringLiteral("xdg-open")), {}, {});
            m_running = false;
            m_results << int(r.state);
        });
        m_window.show();
        QApplication::setActiveWindow(&m_window);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
        m_recorder->setFocus();
        QApplication::processEvents();
        m_recorder->received.clear();
    }
    void TearDown() override
    {
        m_program.release();
        platform::setDesktopProgramWait(m_wait);
    }

    QWindow* window() { return m_window.windowHandle(); }
    QPoint buttonAt() const { return m_button->geometry().center(); }
    QPoint recorderAt() const { return m_recorder->geometry().center(); }

    // Runs `during` once from the event loop as soon as the program has
    // started (inside the wait, since nothing else runs events then).
    void duringTheWait(std::function<void()> during)
    {
        auto* poll = new QTimer(&m_window);
        QObject::connect(poll, &QTimer::timeout, [this, poll, during] {
            if (!QFile::exists(m_program.pidFile()))
                return;
            poll->stop();
            during();
        });
        poll->start(5);
    }

    // A click of the window system at an explicit time.
    void click(const QPoint& at, ulong time, Qt::MouseButton b = Qt::LeftButton)
    {
        const QPointF global = window()->mapToGlobal(at);
        qt_handleMouseEvent(window(), at, global, b, b, QEvent::MouseButtonPress, {}, int(time));
        qt_handleMouseEvent(window(), at, global, {}, b, QEvent::MouseButtonRelease, {}, int(time + 1));
    }

    void post(QEvent::Type type, const QPoint& at)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QCoreApplication::postEvent(window(), new QMouseEvent(type, at, window()->mapToGlobal(at), Qt::LeftButton, held, {}));
    }
    void postClick(const QPoint& at)
    {
        post(QEvent::MouseButtonPress, at);
        post(QEvent::MouseButtonRelease, at);
    }

    tqtest::StandInProgram m_program{QStringLiteral("xdg-open")};
    QWidget m_window;
    QPushButton* m_button = nullptr;
    Recorder* m_recorder = nullptr;
    int m_clicks = 0;
    int m_shortcuts = 0;
    bool m_running = false;
    QList<int> m_results;
    int m_wait = 0;
};

TEST_F(ProgramWait, InputBeforeDuringAndAsTheWaitEndsDoesNothingThenOrAfter)
{
    std::optional<Qt::CursorShape> pointer;
    int paintsInTheWait = -1;
    bool ended = false;
    QDeadlineTimer paintDeadline;
    duringTheWait([&] {
        if (const QCursor* c = QGuiApplication::overrideCursor())
            pointer = c->shape();
        // The most impatient user, through the window system: ten clicks on
        // the button, a double click, a right click, keys, a shortcut, the
        // wheel; a button and a key pressed and held past the end.
        for (int i = 0; i < 10; ++i)
            QTest::mouseClick(window(), Qt::LeftButton, {}, buttonAt());
        QTest::mouseDClick(window(), Qt::LeftButton, {}, recorderAt());
        QTest::mouseClick(window(), Qt::RightButton, {}, recorderAt());
        QTest::keyClick(window(), Qt::Key_A);
        QTest::keyClick(window(), Qt::Key_Menu);
        QTest::keyClick(window(), Qt::Key_K, Qt::ControlModifier);
        QCoreApplication::postEvent(window(), new QWheelEvent(recorderAt(), window()->mapToGlobal(recorderAt()), {},
                                                              {0, 120}, Qt::NoButton, {}, Qt::NoScrollPhase, false));
        QTest::mousePress(window(), Qt::LeftButton, {}, recorderAt());
        QTest::keyPress(window(), Qt::Key_Delete);
        // The windows paint meanwhile: the program ends once the recorder
        // has painted (or the deadline is past, and the check below fails).
        m_recorder->paints = 0;
        m_recorder->update();
        paintDeadline.setRemainingTime(60000);
        auto* poll = new QTimer(&m_window);
        QObject::connect(poll, &QTimer::timeout, [&, poll] {
            if (m_recorder->paints == 0 && !paintDeadline.hasExpired())
                return;
            poll->stop();
            paintsInTheWait = m_recorder->paints;
            // A click and a key that reach the event queue in the turn of
            // the loop that sees the program end (after the program's end
            // in that turn or before it, they are still queued when the
            // loop is left).
            QTimer::singleShot(0, &m_window, [this] {
                postClick(buttonAt());
                QCoreApplication::postEvent(window(), new QKeyEvent(QEvent::KeyPress, Qt::Key_B, {}, QStringLiteral("b")));
            });
            ended = m_program.releaseAndBlockUntilEnded();
        });
        poll->start(5);
    });
    // Three clicks queued before the wait begins: the first starts it.
    postClick(buttonAt());
    postClick(buttonAt());
    postClick(buttonAt());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_results.isEmpty(); }, 120000));
    ASSERT_TRUE(ended);
    QApplication::processEvents();

    EXPECT_EQ(m_program.starts(), 1);
    EXPECT_EQ(m_clicks, 1);
    EXPECT_EQ(m_results, QList<int>{int(platform::DesktopProgramResult::State::Ended)});
    EXPECT_EQ(m_shortcuts, 0);
    EXPECT_EQ(m_recorder->received, QList<QEvent::Type>{});
    EXPECT_EQ(pointer, std::optional<Qt::CursorShape>(Qt::WaitCursor));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_GE(paintsInTheWait, 1);

    // The button and the key held since the wait are let go: nothing.
    QTest::mouseRelease(window(), Qt::LeftButton, {}, recorderAt());
    QTest::keyRelease(window(), Qt::Key_Delete);
    EXPECT_EQ(m_recorder->received, QList<QEvent::Type>{});

    // A click and a key after the wait act as usual; the program starts
    // again (and, released, ends at once).
    QTest::mouseClick(window(), Qt::LeftButton, {}, recorderAt());
    QTest::keyClick(window(), Qt::Key_A);
    EXPECT_EQ(m_recorder->received, (QList<QEvent::Type>{QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                                         QEvent::KeyPress, QEvent::KeyRelease}));
    QTest::mouseClick(window(), Qt::LeftButton, {}, buttonAt());
    EXPECT_EQ(m_clicks, 2);
    EXPECT_EQ(m_program.starts(), 2);
    QTest::keyClick(window(), Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(m_shortcuts, 1);
}

TEST_F(ProgramWait, TheFirstClickAfterTheWaitIsAClickEvenRightAfterOneThrownAway)
{
    // A click on the recorder during the wait, then the program ends; the
    // next click comes 100 ms after the one thrown away, which the window
    // system would pair into a double click.
    const ulong time = ulong(QTest::lastMouseTimestamp) + 10000;
    QTest::lastMouseTimestamp = int(time) + 10000;
    duringTheWait([&] {
        click(recorderAt(), time);
        m_program.release();
    });
    QTest::mouseClick(window(), Qt::LeftButton, {}, buttonAt());
    ASSERT_EQ(m_results.size(), 1);
    EXPECT_EQ(m_recorder->received, QList<QEvent::Type>{});
    click(recorderAt(), time + 100);
    EXPECT_EQ(m_recorder->received, (QList<QEvent::Type>{QEvent::MouseButtonPress, QEvent::MouseButtonRelease}));
    // A double click after that is one as usual (widgets take the double
    // click in place of its second press).
    m_recorder->received.clear();
    click(recorderAt(), time + 2000);
    click(recorderAt(), time + 2100);
    EXPECT_EQ(m_recorder->received, (QList<QEvent::Type>{QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                                         QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}));
}

TEST_F(ProgramWait, AModalBoxOpenedDuringTheWaitAnswersClicks)
{
    // A box a timer opens meanwhile (as a late error of an earlier program
    // does) is answered with a click; the wait then goes on as before.
    int answer = -1;
    duringTheWait([&] {
        QDialog box(&m_window);
        box.resize(120, 60);
        auto* ok = new QPushButton(QStringLiteral("OK"), &box);
        ok->setGeometry(10, 10, 80, 30);
        QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::accept);
        QTimer::singleShot(0, &box, [&] {
            if (QTest::qWaitForWindowExposed(&box))
                QTest::mouseClick(box.windowHandle(), Qt::LeftButton, {}, ok->geometry().center());
        });
        QTimer::singleShot(60000, &box, &QDialog::reject);  // so that a box that does not answer ends
        answer = box.exec();
        QTest::mouseClick(window(), Qt::LeftButton, {}, buttonAt());
        m_program.release();
    });
    QTest::mouseClick(window(), Qt::LeftButton, {}, buttonAt());
    EXPECT_EQ(answer, int(QDialog::Accepted));
    EXPECT_EQ(m_clicks, 1);
    EXPECT_EQ(m_program.starts(), 1);
}

TEST(ProgramWaitOnX, TenClicksStartOneMailProgramTheNextClickAnotherAndKeysTypeNothing)
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        GTEST_SKIP() << "Xvfb or xdotool is not installed";
    // Xvfb picks a free display itself and writes its number once it
    // accepts clients.
    QProcess server;
    server.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                        QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    ASSERT_TRUE(server.waitForStarted(20000));
    QByteArray number;
    const QDeadlineTimer deadline(60000);
    while (!number.contains('\n') && !deadline.hasExpired() && server.state() == QProcess::Running)
        if (server.waitForReadyRead(1000))
            number += server.readAllStandardOutput();
    ASSERT_TRUE(number.contains('\n')) << server.readAllStandardError().toStdString();

    tqtest::StandInProgram mail(QStringLiteral("xdg-email"));
    mail.endsWhenReleased(0);
    tqtest::TempDir files;
    const QString file = files.file(QStringLiteral("lista.txt"));
    tqtest::writeFile(file, "x");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), QLatin1Char(':') + QString::fromLatin1(number.trimmed()));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    // The X and keyboard libraries' leaks and bounded reads are not this
    // test's business (see savedialog_test.cpp).
    environment.insert(QStringLiteral("ASAN_OPTIONS"), environment.value(QStringLiteral("ASAN_OPTIONS")) +
                                                           QStringLiteral(":detect_leaks=0:strict_string_checks=0"));
    QProcess probe;
    probe.setProcessEnvironment(environment);
    probe.start(QStringLiteral(TQ_MAILCLICKS_PROBE), {file, mail.folder()});
    const bool ended = probe.waitForFinished(120000);
    server.terminate();
    server.waitForFinished(10000);
    ASSERT_TRUE(ended);
    EXPECT_EQ(probe.exitCode(), 0) << probe.readAllStandardError().toStdString();
    EXPECT_EQ(QString::fromUtf8(probe.readAllStandardOutput()).trimmed(), QStringLiteral("clicks 2 sent 2 text x"));
    EXPECT_EQ(mail.starts(), 2);
}

}  // namespace
