#pragma once

#include "platform/test_mail.h"

// What the mail module exports: one factory, looked up by name after the module is loaded. The module is
// built from this source tree with the program, so the C++ interface may cross it.
namespace corvane::platform {

inline constexpr const char* kMailModuleFactory = "corvane_make_test_mail_sender";

// Returns a sender that the caller deletes; `caFile` is empty for the system's certificate store.
using MailModuleFactory = TestMailSender* (*)(const char* caFile);

}  // namespace corvane::platform
