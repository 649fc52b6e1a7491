#pragma once

#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/camera_card.h"

namespace corvane::platform {

// The mounted volumes of this process's mount table now (special mounts below /dev, /proc and /sys left
// out), each with this system's removable-medium information (see IsRemovableMedium); a "fuseblk" mount is
// named "fuseblk.<format>" when DeviceFileSystemFormat knows the format, and each volume's format and
// place in the media folder are told (FormatOfFileSystem, IsUnderUserMedia). `mediaUser` is the user whose
// media folders count, also for media that the kernel cannot place (file-backed loop devices, FUSE images).
// No mounted file system is asked anything, so a stalled one cannot hold this up: sizes are left 0, the
// read-only state is the mount's.
std::vector<Volume> ReadMountedVolumes(const std::string& mediaUser);

// The entries of a mount table in the kernel's mountinfo format: mount folder, file system type, source
// and read-only state (of the mount or of the file system); escaped characters decoded.
std::vector<Volume> ParseMountInfo(std::string_view text);

// Whether the medium behind `device`, mounted at `rootPath`, is removable. On Linux: the kernel's flag of
// the disk holding the device (a partition is followed to its disk; an SD card slot counts even where the
// flag is 0); a loop device or any name that is not a kernel block device counts only when mounted in
// `mediaUser`'s media folder. `sysRoot` is where sysfs is mounted.
bool IsRemovableMedium(const std::string& device, const std::string& rootPath, const std::string& mediaUser,
                       const std::string& sysRoot = "/sys");

// The format of the file system on `device` ("exfat", "vfat", "ntfs" ...; a block device or an image file),
// or "" when nothing tells: the udev database where udev runs, otherwise the device's own superblock, which
// needs read access to it. For FUSE drivers that mount a block device as plain "fuseblk".
std::string DeviceFileSystemFormat(const std::string& device);

// The format of a file system by the mount table's name of it: FAT (vfat, msdos, fat, FAT32 ...) and exFAT,
// through the kernel's driver or a FUSE driver ("fuse.fusefat", "fuse.exfat", "fuseblk.exfat"). A plain
// "fuseblk" says nothing about the format (NTFS mounts look the same): kOther.
VolumeFormat FormatOfFileSystem(const std::string& fileSystem);

// True when `rootPath` lies below a folder where the desktop mounts `user`'s media: /media/USER/... or
// /run/media/USER/... (the user's folder itself does not count). False for an empty user.
bool IsUnderUserMedia(const std::string& rootPath, const std::string& user);

// True when `folder` is right inside `user`'s media folder, where the desktop mounts a volume:
// /media/USER/NAME or /run/media/USER/NAME.
bool IsMediaMountFolder(const std::string& folder, const std::string& user);

// Login name of the user running the program.
std::string CurrentUserName();

// Tells whether this process's mount table has changed (a volume mounted, unmounted or remounted) since
// the watch was made or last rearmed; the kernel reports it, nothing is read. A watch that cannot be made
// always answers true.
class MountTableWatch {
  public:
    MountTableWatch();
    ~MountTableWatch();
    MountTableWatch(const MountTableWatch&) = delete;
    MountTableWatch& operator=(const MountTableWatch&) = delete;

    bool Changed() const;
    // Starts watching anew from now.
    void Rearm();

  private:
    int fd_ = -1;
};

// Reads the volume's size, free space and read-only state again from its file system; false when it cannot
// be read (the volume is gone). Waits as long as the file system takes to answer.
bool RefreshVolumeSpace(Volume& volume);

// Asks volumes for their space (RefreshVolumeSpace) on worker threads and waits for the answers at most a
// time limit. A volume that has not answered within the limit of being asked, or that gives an error, is
// marked not ready. A question still unanswered is not asked again until it is answered: a stalled driver
// holds one worker, and the caller waits for it no longer than the limit in all.
class VolumeSpaceQuestions {
  public:
    explicit VolumeSpaceQuestions(std::chrono::milliseconds limit);
    ~VolumeSpaceQuestions();
    VolumeSpaceQuestions(const VolumeSpaceQuestions&) = delete;
    VolumeSpaceQuestions& operator=(const VolumeSpaceQuestions&) = delete;

    void Ask(const std::vector<Volume*>& volumes);

  private:
    struct Question;
    std::chrono::milliseconds limit_;
    std::map<std::string, std::shared_ptr<Question>> open_;  // by mount folder and source
};

// ReadMountedVolumes for a window that looks at the volumes each time it opens: the list is read again
// only when the mount table has changed (or for another user). Each time, the volumes that can be camera
// cards, and only these, are asked for their space (VolumeSpaceQuestions): the window waits at most
// `kSpaceAnswerLimit` for a stalled file system and then sees it as not ready.
class MountedVolumesReader {
  public:
    static constexpr std::chrono::milliseconds kSpaceAnswerLimit{500};

    explicit MountedVolumesReader(std::chrono::milliseconds spaceAnswerLimit = kSpaceAnswerLimit);
    std::vector<Volume> Read(const std::string& mediaUser);

  private:
    MountTableWatch mountTable_;
    std::optional<std::vector<Volume>> volumes_;
    std::string mediaUser_;
    VolumeSpaceQuestions space_;
};

}  // namespace corvane::platform
