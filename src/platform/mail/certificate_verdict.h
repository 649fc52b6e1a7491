#pragma once

#include <curl/curl.h>

#include <optional>
#include <string_view>

#include "platform/test_mail.h"

namespace corvane::platform {

// What is wrong with the server's certificate, in the words of the TLS library this libcurl was built with
// (OpenSSL on Linux, Schannel on Windows: CMake compiles the one unit that matches). `verifyResult` is
// CURLINFO_SSL_VERIFYRESULT, `error` libcurl's error text. Nothing when the failure is not about the
// certificate.
std::optional<TestMailOutcome> CertificateVerdict(CURLcode code, long verifyResult, std::string_view error);

}  // namespace corvane::platform
