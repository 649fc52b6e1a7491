#pragma once

// The text form of the preference file: "name=value" lines. Plain string work, so the file handling above
// it stays small and every malformed input can be tested without touching a disk.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane::platform {

// Value of `name` in INI text: a line "name=value", blanks around name and value ignored, the last such line
// winning. Section headers, comments and lines without "=" are skipped. Nothing when no line names it.
std::optional<std::string> FindIniValue(std::string_view text, std::string_view name);

// `text` with `name` set to `value`: the first line naming it is replaced (keeping its line ending), later
// ones are dropped, and without one a line is appended. Every other byte of `text` is kept as it was.
std::string SetIniValue(std::string_view text, std::string_view name, std::string_view value);

// A stored decimal number: one or more digits, nothing else, at most 4294967295. Nothing otherwise
// (empty, signs, letters, or wider than 32 bits).
std::optional<uint32_t> ParseStoredNumber(std::string_view text);

}  // namespace corvane::platform
