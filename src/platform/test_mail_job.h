#pragma once

#include <functional>
#include <memory>
#include <thread>

#include "platform/test_mail.h"

namespace corvane::platform {

// Runs one test e-mail on a worker thread and hands its stages, its question and its result to the
// user-interface thread through `post`, so the window stays responsive meanwhile.
class TestMailJob {
  public:
    struct Callbacks {
        std::function<void(TestMailStage)> stage;
        // The server offers no TLS: may the password go out unencrypted? Asked on the context's thread.
        std::function<bool()> allowPasswordInClear;
        std::function<void(const TestMailResult&)> finished;
    };

    // Runs a task on the user-interface thread later; called from the worker. It may drop tasks once the
    // window is gone: the job is gone then too.
    using PostToUi = std::function<void(std::function<void()>)>;

    // `sender` must outlive the job.
    TestMailJob(TestMailSender& sender, PostToUi post, Callbacks callbacks);
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
    PostToUi post_;
    std::shared_ptr<Shared> shared_;
    std::thread worker_;
};

}  // namespace corvane::platform
