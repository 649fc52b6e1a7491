#include <QApplication>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

#include "app/setup_app.h"

namespace {

// Without any display Qt would abort with a stack of platform-plugin errors; say it plainly instead.
bool DisplayAvailable() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
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

}  // namespace

int main(int argc, char** argv) {
    if (!DisplayAvailable()) {
        std::fputs(
            "Corvane needs a graphical display, but none is available (neither DISPLAY nor WAYLAND_DISPLAY "
            "is set).\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    corvane::CSetupApp setupApp;
    return setupApp.Run();
}
