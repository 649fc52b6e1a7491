#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Suggested outgoing mail server for an e-mail address, from a built-in table of providers.
namespace corvane {

enum class MailSecurity : uint8_t {
    kImplicitTls,  // TLS from the first byte (usually port 465)
    kStartTls,     // plain connection upgraded with STARTTLS
    kPlain,        // no TLS at all
};

// The user-name form a provider wants at login.
enum class MailLoginForm : uint8_t {
    kAddress,             // the whole address
    kLocalPart,           // the part before "@"
    kLocalPartDotDomain,  // local part, ".", domain
    kNoLogin,             // the provider takes no login
};

struct MailServerSuggestion {
    std::string host;
    int port = 0;
    MailSecurity security = MailSecurity::kPlain;
    // The user name for this address in the provider's form; empty when the provider takes no login.
    std::string loginName;
    // The provider accepts only OAuth2 logins, so a device with a password cannot send through it.
    bool oauth2Only = false;
};

// Takes an e-mail address as typed; returns the server of its domain, or nothing for an unknown domain
// or a text without "@". The domain (after the last "@", surrounding spaces and a final dot dropped) is
// compared without regard to ASCII case. An address at a sub-domain of a listed domain (user@mx.a.example)
// takes the row of its nearest listed parent (a.example, then example); a single label never matches.
// "%EMAILDOMAIN%" in a host becomes the listed domain, in a user name the address's own domain.
std::optional<MailServerSuggestion> SuggestMailServer(std::string_view address);

}  // namespace corvane
