#include "platform/linux/ini_preference_key.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/ini_text.h"

namespace corvane::platform {

namespace {

// A preference file is a few lines; anything far larger is not ours to rewrite.
constexpr std::uintmax_t kMaxFileSize = 64 * 1024;

bool WriteAll(int fd, const std::string& data) {
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

// Replaces `target` with `data` through a temporary file in the same folder and a rename; when the folder
// does not allow that, rewrites the file in place.
bool ReplaceFile(const std::string& target, const std::string& data) {
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0) {
        return false;
    }
    std::string temp = target + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd >= 0) {
        const bool written = WriteAll(fd, data) && ::fchmod(fd, st.st_mode & 07777) == 0 && ::fsync(fd) == 0;
        const bool closed = ::close(fd) == 0;
        if (written && closed && std::rename(temp.c_str(), target.c_str()) == 0) {
            return true;
        }
        ::unlink(temp.c_str());
        return false;
    }
    const int inPlace = ::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (inPlace < 0) {
        return false;
    }
    const bool written = WriteAll(inPlace, data);
    return ::close(inPlace) == 0 && written;
}

}  // namespace

std::optional<std::string> IniPreferenceKey::Load() const {
    if (held_) {
        return held_;
    }
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path_, ec)) {
        return std::nullopt;
    }
    const std::uintmax_t size = std::filesystem::file_size(path_, ec);
    if (ec || size > kMaxFileSize) {
        return std::nullopt;
    }
    std::ifstream in(path_, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad() || text.size() > kMaxFileSize) {
        return std::nullopt;
    }
    return text;
}

bool IniPreferenceKey::Open() {
    std::error_code ec;
    return std::filesystem::is_regular_file(path_, ec) && ::access(path_.c_str(), R_OK) == 0;
}

bool IniPreferenceKey::Create() {
    if (path_.empty()) {
        return false;
    }
    std::error_code ec;
    if (std::filesystem::exists(path_, ec)) {
        return Open();
    }
    std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), ec);
    const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    return ::close(fd) == 0;
}

std::optional<uint32_t> IniPreferenceKey::ReadNumber(const std::string& name) {
    const std::optional<std::string> text = Load();
    if (!text) {
        return std::nullopt;
    }
    const std::optional<std::string> value = FindIniValue(*text, name);
    return value ? ParseStoredNumber(*value) : std::nullopt;
}

std::optional<std::string> IniPreferenceKey::ReadText(const std::string& name) {
    const std::optional<std::string> text = Load();
    return text ? FindIniValue(*text, name) : std::nullopt;
}

bool IniPreferenceKey::WriteNumber(const std::string& name, uint32_t value) {
    return Store(name, std::to_string(value));
}

bool IniPreferenceKey::WriteText(const std::string& name, const std::string& value) {
    // A value that would not read back the same is refused rather than stored half.
    if (value.find_first_of("\r\n") != std::string::npos || value != FindIniValue(name + "=" + value, name)) {
        return false;
    }
    return Store(name, value);
}

bool IniPreferenceKey::Store(const std::string& name, const std::string& value) {
    const std::optional<std::string> text = Load();
    if (!text || ::access(path_.c_str(), W_OK) != 0) {
        return false;
    }
    std::string updated = SetIniValue(*text, name, value);
    if (updated == *text) {
        return true;
    }
    if (holding_) {
        held_ = std::move(updated);
        return true;
    }
    return Replace(updated);
}

bool IniPreferenceKey::Replace(const std::string& text) {
    // Write through a symbolic link to the file it names instead of replacing the link.
    std::error_code ec;
    const std::filesystem::path target = std::filesystem::canonical(path_, ec);
    return !ec && ReplaceFile(target.string(), text);
}

void IniPreferenceKey::HoldWrites() {
    holding_ = true;
}

bool IniPreferenceKey::ReleaseWrites() {
    holding_ = false;
    if (!held_) {
        return true;
    }
    const std::string text = std::move(*held_);
    held_.reset();
    return Replace(text);
}

std::string PreferenceFilePath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::path base;
    if (config != nullptr && config[0] == '/') {
        base = config;
    } else {
        const char* home = std::getenv("HOME");
        if (home == nullptr || home[0] == '\0') {
            return {};
        }
        base = std::filesystem::path(home) / ".config";
    }
    return (base / "Corvane" / "Corvane.conf").string();
}

}  // namespace corvane::platform
