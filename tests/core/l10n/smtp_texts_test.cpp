#include "core/l10n/smtp_texts.h"
#include "core/models/models.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace corvane {
namespace {

constexpr SmtpCaption kAllCaptions[] = {
    SmtpCaption::kModeLabel,         SmtpCaption::kPicturesLabel,       SmtpCaption::kNoLimitNote,
    SmtpCaption::kCountryLabel,      SmtpCaption::kOperatorLabel,       SmtpCaption::kAccountLabel,
    SmtpCaption::kGprsPasswordLabel, SmtpCaption::kServerLabel,         SmtpCaption::kPortLabel,
    SmtpCaption::kSenderLabel,       SmtpCaption::kSenderPasswordLabel, SmtpCaption::kRecipientLabel,
    SmtpCaption::kPhoneLabel,        SmtpCaption::kRemoteControlLabel,  SmtpCaption::kFolderButton,
    SmtpCaption::kGenerateButton,    SmtpCaption::kExitButton,
};
static_assert(std::size(kAllCaptions) == kSmtpCaptionCount);

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
}

// Everything a language shows, in one list.
std::vector<std::string_view> AllTexts(int32_t language) {
    std::vector<std::string_view> all;
    for (SmtpCaption caption : kAllCaptions) {
        all.push_back(SmtpCaptionText(caption, language));
    }
    for (std::string_view entry : SmtpModeEntries(language)) {
        all.push_back(entry);
    }
    for (std::string_view entry : SmtpStatusEntries(language)) {
        all.push_back(entry);
    }
    all.push_back(SmtpRemoteControlOffEntry(language));
    return all;
}

TEST(SmtpTexts, EveryLanguageHasEveryTextAndTheLatinOnesAreAscii) {
    for (int32_t language = 1; language <= kLanguageCount; ++language) {
        SCOPED_TRACE(language);
        for (std::string_view text : AllTexts(language)) {
            EXPECT_FALSE(text.empty());
            if (language != kChinese && language != kJapanese) {
                EXPECT_TRUE(IsAscii(text)) << text;
            }
        }
    }
    // Chinese and Japanese have texts of their own, not English ones left in place.
    for (int32_t language : {kChinese, kJapanese}) {
        EXPECT_FALSE(IsAscii(SmtpCaptionText(SmtpCaption::kGenerateButton, language)));
        EXPECT_FALSE(IsAscii(SmtpModeEntries(language)[1]));
    }
}

TEST(SmtpTexts, ValuesOutsideTheLanguagesShowEnglish) {
    for (int32_t language : {0, -1, 11, 1000}) {
        SCOPED_TRACE(language);
        EXPECT_EQ(AllTexts(language), AllTexts(kEnglish));
    }
    EXPECT_EQ(SmtpCaptionText(SmtpCaption::kExitButton, kEnglish), "Exit");
}

// A few captions and entries of each language, read off the language tables.
TEST(SmtpTexts, SpotChecksOfEachLanguage) {
    struct Row {
        int32_t language;
        std::string_view pictures;
        std::string_view country;
        std::string_view phone;
        std::string_view exit;
        std::string_view modeAuto;
        std::string_view modeManual;
        std::string_view off;
    };
    const Row rows[] = {
        {1, "拍摄张数/每天", "国家", "手机号码", "退出", "自动", "手动", "关闭"},
        {2, "Picture No./ day", "Country", "Phone No", "Exit", "Auto", "Manual", "Off"},
        {3, "Bilderanzahl/Tag", "Land", "Telefonnummer", "Back", "Auto", "Manuell", "Aus"},
        {4, "kuvien maara / paiva", "maa", "puhelinnumero", "poistu", "Autom", "Manuaali", "pois"},
        {5, "N. immagine/data", "Nazione", "No. Telefono", "Indiet", "Auto", "Manuale", "OFF"},
        {6, "Image No/jour", "Pays", "No telephone", "Retour", "Auto", "Manuale", "Arret"},
        {7, "Kepsz./ nap", "Orszag", "Telefonsz.", "Vissz.", "Auto", "Kezi", "Off"},
        {8, "Slika stev./dan", "Drzava", "Telefonska stev.", "Nazaj", "Samodejno", "Rocno", "Izklop"},
        {9, "Snimku za den", " Zeme", "Tel. Cislo", "Vystup", "Automaticky", "Rucne", "Vypnuto"},
        {10, "撮影数/1日", "国名", "電話", "終了", "オート", "マニュアル", "オフ"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.language);
        EXPECT_EQ(SmtpCaptionText(SmtpCaption::kPicturesLabel, row.language), row.pictures);
        EXPECT_EQ(SmtpCaptionText(SmtpCaption::kCountryLabel, row.language), row.country);
        EXPECT_EQ(SmtpCaptionText(SmtpCaption::kPhoneLabel, row.language), row.phone);
        EXPECT_EQ(SmtpCaptionText(SmtpCaption::kExitButton, row.language), row.exit);
        EXPECT_EQ(SmtpModeEntries(row.language)[0], row.modeAuto);
        EXPECT_EQ(SmtpModeEntries(row.language)[1], row.modeManual);
        EXPECT_EQ(SmtpStatusEntries(row.language)[0], row.off);
        EXPECT_EQ(SmtpRemoteControlOffEntry(row.language), row.off);
        // "VGA" and "SMS" are the same in every language, Chinese included.
        EXPECT_EQ(SmtpStatusEntries(row.language)[1], "VGA");
        EXPECT_EQ(SmtpStatusEntries(row.language)[2], "SMS");
    }
}

