#pragma once

// What the tests of a test-e-mail sender give it, on any system: the request to a local test server and a
// listener that records what the sender told it.

#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "platform/test_mail.h"

namespace corvane::test {

// A test e-mail to the local server on `port`, with the login the server is started with by default (the
// part of the sender address before "@", as the camera logs in), and time limits short enough for tests.
inline platform::TestMailRequest LocalTestMailRequest(int port, std::string host = "127.0.0.1") {
    using namespace std::chrono_literals;
    platform::TestMailRequest r;
    r.host = std::move(host);
    r.port = port;
    r.loginName = "sender";
    r.password = "secret-1";
    r.sender = "sender@example.test";
    r.recipient = "owner@example.test";
    r.subject = "Corvane test e-mail";
    r.body = "First line.\nSecond line.";
    r.connectTimeout = 5s;
    r.responseTimeout = 5s;
    r.totalTimeout = 20s;
    return r;
}

// The stages a sender reported and how often it asked to send the password in clear (answered with
// `allowClear`); it asks to stop once `cancelAfter` has passed since it was made (never when negative).
class RecordingTestMailListener : public platform::TestMailListener {
  public:
    bool allowClear = false;
    std::chrono::milliseconds cancelAfter{-1};
    std::vector<platform::TestMailStage> stages;
    int clearQuestions = 0;
    std::chrono::steady_clock::time_point started = std::chrono::steady_clock::now();

    void OnStage(platform::TestMailStage stage) override { stages.push_back(stage); }
    bool AllowPasswordInClear() override {
        ++clearQuestions;
        return allowClear;
    }
    bool CancelRequested() override {
        return cancelAfter >= std::chrono::milliseconds(0) &&
               std::chrono::steady_clock::now() - started >= cancelAfter;
    }
};

}  // namespace corvane::test
