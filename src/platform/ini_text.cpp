#include "platform/ini_text.h"

#include <vector>

namespace corvane::platform {

namespace {

std::string_view Trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && blank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

// One line of the text, without its '\n'.
struct Line {
    std::string_view body;
    bool hasNewline = false;
};

std::vector<Line> SplitLines(std::string_view text) {
    std::vector<Line> lines;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        if (end == std::string_view::npos) {
            lines.push_back({text, false});
            break;
        }
        lines.push_back({text.substr(0, end), true});
        text.remove_prefix(end + 1);
    }
    return lines;
}

// The value part when `line` is an entry for `name`.
std::optional<std::string_view> EntryValue(std::string_view line, std::string_view name) {
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == '[' || trimmed.front() == ';' || trimmed.front() == '#') {
        return std::nullopt;
    }
    const size_t eq = trimmed.find('=');
    if (eq == std::string_view::npos || Trim(trimmed.substr(0, eq)) != name) {
        return std::nullopt;
    }
    return Trim(trimmed.substr(eq + 1));
}

}  // namespace

std::optional<std::string> FindIniValue(std::string_view text, std::string_view name) {
    std::optional<std::string> found;
    for (const Line& line : SplitLines(text)) {
        if (const auto value = EntryValue(line.body, name)) {
            found = std::string(*value);
        }
    }
    return found;
}

std::string SetIniValue(std::string_view text, std::string_view name, std::string_view value) {
    std::string entry = std::string(name) + "=" + std::string(value);
    std::string out;
    out.reserve(text.size() + entry.size() + 2);
    bool replaced = false;
    for (const Line& line : SplitLines(text)) {
        if (EntryValue(line.body, name)) {
            if (replaced) {
                continue;
            }
            replaced = true;
            out += entry;
            if (!line.body.empty() && line.body.back() == '\r') {
                out += '\r';
            }
        } else {
            out += line.body;
        }
        if (line.hasNewline) {
            out += '\n';
        }
    }
    if (!replaced) {
        if (!out.empty() && out.back() != '\n') {
            out += '\n';
        }
        out += entry;
        out += '\n';
    }
    return out;
}

std::optional<uint32_t> ParseStoredNumber(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<uint64_t>(c - '0');
        if (value > 0xFFFFFFFFull) {
            return std::nullopt;
        }
    }
    return static_cast<uint32_t>(value);
}

}  // namespace corvane::platform
