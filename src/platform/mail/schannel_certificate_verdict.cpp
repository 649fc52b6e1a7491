#include "platform/mail/certificate_verdict.h"

#include <array>

namespace corvane::platform {

namespace {

struct Words {
    std::string_view text;
    TestMailOutcome outcome;
};

// libcurl's Schannel code leaves no verdict number; its error text names the system's reason: the SSPI
// status of the handshake (system store) or the chain engine's trust error (a CA file of the caller's), or
// its own host name check. Earlier entries win.
constexpr std::array<Words, 12> kWords = {{
    {"SEC_E_WRONG_PRINCIPAL", TestMailOutcome::kCertificateWrongName},
    {"CERT_E_CN_NO_MATCH", TestMailOutcome::kCertificateWrongName},
    {"failed to match connection hostname", TestMailOutcome::kCertificateWrongName},
    {"SEC_E_CERT_EXPIRED", TestMailOutcome::kCertificateExpired},
    {"CERT_E_EXPIRED", TestMailOutcome::kCertificateExpired},
    {"CERT_TRUST_IS_NOT_TIME_VALID", TestMailOutcome::kCertificateExpired},
    {"SEC_E_UNTRUSTED_ROOT", TestMailOutcome::kCertificateUntrusted},
    {"CERT_E_UNTRUSTEDROOT", TestMailOutcome::kCertificateUntrusted},
    {"CERT_E_CHAINING", TestMailOutcome::kCertificateUntrusted},
    {"CERT_TRUST_IS_UNTRUSTED_ROOT", TestMailOutcome::kCertificateUntrusted},
    {"CERT_TRUST_IS_PARTIAL_CHAIN", TestMailOutcome::kCertificateUntrusted},
    {"SEC_E_CERT_UNKNOWN", TestMailOutcome::kCertificateInvalid},
}};

}  // namespace

std::optional<TestMailOutcome> CertificateVerdict(CURLcode code, long, std::string_view error) {
    // A certificate the system refuses during the handshake may come as a failed handshake.
    if (code != CURLE_PEER_FAILED_VERIFICATION && code != CURLE_SSL_CONNECT_ERROR)
        return std::nullopt;
    for (const Words& words : kWords) {
        if (error.find(words.text) != std::string_view::npos)
            return words.outcome;
    }
    if (code == CURLE_PEER_FAILED_VERIFICATION)
        return TestMailOutcome::kCertificateInvalid;
    return std::nullopt;
}

}  // namespace corvane::platform
