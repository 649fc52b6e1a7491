#pragma once

#include <cstdint>

#include "core/l10n/language.h"
#include "core/models/app_settings.h"
#include "platform/preference_store.h"

namespace corvane {

// Start-up: the process-wide settings from the system language identifier and the remembered preferences.
// Reads language, model and TV mode, storing the default of each one that cannot be read, and leaves the
// company marker when it is missing. Store failures fall back to the defaults silently. A stored language
// outside 1..10 is taken as English (2) for the run; the stored value stays until the user picks a language.
AppSettings LoadStartupSettings(uint16_t systemLanguageId, platform::PreferenceStore& store);

}  // namespace corvane
