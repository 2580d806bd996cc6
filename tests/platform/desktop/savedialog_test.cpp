// The save dialog: its first folder, the filters, and the real QFileDialog
// driven offscreen (proposed name, Qt's overwrite question, cancel).

#include "platform/desktop/savedialog.h"
#include "support/qstringprinter.h"
#include "support/testutil.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
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

}  // namespace
