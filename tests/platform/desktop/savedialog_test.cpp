// The save dialog: its first folder, the filters, the real QFileDialog
// driven offscreen (proposed name, Qt's overwrite question, cancel), and its
// title on an X display.

#include "platform/desktop/savedialog.h"
#include "support/qstringprinter.h"
#include "support/testutil.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

using platform::SaveFileRequest;

// Points HOME and the XDG configuration at a fresh folder for one test.
class HomeFolder {
public:
    HomeFolder() : m_home(qgetenv("HOME")), m_config(qgetenv("XDG_CONFIG_HOME"))
    {
        qputenv("HOME", m_dir.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (m_dir.path() + QStringLiteral("/.config")).toLocal8Bit());
    }
    ~HomeFolder()
    {
        qputenv("HOME", m_home);
        if (m_config.isEmpty())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", m_config);
    }
    QString path() const { return m_dir.path(); }

private:
    tqtest::TempDir m_dir;
    QByteArray m_home, m_config;
};

TEST(SaveDialogFolder, GivenFolderThenDesktopThenHome)
{
    HomeFolder home;
    EXPECT_EQ(platform::saveDialogFolder(), home.path()) << "no Desktop: the home folder";
    EXPECT_EQ(platform::saveDialogFolder(home.path() + QStringLiteral("/missing")), home.path());
    ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("Desktop")));
    EXPECT_EQ(platform::saveDialogFolder(), home.path() + QStringLiteral("/Desktop"));
    ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("out")));
    EXPECT_EQ(platform::saveDialogFolder(home.path() + QStringLiteral("/out")), home.path() + QStringLiteral("/out"));
}

