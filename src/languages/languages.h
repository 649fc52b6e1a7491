#pragma once

// The program's languages, declared once. Everything that depends on the set of languages reads this
// catalogue: the text tables (one entry per language, in this order), the main window's list, the
// preferences' default, Qt's own translations, the desktop entry and the decoder's range. Adding a
// language is a row here plus its texts (docs/DEVELOPING.md, "Add a language").

#include <array>
#include <cstdint>
#include <string_view>

namespace corvane {

// The language value: stored in the preferences and, through FileLanguage, written into every file.
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

struct LanguageInfo {
    LanguageId value;
    std::string_view name;       // English name, as corvane-inspect reports a file's language
    std::string_view listEntry;  // the main window's language list (Chinese shows "中文" on Chinese systems)
    std::string_view qtLocale;   // Qt's translation of its own widgets, qtbase_<qtLocale>.qm; "en": none
    std::string_view desktopLocale;  // the desktop entry's Name[...] key; empty for the untranslated keys
    uint16_t systemLanguageId;       // a system language that starts the program in this language, or 0
};

// In value order, from 1.
inline constexpr std::array kLanguages = {
    LanguageInfo{kChinese, "Chinese", "Chinese", "zh_CN", "zh_CN", 0x0804},
    LanguageInfo{kEnglish, "English", "English", "en", "", 0},
    // German starts only on German (Liechtenstein), as the program always has.
    LanguageInfo{kGerman, "German", "Deutsch", "de", "de", 0x1407},
    LanguageInfo{kFinnish, "Finnish", "Suomi", "fi", "fi", 0},
    LanguageInfo{kItalian, "Italian", "Italiano", "it", "it", 0},
    LanguageInfo{kFrench, "French", "Francais", "fr", "fr", 0},
    LanguageInfo{kHungarian, "Hungarian", "Magyar", "hu", "hu", 0},
    LanguageInfo{kSlovenian, "Slovenian", "Slovensko", "sl", "sl", 0},
    LanguageInfo{kCzech, "Czech", "Cesky", "cs", "cs", 0},
    LanguageInfo{kJapanese, "Japanese", "Japanese", "ja", "ja", 0},
};
inline constexpr int32_t kLanguageCount = static_cast<int32_t>(kLanguages.size());

// The language of a system without one of its own.
inline constexpr LanguageId kDefaultLanguage = kEnglish;

constexpr bool CatalogueInValueOrder() {
    for (int32_t i = 0; i < kLanguageCount; ++i) {
        if (kLanguages[static_cast<std::size_t>(i)].value != i + 1) {
            return false;
        }
    }
    return true;
}
static_assert(CatalogueInValueOrder(), "language values run 1, 2, 3, ... in catalogue order");

constexpr bool IsLanguage(int64_t value) {
    return value >= 1 && value <= kLanguageCount;
}

// The catalogue row of `value`, which must satisfy IsLanguage.
constexpr const LanguageInfo& LanguageAt(int32_t value) {
    return kLanguages[static_cast<std::size_t>(value - 1)];
}

}  // namespace corvane
