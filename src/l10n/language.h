#pragma once

#include <cstdint>

namespace corvane {

// User-interface language. The same numbers are stored in the preferences and, through FileLanguage,
// in every generated file.
enum LanguageId : int32_t {
    kChinese = 1,
    kEnglish = 2,
    kGerman = 3,
    kFinnish = 4,
    kItalian = 5,
    kFrench = 6,
    kHungarian = 7,
    kSlovenian = 8,
    kCzech = 9,
    kJapanese = 10,
};
inline constexpr int32_t kLanguageCount = 10;

// Models 1..4 in the order of the main window's model list.
using ModelId = int32_t;

enum class ModelFamily { k8520, k8620 };

// Models 2 and 4 are the 8620 family; 1, 3 and anything else the 8520 family.
constexpr ModelFamily FamilyOfModel(ModelId model) {
    return (model == 2 || model == 4) ? ModelFamily::k8620 : ModelFamily::k8520;
}

// The process-wide settings, written only by start-up and by the main window.
struct AppSettings {
    int32_t language = kEnglish;
    ModelId model = 1;
    uint32_t tvMode = 0;  // holds a 16-bit value
    bool systemIsChinese = false;
    bool chineseEntrySelected = false;
};

// The language byte stored in the generated files: 1 whenever the list's Chinese entry is the choice,
// even when the texts shown are English.
constexpr int32_t FileLanguage(const AppSettings& settings) {
    return settings.chineseEntrySelected ? kChinese : settings.language;
}

// Messages exist in Chinese and English only: Chinese for language 1, English for every other value.
constexpr bool MessagesInChinese(int32_t language) {
    return language == kChinese;
}

// A language value usable as a text index: values outside 1..10 show English.
constexpr int32_t DisplayLanguage(int32_t language) {
    return (language >= 1 && language <= kLanguageCount) ? language : kEnglish;
}

}  // namespace corvane
