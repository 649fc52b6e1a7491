#include "core/smtp/smtp_form.h"
#include "core/models/models.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace corvane {
namespace {

// A form that passes every check in both families and modes.
SmtpFileValues Passing(ModelFamily family) {
    SmtpFileValues v;
    v.family = family;
    v.autoMode = false;
    v.apn = "ab";
    v.smtpServer = "s.";
    v.smtpPort = "25";
    v.senderAddress = "a@b.c";
    v.senderPassword = "pw";
    v.recipient = "d@e.f";
    v.remoteControl = kRemoteControlOff;
    return v;
}

TEST(SmtpForm, ChecksInOrderWithTheirMessages) {
    using Change = std::function<void(SmtpFileValues&)>;
    struct Case {
        const char* what;
        Change change;
        std::optional<SmtpMessage> expected8520;
        std::optional<SmtpMessage> expected8620;
    };
    const Case cases[] = {
        {"passes", [](SmtpFileValues&) {}, std::nullopt, std::nullopt},
        {"one-byte APN in Manual", [](SmtpFileValues& v) { v.apn = "a"; }, SmtpMessage::kApnMissing,
         SmtpMessage::kApnMissing},
        {"empty APN in Auto is not checked",
         [](SmtpFileValues& v) {
             v.autoMode = true;
             v.apn = "";
         },
         std::nullopt, std::nullopt},
        {"APN before server",
         [](SmtpFileValues& v) {
             v.apn = "";
             v.smtpServer = "";
         },
         SmtpMessage::kApnMissing, SmtpMessage::kApnMissing},
        {"server", [](SmtpFileValues& v) { v.smtpServer = "s"; }, SmtpMessage::kServerMissing,
         SmtpMessage::kServerMissing},
        {"server before port",
         [](SmtpFileValues& v) {
             v.smtpServer = "";
             v.smtpPort = "";
         },
         SmtpMessage::kServerMissing, SmtpMessage::kServerMissing},
        {"one-character port", [](SmtpFileValues& v) { v.smtpPort = "2"; }, SmtpMessage::kPortMissing,
         SmtpMessage::kPortMissing},
        {"two-letter port passes", [](SmtpFileValues& v) { v.smtpPort = "ab"; }, std::nullopt, std::nullopt},
        {"sender missing", [](SmtpFileValues& v) { v.senderAddress = "a"; }, SmtpMessage::kEmailMissing,
         SmtpMessage::kEmailMissing},
        {"sender of two letters", [](SmtpFileValues& v) { v.senderAddress = "ab"; },
         SmtpMessage::kEmailWithoutAt, SmtpMessage::kEmailWithoutAt},
        {"sender without dot", [](SmtpFileValues& v) { v.senderAddress = "a@b"; },
         SmtpMessage::kEmailWithoutDot, SmtpMessage::kEmailWithoutDot},
        {"dot before at passes", [](SmtpFileValues& v) { v.senderAddress = "a.b@c"; }, std::nullopt,
         std::nullopt},
        {"sender password", [](SmtpFileValues& v) { v.senderPassword = "p"; },
         SmtpMessage::kSenderPasswordMissing, SmtpMessage::kSenderPasswordMissing},
        {"sender address before its password",
         [](SmtpFileValues& v) {
             v.senderAddress = "ab";
             v.senderPassword = "";
         },
         SmtpMessage::kEmailWithoutAt, SmtpMessage::kEmailWithoutAt},
        {"recipient missing", [](SmtpFileValues& v) { v.recipient = ""; }, SmtpMessage::kEmailMissing,
         SmtpMessage::kEmailMissing},
        {"recipient without at", [](SmtpFileValues& v) { v.recipient = "de.f"; },
         SmtpMessage::kEmailWithoutAt, SmtpMessage::kEmailWithoutAt},
        {"recipient without dot", [](SmtpFileValues& v) { v.recipient = "d@ef"; },
         SmtpMessage::kEmailWithoutDot, SmtpMessage::kEmailWithoutDot},
        {"sender password before recipient",
         [](SmtpFileValues& v) {
             v.senderPassword = "";
             v.recipient = "";
         },
         SmtpMessage::kSenderPasswordMissing, SmtpMessage::kSenderPasswordMissing},
        {"remote off, 4-byte phone: 8620 only", [](SmtpFileValues& v) { v.phone = "1234"; }, std::nullopt,
         SmtpMessage::kPhoneError},
        {"remote off, 1-byte phone: 8620 only", [](SmtpFileValues& v) { v.phone = "1"; }, std::nullopt,
         SmtpMessage::kPhoneError},
        {"remote off, 5-byte phone", [](SmtpFileValues& v) { v.phone = "12345"; }, std::nullopt,
         std::nullopt},
        {"remote at an hour, empty phone",
         [](SmtpFileValues& v) {
             v.remoteControl = 0;
             v.phone = "";
         },
         SmtpMessage::kPhoneError, SmtpMessage::kPhoneError},
        {"remote at an hour, 4-byte phone",
         [](SmtpFileValues& v) {
             v.remoteControl = 24;
             v.phone = "1234";
         },
         SmtpMessage::kPhoneError, SmtpMessage::kPhoneError},
        {"remote at an hour, 5-byte phone",
         [](SmtpFileValues& v) {
             v.remoteControl = 3;
             v.phone = "+4930";
         },
         std::nullopt, std::nullopt},
        {"recipient before phone",
         [](SmtpFileValues& v) {
             v.recipient = "x";
             v.remoteControl = 3;
         },
         SmtpMessage::kEmailMissing, SmtpMessage::kEmailMissing},
        {"lengths count bytes: a two-byte character is a port", [](SmtpFileValues& v) { v.smtpPort = "é"; },
         std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        for (ModelFamily family : {ModelFamily::k8520, ModelFamily::k8620}) {
            SCOPED_TRACE(std::string(c.what) + (family == ModelFamily::k8620 ? " 8620" : " 8520"));
            SmtpFileValues v = Passing(family);
            c.change(v);
            EXPECT_EQ(CheckSmtpForm(v), family == ModelFamily::k8620 ? c.expected8620 : c.expected8520);
        }
    }
}

}  // namespace
}  // namespace corvane
