#pragma once
// Recording fakes of the desktop services that have no fake of their own
// header: popup menus, the beep and the file opener.  Each installs itself
// for its lifetime.
//
//   tqtest::FakePopupMenus menus;
//   menus.answers.push_back(3);          // the user picks the entry with id 3
//   ... code under test ...
//   ASSERT_EQ(menus.shown.size(), 1u);   // menus.shown[0] holds the entries
//
//   tqtest::FakeBeeper beeps;  ...  EXPECT_EQ(beeps.count, 1);
//
//   tqtest::FakeFileOpener opener;  opener.result = platform::kOpenNoAssociation;
//   ...  EXPECT_EQ(opener.opened, QStringList{path});
//   opener.lateFailures[0](platform::kOpenNoAssociation);   // it fails later

#include "platform/desktop/beep.h"
#include "platform/desktop/fileopener.h"
#include "platform/desktop/popupmenu.h"

#include <QPoint>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

namespace tqtest {

class FakePopupMenus final : public platform::PopupMenus {
public:
    struct Shown {
        std::vector<platform::MenuEntry> entries;
        QPoint at;
        // The texts of the entries in order, separators as "-".
        QStringList texts() const
        {
            QStringList out;
            for (const auto& e : entries)
                out << (e.separator ? QStringLiteral("-") : e.text);
            return out;
        }
    };

    FakePopupMenus() { platform::setPopupMenus(this); }
    ~FakePopupMenus() override { platform::setPopupMenus(nullptr); }
    FakePopupMenus(const FakePopupMenus&) = delete;
    FakePopupMenus& operator=(const FakePopupMenus&) = delete;

    int Show(const std::vector<platform::MenuEntry>& entries, QPoint globalPos) override
    {
        shown.push_back({entries, globalPos});
        if (whileShown)
            whileShown();
        if (answers.empty())
            return -1;
        const int a = answers.front();
        answers.pop_front();
        return a;
    }

    std::vector<Shown> shown;
    std::deque<int> answers;  // ids to answer, in turn; -1 (closed) when empty
    std::function<void()> whileShown;  // runs while a menu is up (the screen as the user sees it)
};

class FakeBeeper final : public platform::Beeper {
public:
    FakeBeeper() { platform::setBeeper(this); }
    ~FakeBeeper() override { platform::setBeeper(nullptr); }
    FakeBeeper(const FakeBeeper&) = delete;
    FakeBeeper& operator=(const FakeBeeper&) = delete;

    void Beep() override { ++count; }
    int count = 0;
};

class FakeFileOpener final : public platform::FileOpener {
public:
    FakeFileOpener() { platform::setFileOpener(this); }
    ~FakeFileOpener() override { platform::setFileOpener(nullptr); }
    FakeFileOpener(const FakeFileOpener&) = delete;
    FakeFileOpener& operator=(const FakeFileOpener&) = delete;

    int Open(const QString& path, const platform::LateOpenFailure& lateFailure) override
    {
        opened << path;
        lateFailures.push_back(lateFailure);
        return result;
    }
    int OpenHelp(const QString& helpFile, platform::HelpCommand command, int contextId,
                 const platform::LateOpenFailure& lateFailure) override
    {
        help << QStringLiteral("%1|%2|%3").arg(helpFile).arg(int(command)).arg(contextId);
        lateFailures.push_back(lateFailure);
        return result;
    }

    int result = platform::kOpenSucceeded;
    QStringList opened;
    QStringList help;
    std::vector<platform::LateOpenFailure> lateFailures;  // the callers' functions, in call order
};

}  // namespace tqtest
