#pragma once
// A recording mailer for tests: installed for its lifetime, it keeps the
// attachment list of every message the program opened and the caller's
// function for a late failure; with `failWith` set it raises that error
// instead (the message is still recorded).
//
//   tqtest::FakeMailer mail;
//   ... code under test ...
//   ASSERT_EQ(mail.sent.size(), 1u);
//   EXPECT_EQ(mail.sent[0], QStringList{path});
//   mail.lateFailures[0](error);          // the mail program fails later

#include "platform/base/error.h"
#include "platform/desktop/mail.h"

#include <optional>
#include <vector>

namespace tqtest {

class FakeMailer final : public platform::Mailer {
public:
    FakeMailer() { platform::setMailer(this); }
    ~FakeMailer() override { platform::setMailer(nullptr); }
    FakeMailer(const FakeMailer&) = delete;
    FakeMailer& operator=(const FakeMailer&) = delete;

    void SendDocuments(const QStringList& paths, const platform::LateMailFailure& lateFailure) override
    {
        sent.push_back(paths);
        lateFailures.push_back(lateFailure);
        if (failWith)
            throw *failWith;
    }

    std::vector<QStringList> sent;
    std::vector<platform::LateMailFailure> lateFailures;
    std::optional<platform::Error> failWith;
};

}  // namespace tqtest
