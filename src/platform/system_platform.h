#pragma once

#include <memory>
#include <string>

#include "platform/platform.h"
#include "platform/window_icon.h"

namespace corvane::platform {

// The real platform of the system the program runs on. `icon` is shown in the result messages;
// `testMailCaFile` is a certificate authority file the test e-mail trusts instead of the system's store
// (for a local test server), "" for the store.
std::unique_ptr<Platform> MakeSystemPlatform(WindowIcon icon, std::string testMailCaFile);

}  // namespace corvane::platform
