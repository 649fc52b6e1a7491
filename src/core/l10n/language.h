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

// Messages exist in Chinese and English only: Chinese for language 1, English for every other value.
constexpr bool MessagesInChinese(int32_t language) {
    return language == kChinese;
}

// A language value usable as a text index: values outside 1..10 show English.
constexpr int32_t DisplayLanguage(int32_t language) {
    return (language >= 1 && language <= kLanguageCount) ? language : kEnglish;
}

}  // namespace corvane
