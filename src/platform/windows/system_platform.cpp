// The program's platform on Windows.
#include "platform/system_platform.h"
#include "platform/windows/windows_platform.h"

namespace corvane::platform {

std::unique_ptr<Platform> MakeSystemPlatform(WindowIcon icon, std::string /*testMailCaFile*/) {
    // The test e-mail is not part of this build, so there is no certificate file to hand on.
    return std::make_unique<WindowsPlatform>(icon);
}

}  // namespace corvane::platform
