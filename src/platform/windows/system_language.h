#pragma once

#include <cstdint>

namespace corvane::platform {

// The program's system language identifier for a Windows UI language: the same mapping as from a locale
// name elsewhere (LanguageIdFromLocaleName), through the language's locale name ("de-LI"); a language
// without a locale name gives 0x0409.
uint16_t LanguageIdOfWindowsLanguage(uint16_t windowsLanguage);

// The Windows language of the program's language (1..10), for the system's own texts; 0 when unknown.
uint16_t WindowsLanguageOfProgramLanguage(int32_t language);

}  // namespace corvane::platform
