#pragma once
// A recording save dialog for tests: installed for its lifetime, it keeps
// every request the program made and answers from a queue of paths (an empty
// path is a cancel; an empty queue cancels too).
//
//   tqtest::FakeSaveDialogs dialogs;
//   dialogs.answers.push_back(dir.file("lista.txt"));
//   ... code under test ...
//   EXPECT_EQ(dialogs.requests.at(0).fileName, ...);

#include "platform/desktop/savedialog.h"

#include <deque>
#include <vector>

namespace tqtest {

class FakeSaveDialogs final : public platform::SaveDialogs {
public:
    FakeSaveDialogs() { platform::setSaveDialogs(this); }
    ~FakeSaveDialogs() override { platform::setSaveDialogs(nullptr); }
    FakeSaveDialogs(const FakeSaveDialogs&) = delete;
    FakeSaveDialogs& operator=(const FakeSaveDialogs&) = delete;

    QString GetSaveFileName(const platform::SaveFileRequest& request, QWidget*) override
    {
        requests.push_back(request);
        if (answers.empty())
            return {};
        const QString a = answers.front();
        answers.pop_front();
        return a;
    }

    std::vector<platform::SaveFileRequest> requests;
    std::deque<QString> answers;
};

}  // namespace tqtest
