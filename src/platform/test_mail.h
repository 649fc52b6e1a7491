#pragma once

#include <chrono>
#include <string>

// Sending one test e-mail with the settings a camera will use, to show the user before the card goes
// into the camera whether the server, port, login and addresses work.
namespace corvane::platform {

enum class TestMailStage {
    kConnecting,
    kSecuring,  // TLS handshake, from the first byte or after STARTTLS
    kLoggingIn,
    kSending,
};

enum class TestMailOutcome {
    kSent,
    kSentWithoutLogin,  // the server asked for no login, so the password was not checked
    kServerNotFound,
    kConnectionRefused,
    kTimedOut,
    kNoGreeting,  // connected, but the server never said a word: it may expect TLS from the first byte
    kCertificateWrongName,
    kCertificateUntrusted,  // from an unknown authority, or self-signed
    kCertificateExpired,    // or not valid yet
    kCertificateInvalid,    // any other fault of the certificate
    kNoTlsOffered,          // and the password was not sent
    kTlsFailed,
    kLoginRefused,
    kRecipientRefused,
    kCancelled,
    kOther,  // the detail says what
};

struct TestMailRequest {
    std::string host;
    int port = 0;
    // TLS from the first byte; otherwise the connection is upgraded with STARTTLS when the server offers it.
    bool implicitTls = false;
    std::string loginName;  // empty: no login
    std::string password;
    std::string sender;
    std::string recipient;
    std::string subject;  // ASCII
    std::string body;     // ASCII, lines separated by "\n"
    // Sent instead of `body` when the server asked for no login, so that the message claims no more
    // than was checked; empty: `body`.
    std::string bodyWithoutLogin;
    // Longest wait for the connection itself (name lookup and TCP).
    std::chrono::seconds connectTimeout{10};
    // Longest wait for any one answer of the server once connected, the greeting and login included.
    std::chrono::seconds responseTimeout{15};
    std::chrono::seconds totalTimeout{60};
};

struct TestMailResult {
    TestMailOutcome outcome = TestMailOutcome::kOther;
    std::string detail;  // the mail library's or server's words, for the user; may be empty
};

// What a test asks of its caller while it runs. Called on the thread that runs the test.
class TestMailListener {
  public:
    virtual ~TestMailListener() = default;
    virtual void OnStage(TestMailStage stage) = 0;
    // The server offers no TLS: may the password go out unencrypted? false ends the test before any
    // login, with kNoTlsOffered.
    virtual bool AllowPasswordInClear() = 0;
    // Polled while waiting on the network; true ends the test with kCancelled.
    virtual bool CancelRequested() = 0;
};

class TestMailSender {
  public:
    virtual ~TestMailSender() = default;
    // Blocks until the test ends; run it off the user-interface thread.
    virtual TestMailResult Send(const TestMailRequest& request, TestMailListener& listener) = 0;
};

}  // namespace corvane::platform
