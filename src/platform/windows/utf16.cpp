#include "platform/windows/utf16.h"

#include <windows.h>

#include <climits>

namespace corvane::platform {

std::wstring ToWide(std::string_view text) {
    if (text.empty() || text.size() > static_cast<std::size_t>(INT_MAX)) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int count = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    if (count <= 0) {
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(count), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), count);
    return wide;
}

std::string FromWide(std::wstring_view text) {
    if (text.empty() || text.size() > static_cast<std::size_t>(INT_MAX)) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int count = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    if (count <= 0) {
        return {};
    }
    std::string utf8(static_cast<std::size_t>(count), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), count, nullptr, nullptr);
    return utf8;
}

}  // namespace corvane::platform
