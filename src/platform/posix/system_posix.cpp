// Preference key and system language on systems other than Windows.
#include "platform/desktop_platform.h"
#include "platform/locale_language.h"
#include "platform/posix/ini_preference_key.h"

namespace corvane::platform {

std::unique_ptr<PreferenceKey> MakeSystemPreferenceKey() {
    return std::make_unique<IniPreferenceKey>(PreferenceFilePath());
}

uint16_t SystemDefaultLanguageId() {
    return LanguageIdFromLocaleName(MessagesLocaleFromEnvironment());
}

}  // namespace corvane::platform
