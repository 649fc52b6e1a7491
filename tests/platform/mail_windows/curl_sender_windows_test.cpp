// The test e-mail's sender as the Windows program has it (libcurl with Schannel), run under Wine against
// real SMTP servers on 127.0.0.1 that curl_sender_windows_test.sh starts before: it hands each server's port
// in CORVANE_TEST_SMTP_<NAME> and the test authority in CORVANE_TEST_SMTP_CA, and checks afterwards in the
// servers' logs what arrived.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/mail/curl_test_mail_sender.h"
#include "support/test_mail_fixtures.h"

namespace corvane::platform {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// UTF-8, as the sender takes file names (getenv would give the ANSI code page's bytes).
std::string Env(const std::string& name) {
    const std::wstring wideName(name.begin(), name.end());
    std::wstring value(32768, L'\0');
    const DWORD length =
        GetEnvironmentVariableW(wideName.c_str(), value.data(), static_cast<DWORD>(value.size()));
    if (length == 0 || length >= value.size())
        return {};
    value.resize(length);
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, value.data(), static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, value.data(), static_cast<int>(length), text.data(), bytes, nullptr,
                        nullptr);
    return text;
}

// The port of the server the driver script started as `name`; 0 when there is none.
int ServerPort(const std::string& name) {
    return std::atoi(Env("CORVANE_TEST_SMTP_" + name).c_str());
}

using RecordingListener = test::RecordingTestMailListener;

// By name: with a CA file of its own, libcurl 7.88 checks the name itself (Schannel leaves the check to it)
// and matches only DNS names, not the certificate's IP address.
TestMailRequest Request(int port) {
    return test::LocalTestMailRequest(port, "localhost");
}

class CurlSenderOnWindows : public testing::Test {
  protected:
    void SetUp() override {
        if (Env("CORVANE_TEST_SMTP_CA").empty())
            GTEST_SKIP() << "no test servers: run through curl_sender_windows_test.sh";
    }
};

// Run in a process of its own (the driver script does): a library once loaded stays loaded.
TEST(CurlSenderStart, NetworkAndCryptographyLibrariesLoadWithTheFirstTestEMailNotBefore) {
    const wchar_t* const libraries[] = {L"ws2_32.dll", L"crypt32.dll", L"bcrypt.dll", L"secur32.dll"};
    for (const wchar_t* library : libraries) {
        ASSERT_EQ(GetModuleHandleW(library), nullptr) << "loaded with the program: " << library;
    }
    CurlTestMailSender sender("");
    for (const wchar_t* library : libraries) {
        EXPECT_EQ(GetModuleHandleW(library), nullptr) << "loaded by making the sender: " << library;
    }
    // A refused connection is enough for libcurl to have started Winsock.
    if (ServerPort("REFUSING") == 0)
        GTEST_SKIP() << "no refusing port: run through curl_sender_windows_test.sh";
    RecordingListener listener;
    EXPECT_EQ(sender.Send(Request(ServerPort("REFUSING")), listener).outcome,
              TestMailOutcome::kConnectionRefused);
    EXPECT_NE(GetModuleHandleW(L"ws2_32.dll"), nullptr) << "the test e-mail went out without Winsock";
}

TEST_F(CurlSenderOnWindows, ReportsWhatTheServerDid) {
    using enum TestMailOutcome;
    struct Case {
        const char* server;
        bool implicitTls = false;
        std::string password = "secret-1";
        TestMailOutcome outcome;
    };
    const Case cases[] = {
        {.server = "STARTTLS", .outcome = kSent},
        {.server = "IMPLICIT", .implicitTls = true, .outcome = kSent},
        {.server = "STARTTLS", .password = "wrong", .outcome = kLoginRefused},
        {.server = "SELF_SIGNED", .implicitTls = true, .outcome = kCertificateUntrusted},
        {.server = "EXPIRED", .outcome = kCertificateExpired},
        {.server = "OTHER_NAME", .outcome = kCertificateWrongName},
        {.server = "REFUSING", .outcome = kConnectionRefused},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.server) + ", password " + c.password);
        const int port = ServerPort(c.server);
        ASSERT_NE(port, 0);
        CurlTestMailSender sender(Env("CORVANE_TEST_SMTP_CA"));
        auto request = Request(port);
        request.implicitTls = c.implicitTls;
        request.password = c.password;
        RecordingListener listener;
        const auto result = sender.Send(request, listener);
        EXPECT_EQ(result.outcome, c.outcome) << result.detail;
        EXPECT_EQ(listener.clearQuestions, 0);
    }
}

bool UnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

// Without a CA file the system checks the chain against its own store during the handshake.
TEST_F(CurlSenderOnWindows, AuthorityOutsideTheSystemStoreIsUntrusted) {
    if (UnderWine())
        GTEST_SKIP() << "Wine's Schannel does not check the server's chain against the system store";
    const int port = ServerPort("IMPLICIT");
    ASSERT_NE(port, 0);
    CurlTestMailSender sender;
    auto request = Request(port);
    request.implicitTls = true;
    RecordingListener listener;
    const auto result = sender.Send(request, listener);
    EXPECT_EQ(result.outcome, TestMailOutcome::kCertificateUntrusted) << result.detail;
}

TEST_F(CurlSenderOnWindows, SilentServerEndsAtTheTimeLimitOrACancel) {
    const int port = ServerPort("SILENT");
    ASSERT_NE(port, 0);
    CurlTestMailSender sender(Env("CORVANE_TEST_SMTP_CA"));
    {
        SCOPED_TRACE("time limit");
        auto request = Request(port);
        request.responseTimeout = 1s;
        RecordingListener listener;
        const auto started = Clock::now();
        EXPECT_EQ(sender.Send(request, listener).outcome, TestMailOutcome::kNoGreeting);
        EXPECT_LT(Clock::now() - started, 8s);
    }
    {
        SCOPED_TRACE("cancel");
        auto request = Request(port);
        request.responseTimeout = 60s;
        request.totalTimeout = 120s;
        RecordingListener listener;
        listener.cancelAfter = 300ms;
        const auto started = Clock::now();
        EXPECT_EQ(sender.Send(request, listener).outcome, TestMailOutcome::kCancelled);
        EXPECT_LT(Clock::now() - started, 8s);
    }
}

TEST_F(CurlSenderOnWindows, StalledServerGetsTheAnswerTimeLimit) {
    const int port = ServerPort("STALL_MAIL");
    ASSERT_NE(port, 0);
    CurlTestMailSender sender(Env("CORVANE_TEST_SMTP_CA"));
    auto request = Request(port);
    request.implicitTls = true;
    request.responseTimeout = 2s;
    RecordingListener listener;
    const auto started = Clock::now();
    const auto result = sender.Send(request, listener);
    EXPECT_EQ(result.outcome, TestMailOutcome::kTimedOut) << result.detail;
    ASSERT_FALSE(listener.stages.empty());
    EXPECT_EQ(listener.stages.back(), TestMailStage::kSending);
    EXPECT_GE(Clock::now() - started, 2s);
}

}  // namespace
}  // namespace corvane::platform
