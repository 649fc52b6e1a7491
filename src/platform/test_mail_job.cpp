#include "platform/test_mail_job.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <utility>

namespace corvane::platform {

// Lives as long as the job or a worker still needs it. `alive` is only touched on the user-interface thread.
struct TestMailJob::Shared {
    TestMailJob::Callbacks callbacks;
    bool alive = true;
    bool running = false;
    std::atomic<bool> cancel = false;
    std::mutex mutex;
    std::condition_variable answered;
    std::optional<bool> answer;
};

namespace {

class Listener : public TestMailListener {
  public:
    Listener(std::shared_ptr<TestMailJob::Shared> shared, const TestMailJob::PostToUi& post)
        : shared_(std::move(shared)), post_(post) {}

    void OnStage(TestMailStage stage) override {
        post_([shared = shared_, stage] {
            if (shared->alive && shared->callbacks.stage)
                shared->callbacks.stage(stage);
        });
    }

    bool AllowPasswordInClear() override {
        {
            std::lock_guard lock(shared_->mutex);
            shared_->answer.reset();
        }
        post_([shared = shared_] {
            const bool yes = shared->alive && !shared->cancel && shared->callbacks.allowPasswordInClear &&
                             shared->callbacks.allowPasswordInClear();
            std::lock_guard lock(shared->mutex);
            shared->answer = yes;
            shared->answered.notify_all();
        });
        // A cancel (or the job's end) stops the wait; the password then stays unsent.
        std::unique_lock lock(shared_->mutex);
        shared_->answered.wait(lock, [&] { return shared_->answer.has_value() || shared_->cancel; });
        return shared_->answer.value_or(false) && !shared_->cancel;
    }

    bool CancelRequested() override { return shared_->cancel; }

  private:
    std::shared_ptr<TestMailJob::Shared> shared_;
    const TestMailJob::PostToUi& post_;
};

}  // namespace

TestMailJob::TestMailJob(TestMailSender& sender, PostToUi post, Callbacks callbacks)
    : sender_(sender), post_(std::move(post)), shared_(std::make_shared<Shared>()) {
    shared_->callbacks = std::move(callbacks);
}

TestMailJob::~TestMailJob() {
    shared_->alive = false;
    Cancel();
    if (worker_.joinable())
        worker_.join();
}

bool TestMailJob::Start(TestMailRequest request) {
    if (shared_->running)
        return false;
    if (worker_.joinable())
        worker_.join();  // a finished test's thread
    shared_->running = true;
    shared_->cancel = false;
    worker_ = std::thread([this, shared = shared_, request = std::move(request)] {
        Listener listener(shared, post_);
        TestMailResult result = sender_.Send(request, listener);
        post_([shared, result = std::move(result)] {
            shared->running = false;
            if (shared->alive && shared->callbacks.finished)
                shared->callbacks.finished(result);
        });
    });
    return true;
}

void TestMailJob::Cancel() {
    {
        std::lock_guard lock(shared_->mutex);
        shared_->cancel = true;
    }
    shared_->answered.notify_all();
}

bool TestMailJob::Running() const {
    return shared_->running;
}

}  // namespace corvane::platform
