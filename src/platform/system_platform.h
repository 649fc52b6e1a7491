#pragma once

#include <memory>
#include <string>

#include "platform/platform.h"
#include "platform/window_icon.h"

namespace corvane::platform {

// The platform of this operating system (linux/ or windows/). `icon` goes on its messages and browsers;
// `testMailCaFile`, when not empty, names the certificate authorities the test e-mail trusts instead of the
// system's.
std::unique_ptr<Platform> MakeSystemPlatform(WindowIcon icon, std::string testMailCaFile);

}  // namespace corvane::platform
