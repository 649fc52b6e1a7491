#include "platform/mounted_volumes.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace corvane::platform {

std::vector<Volume> ReadMountedVolumes(const std::string& mediaUser) {
    std::vector<Volume> volumes;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        if (!storage.isValid() || !storage.isReady()) {
            continue;
        }
        Volume volume;
        volume.rootPath = QDir::toNativeSeparators(storage.rootPath()).toStdString();
        volume.fileSystem = storage.fileSystemType().toStdString();
        volume.device = storage.device().toStdString();
        // exfat-fuse and ntfs-3g both mount as "fuseblk"; only the device says which format it is.
        if (volume.fileSystem == "fuseblk") {
            if (const std::string format = DeviceFileSystemFormat(volume.device); !format.empty()) {
                volume.fileSystem += "." + format;
            }
        }
        volume.bytesTotal = static_cast<uint64_t>(std::max<qint64>(storage.bytesTotal(), 0));
        volume.bytesFree = static_cast<uint64_t>(std::max<qint64>(storage.bytesAvailable(), 0));
        volume.readOnly = storage.isReadOnly();
        volume.removable = IsRemovableMedium(volume.device, volume.rootPath, mediaUser);
        volume.label = storage.name().toStdString();
        // Without a label database (no udev) the desktop's mount folder carries the label.
        if (volume.label.empty() && IsUnderUserMedia(volume.rootPath, mediaUser)) {
            volume.label = QFileInfo(storage.rootPath()).fileName().toStdString();
        }
        volumes.push_back(std::move(volume));
    }
    return volumes;
}

std::vector<Volume> MountedVolumesReader::Read(const std::string& mediaUser) {
    if (volumes_ && mediaUser == mediaUser_ && !mountTable_.Changed()) {
        bool readable = true;
        for (Volume& volume : *volumes_) {
            readable = RefreshVolumeSpace(volume) && readable;
        }
        if (readable) {
            return *volumes_;
        }
    }
    mountTable_.Rearm();  // before reading: a change during the reading shows the next time
    volumes_ = ReadMountedVolumes(mediaUser);
    mediaUser_ = mediaUser;
    return *volumes_;
}

}  // namespace corvane::platform
