#pragma once

// What the Windows platform tests do to files beside the program under test: attributes, links, another
// program's handles.

#include <windows.h>

#include <string>

#include "platform/windows/utf16.h"

namespace corvane::testing {

inline DWORD AttributesOf(const std::string& path) {
    return ::GetFileAttributesW(platform::ToWide(path).c_str());
}

inline bool SetAttributes(const std::string& path, DWORD attributes) {
    return ::SetFileAttributesW(platform::ToWide(path).c_str(), attributes) != 0;
}

inline bool MakeFolder(const std::string& path) {
    return ::CreateDirectoryW(platform::ToWide(path).c_str(), nullptr) != 0;
}

// A symbolic link `link` to `target`; false (with the system's code in `error`) where the system or the
// user's rights allow none. Wine answers success and makes nothing: the link is looked for afterwards.
inline bool MakeSymbolicLink(const std::string& link, const std::string& target, bool folder, DWORD& error) {
    const DWORD flags =
        (folder ? SYMBOLIC_LINK_FLAG_DIRECTORY : 0) | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE;
    if (!::CreateSymbolicLinkW(platform::ToWide(link).c_str(), platform::ToWide(target).c_str(), flags)) {
        error = ::GetLastError();
        return false;
    }
    const DWORD attributes = AttributesOf(link);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
        error = ERROR_NOT_SUPPORTED;
        return false;
    }
    error = 0;
    return true;
}

// A handle another program holds on `path`, with the given access and sharing, closed at the end.
class HeldFile {
  public:
    HeldFile(const std::string& path, DWORD access, DWORD share)
        : handle_(::CreateFileW(platform::ToWide(path).c_str(), access, share, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~HeldFile() {
        if (open()) {
            ::CloseHandle(handle_);
        }
    }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

    bool open() const { return handle_ != INVALID_HANDLE_VALUE; }

  private:
    HANDLE handle_;
};

}  // namespace corvane::testing
