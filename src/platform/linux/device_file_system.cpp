// Facts of the file system on a block device: its format, for FUSE mounts that only say "fuseblk"
// (exfat-fuse, ntfs-3g), and its serial number, for corvane-write's log of the cards it prepared.
#include <blkid/blkid.h>
#include <libudev.h>
#include <sys/stat.h>

#include <memory>

#include "platform/mounted_volumes.h"
#include "platform/volume_serial.h"

namespace corvane::platform {

namespace {

// One fact with its name in udev's record and in libblkid's superblock probe.
struct DeviceFact {
    const char* udevProperty;
    int blkidFlag;
    const char* blkidValue;
};
constexpr DeviceFact kFormat{"ID_FS_TYPE", BLKID_SUBLKS_TYPE, "TYPE"};
constexpr DeviceFact kSerialNumber{"ID_FS_UUID", BLKID_SUBLKS_UUID, "UUID"};

// What udev recorded when the device appeared; readable by every user, but only where udev runs.
std::string FromUdev(const struct stat& node, const DeviceFact& fact) {
    if (!S_ISBLK(node.st_mode)) {
        return {};
    }
    const std::unique_ptr<udev, decltype(&udev_unref)> context(udev_new(), &udev_unref);
    if (!context) {
        return {};
    }
    const std::unique_ptr<udev_device, decltype(&udev_device_unref)> device(
        udev_device_new_from_devnum(context.get(), 'b', node.st_rdev), &udev_device_unref);
    const char* value = device ? udev_device_get_property_value(device.get(), fact.udevProperty) : nullptr;
    return value != nullptr ? value : "";
}

// Reads the superblock itself; needs read access to the device (or image file).
std::string FromProbe(const std::string& path, const DeviceFact& fact) {
    const std::unique_ptr<blkid_struct_probe, decltype(&blkid_free_probe)> probe(
        blkid_new_probe_from_filename(path.c_str()), &blkid_free_probe);
    if (!probe) {
        return {};
    }
    blkid_probe_enable_superblocks(probe.get(), 1);
    blkid_probe_set_superblocks_flags(probe.get(), fact.blkidFlag);
    blkid_probe_enable_partitions(probe.get(), 0);
    // Safe probing gives no answer when two formats claim the device, rather than a guess.
    const char* value = nullptr;
    if (blkid_do_safeprobe(probe.get()) != 0 ||
        blkid_probe_lookup_value(probe.get(), fact.blkidValue, &value, nullptr) != 0 || value == nullptr) {
        return {};
    }
    return value;
}

std::string Lookup(const std::string& device, const DeviceFact& fact) {
    struct stat node {};
    if (device.empty() || ::stat(device.c_str(), &node) != 0 ||
        !(S_ISBLK(node.st_mode) || S_ISREG(node.st_mode))) {
        return {};
    }
    if (std::string value = FromUdev(node, fact); !value.empty()) {
        return value;
    }
    return FromProbe(device, fact);
}

}  // namespace

std::string DeviceFileSystemFormat(const std::string& device) {
    return Lookup(device, kFormat);
}

std::string VolumeSerialNumber(const std::string& device) {
    return Lookup(device, kSerialNumber);
}

}  // namespace corvane::platform
