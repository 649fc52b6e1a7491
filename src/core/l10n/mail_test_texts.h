#pragma once

#include <cstdint>
#include <string_view>

// Texts of the e-mail dialog's test e-mail and server suggestions, in all ten languages (UTF-8). Unlike
// the dialog's checks, whose messages exist in Chinese and English only, these speak the dialog's
// language: they tell the user what to fix.
namespace corvane {

enum class MailTestText {
    kTestButton,
    kCancelButton,
    kConnecting,
    kSecuring,
    kLoggingIn,
    kSending,
    kSent,  // %1: the recipient address
    kServerNotFound,
    kConnectionRefused,
    kTimedOut,
    kCertificateWrongName,
    kNoTlsOffered,
    kTlsFailed,
    kLoginRefused,  // %1: the user name the camera logs in with
    kRecipientRefused,
    kCancelled,
    kOther,  // followed by the mail library's own words
    kPasswordInClearQuestion,
    kOAuth2Only,
    kPortNotNumber,
    kSentWithoutLogin,  // %1: the recipient address
    kNoGreeting,
    kCertificateUntrusted,
    kCertificateExpired,
    kCertificateInvalid,  // any other fault of the certificate
    kOAuth2OnlyNotice,    // short, for the status line
};
inline constexpr int kMailTestTextCount = 26;

// Takes a text and any language value; returns its text. Values outside 1..10 give English.
std::string_view MailTestTextOf(MailTestText text, int32_t language);

}  // namespace corvane
