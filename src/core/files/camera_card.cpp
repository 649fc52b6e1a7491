#include "core/files/camera_card.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <set>
#include <string_view>

namespace corvane {

namespace {

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// '/' as separator, drive letters in capitals, no trailing separator except on a root ("/", "E:/").
std::string NormalPath(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    if (path.size() >= 2 && path[1] == ':') {
        path[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])));
    }
    while (path.size() > 1 && path.back() == '/' && !(path.size() == 3 && path[1] == ':')) {
        path.pop_back();
    }
    return path;
}

bool IsSameOrBelow(const std::string& path, const std::string& root) {
    if (path == root) {
        return true;
    }
    const std::string prefix = root.back() == '/' ? root : root + "/";
    return path.size() > prefix.size() && path.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

bool IsCardFileSystem(const std::string& fileSystem) {
    static constexpr std::array<std::string_view, 8> kFormats = {"vfat",  "msdos", "fat",   "fat12",
                                                                 "fat16", "fat32", "exfat", "fusefat"};
    std::string format = Lower(fileSystem);
    // FUSE mounts name their driver after the dot: fuse.fusefat, fuse.exfat, fuseblk.exfat.
    for (const std::string_view fuse : {"fuse.", "fuseblk."}) {
        if (format.rfind(fuse, 0) == 0) {
            format.erase(0, fuse.size());
            break;
        }
    }
    return std::find(kFormats.begin(), kFormats.end(), format) != kFormats.end();
}

bool IsUnderUserMedia(const std::string& rootPath, const std::string& user) {
    if (user.empty() || user.find('/') != std::string::npos) {
        return false;
    }
    const std::string path = NormalPath(rootPath);
    for (const std::string& base : {"/media/" + user + "/", "/run/media/" + user + "/"}) {
        if (path.size() > base.size() && path.compare(0, base.size(), base) == 0) {
            return true;
        }
    }
    return false;
}

bool CanBeCameraCard(const Volume& volume, const std::string& user) {
    return IsCardFileSystem(volume.fileSystem) &&
           (volume.removable || IsUnderUserMedia(volume.rootPath, user));
}

bool IsCameraCard(const Volume& volume, const std::string& user) {
    return volume.ready && CanBeCameraCard(volume, user);
}

bool LacksRoomFor(const Volume& card, uint64_t bytes) {
    return card.ready && !card.readOnly && card.bytesTotal > 0 && card.bytesFree < bytes;
}

std::vector<Volume> CameraCards(const std::vector<Volume>& volumes, const std::string& user) {
    std::vector<Volume> cards;
    std::set<std::string> devices;
    for (const Volume& volume : volumes) {
        if (!IsCameraCard(volume, user)) {
            continue;
        }
        // Only a real device path identifies the medium; FUSE drivers often give every mount one name.
        if (volume.device.rfind("/dev/", 0) == 0 && !devices.insert(volume.device).second) {
            continue;
        }
        cards.push_back(volume);
    }
    return cards;
}

std::optional<Volume> SingleCameraCard(const std::vector<Volume>& volumes, const std::string& user) {
    std::vector<Volume> cards = CameraCards(volumes, user);
    if (cards.size() != 1) {
        return std::nullopt;
    }
    return cards.front();
}

std::optional<Volume> CameraCardHolding(const std::vector<Volume>& volumes, const std::string& user,
                                        const std::string& folder) {
    if (folder.empty()) {
        return std::nullopt;
    }
    const std::string path = NormalPath(folder);
    std::optional<Volume> best;
    for (const Volume& card : CameraCards(volumes, user)) {
        const std::string root = NormalPath(card.rootPath);
        // The deepest mount wins, as the system resolves paths.
        if (IsSameOrBelow(path, root) && (!best || root.size() > NormalPath(best->rootPath).size())) {
            best = card;
        }
    }
    return best;
}

}  // namespace corvane
