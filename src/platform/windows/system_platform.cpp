// The program's platform on Windows.
#include "platform/system_platform.h"

#include <utility>

#include "platform/windows/windows_platform.h"

namespace corvane::platform {

std::unique_ptr<Platform> MakeSystemPlatform(WindowIcon icon, std::string testMailCaFile) {
    return std::make_unique<WindowsPlatform>(icon, std::move(testMailCaFile));
}

}  // namespace corvane::platform
