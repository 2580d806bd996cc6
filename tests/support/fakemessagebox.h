#pragma once
// A recording message box for tests: installed for its lifetime, it keeps
// every box the program would have shown and answers from a queue (or with
// the first button of the box when the queue is empty).
//
//   tqtest::FakeMessageBoxes boxes;
//   boxes.answers.push_back(platform::vbNo);
//   ... code under test ...
//   ASSERT_EQ(boxes.shown.size(), 1u);
//   EXPECT_EQ(boxes.last().title, ...);

#include "platform/desktop/messagebox.h"

#include <QString>

#include <deque>
#include <stdexcept>
#include <vector>

namespace tqtest {

class FakeMessageBoxes final : public platform::MessageBoxes {
public:
    struct Box {
        QString text;
        int style = 0;
        QString title;
        int icon() const { return style & 0x70; }
        int buttons() const { return style & 0x7; }
    };

    FakeMessageBoxes() { platform::setMessageBoxes(this); }
    ~FakeMessageBoxes() override { platform::setMessageBoxes(nullptr); }
    FakeMessageBoxes(const FakeMessageBoxes&) = delete;
    FakeMessageBoxes& operator=(const FakeMessageBoxes&) = delete;

    int Show(const QString& text, int style, const QString& title) override
    {
        shown.push_back({text, style, title});
        if (!answers.empty()) {
            const int a = answers.front();
            answers.pop_front();
            return a;
        }
        switch (style & 0x7) {
        case platform::vbYesNo:
        case platform::vbYesNoCancel: return platform::vbYes;
        default: return platform::vbOK;
        }
    }

    const Box& last() const
    {
        if (shown.empty())
            throw std::logic_error("no message box was shown");
        return shown.back();
    }

    std::vector<Box> shown;
    std::deque<int> answers;
};

}  // namespace tqtest
