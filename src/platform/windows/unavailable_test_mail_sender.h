#pragma once

#include "platform/test_mail.h"

namespace corvane::platform {

// The test e-mail of a build that cannot send one: says so, and never claims a result.
class UnavailableTestMailSender : public TestMailSender {
  public:
    bool CanSend() const override { return false; }
    TestMailResult Send(const TestMailRequest&, TestMailListener&) override {
        return {TestMailOutcome::kOther, "This build cannot send a test e-mail."};
    }
};

}  // namespace corvane::platform
