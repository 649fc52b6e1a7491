#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/files/camera_card.h"

namespace corvane::platform {

// The mounted volumes that Qt's storage information reports now (it leaves out pseudo file systems), each
// with this system's removable-medium information (see IsRemovableMedium); a "fuseblk" mount is named
// "fuseblk.<format>" when DeviceFileSystemFormat knows the format. `mediaUser` is the user whose
// media folders count for media that the kernel cannot place (file-backed loop devices, FUSE images).
std::vector<Volume> ReadMountedVolumes(const std::string& mediaUser);

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
// be read (the volume is gone).
bool RefreshVolumeSpace(Volume& volume);

// ReadMountedVolumes for a window that looks at the volumes each time it opens: the list is read again
// only when the mount table has changed (or for another user); the space and read-only state of each
// volume are read every time.
class MountedVolumesReader {
  public:
    std::vector<Volume> Read(const std::string& mediaUser);

  private:
    MountTableWatch mountTable_;
    std::optional<std::vector<Volume>> volumes_;
    std::string mediaUser_;
};

}  // namespace corvane::platform
