#pragma once

#include <functional>
#include <memory>
#include <thread>

#include "platform/test_mail.h"

class QObject;

namespace corvane::platform {

// Runs one test e-mail on a worker thread and hands its stages, its question and its result to the
// thread of `context` (the user-interface thread), so the window stays responsive meanwhile.
class TestMailJob {
  public:
    struct Callbacks {
        std::function<void(TestMailStage)> stage;
        // The server offers no TLS: may the password go out unencrypted? Asked on the context's thread.
        std::function<bool()> allowPasswordInClear;
        std::function<void(const TestMailResult&)> finished;
    };

    // `sender` and `context` must outlive the job.
    TestMailJob(TestMailSender& sender, QObject* context, Callbacks callbacks);
    // Cancels a running test and waits for its thread; no callback runs afterwards.
    ~TestMailJob();
    TestMailJob(const TestMailJob&) = delete;
    TestMailJob& operator=(const TestMailJob&) = delete;

    // Starts a test unless one is running; false when one is.
    bool Start(TestMailRequest request);
    // Asks a running test to stop; it finishes with kCancelled.
    void Cancel();
    bool Running() const;

    struct Shared;

  private:
    TestMailSender& sender_;
    QObject* context_;
    std::shared_ptr<Shared> shared_;
    std::thread worker_;
};

}  // namespace corvane::platform
