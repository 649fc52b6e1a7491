#pragma once

// Windows error codes in the terms the rest of the program uses.

#include <string>

namespace corvane::platform {

// The errno value that stands for the Windows error `code` (a GetLastError value) in the core's checks and
// messages; EIO for one without a closer match.
int ErrnoFromWindowsError(unsigned long code);

// The system's own words for the Windows error `code`, in UTF-8, without the trailing period and line end.
std::string WindowsErrorText(unsigned long code);

}  // namespace corvane::platform
