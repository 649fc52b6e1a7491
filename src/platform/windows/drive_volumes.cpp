#include "platform/windows/drive_volumes.h"

#include <cctype>
#include <cstdio>

namespace corvane::platform {

namespace {

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

bool CountsAsRemovable(const DriveFacts& drive) {
    if (drive.kind == DriveKind::kRemovable) {
        return true;
    }
    const bool readerBus =
        drive.bus == DriveBus::kUsb || drive.bus == DriveBus::kSd || drive.bus == DriveBus::kMmc;
    return drive.kind == DriveKind::kFixed && readerBus;
}

}  // namespace

VolumeFormat FormatOfDriveFileSystem(std::string_view name) {
    for (std::string_view fat : {"FAT", "FAT12", "FAT16", "FAT32"}) {
        if (EqualIgnoringCase(name, fat)) {
            return VolumeFormat::kFat;
        }
    }
    return EqualIgnoringCase(name, "exFAT") ? VolumeFormat::kExFat : VolumeFormat::kOther;
}

std::vector<Volume> VolumesFromDriveFacts(const std::vector<DriveFacts>& drives) {
    std::vector<Volume> volumes;
    for (const DriveFacts& drive : drives) {
        if (drive.kind == DriveKind::kUnknown || drive.kind == DriveKind::kNoRootFolder ||
            drive.answer == DriveAnswer::kNoMedium || drive.answer == DriveAnswer::kUnreadable) {
            continue;
        }
        Volume volume;
        volume.rootPath = drive.root;
        const std::optional<char> letter = DriveRootLetter(drive.root);
        volume.device = letter ? std::string("\\\\.\\") + *letter + ':' : drive.root;
        volume.removable = CountsAsRemovable(drive);
        if (drive.answer == DriveAnswer::kNoAnswer) {
            volume.ready = false;
        } else if (drive.answer == DriveAnswer::kReady) {
            volume.label = drive.label;
            volume.fileSystem = drive.fileSystem;
            volume.format = FormatOfDriveFileSystem(drive.fileSystem);
            volume.readOnly = drive.readOnly;
            volume.bytesTotal = drive.bytesTotal;
            volume.bytesFree = drive.bytesFree;
        }
        volumes.push_back(std::move(volume));
    }
    return volumes;
}

std::optional<char> DriveRootLetter(std::string_view folder) {
    const bool rootForm =
        folder.size() == 2 || (folder.size() == 3 && (folder[2] == '\\' || folder[2] == '/'));
    const char c = folder.empty() ? '\0' : folder[0];
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (!rootForm || folder[1] != ':' || !letter) {
        return std::nullopt;
    }
    return static_cast<char>(std::toupper(static_cast<unsigned char>(folder[0])));
}

std::string FormatVolumeSerial(uint32_t serialNumber) {
    char text[10];
    std::snprintf(text, sizeof(text), "%04X-%04X", static_cast<unsigned>(serialNumber >> 16),
                  static_cast<unsigned>(serialNumber & 0xFFFFu));
    return text;
}

}  // namespace corvane::platform