TEST(SaveDialogFilters, CatalogueFormToQt)
{
    struct Row { const char* name; QString in; QStringList out; } rows[] = {
        {"text", QStringLiteral("TXT (*.txt)|*.txt"), {QStringLiteral("TXT (*.txt)")}},
        {"two patterns", QStringLiteral("JPEG (*.jpg;*.jpeg)|*.jpg;*.jpeg"), {QStringLiteral("JPEG (*.jpg *.jpeg)")}},
        {"two filters", QStringLiteral("ZIP (*.zip)|*.zip|All|*.*"), {QStringLiteral("ZIP (*.zip)"), QStringLiteral("All (*.*)")}},
        {"empty", QString(), {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(platform::qtNameFilters(r.in), r.out);
    }
}

// Runs `step` once the event loop of the next modal window is running.
void whenModal(const std::function<void(QWidget*)>& step)
{
    QTimer::singleShot(0, [step] {
        QWidget* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        step(w);
    });
}

class RealSaveDialog : public ::testing::Test {
protected:
    // A failed step leaves its window open: the watchdog closes it, so a
    // failure never hangs the run.
    void SetUp() override
    {
        m_watchdog.setInterval(10000);
        QObject::connect(&m_watchdog, &QTimer::timeout, [] {
            while (QWidget* w = QApplication::activeModalWidget())
                w->close();
        });
        m_watchdog.start();
    }

    SaveFileRequest request()
    {
        return {QStringLiteral("Catálogo - Gerar Arquivo"), m_home.path(), QStringLiteral("CAT_TQ_2024-05-01_14-03-09.txt"),
                QStringLiteral("TXT (*.txt)|*.txt")};
    }
    HomeFolder m_home;
    QTimer m_watchdog;
};

TEST_F(RealSaveDialog, ProposesNameInFolderAndReturnsThePath)
{
    QString shownFolder, shownName, shownTitle;
    QStringList shownFilters;
    whenModal([&](QWidget* w) {
        auto* d = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(d, nullptr);
        shownTitle = d->windowTitle();
        shownFolder = d->directory().absolutePath();
        shownFilters = d->nameFilters();
        if (auto* edit = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            shownName = edit->text();
        static_cast<QDialog*>(d)->accept();
    });
    const QString path = platform::saveDialogs().GetSaveFileName(request(), nullptr);
    EXPECT_EQ(path, m_home.path() + QStringLiteral("/CAT_TQ_2024-05-01_14-03-09.txt"));
    EXPECT_EQ(shownTitle, QStringLiteral("Catálogo - Gerar Arquivo"));
    EXPECT_EQ(shownFolder, m_home.path());
    EXPECT_EQ(shownName, QStringLiteral("CAT_TQ_2024-05-01_14-03-09.txt"));
    EXPECT_EQ(shownFilters, QStringList{QStringLiteral("TXT (*.txt)")});
}

TEST_F(RealSaveDialog, TypedNameWithoutExtensionGetsTheFiltersExtension)
{
    whenModal([&](QWidget* w) {
        auto* d = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(d, nullptr);
        d->selectFile(QStringLiteral("lista"));
        static_cast<QDialog*>(d)->accept();
    });
    EXPECT_EQ(platform::saveDialogs().GetSaveFileName(request(), nullptr), m_home.path() + QStringLiteral("/lista.txt"));
}

TEST_F(RealSaveDialog, ExistingFileAsksBeforeReplacing)
{
    const QString existing = m_home.path() + QStringLiteral("/CAT_TQ_2024-05-01_14-03-09.txt");
    tqtest::writeFile(existing, "old");
    for (const bool replace : {false, true}) {
        SCOPED_TRACE(replace ? "Yes" : "No");
        int questions = 0;
        whenModal([&](QWidget* w) {
            auto* d = qobject_cast<QFileDialog*>(w);
            ASSERT_NE(d, nullptr);
            whenModal([&, d](QWidget* box) {
                auto* question = qobject_cast<QMessageBox*>(box);
                ASSERT_NE(question, nullptr);
                ++questions;
                question->button(replace ? QMessageBox::Yes : QMessageBox::No)->click();
                if (!replace)
                    QTimer::singleShot(0, d, &QDialog::reject);
            });
            static_cast<QDialog*>(d)->accept();
        });
        const QString path = platform::saveDialogs().GetSaveFileName(request(), nullptr);
        EXPECT_EQ(questions, 1);
        EXPECT_EQ(path, replace ? existing : QString());
    }
    EXPECT_EQ(tqtest::readFile(existing), "old") << "the dialog itself writes nothing";
}

TEST_F(RealSaveDialog, CancelIsSilentAndEmpty)
{
    whenModal([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    EXPECT_TRUE(platform::saveDialogs().GetSaveFileName(request(), nullptr).isEmpty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// The title a user reads on the dialog's title bar: the X server's
// _NET_WM_NAME of the real dialog, shown on the xcb platform under Xvfb
// while the program's display name is set (as the catalogue sets it at
// start-up).  The title, which starts with the program's, is read once.
TEST(SaveDialogOnX, TheTitleBarShowsTheTitleOnce)
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("xprop")).isEmpty())
        GTEST_SKIP() << "Xvfb or xprop is not installed";
    // Xvfb picks a free display itself and writes its number once it
    // accepts clients.
    QProcess servidor;
    servidor.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                          QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    ASSERT_TRUE(servidor.waitForStarted(20000));
    QByteArray numero;
    const QDeadlineTimer prazo(60000);
    while (!numero.contains('\n') && !prazo.hasExpired() && servidor.state() == QProcess::Running)
        if (servidor.waitForReadyRead(1000))
            numero += servidor.readAllStandardOutput();
    ASSERT_TRUE(numero.contains('\n')) << servidor.readAllStandardError().toStdString();

    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("DISPLAY"), QLatin1Char(':') + QString::fromLatin1(numero.trimmed()));
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    // Qt's own dialog, as on any desktop without a platform dialog of its own.
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORMTHEME"), QStringLiteral("generic"));
    ambiente.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    // The X and font libraries' leaks are not this test's business, nor is
    // the keyboard library's strndup of a name that is not NUL-terminated
    // (a bounded read that the strict string check takes for an overflow).
    ambiente.insert(QStringLiteral("ASAN_OPTIONS"), ambiente.value(QStringLiteral("ASAN_OPTIONS")) +
                                                        QStringLiteral(":detect_leaks=0:strict_string_checks=0"));
    QProcess sonda;
    sonda.setProcessEnvironment(ambiente);
    sonda.start(QStringLiteral(TQ_SAVETITLE_PROBE),
                {QStringLiteral("Razovovu TQ - Vizureru"), QStringLiteral("Razovovu TQ - Vizureru - Gerar Arquivo")});
    const bool terminou = sonda.waitForFinished(120000);
    servidor.terminate();
    servidor.waitForFinished(10000);
    ASSERT_TRUE(terminou);
    EXPECT_EQ(sonda.exitCode(), 0) << sonda.readAllStandardError().toStdString();
    EXPECT_EQ(QString::fromUtf8(sonda.readAllStandardOutput()).trimmed(),
              QStringLiteral("Razovovu TQ - Vizureru - Gerar Arquivo"));
}

}  // namespace
