// Removable media on Linux, from the kernel's block-device information in sysfs.
#include <pwd.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/mounted_volumes.h"

namespace corvane::platform {

namespace {

namespace fs = std::filesystem;

std::string FirstLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

}  // namespace

bool IsRemovableMedium(const std::string& device, const std::string& rootPath, const std::string& mediaUser,
                       const std::string& sysRoot) {
    if (device.rfind("/dev/", 0) != 0) {
        // Not a kernel block device: a FUSE driver's own name or an image file, which may lie on a mount
        // that does not answer; only the folder tells.
        return IsUnderUserMedia(rootPath, mediaUser);
    }
    std::error_code error;
    const fs::path node = fs::weakly_canonical(fs::path(device), error);  // follows /dev/disk/by-* links
    const std::string name = error ? fs::path(device).filename().string() : node.filename().string();
    const fs::path block = fs::path(sysRoot) / "class" / "block" / name;
    if (name.empty() || !fs::exists(block, error)) {
        return IsUnderUserMedia(rootPath, mediaUser);
    }
    // A partition's sysfs folder lies inside its disk's folder.
    fs::path disk = fs::canonical(block, error);
    if (error) {
        return false;
    }
    if (fs::exists(disk / "partition", error)) {
        disk = disk.parent_path();
    }
    if (fs::exists(disk / "loop", error)) {
        // A loop device is as removable as the file behind it; only the desktop folder tells.
        return IsUnderUserMedia(rootPath, mediaUser);
    }
    if (FirstLine(disk / "removable") == "1") {
        return true;
    }
    // SD card slots report fixed media; the MMC core knows the card type.
    return FirstLine(disk / "device" / "type") == "SD";
}

std::string CurrentUserName() {
    if (const passwd* entry = ::getpwuid(::geteuid()); entry != nullptr && entry->pw_name != nullptr) {
        return entry->pw_name;
    }
    const char* user = std::getenv("USER");
    return user != nullptr ? user : "";
}

}  // namespace corvane::platform
