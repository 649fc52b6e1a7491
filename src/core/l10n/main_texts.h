#pragma once

#include <cstdint>
#include <string>

#include "core/l10n/language.h"
#include "core/models/models.h"

namespace corvane {

// The seven run-time captions of the main window. UTF-8.
struct MainTexts {
    const char* cameraSetup;    // button 1000
    const char* mmsSetup;       // button 1001
    const char* smtpSetup;      // button 1002
    const char* updateLink;     // button 1076
    const char* version;        // label 1077
    const char* languageLabel;  // label 1078
    const char* modelLabel;     // label 1079
};

// Captions for `language` (1..10); a language without its own word for a caption shows the English one, and
// any value outside 1..10 shows all English captions.
MainTexts MainTextsFor(int32_t language);

// The message when the update link could not start a web browser: says so and gives the address `url`, so
// that the user can open it by hand. Chinese for language 1, English otherwise. UTF-8.
std::string NoBrowserMessage(int32_t language, const std::string& url);

inline constexpr int kLanguageListSize = kLanguageCount;
inline constexpr int kModelListSize = kModelCount;

// Entry `position` (0..kLanguageListSize - 1) of the language list, or nullptr outside that range. The
// Chinese entry reads "中文" only when `textsChinese`, otherwise "Chinese"; the other entries are never
// translated.
const char* LanguageListEntry(int position, bool textsChinese);

// Entry `position` (0..3) of the model list, model position + 1; nullptr outside that range.
const char* ModelListEntry(int position);

}  // namespace corvane
