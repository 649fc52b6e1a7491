#include "core/l10n/language.h"
#include "core/models/app_settings.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(ModelFamily, ModelsTwoAndFourAreThe8620FamilyEverythingElseThe8520) {
    struct Case {
        ModelId model;
        ModelFamily family;
    };
    const Case cases[] = {{1, ModelFamily::k8520}, {2, ModelFamily::k8620}, {3, ModelFamily::k8520},
                          {4, ModelFamily::k8620}, {0, ModelFamily::k8520}, {5, ModelFamily::k8520},
                          {-4, ModelFamily::k8520}};
    for (const Case& c : cases) {
        EXPECT_EQ(FamilyOfModel(c.model), c.family) << "model " << c.model;
    }
}

TEST(FileLanguage, ChineseEntryWinsOverTheLanguageShown) {
    AppSettings english;
    english.language = kEnglish;
    EXPECT_EQ(FileLanguage(english), kEnglish);

    AppSettings chineseOnEnglishSystem = english;
    chineseOnEnglishSystem.chineseEntrySelected = true;
    EXPECT_EQ(FileLanguage(chineseOnEnglishSystem), kChinese);

    AppSettings german;
    german.language = kGerman;
    EXPECT_EQ(FileLanguage(german), kGerman);
}

TEST(DisplayLanguage, ValuesOutsideTheTenLanguagesShowEnglish) {
    EXPECT_EQ(DisplayLanguage(0), kEnglish);
    EXPECT_EQ(DisplayLanguage(11), kEnglish);
    EXPECT_EQ(DisplayLanguage(-1), kEnglish);
    EXPECT_EQ(DisplayLanguage(kChinese), kChinese);
    EXPECT_EQ(DisplayLanguage(kJapanese), kJapanese);
    EXPECT_TRUE(MessagesInChinese(kChinese));
    EXPECT_FALSE(MessagesInChinese(kJapanese));
}

}  // namespace
}  // namespace corvane
