#include "platform/windows/move_file.h"

#include <windows.h>

namespace corvane::platform {

unsigned long MoveOver(const std::wstring& from, const std::wstring& to) {
    DWORD pause = 1;
    const ULONGLONG deadline = ::GetTickCount64() + 2000;
    while (true) {
        if (::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return 0;
        }
        const DWORD code = ::GetLastError();
        // Only an open target is worth waiting for: a read-only file or a folder under that name stays.
        const DWORD attributes = ::GetFileAttributesW(to.c_str());
        const bool open = (code == ERROR_ACCESS_DENIED || code == ERROR_SHARING_VIOLATION) &&
                          attributes != INVALID_FILE_ATTRIBUTES &&
                          (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) == 0;
        if (!open || ::GetTickCount64() >= deadline) {
            return code;
        }
        ::Sleep(pause);
        pause = pause < 64 ? pause * 2 : 64;
    }
}

}  // namespace corvane::platform
