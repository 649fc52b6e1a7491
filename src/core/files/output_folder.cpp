#include "core/files/output_folder.h"

#include <algorithm>

namespace corvane {

namespace {

std::string Comparable(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    while (path.size() > 1 && path.back() == '/' && !(path.size() == 3 && path[1] == ':')) {
        path.pop_back();
    }
    return path;
}

}  // namespace

std::string StartOutputFolder(const StartFolderFacts& facts) {
    if (const std::optional<Volume> card = SingleCameraCard(facts.volumes, facts.mediaUser)) {
        return card->rootPath;
    }
    if (facts.lastFolder && !facts.lastFolder->empty() && facts.lastFolderExists) {
        return *facts.lastFolder;
    }
    return facts.defaultFolder;
}

bool IsCameraCardRoot(const std::vector<Volume>& volumes, const std::string& user,
                      const std::string& folder) {
    const std::optional<Volume> card = CameraCardHolding(volumes, user, folder);
    return card && SameFolder(card->rootPath, folder);
}

bool SameFolder(const std::string& a, const std::string& b) {
    return Comparable(a) == Comparable(b);
}

std::string FilePathForDisplay(const std::string& folder, const std::string& name) {
    if (folder.empty()) {
        return name;
    }
    if (folder.back() == '/' || folder.back() == '\\') {
        return folder + name;
    }
    const bool backslashes = folder.find('\\') != std::string::npos && folder.find('/') == std::string::npos;
    return folder + (backslashes ? "\\" : "/") + name;
}

}  // namespace corvane
