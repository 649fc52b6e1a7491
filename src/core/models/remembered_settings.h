#pragma once

// What the program remembers between runs, each declared once: its key, its type and the value that
// stands in when nothing usable is stored. The platform's preference store only stores them.

#include <cstdint>
#include <string_view>

#include "core/l10n/language.h"

namespace corvane {

// A number kept as a 16-bit value.
struct RememberedNumber {
    std::string_view key;
    uint32_t fallback;
};

struct RememberedText {
    std::string_view key;
    std::string_view fallback;  // empty: no value
};

// The language the windows show. Its fallback is only the last resort: the system language decides the
// first start's language (DefaultLanguageFor).
inline constexpr RememberedNumber kRememberedLanguage{"language", kDefaultLanguage};
// The camera model, 1..4 (a value outside works as the 8520 family without e-mail).
inline constexpr RememberedNumber kRememberedModel{"model", 1};
// The TV mode copied into every file; nothing in the program changes it.
inline constexpr RememberedNumber kRememberedTvMode{"TvMode", 0};
// A one-time marker written at the first start.
inline constexpr RememberedText kRememberedCompany{"Company", "Corvane Outdoor Imaging Co., Ltd."};
// The folder the last setup file was written to.
inline constexpr RememberedText kRememberedLastFolder{"LastFolder", ""};

// The language shown when no preference says otherwise: the catalogue's language for the system
// language identifier (1, Chinese, for 0x0804; 3, German, for 0x1407), the default language otherwise.
constexpr int32_t DefaultLanguageFor(uint16_t systemLanguageId) {
    for (const LanguageInfo& language : kLanguages) {
        if (language.systemLanguageId != 0 && language.systemLanguageId == systemLanguageId) {
            return language.value;
        }
    }
    return kDefaultLanguage;
}

}  // namespace corvane
