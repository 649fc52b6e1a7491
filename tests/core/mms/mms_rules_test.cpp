#include "core/mms/mms_rules.h"
#include "core/models/models.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane {
namespace {

TEST(MmsRulesTest, SendListAndPhoneLimitsOfEachFamily) {
    EXPECT_EQ(SendEntryCount(ModelFamily::k8620), 3);
    EXPECT_EQ(SendEntryCount(ModelFamily::k8520), 4);
    for (int position = 0; position < 4; ++position) {
        EXPECT_EQ(SmsOnlySend(ModelFamily::k8620, position), position == 2) << position;
        EXPECT_EQ(SmsOnlySend(ModelFamily::k8520, position), position == 3) << position;
    }
    EXPECT_EQ(MaxPhoneDigits(ModelFamily::k8620, false), 12);
    EXPECT_EQ(MaxPhoneDigits(ModelFamily::k8520, false), 11);
    EXPECT_EQ(MaxPhoneDigits(ModelFamily::k8620, true), 32);
    EXPECT_EQ(MaxPhoneDigits(ModelFamily::k8520, true), 32);
}

TEST(MmsRulesTest, DigitAndDialChecks) {
    struct Case {
        const char* text;
        bool domestic;       // digit check, Domestic
        bool international;  // digit check, International
        bool dial;           // dial check
    };
    const Case cases[] = {
        {"13800138000", true, true, true},
        {"+4930123456", false, true, true},
        {"4930+123456", false, false, true},
        {"x4930123456", false, false, false},
        {"1380013800 ", false, false, false},
        {"a@b.example", false, false, false},
        {"", true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(PassesDigitCheck(c.text, false), c.domestic);
        EXPECT_EQ(PassesDigitCheck(c.text, true), c.international);
        EXPECT_EQ(PassesDialCheck(c.text), c.dial);
    }
}

TEST(MmsRulesTest, RecipientFieldsOpenFromEitherRecipient) {
    struct Case {
        const char* phone;
        const char* email;
        bool second;
    };
    const Case cases[] = {
        {"", "", false},     {"1234", "", false},   {"12345", "", true},     {"", "a@b.c", true},
        {"", "a@bc", false}, {"", "abcdef", false}, {"1234", "a@b.c", true}, {"12345", "x", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.phone) + " / " + c.email);
        EXPECT_EQ(SecondRecipientOpen(c.phone, c.email), c.second);
    }
    EXPECT_TRUE(ThirdRecipientOpen(true, "12345"));
    EXPECT_FALSE(ThirdRecipientOpen(true, "1234"));
    EXPECT_FALSE(ThirdRecipientOpen(false, "12345"));
}

MmsFileValues Valid(ModelFamily family, int mode, bool smsOnly) {
    MmsFileValues in;
    in.mmsMode = static_cast<uint8_t>(mode);
    in.sendMode = static_cast<uint8_t>(smsOnly ? SendEntryCount(family) - 1 : 1);
    in.phone = "13800138000";
    if (mode == kMmsModeManual) {
        in.url = "http://mms";
        in.apn = "internet";
        in.gateway = "10.0.0.1";
        in.port = "80";
    }
    return in;
}

// One change to an input that passes, and the fault it gives (nothing: still passes).
TEST(MmsRulesTest, EachCheckOnItsOwn) {
    using M = MmsMessage;
    using F = MmsField;
    struct Case {
        const char* name;
        int mode;
        bool smsOnly;
        void (*change)(MmsFileValues&);
        std::optional<MmsFault> fault;
    };
    const Case cases[] = {
        {"passes", kMmsModeManual, false, [](MmsFileValues&) {}, std::nullopt},
        {"no recipient", kMmsModeAuto, false, [](MmsFileValues& in) { in.phone.clear(); },
         MmsFault{M::kPhoneAndEmailEmpty, F::kPhone}},
        {"e-mail only", kMmsModeAuto, false, [](MmsFileValues& in) { in.phone.clear(), in.email = "a@b.c"; },
         std::nullopt},
        {"no recipient, SMS", kMmsModeAuto, true, [](MmsFileValues& in) { in.phone.clear(); }, std::nullopt},
        {"short phone", kMmsModeAuto, true, [](MmsFileValues& in) { in.phone = "1234"; },
         MmsFault{M::kPhoneTooShort, F::kPhone}},
        {"short phone2", kMmsModeAuto, false, [](MmsFileValues& in) { in.phone2 = "1"; },
         MmsFault{M::kPhone2TooShort, F::kPhone2}},
        {"short phone3", kMmsModeAuto, true, [](MmsFileValues& in) { in.phone3 = "1"; },
         MmsFault{M::kPhone3TooShort, F::kPhone3}},
        {"phone with +, Domestic", kMmsModeAuto, false, [](MmsFileValues& in) { in.phone = "+4930123"; },
         MmsFault{M::kPhoneNotDigits, F::kPhone}},
        {"phone with +, International", kMmsModeAuto, false,
         [](MmsFileValues& in) { in.phone = "+4930123", in.phoneIsInternational = true; }, std::nullopt},
        {"e-mail as phone2", kMmsModeAuto, false, [](MmsFileValues& in) { in.phone2 = "a@b.c"; },
         std::nullopt},
        {"e-mail as phone2, SMS", kMmsModeAuto, true, [](MmsFileValues& in) { in.phone2 = "a@b.c"; },
         MmsFault{M::kSmsRecipientNotDialable, F::kPhone2}},
        {"letters in phone3", kMmsModeAuto, false, [](MmsFileValues& in) { in.phone3 = "abcde"; },
         MmsFault{M::kRecipientNotDialable, F::kPhone3}},
        {"letters in phone3, SMS", kMmsModeAuto, true, [](MmsFileValues& in) { in.phone3 = "abcde"; },
         MmsFault{M::kSmsRecipientNotDialable, F::kPhone3}},
        {"e-mail without @", kMmsModeAuto, false, [](MmsFileValues& in) { in.email = "a.b"; },
         MmsFault{M::kEmailWithoutAt, F::kEmail}},
        {"e-mail without .", kMmsModeAuto, false, [](MmsFileValues& in) { in.email = "a@b"; },
         MmsFault{M::kEmailWithoutDot, F::kEmail}},
        {"e-mail without ., SMS", kMmsModeAuto, true, [](MmsFileValues& in) { in.email = "a@b"; },
         std::nullopt},
        {"no URL", kMmsModeManual, false, [](MmsFileValues& in) { in.url.clear(); },
         MmsFault{M::kUrlEmpty, F::kUrl}},
        {"no APN", kMmsModeManual, false, [](MmsFileValues& in) { in.apn.clear(); },
         MmsFault{M::kApnEmpty, F::kApn}},
        {"no gateway", kMmsModeManual, false, [](MmsFileValues& in) { in.gateway.clear(); },
         MmsFault{M::kGatewayEmpty, F::kGateway}},
        {"no port", kMmsModeManual, false, [](MmsFileValues& in) { in.port.clear(); },
         MmsFault{M::kPortEmpty, F::kPort}},
        {"gateway without .", kMmsModeManual, false, [](MmsFileValues& in) { in.gateway = "gw"; },
         MmsFault{M::kGatewayWithoutDot, F::kGateway}},
        {"gateway without ., Auto", kMmsModeAuto, false, [](MmsFileValues& in) { in.gateway = "gw"; },
         std::nullopt},
        {"empty network, Manual SMS", kMmsModeManual, true, [](MmsFileValues& in) { in.url.clear(); },
         std::nullopt},
        {"hours without phone", kMmsModeAuto, true,
         [](MmsFileValues& in) { in.phone.clear(), in.remoteControlHours = 0; },
         MmsFault{M::kRemoteControlNeedsPhone, F::kPhone}},
        {"hours with phone", kMmsModeAuto, false, [](MmsFileValues& in) { in.remoteControlHours = 24; },
         std::nullopt},
    };
    for (ModelFamily family : {ModelFamily::k8620, ModelFamily::k8520}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            MmsFileValues in = Valid(family, c.mode, c.smsOnly);
            c.change(in);
            EXPECT_EQ(CheckMmsFile(family, in), c.fault);
        }
    }
}

// Two faults at once: the one earlier in the order is reported.
TEST(MmsRulesTest, TheFirstFaultInTheOrderWins) {
    MmsFileValues in = Valid(ModelFamily::k8620, kMmsModeManual, false);
    in.phone3 = "12";
    in.email = "x";
    in.gateway.clear();
    EXPECT_EQ(CheckMmsFile(ModelFamily::k8620, in)->message, MmsMessage::kPhone3TooShort);
    in.phone3.clear();
    EXPECT_EQ(CheckMmsFile(ModelFamily::k8620, in)->message, MmsMessage::kEmailWithoutAt);
    in.email.clear();
    EXPECT_EQ(CheckMmsFile(ModelFamily::k8620, in)->message, MmsMessage::kGatewayEmpty);
}

}  // namespace
}  // namespace corvane
