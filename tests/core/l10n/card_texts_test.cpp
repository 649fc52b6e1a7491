#include "core/l10n/card_texts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/l10n/language.h"

namespace corvane {
namespace {

bool IsPrintableAscii(const std::string& text) {
    for (const unsigned char c : text) {
        if (c < 0x20 || c > 0x7E) {
            return false;
        }
    }
    return true;
}

// Each language has its own text, names the path exactly once and as given, and the Latin-script
// languages stay within plain ASCII as the rest of the program's texts.
TEST(CardTexts, EveryLanguageHasItsOwnTextAroundThePath) {
    const std::string path = "/media/alice/CAM 01/<b>menu</b>.dat";
    for (const auto& [name, text] :
         {std::pair{"written to", &WrittenToText}, std::pair{"card gone", &CardGoneText}}) {
        std::set<std::string> seen;
        for (int32_t language = 1; language <= kLanguageCount; ++language) {
            const std::string shown = text(language, path);
            SCOPED_TRACE(std::string(name) + ", language " + std::to_string(language) + ": " + shown);
            const std::size_t at = shown.find(path);
            ASSERT_NE(at, std::string::npos);
            EXPECT_EQ(shown.find(path, at + 1), std::string::npos);
            EXPECT_GT(shown.size(), path.size() + 3);
            EXPECT_TRUE(seen.insert(shown).second) << "the same text as another language";
            const bool cjk = language == kChinese || language == kJapanese;
            EXPECT_EQ(IsPrintableAscii(shown), !cjk);
        }
        for (const int32_t outside : {0, 11, -1}) {
            EXPECT_EQ(text(outside, path), text(kEnglish, path)) << outside;
        }
    }
}

TEST(CardTexts, EnglishWording) {
    EXPECT_EQ(WrittenToText(kEnglish, "/media/alice/CAM01/menu.dat"),
              "Written to: /media/alice/CAM01/menu.dat");
    EXPECT_EQ(CardGoneText(kEnglish, "/media/alice/CAM01"),
              "The memory card is no longer mounted at /media/alice/CAM01. Insert the card again or choose "
              "another folder. Nothing was written.");
    EXPECT_EQ(WrittenToText(kChinese, "E:\\menu.dat"), "已写入：E:\\menu.dat");
}

}  // namespace
}  // namespace corvane
