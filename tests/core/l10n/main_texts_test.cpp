#include "core/l10n/main_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane {
namespace {

// "1.2.27" -> "1.2.027": the windows show the last part of the project's version with three digits.
std::string ShownVersion(const std::string& projectVersion) {
    const std::size_t lastDot = projectVersion.rfind('.');
    std::string patch = projectVersion.substr(lastDot + 1);
    patch.insert(0, patch.size() < 3 ? 3 - patch.size() : 0, '0');
    return projectVersion.substr(0, lastDot + 1) + patch;
}

std::string Field(const MainTexts& t, int i) {
    const char* fields[] = {t.cameraSetup, t.mmsSetup,      t.smtpSetup, t.updateLink,
                            t.version,     t.languageLabel, t.modelLabel};
    return fields[i] ? fields[i] : "(null)";
}

// Which captions a language has of its own (the others fall back to English): buttons, link, labels.
TEST(MainTextsFor, OwnCaptionsPerLanguageAndEnglishForTheRest) {
    const struct {
        int32_t language;
        bool own[7];  // camera, mms, smtp, link, version, language label, model label
    } cases[] = {
        {1, {true, true, true, true, true, true, true}},
        {3, {true, true, false, false, false, false, false}},
        {4, {true, true, false, true, false, false, false}},
        {5, {true, true, false, false, false, false, false}},
        {6, {true, true, false, false, false, false, false}},
        {7, {true, true, false, false, false, false, false}},
        {8, {true, true, false, false, false, false, false}},
        {9, {true, true, true, true, false, true, true}},
        {10, {true, true, true, false, false, false, false}},
    };
    const MainTexts english = MainTextsFor(2);
    for (const auto& c : cases) {
        const MainTexts texts = MainTextsFor(c.language);
        for (int i = 0; i < 7; ++i) {
            if (c.own[i]) {
                EXPECT_NE(Field(texts, i), Field(english, i)) << "language " << c.language << " field " << i;
            } else {
                EXPECT_EQ(Field(texts, i), Field(english, i)) << "language " << c.language << " field " << i;
            }
        }
    }
    EXPECT_EQ(Field(english, 4), "Version:" + ShownVersion(CORVANE_PROJECT_VERSION));
    EXPECT_EQ(Field(MainTextsFor(1), 4), "程序版本:" + ShownVersion(CORVANE_PROJECT_VERSION));
}

TEST(MainTextsFor, ValuesOutsideTheTenLanguagesShowEnglish) {
    const MainTexts english = MainTextsFor(2);
    for (const int32_t language : {0, 11, -1, 0x10002, 65535}) {
        const MainTexts texts = MainTextsFor(language);
        for (int i = 0; i < 7; ++i) {
            EXPECT_EQ(Field(texts, i), Field(english, i)) << "language " << language;
        }
    }
}

TEST(LanguageListEntry, EntryZeroIsChineseScriptOnlyWhileTheTextsAreChinese) {
    EXPECT_STREQ(LanguageListEntry(0, true), "中文");
    EXPECT_STREQ(LanguageListEntry(0, false), "Chinese");
    for (int p = 1; p < kLanguageListSize; ++p) {
        EXPECT_STREQ(LanguageListEntry(p, true), LanguageListEntry(p, false)) << p;
    }
    EXPECT_STREQ(LanguageListEntry(9, false), "Japanese");
    EXPECT_EQ(LanguageListEntry(-1, false), nullptr);
    EXPECT_EQ(LanguageListEntry(kLanguageListSize, false), nullptr);
    EXPECT_STREQ(ModelListEntry(2), "Vyn 8520MG");
    EXPECT_EQ(ModelListEntry(kModelListSize), nullptr);
    EXPECT_EQ(ModelListEntry(-1), nullptr);
}

}  // namespace
}  // namespace corvane
