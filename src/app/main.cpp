#include <QApplication>
#include <cstdio>

#include "app/setup_app.h"
#include "platform/desktop_platform.h"

int main(int argc, char** argv) {
    // Without any display Qt would abort with a stack of platform-plugin errors; say it plainly instead.
    if (!corvane::platform::DisplayAvailable()) {
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
