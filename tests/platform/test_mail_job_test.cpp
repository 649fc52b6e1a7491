#include "platform/test_mail_job.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMetaObject>
#include <QObject>
#include <QThread>
#include <chrono>
#include <optional>
#include <vector>

#include "platform/mail/curl_test_mail_sender.h"
#include "support/smtp_test_server.h"
#include "support/test_mail_fixtures.h"

namespace corvane::platform {
namespace {

using namespace std::chrono_literals;

// Limits long enough that only Cancel ends a test on a silent server.
TestMailRequest Request(int port) {
    TestMailRequest r = test::LocalTestMailRequest(port);
    r.connectTimeout = r.responseTimeout = 30s;
    r.totalTimeout = 60s;
    return r;
}

// Everything the job hands back, with the thread it arrived on.
struct Recorder {
    std::vector<TestMailStage> stages;
    std::optional<TestMailResult> result;
    int questions = 0;
    bool answer = false;
    bool allOnMainThread = true;

    TestMailJob::Callbacks Callbacks() {
        auto onMain = [this] { allOnMainThread &= QThread::currentThread() == qApp->thread(); };
        return {[this, onMain](TestMailStage s) {
                    onMain();
                    stages.push_back(s);
                },
                [this, onMain] {
                    onMain();
                    ++questions;
                    return answer;
                },
                [this, onMain](const TestMailResult& r) {
                    onMain();
                    result = r;
                }};
    }
};

bool WaitFor(const std::function<bool()>& done, int milliseconds = 15000) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return done();
}

// What a window's PostTask does: the task runs on the window's thread, and not once the window is gone.
TestMailJob::PostToUi PostTo(QObject& window) {
    return [&window](std::function<void()> task) {
        QMetaObject::invokeMethod(&window, std::move(task), Qt::QueuedConnection);
    };
}

TEST(TestMailJob, HandsStagesQuestionAndResultToTheWindowThread) {
    test::SmtpTestServer server;
    if (const auto why = server.Start({.mode = "plain"}); !why.empty())
        GTEST_SKIP() << why;
    CurlTestMailSender sender;
    QObject window;
    for (const bool answer : {false, true}) {
        SCOPED_TRACE(answer ? "password in clear allowed" : "password in clear refused");
        Recorder recorder;
        recorder.answer = answer;
        TestMailJob job(sender, PostTo(window), recorder.Callbacks());
        ASSERT_TRUE(job.Start(Request(server.Port())));
        EXPECT_TRUE(job.Running());
        EXPECT_FALSE(job.Start(Request(server.Port())));  // one test at a time
        ASSERT_TRUE(WaitFor([&] { return recorder.result.has_value(); }));
        EXPECT_FALSE(job.Running());
        EXPECT_EQ(recorder.result->outcome, answer ? TestMailOutcome::kSent : TestMailOutcome::kNoTlsOffered);
        EXPECT_EQ(recorder.questions, 1);
        EXPECT_TRUE(recorder.allOnMainThread);
        ASSERT_FALSE(recorder.stages.empty());
        EXPECT_EQ(recorder.stages.front(), TestMailStage::kConnecting);
        EXPECT_EQ(recorder.stages.back(), answer ? TestMailStage::kSending : TestMailStage::kConnecting);
    }
    EXPECT_EQ(server.EventsOf("message").size(), 1u);
}

TEST(TestMailJob, CancelAndEndWhileWaitingOnASilentServer) {
    test::SmtpTestServer server;
    if (const auto why = server.Start({.mode = "silent"}); !why.empty())
        GTEST_SKIP() << why;
    CurlTestMailSender sender;
    QObject window;
    {
        SCOPED_TRACE("cancel");
        Recorder recorder;
        TestMailJob job(sender, PostTo(window), recorder.Callbacks());
        ASSERT_TRUE(job.Start(Request(server.Port())));
        ASSERT_TRUE(WaitFor([&] { return !recorder.stages.empty(); }));
        job.Cancel();
        ASSERT_TRUE(WaitFor([&] { return recorder.result.has_value(); }, 5000));
        EXPECT_EQ(recorder.result->outcome, TestMailOutcome::kCancelled);
    }
    {
        SCOPED_TRACE("window closed while the test runs");
        Recorder recorder;
        {
            TestMailJob job(sender, PostTo(window), recorder.Callbacks());
            ASSERT_TRUE(job.Start(Request(server.Port())));
        }  // returns once the worker stopped
        QCoreApplication::processEvents();
        EXPECT_FALSE(recorder.result.has_value());
        EXPECT_TRUE(recorder.stages.empty());
    }
}

}  // namespace
}  // namespace corvane::platform
