#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

// What the system says about one mounted volume. Paths are in the system's own form ("/media/alice/CAM01",
// "E:\\"); comparisons treat '/' and '\\' alike.
struct Volume {
    std::string rootPath;  // where it is mounted
    std::string label;     // volume label, may be empty
    // as the mount table names it ("vfat", "exfat", "fuse.fusefat" ...); a FUSE block mount whose format
    // was read from the device is "fuseblk.<format>"
    std::string fileSystem;
    std::string device;  // "/dev/sdb1", "/dev/loop3", or whatever name a FUSE driver gave
    uint64_t bytesTotal = 0;
    uint64_t bytesFree = 0;  // available to this user
    bool readOnly = false;
    bool removable = false;  // the system counts the medium as removable
    // The file system answered when last asked for its space. A stalled driver or a hung network mount does
    // not; such a volume is mounted but cannot be used now. Sizes of 0 then mean unknown.
    bool ready = true;
};

// True for the file systems a camera formats its card with: FAT (vfat, msdos, fat, FAT32 ...) and exFAT,
// through the kernel's driver or a FUSE driver ("fuse.fusefat", "fuse.exfat", "fuseblk.exfat"). A plain
// "fuseblk" says nothing about the format (NTFS mounts look the same) and does not count.
bool IsCardFileSystem(const std::string& fileSystem);

// True when `rootPath` lies below a folder where the desktop mounts `user`'s media: /media/USER/... or
// /run/media/USER/... (the user's folder itself does not count). False for an empty user.
bool IsUnderUserMedia(const std::string& rootPath, const std::string& user);

// A card file system on a removable medium or mounted among `user`'s media, whether it answers or not.
bool CanBeCameraCard(const Volume& volume, const std::string& user);

// A camera card: a volume that can be one and is ready. A card counts whatever size its driver reports
// (fusefat reports none).
bool IsCameraCard(const Volume& volume, const std::string& user);

// True when `card` reports its size and has fewer than `bytes` free for this user on a writable medium. A
// driver that reports no size (0 in all) says nothing about the room left.
bool LacksRoomFor(const Volume& card, uint64_t bytes);

// The camera cards among `volumes`, in the given order; a device mounted more than once counts once
// (its first mount).
std::vector<Volume> CameraCards(const std::vector<Volume>& volumes, const std::string& user);

// The card to start on: the only camera card, or nothing when there is none or more than one.
std::optional<Volume> SingleCameraCard(const std::vector<Volume>& volumes, const std::string& user);

// The camera card whose root is `folder` or holds it (compared as paths, ignoring a trailing separator),
// or nothing.
std::optional<Volume> CameraCardHolding(const std::vector<Volume>& volumes, const std::string& user,
                                        const std::string& folder);

}  // namespace corvane
