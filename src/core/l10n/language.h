#pragma once

#include <cstdint>

#include "languages/languages.h"

namespace corvane {

// Messages exist in Chinese and English only: Chinese for language 1, English for every other value.
constexpr bool MessagesInChinese(int32_t language) {
    return language == kChinese;
}

// A language value usable as a text index: values outside the catalogue show the default language.
constexpr int32_t DisplayLanguage(int32_t language) {
    return IsLanguage(language) ? language : kDefaultLanguage;
}

}  // namespace corvane
