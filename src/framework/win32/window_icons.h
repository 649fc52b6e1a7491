#pragma once

// Icons for windows and icon controls from the program's WindowIcon: its icon resource in the executable,
// else the nearest of its images (tests and tools carry no resources).

struct HICON__;

namespace corvane::platform {
struct WindowIcon;
}

namespace corvane::win32 {

// A new icon of size x size pixels (the caller destroys it), or nullptr when there is none.
HICON__* MakeIcon(const platform::WindowIcon& icon, int size);

}  // namespace corvane::win32
