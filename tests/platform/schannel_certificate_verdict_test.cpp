#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/mail/certificate_verdict.h"

namespace corvane::platform {
namespace {

// libcurl's own error texts of its Schannel code (system store: the handshake's status; a CA file of the
// caller's: the chain engine's trust error, or the host name check).
TEST(SchannelCertificateVerdict, TellsTheCertificateFaultsApart) {
    using enum TestMailOutcome;
    struct Case {
        CURLcode code;
        std::string error;
        std::optional<TestMailOutcome> verdict;
    };
    const Case cases[] = {
        {CURLE_PEER_FAILED_VERIFICATION,
         "schannel: SEC_E_UNTRUSTED_ROOT (0x80090325) - The certificate chain was issued by an authority "
         "that "
         "is not trusted.",
         kCertificateUntrusted},
        {CURLE_PEER_FAILED_VERIFICATION,
         "schannel: CertGetCertificateChain trust error CERT_TRUST_IS_UNTRUSTED_ROOT", kCertificateUntrusted},
        {CURLE_PEER_FAILED_VERIFICATION,
         "schannel: CertGetCertificateChain trust error CERT_TRUST_IS_PARTIAL_CHAIN", kCertificateUntrusted},
        {CURLE_PEER_FAILED_VERIFICATION,
         "schannel: CertGetCertificateChain trust error CERT_TRUST_IS_NOT_TIME_VALID", kCertificateExpired},
        {CURLE_SSL_CONNECT_ERROR,
         "schannel: next InitializeSecurityContext failed: SEC_E_CERT_EXPIRED (0x80090328) - The received "
         "certificate has expired.",
         kCertificateExpired},
        {CURLE_PEER_FAILED_VERIFICATION,
         "schannel: SNI or certificate check failed: SEC_E_WRONG_PRINCIPAL (0x80090322) - The target "
         "principal "
         "name is incorrect.",
         kCertificateWrongName},
        {CURLE_PEER_FAILED_VERIFICATION,
         "schannel: CertGetNameString() failed to match connection hostname (mail.example.test) against "
         "server "
         "certificate names",
         kCertificateWrongName},
        {CURLE_PEER_FAILED_VERIFICATION,
         "schannel: CertGetCertificateChain trust error CERT_TRUST_IS_REVOKED", kCertificateInvalid},
        // Not about the certificate: the caller's own classification applies.
        {CURLE_SSL_CONNECT_ERROR,
         "schannel: next InitializeSecurityContext failed: SEC_E_ILLEGAL_MESSAGE (0x80090326)", std::nullopt},
        {CURLE_OPERATION_TIMEDOUT, "SEC_E_UNTRUSTED_ROOT", std::nullopt},
        {CURLE_LOGIN_DENIED, "Login denied", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        EXPECT_EQ(CertificateVerdict(c.code, 0, c.error), c.verdict);
    }
}

}  // namespace
}  // namespace corvane::platform
