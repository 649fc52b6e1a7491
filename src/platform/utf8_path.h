#pragma once

// Paths are UTF-8 strings in this program. std::filesystem takes a plain std::string in the system's
// narrow encoding, which on Windows is the ANSI code page: a path made from UTF-8 goes through char8_t.

#include <filesystem>
#include <string>
#include <string_view>

namespace corvane::platform {

inline std::filesystem::path PathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace corvane::platform
