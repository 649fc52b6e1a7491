#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/files/camera_card.h"

namespace corvane {

// What a setup dialog knows when it picks the folder its folder field starts on.
struct StartFolderFacts {
    std::vector<Volume> volumes;            // mounted now
    std::optional<std::string> lastFolder;  // remembered folder of the last file written, if any
    bool lastFolderExists = false;          // whether that folder exists now
    std::string defaultFolder;              // the platform's default (home, "C:\")
};

// The folder field's start: the root of the camera card when exactly one is mounted; otherwise the last
// folder written to when it is remembered, not empty and still exists; otherwise the default.
std::string StartOutputFolder(const StartFolderFacts& facts);

// True when `folder` is the root of a camera card among `volumes` (a trailing separator does not matter).
bool IsCameraCardRoot(const std::vector<Volume>& volumes, const std::string& folder);

// True when a write into `folder` must not happen because the memory card it stands for is gone: `folder`
// is `cardRoot` (the root of a camera card when the folder was chosen; may be empty) or, as the platform
// tells by `mediaMountFolder`, a folder where the desktop mounts one of the user's media, and it is no
// longer a mount point: no volume of the mount table `volumes` is mounted on it. That is the empty folder a
// desktop can leave behind when a reader is unplugged; writing there would put the file on the system disk.
// A volume still mounted there counts, whatever size it reports and whether it answers.
bool CardGone(const std::vector<Volume>& volumes, const std::string& folder, const std::string& cardRoot,
              bool mediaMountFolder);

// The folder a user typed, as an absolute path: an absolute folder ("/media/card", "C:\\",
// "\\\\server\\share") as it is; "~" and "~/..." (or "~\\...") in `home`; nothing for anything else (a
// relative folder, "~user", an empty field, or a home that is not absolute itself), as its meaning would hang
// on the program's working folder.
std::optional<std::string> AbsoluteFolder(const std::string& typed, const std::string& home);

// True when `a` and `b` name the same folder as text: separators '/' and '\' alike, a drive letter in
// either case, a trailing separator ignored. Does not touch the file system.
bool SameFolder(const std::string& a, const std::string& b);

// The full path of `name` in `folder` as shown to the user: one separator between them, of the kind the
// folder already uses ('\' for a folder written with backslashes only, '/' otherwise).
std::string FilePathForDisplay(const std::string& folder, const std::string& name);

}  // namespace corvane
