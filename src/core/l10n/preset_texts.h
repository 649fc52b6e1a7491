#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

// The one entry of the country and operator lists in Manual mode, the same in every language.
inline constexpr std::string_view kManualPresetEntry = "Other";

// Takes a LanguageId (values outside 1..10 read English) and the dialog's own word for its Manual mode;
// returns the message shown when Auto mode is asked to write for an operator whose preset lacks the
// network settings: nothing was generated, and Manual mode lets the user type the settings.
std::string NoPresetSettingsMessage(int32_t language, std::string_view manualWord);

}  // namespace corvane
