#include "platform/module_test_mail_sender.h"

#include <QLibrary>
#include <utility>

#include "platform/mail/mail_module.h"

namespace corvane::platform {

ModuleTestMailSender::ModuleTestMailSender(std::string moduleFile, std::string caFile)
    : moduleFile_(std::move(moduleFile)), caFile_(std::move(caFile)) {}

// The module stays loaded to the end of the program: libcurl's global state is not meant to be unloaded.
ModuleTestMailSender::~ModuleTestMailSender() = default;

TestMailResult ModuleTestMailSender::Send(const TestMailRequest& request, TestMailListener& listener) {
    TestMailSender* sender = nullptr;
    {
        const std::lock_guard lock(loading_);
        if (!loaded_ && loadError_.empty()) {
            QLibrary module(QString::fromStdString(moduleFile_));
            if (!module.load()) {
                loadError_ = "The mail module could not be loaded: " + module.errorString().toStdString();
            } else if (const auto make =
                           reinterpret_cast<MailModuleFactory>(module.resolve(kMailModuleFactory));
                       make == nullptr) {
                loadError_ = "The mail module " + moduleFile_ + " has no " + kMailModuleFactory;
            } else {
                loaded_.reset(make(caFile_.c_str()));
            }
        }
        if (!loaded_) {
            return {TestMailOutcome::kOther, loadError_};
        }
        sender = loaded_.get();
    }
    return sender->Send(request, listener);
}

std::string MailModuleFile(const std::string& programFolder) {
    return programFolder + "/" CORVANE_MODULE_DIR_FROM_PROGRAM "/corvane-mail.so";
}

}  // namespace corvane::platform
