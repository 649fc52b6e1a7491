#pragma once

#include <string>

namespace corvane::platform {

// The serial number of the file system on `device` as the system shows it ("1A2B-3C4D" for FAT): the udev
// database where udev runs, otherwise the device's own superblock (which needs read access to it); "" when
// nothing tells.
std::string VolumeSerialNumber(const std::string& device);

}  // namespace corvane::platform
