#include "app/program_icon.h"

// The icon resources live in a static library; registering them here keeps the linker from dropping them.
static void RegisterIconResources() {
    Q_INIT_RESOURCE(corvane_icons);
}

namespace corvane {

QIcon ProgramIcon() {
    static const bool registered = (RegisterIconResources(), true);
    (void)registered;
    QIcon icon;
    for (const char* size : {"16", "32", "48", "256"}) {
        icon.addFile(QStringLiteral(":/corvane/icon-%1.png").arg(QLatin1String(size)));
    }
    return icon;
}

}  // namespace corvane
