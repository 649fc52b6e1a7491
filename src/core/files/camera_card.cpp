#include "core/files/camera_card.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace corvane {

namespace {

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

bool CanBeCameraCard(const Volume& volume) {
    return volume.format != VolumeFormat::kOther && (volume.removable || volume.inUserMedia);
}

bool IsCameraCard(const Volume& volume) {
    return volume.ready && CanBeCameraCard(volume);
}

bool LacksRoomFor(const Volume& card, uint64_t bytes) {
    return card.ready && !card.readOnly && card.bytesTotal > 0 && card.bytesFree < bytes;
}

std::vector<Volume> CameraCards(const std::vector<Volume>& volumes) {
    std::vector<Volume> cards;
    std::set<std::string> devices;
    for (const Volume& volume : volumes) {
        if (!IsCameraCard(volume)) {
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

std::optional<Volume> SingleCameraCard(const std::vector<Volume>& volumes) {
    std::vector<Volume> cards = CameraCards(volumes);
    if (cards.size() != 1) {
        return std::nullopt;
    }
    return cards.front();
}

std::optional<Volume> CameraCardHolding(const std::vector<Volume>& volumes, const std::string& folder) {
    if (folder.empty()) {
        return std::nullopt;
    }
    const std::string path = NormalPath(folder);
    std::optional<Volume> best;
    for (const Volume& card : CameraCards(volumes)) {
        const std::string root = NormalPath(card.rootPath);
        // The deepest mount wins, as the system resolves paths.
        if (IsSameOrBelow(path, root) && (!best || root.size() > NormalPath(best->rootPath).size())) {
            best = card;
        }
    }
    return best;
}

}  // namespace corvane
