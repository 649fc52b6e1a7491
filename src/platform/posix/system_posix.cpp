// Preference key, system language and display on systems other than Windows.
#include <QDir>
#include <QtGlobal>
#include <cstdlib>

#include "platform/desktop_platform.h"
#include "platform/locale_language.h"
#include "platform/posix/ini_preference_key.h"

namespace corvane::platform {

std::unique_ptr<PreferenceKey> MakeSystemPreferenceKey() {
    return std::make_unique<IniPreferenceKey>(PreferenceFilePath());
}

std::string SystemDefaultOutputFolder() {
    return QDir::homePath().toStdString();
}

uint16_t SystemDefaultLanguageId() {
    return LanguageIdFromLocaleName(MessagesLocaleFromEnvironment());
}

bool DisplayAvailable() {
#ifdef Q_OS_MACOS
    return true;
#else
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && value[0] != '\0') {
            return true;
        }
    }
    return false;
#endif
}

}  // namespace corvane::platform
