#pragma once

#include <string>

namespace corvane::platform {

// Whether the X server `display` (":1", "localhost:0" ...) accepts a connection now.
bool X11DisplayOpens(const std::string& display);

}  // namespace corvane::platform
