// Preference key, system language and display on Linux.

#include <QDir>
#include <QtGlobal>
#include <cstdlib>
#include <string>

#include "platform/desktop_platform.h"
#include "platform/linux/ini_preference_key.h"
#include "platform/linux/x11_display.h"
#include "platform/locale_language.h"

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

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

std::string DisplayProblem() {
#ifdef Q_OS_MACOS
    return {};
#else
    const std::string platform = Environment("QT_QPA_PLATFORM");
    const std::string x11 = Environment("DISPLAY");
    const std::string wayland = Environment("WAYLAND_DISPLAY");
    const bool askedForX11 = platform.find("xcb") != std::string::npos;
    if (!platform.empty() && !askedForX11) {
        return {};  // offscreen, wayland, ...: Qt's own choice
    }
    if (x11.empty() && (askedForX11 || wayland.empty())) {
        return "Corvane needs a graphical display, but none is available (neither DISPLAY nor "
               "WAYLAND_DISPLAY "
               "is set).";
    }
    // With a Wayland display too, Qt may well not use X: only a display Qt will use is tried. A connection
    // to a local server costs a fraction of a millisecond; Qt's own attempt would abort the program.
    if (!x11.empty() && (askedForX11 || wayland.empty())) {
        if (!X11DisplayOpens(x11)) {
            return "Corvane needs a graphical display, but the X display \"" + x11 +
                   "\" named by DISPLAY cannot be opened.";
        }
    }
    return {};
#endif
}

}  // namespace corvane::platform
