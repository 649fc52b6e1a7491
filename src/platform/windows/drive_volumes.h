#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/camera_card.h"

// The drives of Windows as the program's volumes: what the system said about each drive letter, recorded as
// plain facts, and the volume list made from them. Nothing here asks the system, so the rules can be tried
// on recorded facts.
namespace corvane::platform {

// The drive's kind, as GetDriveTypeW tells it.
enum class DriveKind {
    kUnknown,
    kNoRootFolder,  // the letter is not (or no longer) a drive
    kRemovable,     // a card reader's slot, a USB stick
    kFixed,
    kRemote,  // a network share on a letter
    kCdRom,
    kRamDisk,
};

// The bus the drive's disk hangs on (IOCTL_STORAGE_QUERY_PROPERTY), asked only of fixed drives: a card
// reader on USB or an SD slot can show its card as a fixed disk.
enum class DriveBus {
    kUnknown,
    kUsb,
    kSd,
    kMmc,
    kOther,
};

// How the drive answered when asked for its file system and space.
enum class DriveAnswer {
    kReady,       // it told its file system and space
    kNoMedium,    // not ready: an empty reader slot or drive, or the drive went away meanwhile
    kUnreadable,  // a medium without a file system Windows can read (unformatted, locked, damaged)
    kNoAnswer,    // it has not answered within the time the window waits
    kNotAsked,    // network shares and optical drives are not asked: either may take long to answer
};

struct DriveFacts {
    std::string root;  // "E:\"
    DriveKind kind = DriveKind::kUnknown;
    DriveBus bus = DriveBus::kUnknown;
    DriveAnswer answer = DriveAnswer::kNotAsked;
    // From GetVolumeInformationW and GetDiskFreeSpaceExW, when the drive answered.
    std::string label;
    std::string fileSystem;  // "FAT32", "exFAT", "NTFS" ...
    uint32_t serialNumber = 0;
    bool readOnly = false;
    uint64_t bytesTotal = 0;
    uint64_t bytesFree = 0;  // available to this user
};

// The format of a file system by Windows's name of it: FAT, FAT12, FAT16 and FAT32 are kFat, exFAT is
// kExFat (in any letter case); everything else kOther.
VolumeFormat FormatOfDriveFileSystem(std::string_view name);

// The volumes of the drives, in the given order. A drive without a medium, without a readable file system
// or that is no drive at all is left out: nothing is mounted there, so a card's root on it counts as gone.
// A drive that has not answered is listed as not ready. Removable drives, and fixed drives on a USB, SD or
// MMC bus (card readers that show the card as a fixed disk), count as removable media.
std::vector<Volume> VolumesFromDriveFacts(const std::vector<DriveFacts>& drives);

// The drive letter (in capitals) when `folder` is a drive's root: "E:\", "e:/" or "E:"; nothing otherwise.
std::optional<char> DriveRootLetter(std::string_view folder);

// The volume serial number as Windows shows it: "1A2B-3C4D".
std::string FormatVolumeSerial(uint32_t serialNumber);

}  // namespace corvane::platform
