#include "platform/mail/mail_module.h"

#include <type_traits>

#include "platform/mail/curl_test_mail_sender.h"

extern "C" __attribute__((visibility("default"))) corvane::platform::TestMailSender*
corvane_make_test_mail_sender(const char* caFile) {
    return new corvane::platform::CurlTestMailSender(caFile != nullptr ? caFile : "");
}

// The factory's type and name must match what the loader expects.
static_assert(std::is_same_v<decltype(&corvane_make_test_mail_sender), corvane::platform::MailModuleFactory>);
