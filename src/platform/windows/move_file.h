#pragma once

#include <string>

namespace corvane::platform {

// Moves `from` over `to` in one step with write-through (MoveFileExW): the call returns once the new name
// is on the medium. Windows refuses to replace a file that is open at that moment, even one opened to be
// shared, so a short look by another program (a virus scanner, a preview, a reader of the old file) is
// waited out for up to about two seconds. Returns 0 or the GetLastError code.
unsigned long MoveOver(const std::wstring& from, const std::wstring& to);

}  // namespace corvane::platform
