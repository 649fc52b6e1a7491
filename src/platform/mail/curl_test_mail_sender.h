#pragma once

#include <string>

#include "platform/test_mail.h"

namespace corvane::platform {

// The test e-mail over libcurl's SMTP. Certificates are checked against the system's store, or only
// against the authorities in `caFile` when one is named (the tests' own authority).
class CurlTestMailSender : public TestMailSender {
  public:
    explicit CurlTestMailSender(std::string caFile = {});
    TestMailResult Send(const TestMailRequest& request, TestMailListener& listener) override;

  private:
    std::string caFile_;
};

}  // namespace corvane::platform
