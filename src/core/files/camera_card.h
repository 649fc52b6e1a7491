#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

// The format of a volume's file system, as far as a camera card goes.
enum class VolumeFormat {
    kOther,  // anything else, or not known
    kFat,    // FAT12/16/32, whatever the driver
    kExFat,
};

// What the platform says about one mounted volume. The platform decides the facts (format, removable, in
// the user's media folder); whether it is a camera card is decided here from these facts alone. Paths are
// in the system's own form ("/media/alice/CAM01", "E:\\"); comparisons treat '/' and '\\' alike.
struct Volume {
    std::string rootPath;    // where it is mounted
    std::string label;       // volume label, may be empty
    std::string fileSystem;  // the system's own name of the file system, for people; nothing is decided by it
    std::string device;      // "/dev/sdb1", "/dev/loop3", or whatever name a FUSE driver gave
    uint64_t bytesTotal = 0;
    uint64_t bytesFree = 0;  // available to this user
    bool readOnly = false;
    bool removable = false;  // the system counts the medium as removable
    // The file system answered when last asked for its space. A stalled driver or a hung network mount does
    // not; such a volume is mounted but cannot be used now. Sizes of 0 then mean unknown.
    bool ready = true;
    VolumeFormat format = VolumeFormat::kOther;
    bool inUserMedia = false;  // mounted where the desktop mounts the user's media
};

// A FAT or exFAT volume on a removable medium or mounted among the user's media, whether it answers or not.
bool CanBeCameraCard(const Volume& volume);

// A camera card: a volume that can be one and is ready. A card counts whatever size its driver reports
// (fusefat reports none).
bool IsCameraCard(const Volume& volume);

// True when `card` reports its size and has fewer than `bytes` free for this user on a writable medium. A
// driver that reports no size (0 in all) says nothing about the room left.
bool LacksRoomFor(const Volume& card, uint64_t bytes);

// The camera cards among `volumes`, in the given order; a device mounted more than once counts once
// (its first mount).
std::vector<Volume> CameraCards(const std::vector<Volume>& volumes);

// The card to start on: the only camera card, or nothing when there is none or more than one.
std::optional<Volume> SingleCameraCard(const std::vector<Volume>& volumes);

// The camera card whose root is `folder` or holds it (compared as paths, ignoring a trailing separator),
// or nothing.
std::optional<Volume> CameraCardHolding(const std::vector<Volume>& volumes, const std::string& folder);

}  // namespace corvane
