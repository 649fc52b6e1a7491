#include "core/l10n/preset_texts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/l10n/language.h"

namespace corvane {
namespace {

TEST(PresetTexts, NoSettingsMessageInEveryLanguageNamesTheManualMode) {
    std::set<std::string> seen;
    for (int32_t language = 1; language <= kLanguageCount; ++language) {
        SCOPED_TRACE(language);
        const std::string text = NoPresetSettingsMessage(language, "<manual>");
        EXPECT_NE(text.find("<manual>"), std::string::npos) << text;
        EXPECT_GT(text.size(), 40u);
        EXPECT_TRUE(seen.insert(text).second) << "each language has its own text";
        const bool latin = language != kChinese && language != kJapanese;
        for (const char c : text) {
            if (latin) {
                // The Latin-script languages are written without diacritics.
                EXPECT_TRUE(c >= 0x20 && c < 0x7F) << text;
            }
        }
    }
    EXPECT_EQ(NoPresetSettingsMessage(kEnglish, "Manual"),
              "No network settings are known for this operator, so no file was generated. Choose \"Manual\" "
              "mode to type them in yourself.");
    EXPECT_EQ(NoPresetSettingsMessage(kChinese, "手动"),
              "没有该运营商的已知网络设置，未生成文件。请选择“手动”模式，自行输入这些设置。");
    // Values outside 1..10 read English.
    for (const int32_t outside : {0, 11, -3}) {
        EXPECT_EQ(NoPresetSettingsMessage(outside, "Manual"), NoPresetSettingsMessage(kEnglish, "Manual"));
    }
}

}  // namespace
}  // namespace corvane
