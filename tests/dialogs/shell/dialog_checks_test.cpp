// The setup dialogs' own check messages: Chinese for language 1, English for every other value.

#include "dialogs/shell/dialog_checks.h"

#include <gtest/gtest.h>

#include <string>

#include "core/l10n/language.h"

namespace corvane {
namespace {

TEST(DialogChecks, RangeAndPhoneMessagesInEachLanguage) {
    const std::string rangeChinese = "请输入一个介于1和60之间的值!";
    const std::string rangeEnglish = "Please enter an integer between 1 and 60!";
    const std::string phoneChinese = "最大允许手机号码位数 12!";
    const std::string phoneEnglish = "The max allowable number of digits phone 12!";
    for (int32_t language = 0; language <= kLanguageCount + 1; ++language) {
        SCOPED_TRACE(language);
        const bool chinese = language == kChinese;
        EXPECT_EQ(IntRangeMessage(1, 60, language), chinese ? rangeChinese : rangeEnglish);
        EXPECT_EQ(PhoneLengthMessage(12, language), chinese ? phoneChinese : phoneEnglish);
    }
    EXPECT_EQ(IntRangeMessage(-5, 0, kEnglish), "Please enter an integer between -5 and 0!");
}

}  // namespace
}  // namespace corvane
