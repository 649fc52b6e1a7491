// The format on a block device, for FUSE mounts that only say "fuseblk" (exfat-fuse, ntfs-3g).
#include <blkid/blkid.h>
#include <libudev.h>
#include <sys/stat.h>

#include <memory>

#include "platform/mounted_volumes.h"

namespace corvane::platform {

namespace {

// What udev recorded when the device appeared; readable by every user, but only where udev runs.
std::string FormatFromUdev(const struct stat& node) {
    if (!S_ISBLK(node.st_mode)) {
        return {};
    }
    const std::unique_ptr<udev, decltype(&udev_unref)> context(udev_new(), &udev_unref);
    if (!context) {
        return {};
    }
    const std::unique_ptr<udev_device, decltype(&udev_device_unref)> device(
        udev_device_new_from_devnum(context.get(), 'b', node.st_rdev), &udev_device_unref);
    if (!device) {
        return {};
    }
    const char* type = udev_device_get_property_value(device.get(), "ID_FS_TYPE");
    return type != nullptr ? type : "";
}

// Reads the superblock itself; needs read access to the device (or image file).
std::string FormatFromProbe(const std::string& path) {
    const std::unique_ptr<blkid_struct_probe, decltype(&blkid_free_probe)> probe(
        blkid_new_probe_from_filename(path.c_str()), &blkid_free_probe);
    if (!probe) {
        return {};
    }
    blkid_probe_enable_superblocks(probe.get(), 1);
    blkid_probe_set_superblocks_flags(probe.get(), BLKID_SUBLKS_TYPE);
    blkid_probe_enable_partitions(probe.get(), 0);
    // Safe probing gives no answer when two formats claim the device, rather than a guess.
    if (blkid_do_safeprobe(probe.get()) != 0) {
        return {};
    }
    const char* type = nullptr;
    if (blkid_probe_lookup_value(probe.get(), "TYPE", &type, nullptr) != 0 || type == nullptr) {
        return {};
    }
    return type;
}

}  // namespace

std::string DeviceFileSystemFormat(const std::string& device) {
    struct stat node {};
    if (device.empty() || ::stat(device.c_str(), &node) != 0 ||
        !(S_ISBLK(node.st_mode) || S_ISREG(node.st_mode))) {
        return {};
    }
    if (std::string format = FormatFromUdev(node); !format.empty()) {
        return format;
    }
    return FormatFromProbe(device);
}

}  // namespace corvane::platform
