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

using RecordingListener = test::RecordingTestMailListener;

TestMailRequest Request(int port) {
    auto request = test::LocalTestMailRequest(port);
    request.bodyWithoutLogin = "Sent without a login.";
    return request;
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

bool IsCertificateFault(TestMailOutcome outcome) {
    using enum TestMailOutcome;
    return outcome == kCertificateWrongName || outcome == kCertificateUntrusted ||
           outcome == kCertificateExpired || outcome == kCertificateInvalid;
}

// Every case runs against its own real server on 127.0.0.1.
TEST(CurlTestMailSender, ReportsWhatTheServerDid) {
    using enum TestMailOutcome;
    using test::ServerCertificate;
    const Case cases[] = {
        {.what = "STARTTLS, right password",
         .server = {.mode = "starttls"},
         .outcome = kSent,
         .delivered = true,
         .loginSeen = true},
        {.what = "TLS from the first byte",
         .server = {.mode = "implicit"},
         .implicitTls = true,
         .outcome = kSent,
         .delivered = true,
         .loginSeen = true},
        {.what = "wrong password",
         .server = {.mode = "starttls"},
         .password = "wrong",
         .outcome = kLoginRefused,
         .loginSeen = true},
        {.what = "refused recipient",
         .server = {.mode = "starttls", .refusedRecipients = {"nobody@example.test"}},
         .recipient = "nobody@example.test",
         .outcome = kRecipientRefused,
         .loginSeen = true},
        {.what = "authority not in the system store",
         .server = {.mode = "implicit"},
         .implicitTls = true,
         .systemStore = true,
         .outcome = kCertificateUntrusted},
        {.what = "self-signed certificate",
         .server = {.mode = "implicit", .certificate = ServerCertificate::kSelfSigned},
         .implicitTls = true,
         .outcome = kCertificateUntrusted},
        {.what = "expired certificate",
         .server = {.mode = "starttls", .certificate = ServerCertificate::kExpired},
         .outcome = kCertificateExpired},
        {.what = "certificate for another name",
         .server = {.mode = "starttls", .certificate = ServerCertificate::kOtherName},
         .outcome = kCertificateWrongName},
        {.what = "no TLS, user says no",
         .server = {.mode = "plain"},
         .outcome = kNoTlsOffered,
         .clearQuestions = 1},
        {.what = "no TLS, user agrees",
         .server = {.mode = "plain"},
         .allowClear = true,
         .outcome = kSent,
         .delivered = true,
         .loginSeen = true,
         .clearQuestions = 1},
        // A server that asks for no login takes the mail; the password was never used.
        {.what = "STARTTLS, no login asked",
         .server = {.mode = "starttls", .noAuth = true},
         .outcome = kSentWithoutLogin,
         .delivered = true},
        {.what = "TLS from the first byte, no login asked",
         .server = {.mode = "implicit", .noAuth = true},
         .implicitTls = true,
         .outcome = kSentWithoutLogin,
         .delivered = true},
        // Nothing to protect: no question, and the password stays home.
        {.what = "no TLS, no login asked",
         .server = {.mode = "plain", .noAuth = true},
         .outcome = kSentWithoutLogin,
         .delivered = true},
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
            EXPECT_EQ(m["authenticated"].toBool(), c.loginSeen);
            const QString content = m["content"].toString();
            EXPECT_TRUE(content.contains("Subject: Corvane test e-mail\r\n")) << content.toStdString();
            // The text claims a checked password only after a login.
            const char* body =
                c.loginSeen ? "\r\n\r\nFirst line.\r\nSecond line." : "\r\n\r\nSent without a login.";
            EXPECT_TRUE(content.contains(body)) << content.toStdString();
            const auto logins = server.EventsOf("login");
            EXPECT_EQ(logins.size(), c.loginSeen ? 1u : 0u);
            for (const auto& login : logins)
                EXPECT_EQ(login["login"].toString(), "sender");
        }
        // The stages come in order, as far as the test got: a first connection that only looks for
        // STARTTLS unless TLS starts at the first byte, then the sending connection.
        const bool tls = c.server.mode != "plain";
        std::vector<TestMailStage> expectedStages = {TestMailStage::kConnecting};
        if (tls)
            expectedStages.push_back(TestMailStage::kSecuring);
        if (!IsCertificateFault(c.outcome) && c.outcome != kNoTlsOffered) {
            if (!c.implicitTls) {
                expectedStages.push_back(TestMailStage::kConnecting);
                if (tls)
                    expectedStages.push_back(TestMailStage::kSecuring);
            }
            if (!c.server.noAuth)
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
        // Not even a greeting: the user learns that the port may want TLS from the first byte.
        SCOPED_TRACE("time limit");
        auto request = Request(server.Port());
        request.responseTimeout = 1s;
        RecordingListener listener;
        const auto started = Clock::now();
        EXPECT_EQ(sender.Send(request, listener).outcome, TestMailOutcome::kNoGreeting);
        EXPECT_LT(Clock::now() - started, 8s);
    }
    {
        SCOPED_TRACE("time limit, TLS from the first byte");
        auto request = Request(server.Port());
        request.implicitTls = true;
        request.responseTimeout = 1s;
        RecordingListener listener;
        EXPECT_EQ(sender.Send(request, listener).outcome, TestMailOutcome::kTimedOut);
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

// A server that speaks TLS from the first byte on another port than 465 waits for a handshake the plain
// connection never starts.
TEST(CurlTestMailSender, TlsFromTheFirstByteOnAPlainConnectionIsNamed) {
    SmtpTestServer server;
    if (const auto why = server.Start({.mode = "implicit"}); !why.empty())
        GTEST_SKIP() << why;
    CurlTestMailSender sender(test::TestCertificateFiles()->caFile);
    auto request = Request(server.Port());
    request.responseTimeout = 1s;
    RecordingListener listener;
    const auto result = sender.Send(request, listener);
    EXPECT_EQ(result.outcome, TestMailOutcome::kNoGreeting) << result.detail;
    EXPECT_TRUE(server.EventsOf("auth-command").empty());
}

// Once connected, every answer gets the answer time limit, the greeting and the login included; the
// shorter connect limit covers only the connection itself. Each server stops answering at another point.
TEST(CurlTestMailSender, StalledServerGetsTheAnswerTimeLimit) {
    struct Stall {
        const char* where;
        TestMailStage lastStage;
    };
    const Stall stalls[] = {
        {"greeting", TestMailStage::kSecuring},  // no answer to EHLO on the first connection
        {"auth", TestMailStage::kLoggingIn},
        {"mail", TestMailStage::kSending},
    };
    constexpr auto kAnswerLimit = 3s;
    for (const auto& stall : stalls) {
        SCOPED_TRACE(stall.where);
        SmtpTestServer server;
        if (const auto why = server.Start({.mode = "implicit", .stall = stall.where}); !why.empty())
            GTEST_SKIP() << why;
        CurlTestMailSender sender(test::TestCertificateFiles()->caFile);
        auto request = Request(server.Port());
        request.implicitTls = true;
        request.connectTimeout = 1s;
        request.responseTimeout = kAnswerLimit;
        RecordingListener listener;
        const auto started = Clock::now();
        const auto result = sender.Send(request, listener);
        const auto waited = Clock::now() - started;
        EXPECT_EQ(result.outcome, TestMailOutcome::kTimedOut) << result.detail;
        EXPECT_EQ(server.EventsOf("stalled").size(), 1u);
        ASSERT_FALSE(listener.stages.empty());
        EXPECT_EQ(listener.stages.back(), stall.lastStage);
        // It waited for the answer, not for the connection: never less than the answer limit.
        EXPECT_GE(waited, kAnswerLimit);
        EXPECT_LT(waited, kAnswerLimit + 10s);
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
