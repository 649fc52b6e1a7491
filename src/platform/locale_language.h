#pragma once

#include <cstdint>
#include <string_view>

namespace corvane::platform {

// Windows language identifier of a POSIX locale name such as "de_LI.UTF-8" or "zh_CN.GB18030@pinyin":
// language and country map to their identifier (zh_CN 0x0804, de_LI 0x1407, de_DE 0x0407, ...), a known
// language with an unknown or no country to the language's main identifier (de 0x0407), and everything else,
// "C" and "POSIX" included, to 0x0409 (English, United States).
uint16_t LanguageIdFromLocaleName(std::string_view locale);

// The locale that decides the messages language: the first set and non-empty of LC_ALL, LC_MESSAGES, LANG;
// "C" when none is.
std::string_view MessagesLocaleFromEnvironment();

}  // namespace corvane::platform
