#include "core/l10n/read_back_texts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/l10n/language.h"

namespace corvane {
namespace {

constexpr ReadBackProblem kProblems[] = {
    ReadBackProblem::kMissing,    ReadBackProblem::kUnreadable,  ReadBackProblem::kOtherKind,
    ReadBackProblem::kWrongSize,  ReadBackProblem::kBadFraming,  ReadBackProblem::kBadChecksum,
    ReadBackProblem::kOutOfRange, ReadBackProblem::kOtherFamily, ReadBackProblem::kCardGone,
};

TEST(ReadBackTexts, EveryLanguageHasItsOwnButtonCaption) {
    std::set<std::string_view> captions;
    for (int32_t language = 1; language <= kLanguageCount; ++language) {
        const std::string_view caption = ReadBackButtonCaption(language);
        EXPECT_FALSE(caption.empty()) << language;
        captions.insert(caption);
    }
    EXPECT_EQ(captions.size(), static_cast<size_t>(kLanguageCount));
    EXPECT_EQ(ReadBackButtonCaption(0), "Read file");
    EXPECT_EQ(ReadBackButtonCaption(11), "Read file");
}

TEST(ReadBackTexts, RefusalNamesTheFileTheProblemAndTheFindingInEachLanguage) {
    const std::string path = "/media/card/menu.dat";
    const std::string finding = "checksum stored 0x9A01 computed 0x1234";
    for (int32_t language = 1; language <= kLanguageCount; ++language) {
        std::set<std::string> messages;
        for (ReadBackProblem problem : kProblems) {
            SCOPED_TRACE(testing::Message()
                         << "language " << language << " problem " << static_cast<int>(problem));
            const std::string message = ReadBackRefusalMessage(language, path, problem, finding);
            EXPECT_NE(message.find(path), std::string::npos) << message;
            EXPECT_NE(message.find("(" + finding + ")"), std::string::npos) << message;
            if (language != kEnglish) {
                EXPECT_NE(message, ReadBackRefusalMessage(kEnglish, path, problem, finding));
            }
            messages.insert(message);
        }
        EXPECT_EQ(messages.size(), std::size(kProblems)) << "each problem reads differently";
    }
}

TEST(ReadBackTexts, EnglishMessageInFullAndWithoutAFinding) {
    EXPECT_EQ(ReadBackRefusalMessage(kEnglish, "/card/setup.dat", ReadBackProblem::kOtherFamily,
                                     "made for the 8520 family"),
              "Not read: /card/setup.dat\n\nThe file is for the other camera family.\n(made for the 8520 "
              "family)\n\nNo setting was changed.");
    EXPECT_EQ(ReadBackRefusalMessage(99, "/card/smtp.dat", ReadBackProblem::kMissing, ""),
              "Not read: /card/smtp.dat\n\nThere is no such file.\n\nNo setting was changed.");
}

// The note after a read names the file in every language, each in its own words.
TEST(ReadBackTexts, DoneMessageNamesTheFileInEachLanguage) {
    std::set<std::string> messages;
    for (int32_t language = 1; language <= kLanguageCount; ++language) {
        const std::string message = ReadBackDoneMessage(language, "/card/menu.dat");
        EXPECT_EQ(message.substr(message.size() - 14), "/card/menu.dat") << language;
        EXPECT_GT(message.size(), 14u) << language;
        messages.insert(message);
    }
    EXPECT_EQ(messages.size(), static_cast<size_t>(kLanguageCount));
    EXPECT_EQ(ReadBackDoneMessage(kEnglish, "/card/menu.dat"), "Read from: /card/menu.dat");
    EXPECT_EQ(ReadBackDoneMessage(0, "/card/menu.dat"), "Read from: /card/menu.dat");
    EXPECT_EQ(
        ReadBackRefusalMessage(kEnglish, "/card/menu.dat", ReadBackProblem::kCardGone, ""),
        "Not read: /card/menu.dat\n\nThe memory card is no longer mounted there. Insert the card again or "
        "choose another folder.\n\nNo setting was changed.");
}

}  // namespace
}  // namespace corvane
