#include "core/l10n/mms_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace corvane {
namespace {

std::vector<std::string_view> AllTexts(const MmsTexts& t) {
    const MmsCaptions& c = t.captions;
    const MmsListTexts& l = t.lists;
    return {c.modeLabel,     c.sendLabel,          c.picturesLabel, c.picturesNote,  c.countryLabel,
            c.operatorLabel, c.remoteControlLabel, c.urlLabel,      c.gatewayLabel,  c.portLabel,
            c.phoneLabel,    c.emailLabel,         c.accountLabel,  c.passwordLabel, c.recipientLabel,
            c.folderButton,  c.generate,           c.exit,          c.frame,         c.hoursOff,
            l.modeAuto,      l.modeManual,         l.sendOff,       l.domestic,      l.international};
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
}

TEST(MmsTextsTest, EveryLanguageHasEveryTextAndLatinScriptsAreAscii) {
    for (int32_t language = 1; language <= kLanguageCount; ++language) {
        SCOPED_TRACE(language);
        for (std::string_view text : AllTexts(MmsDialogTexts(language))) {
            EXPECT_FALSE(text.empty());
            if (language != kChinese && language != kJapanese) {
                EXPECT_TRUE(IsAscii(text)) << text;
            }
        }
    }
}

TEST(MmsTextsTest, ValuesOutsideTheRangeShowEnglish) {
    const std::vector<std::string_view> english = AllTexts(MmsDialogTexts(kEnglish));
    for (int32_t language : {0, -1, 11, 1000}) {
        EXPECT_EQ(AllTexts(MmsDialogTexts(language)), english) << language;
    }
}

TEST(MmsTextsTest, TextsThatLookLikeSlipsAreKeptAsTheyStand) {
    EXPECT_EQ(MmsDialogTexts(kHungarian).captions.hoursOff, "Off");
    EXPECT_EQ(MmsDialogTexts(kHungarian).lists.sendOff, "Ki");
    EXPECT_EQ(MmsDialogTexts(kItalian).captions.hoursOff, "OFF");
    EXPECT_EQ(MmsDialogTexts(kItalian).lists.sendOff, "OFF");
    EXPECT_EQ(MmsDialogTexts(kCzech).captions.countryLabel, " Zeme");
    EXPECT_EQ(MmsDialogTexts(kCzech).lists.domestic, "Domaci ");
    EXPECT_EQ(MmsDialogTexts(kJapanese).lists.domestic, "Domestic ");
    EXPECT_EQ(MmsDialogTexts(kJapanese).lists.international, "International");
    for (int32_t language = 2; language <= kLanguageCount; ++language) {
        EXPECT_EQ(MmsDialogTexts(language).captions.remoteControlLabel, "SMS Remote Control") << language;
    }
    EXPECT_EQ(MmsDialogTexts(kChinese).captions.remoteControlLabel, "短信远程控制");
}

TEST(MmsTextsTest, MessagesInChineseForLanguage1AndEnglishOtherwise) {
    struct Row {
        MmsMessage message;
        const char* english;
        const char* chinese;
    };
    const Row rows[] = {
        {MmsMessage::kPhoneAndEmailEmpty, "Phone & Email Error(0)", "手机号码和Email错误(0)"},
        {MmsMessage::kSmsRecipientNotDialable, "Please re-check the phone number is entered correctly",
         "请重新检查手机号码是否输入正确"},
        {MmsMessage::kEmailWithoutDot, "Email Error(.)", "Email 错误(.)"},
        {MmsMessage::kGatewayWithoutDot, "GateWay Error(.)", "彩信网关错误(.)"},
        {MmsMessage::kRemoteControlNeedsPhone, "Phone No. Error(01)", "请设置手机号码1"},
        {MmsMessage::kGenerated8520,
         "Vyn 8520 MMS configuration file (URL|APN|Gateway|Port ...) has been generated",
         "Vyn 8520 MMS配置文件已生成"},
        {MmsMessage::kInternationalNotShown, "Phone number will not be displayed in the camera setup menu",
         "手机号码将不能在相机设置菜单显示"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(MmsMessageText(row.message, kChinese), row.chinese);
        for (int32_t language : {2, 3, 9, 10, 0}) {
            EXPECT_EQ(MmsMessageText(row.message, language), row.english) << language;
        }
    }
}

}  // namespace
}  // namespace corvane
