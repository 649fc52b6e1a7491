// The serial number of a file system, for corvane-write's log of the cards it prepared.
#include "platform/volume_serial.h"

#include <blkid/blkid.h>
#include <libudev.h>
#include <sys/stat.h>

#include <memory>

namespace corvane::platform {
namespace {

std::string SerialFromUdev(const struct stat& node) {
    if (!S_ISBLK(node.st_mode)) {
        return {};
    }
    const std::unique_ptr<udev, decltype(&udev_unref)> context(udev_new(), &udev_unref);
    if (!context) {
        return {};
    }
    const std::unique_ptr<udev_device, decltype(&udev_device_unref)> device(
        udev_device_new_from_devnum(context.get(), 'b', node.st_rdev), &udev_device_unref);
    const char* uuid = device ? udev_device_get_property_value(device.get(), "ID_FS_UUID") : nullptr;
    return uuid != nullptr ? uuid : "";
}

std::string SerialFromProbe(const std::string& path) {
    const std::unique_ptr<blkid_struct_probe, decltype(&blkid_free_probe)> probe(
        blkid_new_probe_from_filename(path.c_str()), &blkid_free_probe);
    if (!probe) {
        return {};
    }
    blkid_probe_enable_superblocks(probe.get(), 1);
    blkid_probe_set_superblocks_flags(probe.get(), BLKID_SUBLKS_UUID);
    blkid_probe_enable_partitions(probe.get(), 0);
    const char* uuid = nullptr;
    if (blkid_do_safeprobe(probe.get()) != 0 ||
        blkid_probe_lookup_value(probe.get(), "UUID", &uuid, nullptr) != 0 || uuid == nullptr) {
        return {};
    }
    return uuid;
}

}  // namespace

std::string VolumeSerialNumber(const std::string& device) {
    struct stat node {};
    if (device.empty() || ::stat(device.c_str(), &node) != 0 ||
        !(S_ISBLK(node.st_mode) || S_ISREG(node.st_mode))) {
        return {};
    }
    if (std::string serial = SerialFromUdev(node); !serial.empty()) {
        return serial;
    }
    return SerialFromProbe(device);
}

}  // namespace corvane::platform
