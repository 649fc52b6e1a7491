// Where a Linux desktop mounts media and how the mount table names the formats a camera card can have.

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

#include "platform/mounted_volumes.h"

namespace corvane::platform {
namespace {

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// '/' as separator, no trailing separator except on the root.
std::string NormalPath(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

// The folders the desktop mounts `user`'s media in, each with a trailing separator.
std::array<std::string, 2> MediaFolders(const std::string& user) {
    return {"/media/" + user + "/", "/run/media/" + user + "/"};
}

}  // namespace

VolumeFormat FormatOfFileSystem(const std::string& fileSystem) {
    std::string format = Lower(fileSystem);
    // FUSE mounts name their driver after the dot: fuse.fusefat, fuse.exfat, fuseblk.exfat.
    for (const std::string_view fuse : {"fuse.", "fuseblk."}) {
        if (format.rfind(fuse, 0) == 0) {
            format.erase(0, fuse.size());
            break;
        }
    }
    static constexpr std::array<std::string_view, 7> kFat = {"vfat",  "msdos", "fat",    "fat12",
                                                             "fat16", "fat32", "fusefat"};
    if (std::find(kFat.begin(), kFat.end(), format) != kFat.end()) {
        return VolumeFormat::kFat;
    }
    return format == "exfat" ? VolumeFormat::kExFat : VolumeFormat::kOther;
}

bool IsUnderUserMedia(const std::string& rootPath, const std::string& user) {
    if (user.empty() || user.find('/') != std::string::npos) {
        return false;
    }
    const std::string path = NormalPath(rootPath);
    for (const std::string& base : MediaFolders(user)) {
        if (path.size() > base.size() && path.compare(0, base.size(), base) == 0) {
            return true;
        }
    }
    return false;
}

bool IsMediaMountFolder(const std::string& folder, const std::string& user) {
    const std::string path = NormalPath(folder);
    for (const std::string& base : MediaFolders(user)) {
        if (IsUnderUserMedia(path, user) && path.compare(0, base.size(), base) == 0 &&
            path.find('/', base.size()) == std::string::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace corvane::platform
