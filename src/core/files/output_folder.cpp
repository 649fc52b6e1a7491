#include "core/files/output_folder.h"

#include <algorithm>

namespace corvane {

namespace {

std::string Comparable(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    // Drive letters name the same drive in either case ("e:\\" is "E:\\").
    if (path.size() >= 2 && path[1] == ':' && path[0] >= 'a' && path[0] <= 'z') {
        path[0] = static_cast<char>(path[0] - 'a' + 'A');
    }
    while (path.size() > 1 && path.back() == '/' && !(path.size() == 3 && path[1] == ':')) {
        path.pop_back();
    }
    return path;
}

}  // namespace

std::string StartOutputFolder(const StartFolderFacts& facts) {
    if (const std::optional<Volume> card = SingleCameraCard(facts.volumes)) {
        return card->rootPath;
    }
    if (facts.lastFolder && !facts.lastFolder->empty() && facts.lastFolderExists) {
        return *facts.lastFolder;
    }
    return facts.defaultFolder;
}

bool IsCameraCardRoot(const std::vector<Volume>& volumes, const std::string& folder) {
    const std::optional<Volume> card = CameraCardHolding(volumes, folder);
    return card && SameFolder(card->rootPath, folder);
}

bool CardGone(const std::vector<Volume>& volumes, const std::string& folder, const std::string& cardRoot,
              bool mediaMountFolder) {
    const std::string path = Comparable(folder);
    const bool chosenCardRoot = !cardRoot.empty() && SameFolder(folder, cardRoot);
    if (!chosenCardRoot && !mediaMountFolder) {
        return false;
    }
    return std::none_of(volumes.begin(), volumes.end(),
                        [&](const Volume& volume) { return SameFolder(volume.rootPath, path); });
}

namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

bool IsAbsolute(const std::string& path) {
    if (!path.empty() && path[0] == '/') {
        return true;
    }
    if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
        return true;
    }
    const bool letter =
        path.size() >= 3 && ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
    return letter && path[1] == ':' && IsSeparator(path[2]);
}

}  // namespace

std::optional<std::string> AbsoluteFolder(const std::string& typed, const std::string& home) {
    if (IsAbsolute(typed)) {
        return typed;
    }
    const bool inHome = typed == "~" || (typed.size() >= 2 && typed[0] == '~' && IsSeparator(typed[1]));
    if (!inHome || !IsAbsolute(home)) {
        return std::nullopt;
    }
    if (typed.size() <= 2) {
        return home;  // "~" or "~/"
    }
    const std::string base = IsSeparator(home.back()) ? home.substr(0, home.size() - 1) : home;
    return base + typed.substr(1);
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
