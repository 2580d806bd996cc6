#include "platform/desktop/desktopprogram.h"

#include "platform/desktop/inputdiscard.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QProcess>
#include <QThread>
#include <QTimer>

#include <memory>

namespace platform {
namespace {

int g_waitMs = 5000;
int g_running = 0;

DesktopProgramResult endedResult(QProcess& process)
{
    DesktopProgramResult r;
    r.state = DesktopProgramResult::State::Ended;
    r.crashed = process.exitStatus() != QProcess::NormalExit;
    r.exitCode = process.exitCode();
    r.standardError = process.readAllStandardError();
    return r;
}

// Whether this thread runs the application's events: only then can the
// windows repaint meanwhile, and a late result be delivered.
bool onApplicationThread()
{
    const QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

// Waits at most `ms` (negative: no limit) for the process to end, running
// the application's events with the busy pointer.  The user's input of the
// meantime is thrown away: held back, it would act once the wait is over,
// every impatient click on the button that started the program starting one
// more.  True when the process has ended.
bool waitRunningEvents(QProcess& process, int ms)
{
    if (process.state() == QProcess::NotRunning)
        return true;
    DiscardUserInput discard;
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    if (ms >= 0)
        limit.start(ms);
    const bool pointer = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    if (pointer)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    loop.exec();
    discard.finish();
    if (pointer)
        QGuiApplication::restoreOverrideCursor();
    return process.state() == QProcess::NotRunning;
}

// A program that outlived its call.  It belongs to the application object;
// when the program ends, its result is handed to the caller's function in a
// call of its own from the event loop (the function may show a modal box,
// which must not run inside the process's signal), and this object goes.
class LateProgram final : public QObject {
public:
    LateProgram(std::unique_ptr<QProcess> process, DesktopProgramEnd lateEnd)
        : QObject(QCoreApplication::instance()), m_process(process.release()), m_lateEnd(std::move(lateEnd))
    {
        ++g_running;
        m_process->setParent(this);
        connect(m_process, &QProcess::finished, this, &LateProgram::ended);
    }
    ~LateProgram() override
    {
        if (!m_process)
            return;
        // The application goes away first (the program exits): the program
        // is stopped as QProcess itself would, without its warning, and the
        // result is no one's to show.
        --g_running;
        m_process->disconnect(this);
        m_process->kill();
        m_process->waitForFinished(1000);
    }
    LateProgram(const LateProgram&) = delete;
    LateProgram& operator=(const LateProgram&) = delete;

private:
    void ended()
    {
        const DesktopProgramResult result = endedResult(*m_process);
        m_process->disconnect(this);
        m_process = nullptr;  // deleted with this object
        deleteLater();
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [lateEnd = std::move(m_lateEnd), result] {
                try {
                    if (lateEnd)
                        lateEnd(result);
                } catch (...) {
                    // Nothing may leave a call of the event loop.
                }
                --g_running;
            },
            Qt::QueuedConnection);
    }

    QProcess* m_process;
    DesktopProgramEnd m_lateEnd;
};

}  // namespace

DesktopProgramResult runDesktopProgram(const QString& program, const QStringList& arguments, DesktopProgramEnd lateEnd)
{
    auto process = std::make_unique<QProcess>();
    process->setProgram(program);
    process->setArguments(arguments);
    process->setStandardInputFile(QProcess::nullDevice());
    process->start();
    if (!process->waitForStarted()) {
        DesktopProgramResult r;
        r.startError = process->errorString();
        return r;
    }
    // Without the application's events there is no later moment to give the
    // result at: the program is waited for until it ends.
    if (!onApplicationThread()) {
        process->waitForFinished(-1);
        return endedResult(*process);
    }
    if (waitRunningEvents(*process, g_waitMs))
        return endedResult(*process);
    new LateProgram(std::move(process), std::move(lateEnd));
    DesktopProgramResult r;
    r.state = DesktopProgramResult::State::StillRunning;
    return r;
}

void setDesktopProgramWait(int ms) { g_waitMs = ms; }

int desktopProgramWait() { return g_waitMs; }

int desktopProgramsRunning() { return g_running; }

}  // namespace platform