// Captions that only some languages translate: the others show the English word.
TEST(SmtpTexts, LanguagesWithoutTheirOwnWordShowTheEnglishOne) {
    struct Row {
        SmtpCaption caption;
        std::vector<int32_t> ownWord;  // languages with a text of their own
    };
    const Row rows[] = {
        {SmtpCaption::kModeLabel, {kChinese, kJapanese}},
        {SmtpCaption::kServerLabel, {kChinese}},
        {SmtpCaption::kPortLabel, {kChinese, kJapanese}},
        {SmtpCaption::kSenderLabel, {kChinese}},
        {SmtpCaption::kSenderPasswordLabel, {kChinese, kCzech, kJapanese}},
        {SmtpCaption::kRecipientLabel, {kFinnish, kJapanese}},
        {SmtpCaption::kRemoteControlLabel, {kChinese}},
        {SmtpCaption::kAccountLabel,
         {kChinese, kGerman, kFinnish, kFrench, kHungarian, kSlovenian, kCzech, kJapanese}},
    };
    for (const Row& row : rows) {
        const std::string_view english = SmtpCaptionText(row.caption, kEnglish);
        for (int32_t language = 1; language <= kLanguageCount; ++language) {
            SCOPED_TRACE(std::to_string(static_cast<int>(row.caption)) + " " + std::to_string(language));
            const bool own = std::count(row.ownWord.begin(), row.ownWord.end(), language) > 0;
            EXPECT_EQ(SmtpCaptionText(row.caption, language) == english, !own)
                << SmtpCaptionText(row.caption, language);
        }
    }
    EXPECT_EQ(SmtpCaptionText(SmtpCaption::kRecipientLabel, kChinese), "Email 01");
    EXPECT_EQ(SmtpCaptionText(SmtpCaption::kNoLimitNote, kChinese), "注： 0 = 无限制");
}

TEST(SmtpTexts, MessagesAreChineseForLanguage1AndEnglishOtherwise) {
    struct Row {
        SmtpMessage message;
        ModelFamily family;
        std::string_view english;
        std::string_view chinese;
    };
    const Row rows[] = {
        {SmtpMessage::kApnMissing, ModelFamily::k8520, "GPRS APN", "请输入GPRS APN"},
        {SmtpMessage::kServerMissing, ModelFamily::k8620, "Smtp Server", "请输入Smtp Server地址"},
        {SmtpMessage::kPortMissing, ModelFamily::k8520, "Port", "请设置端口"},
        {SmtpMessage::kEmailMissing, ModelFamily::k8620, "Please Input Email", "请输入Email"},
        {SmtpMessage::kEmailWithoutAt, ModelFamily::k8520, "Email Error(@)", "Email 错误(@)"},
        {SmtpMessage::kEmailWithoutDot, ModelFamily::k8620, "Email Error(.)", "Email 错误(.)"},
        {SmtpMessage::kSenderPasswordMissing, ModelFamily::k8520, "Sender Email Password",
         "请输入发送者邮箱密码"},
        {SmtpMessage::kPhoneError, ModelFamily::k8620, "Phone No. Error", "手机号码错误"},
        {SmtpMessage::kGenerated, ModelFamily::k8520, "Vyn 8520 SMTP configuration file has been generated",
         "Vyn 8520 SMTP配置文件已生成"},
        {SmtpMessage::kGenerated, ModelFamily::k8620, "Vyn 8620 SMTP configuration file has been generated",
         "Vyn 8620 SMTP配置文件已生成"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.english);
        EXPECT_EQ(SmtpMessageText(row.message, row.family, kChinese), row.chinese);
        for (int32_t language : {2, 3, 4, 5, 6, 7, 8, 9, 10, 0, 11}) {
            EXPECT_EQ(SmtpMessageText(row.message, row.family, language), row.english) << language;
        }
    }
}

}  // namespace
}  // namespace corvane
