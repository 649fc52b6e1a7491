// Preference key, system language and display on Linux.
#include <QDir>
#include <QtGlobal>
#include <cstdlib>
#include <string>

#include "platform/desktop_platform.h"
#include "platform/linux/ini_preference_key.h"
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
    const bool askedForX11 = platform.find("xcb") != std::string::npos;
    if (!platform.empty() && !askedForX11) {
        return {};  // offscreen, wayland, ...: Qt's own choice
    }
    if (Environment("DISPLAY").empty() && (askedForX11 || Environment("WAYLAND_DISPLAY").empty())) {
        return "Corvane needs a graphical display, but none is available (neither DISPLAY nor "
               "WAYLAND_DISPLAY is set).";
    }
    return {};
#endif
}

std::string DisplayOpenFailure() {
    const std::string platform = Environment("QT_QPA_PLATFORM");
    const std::string x11 = Environment("DISPLAY");
    const std::string wayland = Environment("WAYLAND_DISPLAY");
    const std::string start = "Corvane needs a graphical display, but ";
    if (!x11.empty() && (platform.empty() || platform.find("xcb") != std::string::npos)) {
        return start + "the X display \"" + x11 + "\" named by DISPLAY cannot be opened.";
    }
    if (!wayland.empty() && (platform.empty() || platform.find("wayland") != std::string::npos)) {
        return start + "the Wayland display \"" + wayland + "\" named by WAYLAND_DISPLAY cannot be opened.";
    }
    return start + "Qt's platform \"" + platform + "\" (QT_QPA_PLATFORM) cannot open one.";
}

}  // namespace corvane::platform
