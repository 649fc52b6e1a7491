#pragma once

#include <QIcon>

#include "platform/window_icon.h"

namespace corvane {

// Icon 152: the program's icon, for its windows and its messages.
QIcon ProgramIcon();

// The same icon for top-level windows, with its X11 window property ready to send.
platform::WindowIcon ProgramWindowIcon();

}  // namespace corvane
