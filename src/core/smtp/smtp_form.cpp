#include "core/smtp/smtp_form.h"
#include "core/models/models.h"

#include <string_view>

namespace corvane {
namespace {

constexpr std::size_t kShortest = 2;  // texts that must be given
constexpr std::size_t kShortestPhone = 5;

std::optional<SmtpMessage> CheckAddress(std::string_view address) {
    if (address.size() < kShortest) {
        return SmtpMessage::kEmailMissing;
    }
    if (address.find('@') == std::string_view::npos) {
        return SmtpMessage::kEmailWithoutAt;
    }
    if (address.find('.') == std::string_view::npos) {
        return SmtpMessage::kEmailWithoutDot;
    }
    return std::nullopt;
}

}  // namespace

std::optional<SmtpMessage> CheckSmtpForm(const SmtpFileValues& values) {
    if (!values.autoMode && values.apn.size() < kShortest) {
        return SmtpMessage::kApnMissing;
    }
    if (values.smtpServer.size() < kShortest) {
        return SmtpMessage::kServerMissing;
    }
    if (values.smtpPort.size() < kShortest) {
        return SmtpMessage::kPortMissing;
    }
    if (const auto fault = CheckAddress(values.senderAddress)) {
        return fault;
    }
    if (values.senderPassword.size() < kShortest) {
        return SmtpMessage::kSenderPasswordMissing;
    }
    if (const auto fault = CheckAddress(values.recipient)) {
        return fault;
    }
    const std::size_t phone = values.phone.size();
    if (values.family == ModelFamily::k8620 && phone >= 1 && phone < kShortestPhone) {
        return SmtpMessage::kPhoneError;
    }
    if (values.remoteControl != kRemoteControlOff && phone < kShortestPhone) {
        return SmtpMessage::kPhoneError;
    }
    return std::nullopt;
}

}  // namespace corvane
