// The program's platform on Linux.
#include "platform/desktop_platform.h"
#include "platform/system_platform.h"

namespace corvane::platform {

std::unique_ptr<Platform> MakeSystemPlatform(WindowIcon icon, std::string testMailCaFile) {
    return std::make_unique<DesktopPlatform>(std::move(icon), std::move(testMailCaFile));
}

}  // namespace corvane::platform
