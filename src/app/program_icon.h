#pragma once

#include "platform/window_icon.h"

namespace corvane {

// Icon 152, the program's icon, for its windows and its messages: its pixels, its X11 window property and
// its resource in the Windows executable.
platform::WindowIcon ProgramWindowIcon();

}  // namespace corvane
