#include "core/l10n/mail_test_texts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/l10n/language.h"

namespace corvane {
namespace {

bool IsAscii(std::string_view text) {
    for (unsigned char c : text) {
        if (c > 0x7E || c < 0x20)
            return false;
    }
    return true;
}

TEST(MailTestTexts, EveryTextInEveryLanguage) {
    for (int i = 0; i < kMailTestTextCount; ++i) {
        const auto id = static_cast<MailTestText>(i);
        SCOPED_TRACE("text " + std::to_string(i));
        std::set<std::string_view> seen;
        for (int32_t language = 1; language <= kLanguageCount; ++language) {
            const auto text = MailTestTextOf(id, language);
            EXPECT_FALSE(text.empty()) << language;
            // Latin-script languages are written without diacritics.
            if (language != kChinese && language != kJapanese) {
                EXPECT_TRUE(IsAscii(text)) << language << ": " << text;
            }
            // Only the sent messages name the recipient, and only the refused login its user name.
            const bool hasArgument = id == MailTestText::kSent || id == MailTestText::kSentWithoutLogin ||
                                     id == MailTestText::kLoginRefused;
            EXPECT_EQ(text.find("%1") != std::string_view::npos, hasArgument) << language;
            seen.insert(text);
        }
        // Each language has its own words.
        EXPECT_EQ(seen.size(), static_cast<size_t>(kLanguageCount));
    }
}

TEST(MailTestTexts, LanguagesOutsideTheListShowEnglish) {
    for (const int32_t language : {0, 11, -1}) {
        EXPECT_EQ(MailTestTextOf(MailTestText::kTestButton, language), "Test e-mail");
        EXPECT_EQ(MailTestTextOf(MailTestText::kLoginRefused, language),
                  MailTestTextOf(MailTestText::kLoginRefused, kEnglish));
    }
    EXPECT_EQ(MailTestTextOf(MailTestText::kTestButton, kChinese), "测试邮件");
    EXPECT_EQ(MailTestTextOf(MailTestText::kTestButton, kJapanese), "テスト送信");
    EXPECT_EQ(MailTestTextOf(MailTestText::kTestButton, kGerman), "Test-Mail");
}

}  // namespace
}  // namespace corvane
