#include "platform/system_platform.h"

#include <utility>

#include "platform/desktop_platform.h"

namespace corvane::platform {

std::unique_ptr<Platform> MakeSystemPlatform(WindowIcon icon, std::string testMailCaFile) {
    return std::make_unique<DesktopPlatform>(std::move(icon), std::move(testMailCaFile));
}

}  // namespace corvane::platform
