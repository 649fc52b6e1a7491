// The mount table of this process, from /proc/self/mountinfo: what is mounted where, and the kernel's
// notice when that changes.
#include <fcntl.h>
#include <poll.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>

#include "platform/mounted_volumes.h"

namespace corvane::platform {

namespace {

namespace fs = std::filesystem;

constexpr const char* kMountInfo = "/proc/self/mountinfo";

// The kernel signals a change of the mount table to every open descriptor of mountinfo, until it is
// opened anew.
int OpenMountInfo() {
    return ::open(kMountInfo, O_RDONLY | O_CLOEXEC);
}

// mountinfo writes space, tab, newline and backslash in names as a backslash and three octal digits.
std::string DecodeOctal(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 3 < text.size()) {
            const std::string_view digits = text.substr(i + 1, 3);
            if (digits.find_first_not_of("01234567") == std::string_view::npos) {
                out += static_cast<char>(((digits[0] - '0') << 6) | ((digits[1] - '0') << 3) |
                                         (digits[2] - '0'));
                i += 3;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

bool HasOption(const std::string& options, std::string_view option) {
    std::istringstream list(options);
    std::string item;
    while (std::getline(list, item, ',')) {
        if (item == option) {
            return true;
        }
    }
    return false;
}

bool IsSameOrBelow(const std::string& path, std::string_view folder) {
    return path.compare(0, folder.size(), folder) == 0 &&
           (path.size() == folder.size() || path[folder.size()] == '/');
}

// Kernel interfaces and run-time folders that no one writes files into.
bool IsSpecialMount(const Volume& volume) {
    for (const std::string_view folder : {"/dev", "/proc", "/sys", "/var/run", "/var/lock"}) {
        if (IsSameOrBelow(volume.rootPath, folder)) {
            return true;
        }
    }
    return volume.fileSystem == "rootfs";
}

// udev's links in /dev/disk/by-label, by the device they point to; names escaped as \xHH.
std::map<std::string, std::string> LabelsByDevice() {
    std::map<std::string, std::string> labels;
    std::error_code error;
    for (const fs::directory_entry& link : fs::directory_iterator("/dev/disk/by-label", error)) {
        std::error_code broken;
        const fs::path device = fs::canonical(link.path(), broken);
        if (broken) {
            continue;
        }
        const std::string name = link.path().filename().string();
        std::string label;
        for (std::size_t i = 0; i < name.size(); ++i) {
            if (name.compare(i, 2, "\\x") == 0 && i + 3 < name.size() &&
                std::isxdigit(static_cast<unsigned char>(name[i + 2])) != 0 &&
                std::isxdigit(static_cast<unsigned char>(name[i + 3])) != 0) {
                label += static_cast<char>(std::stoi(name.substr(i + 2, 2), nullptr, 16));
                i += 3;
            } else {
                label += name[i];
            }
        }
        labels.emplace(device.string(), label);
    }
    return labels;
}

}  // namespace

std::vector<Volume> ParseMountInfo(std::string_view text) {
    std::vector<Volume> volumes;
    std::istringstream lines{std::string(text)};
    std::string line;
    while (std::getline(lines, line)) {
        // ID PARENT MAJOR:MINOR ROOT MOUNT-POINT MOUNT-OPTIONS [OPTIONAL...] - TYPE SOURCE SUPER-OPTIONS
        std::istringstream words(line);
        const std::vector<std::string> fields{std::istream_iterator<std::string>(words),
                                              std::istream_iterator<std::string>()};
        std::size_t separator = 6;
        while (separator < fields.size() && fields[separator] != "-") {
            ++separator;
        }
        if (separator + 2 >= fields.size()) {
            continue;  // not a mount line
        }
        Volume volume;
        volume.rootPath = DecodeOctal(fields[4]);
        volume.fileSystem = DecodeOctal(fields[separator + 1]);
        volume.device = DecodeOctal(fields[separator + 2]);
        volume.readOnly = HasOption(fields[5], "ro") ||
                          (separator + 3 < fields.size() && HasOption(fields[separator + 3], "ro"));
        volumes.push_back(std::move(volume));
    }
    return volumes;
}

std::vector<Volume> ReadMountedVolumes(const std::string& mediaUser) {
    std::ifstream file(kMountInfo);
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::vector<Volume> volumes;
    std::optional<std::map<std::string, std::string>> labels;
    for (Volume& volume : ParseMountInfo(text)) {
        if (IsSpecialMount(volume)) {
            continue;
        }
        // exfat-fuse and ntfs-3g both mount as "fuseblk"; only the device says which format it is.
        if (volume.fileSystem == "fuseblk") {
            if (const std::string format = DeviceFileSystemFormat(volume.device); !format.empty()) {
                volume.fileSystem += "." + format;
            }
        }
        volume.format = FormatOfFileSystem(volume.fileSystem);
        volume.inUserMedia = IsUnderUserMedia(volume.rootPath, mediaUser);
        volume.removable = IsRemovableMedium(volume.device, volume.rootPath, mediaUser);
        if (volume.device.rfind("/dev/", 0) == 0) {
            if (!labels) {
                labels = LabelsByDevice();
            }
            std::error_code error;
            const fs::path device = fs::canonical(volume.device, error);
            if (const auto label = labels->find(device.string()); !error && label != labels->end()) {
                volume.label = label->second;
            }
        }
        // Without a label database (no udev) the desktop's mount folder carries the label.
        if (volume.label.empty() && volume.inUserMedia) {
            volume.label = fs::path(volume.rootPath).filename().string();
        }
        volumes.push_back(std::move(volume));
    }
    return volumes;
}

MountTableWatch::MountTableWatch() : fd_(OpenMountInfo()) {}

MountTableWatch::~MountTableWatch() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool MountTableWatch::Changed() const {
    if (fd_ < 0) {
        return true;
    }
    // Only a change makes the descriptor ready for POLLPRI; an error of poll counts as a change too.
    pollfd watched{fd_, POLLPRI, 0};
    return ::poll(&watched, 1, 0) != 0;
}

void MountTableWatch::Rearm() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    fd_ = OpenMountInfo();
}

bool RefreshVolumeSpace(Volume& volume) {
    struct statvfs space {};
    if (::statvfs(volume.rootPath.c_str(), &space) != 0) {
        return false;
    }
    volume.bytesTotal = static_cast<uint64_t>(space.f_blocks) * space.f_frsize;
    volume.bytesFree = static_cast<uint64_t>(space.f_bavail) * space.f_frsize;
    volume.readOnly = (space.f_flag & ST_RDONLY) != 0;
    return true;
}

}  // namespace corvane::platform
