#include "platform/mail/curl_test_mail_sender.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "support/smtp_test_server.h"

namespace corvane::platform {
namespace {

using namespace std::chrono_literals;
using test::SmtpTestServer;
using Clock = std::chrono::steady_clock;

class RecordingListener : public TestMailListener {
  public:
    bool allowClear = false;
    std::chrono::milliseconds cancelAfter{-1};
    std::vector<TestMailStage> stages;
    int clearQuestions = 0;
    Clock::time_point started = Clock::now();

    void OnStage(TestMailStage stage) override { stages.push_back(stage); }
    bool AllowPasswordInClear() override {
        ++clearQuestions;
        return allowClear;
    }
    bool CancelRequested() override { return cancelAfter >= 0ms && Clock::now() - started >= cancelAfter; }
};

TestMailRequest Request(int port) {
    return test::LocalTestMailRequest(port);
}

struct Case {
    const char* what;
    SmtpTestServer::Options server = {};
    bool implicitTls = false;
    bool systemStore = false;  // no CA file: the test authority is unknown
    std::string password = "secret-1";
    std::string recipient = "owner@example.test";
    bool allowClear = false;
    TestMailOutcome outcome = TestMailOutcome::kOther;
    bool delivered = false;
    bool loginSeen = false;  // the server received an AUTH command
    int clearQuestions = 0;
};

// Every case runs against its own real server on 127.0.0.1.
TEST(CurlTestMailSender, ReportsWhatTheServerDid) {
    using enum TestMailOutcome;
    const Case cases[] = {
        {"STARTTLS, right password",
         {.mode = "starttls"},
         false,
         false,
         "secret-1",
         "owner@example.test",
         false,
         kSent,
         true,
         true},
        {"TLS from the first byte",
         {.mode = "implicit"},
         true,
         false,
         "secret-1",
         "owner@example.test",
         false,
         kSent,
         true,
         true},
        {"wrong password",
         {.mode = "starttls"},
         false,
         false,
         "wrong",
         "owner@example.test",
         false,
         kLoginRefused,
         false,
         true},
        {"refused recipient",
         {.mode = "starttls", .refusedRecipients = {"nobody@example.test"}},
         false,
         false,
         "secret-1",
         "nobody@example.test",
         false,
         kRecipientRefused,
         false,
         true},
        {"authority not in the system store",
         {.mode = "implicit"},
         true,
         true,
         "secret-1",
         "owner@example.test",
         false,
         kCertificateInvalid,
         false,
         false},
        {"certificate for another name",
         {.mode = "starttls", .otherNameCertificate = true},
         false,
         false,
         "secret-1",
         "owner@example.test",
         false,
         kCertificateInvalid,
         false,
         false},
        {"no TLS, user says no",
         {.mode = "plain"},
         false,
         false,
         "secret-1",
         "owner@example.test",
         false,
         kNoTlsOffered,
         false,
         false,
         1},
        {"no TLS, user agrees",
         {.mode = "plain"},
         false,
         false,
         "secret-1",
         "owner@example.test",
         true,
         kSent,
         true,
         true,
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SmtpTestServer server;
        if (const auto why = server.Start(c.server); !why.empty())
            GTEST_SKIP() << why;
        const auto* certificates = test::TestCertificateFiles();
        CurlTestMailSender sender(c.systemStore ? std::string() : certificates->caFile);
        auto request = Request(server.Port());
        request.implicitTls = c.implicitTls;
        request.password = c.password;
        request.recipient = c.recipient;
        RecordingListener listener;
        listener.allowClear = c.allowClear;

        const auto result = sender.Send(request, listener);

        EXPECT_EQ(result.outcome, c.outcome) << result.detail;
        EXPECT_EQ(listener.clearQuestions, c.clearQuestions);
        EXPECT_EQ(server.EventsOf("auth-command").empty(), !c.loginSeen);
        const auto messages = server.EventsOf("message");
        EXPECT_EQ(messages.size(), c.delivered ? 1u : 0u);
        if (c.delivered && messages.size() == 1) {
            const auto& m = messages.front();
            EXPECT_EQ(m["from"].toString(), "sender@example.test");
            EXPECT_EQ(m["to"].toArray(), QJsonArray{"owner@example.test"});
            EXPECT_TRUE(m["authenticated"].toBool());
            const QString content = m["content"].toString();
            EXPECT_TRUE(content.contains("Subject: Corvane test e-mail\r\n")) << content.toStdString();
            EXPECT_TRUE(content.contains("\r\n\r\nFirst line.\r\nSecond line.")) << content.toStdString();
            const auto logins = server.EventsOf("login");
            EXPECT_EQ(logins.size(), 1u);
            for (const auto& login : logins)
                EXPECT_EQ(login["login"].toString(), "sender@example.test");
        }
        // The stages come in order, as far as the test got: a first connection that only looks for
        // STARTTLS unless TLS starts at the first byte, then the sending connection.
        const bool tls = c.server.mode != "plain";
        std::vector<TestMailStage> expectedStages = {TestMailStage::kConnecting};
        if (tls)
            expectedStages.push_back(TestMailStage::kSecuring);
        if (c.outcome != kCertificateInvalid && c.outcome != kNoTlsOffered) {
            if (!c.implicitTls) {
                expectedStages.push_back(TestMailStage::kConnecting);
                if (tls)
                    expectedStages.push_back(TestMailStage::kSecuring);
            }
            expectedStages.push_back(TestMailStage::kLoggingIn);
            if (c.outcome != kLoginRefused)
                expectedStages.push_back(TestMailStage::kSending);
        }
        EXPECT_EQ(listener.stages, expectedStages);
    }
}

// The password never crosses a connection without TLS unless the user agreed.
TEST(CurlTestMailSender, DeclinedClearTextSendsNoPassword) {
    SmtpTestServer server;
    if (const auto why = server.Start({.mode = "plain"}); !why.empty())
        GTEST_SKIP() << why;
    CurlTestMailSender sender;
    RecordingListener listener;
    const auto result = sender.Send(Request(server.Port()), listener);
    EXPECT_EQ(result.outcome, TestMailOutcome::kNoTlsOffered);
    EXPECT_TRUE(server.EventsOf("auth-command").empty());
    EXPECT_TRUE(server.EventsOf("login").empty());
    EXPECT_TRUE(server.EventsOf("message").empty());
}

TEST(CurlTestMailSender, NothingListeningIsARefusedConnection) {
    const int port = test::UnusedPort();
    ASSERT_NE(port, 0);
    CurlTestMailSender sender;
    RecordingListener listener;
    EXPECT_EQ(sender.Send(Request(port), listener).outcome, TestMailOutcome::kConnectionRefused);
}

TEST(CurlTestMailSender, SilentServerEndsAtTheTimeLimitOrACancel) {
    SmtpTestServer server;
    if (const auto why = server.Start({.mode = "silent"}); !why.empty())
        GTEST_SKIP() << why;
    CurlTestMailSender sender;
    {
        SCOPED_TRACE("time limit");
        auto request = Request(server.Port());
        request.responseTimeout = 1s;
        RecordingListener listener;
        const auto started = Clock::now();
        EXPECT_EQ(sender.Send(request, listener).outcome, TestMailOutcome::kTimedOut);
        EXPECT_LT(Clock::now() - started, 8s);
    }
    {
        SCOPED_TRACE("cancel while connecting");
        auto request = Request(server.Port());
        request.responseTimeout = 60s;
        request.totalTimeout = 120s;
        RecordingListener listener;
        listener.cancelAfter = 300ms;
        const auto started = Clock::now();
        const auto result = sender.Send(request, listener);
        EXPECT_EQ(result.outcome, TestMailOutcome::kCancelled);
        EXPECT_LT(Clock::now() - started, 8s);
        EXPECT_EQ(listener.stages, std::vector<TestMailStage>{TestMailStage::kConnecting});
    }
}

TEST(CurlTestMailSender, RefusesLineBreaksInFields) {
    CurlTestMailSender sender;
    RecordingListener listener;
    auto request = Request(1);
    request.recipient = "owner@example.test\r\nRCPT TO:<other@example.test>";
    EXPECT_EQ(sender.Send(request, listener).outcome, TestMailOutcome::kOther);
    EXPECT_TRUE(listener.stages.empty());
}

}  // namespace
}  // namespace corvane::platform
