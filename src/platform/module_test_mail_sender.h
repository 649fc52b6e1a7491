#pragma once

#include <memory>
#include <mutex>
#include <string>

#include "platform/test_mail.h"

namespace corvane::platform {

// The test e-mail through the mail module (libcurl), loaded on the first test e-mail rather than at start-up.
// A module that cannot be loaded ends that test with kOther, naming the module and the loader's reason.
class ModuleTestMailSender : public TestMailSender {
  public:
    // `moduleFile`: the module's full path; `caFile`: as for the sender in the module.
    ModuleTestMailSender(std::string moduleFile, std::string caFile);
    ~ModuleTestMailSender() override;
    TestMailResult Send(const TestMailRequest& request, TestMailListener& listener) override;

  private:
    std::string moduleFile_;
    std::string caFile_;
    std::mutex loading_;
    std::unique_ptr<TestMailSender> loaded_;
    std::string loadError_;
};

// The mail module of the program whose executable lies in `programFolder`.
std::string MailModuleFile(const std::string& programFolder);

}  // namespace corvane::platform
