#pragma once

#include <cstdint>

#include "core/l10n/language.h"
#include "core/models/models.h"

namespace corvane {

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

}  // namespace corvane
