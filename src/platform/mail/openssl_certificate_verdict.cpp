#include "platform/mail/certificate_verdict.h"

namespace corvane::platform {

namespace {

// OpenSSL's certificate verification results (x509_vfy.h) that the user can act on.
constexpr long kX509UnableToGetIssuerCert = 2;
constexpr long kX509CertNotYetValid = 9;
constexpr long kX509CertHasExpired = 10;
constexpr long kX509DepthZeroSelfSigned = 18;
constexpr long kX509SelfSignedCertInChain = 19;
constexpr long kX509UnableToGetIssuerCertLocally = 20;
constexpr long kX509UnableToVerifyLeafSignature = 21;
constexpr long kX509HostnameMismatch = 62;
constexpr long kX509IpAddressMismatch = 64;

}  // namespace

// OpenSSL's verdict on the chain, and libcurl's own words from its host name check (older and newer
// spelling), which runs after OpenSSL accepted the chain and leaves no verdict of its own.
std::optional<TestMailOutcome> CertificateVerdict(CURLcode code, long verifyResult, std::string_view error) {
    if (code != CURLE_PEER_FAILED_VERIFICATION)
        return std::nullopt;
    if (verifyResult == kX509HostnameMismatch || verifyResult == kX509IpAddressMismatch ||
        error.find("target host name") != std::string_view::npos ||
        error.find("target hostname") != std::string_view::npos) {
        return TestMailOutcome::kCertificateWrongName;
    }
    switch (verifyResult) {
        case kX509UnableToGetIssuerCert:
        case kX509DepthZeroSelfSigned:
        case kX509SelfSignedCertInChain:
        case kX509UnableToGetIssuerCertLocally:
        case kX509UnableToVerifyLeafSignature:
            return TestMailOutcome::kCertificateUntrusted;
        case kX509CertNotYetValid:
        case kX509CertHasExpired:
            return TestMailOutcome::kCertificateExpired;
        default:
            return TestMailOutcome::kCertificateInvalid;
    }
}

}  // namespace corvane::platform
