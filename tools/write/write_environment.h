#pragma once

// What corvane-write asks of the system, so that its tests can hand in their own volumes and clock.

#include <string>
#include <vector>

#include "core/camera/menu_record.h"
#include "core/files/camera_card.h"
#include "core/files/file_system.h"

namespace corvane::write {

struct UnmountResult {
    bool done = false;
    std::string reason;  // why not, when not done
};

class WriteEnvironment {
  public:
    virtual ~WriteEnvironment() = default;
    virtual FileSystem& Files() = 0;
    // The mounted volumes now, and whether `folder` is one where the desktop mounts the user's media.
    virtual std::vector<Volume> Volumes() = 0;
    virtual bool IsMediaMountFolder(const std::string& folder) = 0;
    // Local time, for the camera clock.
    virtual CameraClock Now() = 0;
    // Local time for the log, "2026-05-01 14:03:07".
    virtual std::string Timestamp() = 0;
    // The serial number of the file system on the volume's device ("1A2B-3C4D"), or "" when unknown.
    virtual std::string VolumeSerial(const Volume& volume) = 0;
    // Unmounts the card so that it can be pulled.
    virtual UnmountResult Unmount(const Volume& volume) = 0;
    // Whether the user asked to stop (Ctrl-C); looked at between cards.
    virtual bool StopAsked() = 0;
    // Waits a little before the volumes are looked at again; returns early when the user asks to stop.
    virtual void Pause() = 0;
};

}  // namespace corvane::write
