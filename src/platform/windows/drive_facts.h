#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/files/camera_card.h"
#include "platform/windows/drive_volumes.h"

namespace corvane::platform {

// The roots of the drive letters in use now ("C:\", "E:\" ...), from GetLogicalDriveStringsW.
std::vector<std::string> LogicalDriveRoots();

// Asks the system about the drive at `root`: its kind, then (not for network and optical drives) its file
// system and space, each once; a fixed drive also for its bus. Waits as long as the drive takes; the system's
// "insert a disk" box never shows.
DriveFacts ReadDriveFacts(const std::string& root);

// Whether the drive letter of `letter` (A..Z) is in use now.
bool DriveLetterInUse(char letter);

// Whether the drive at `root` is removable (GetDriveTypeW; the medium is not asked).
bool IsRemovableDrive(const std::string& root);

// Whether `folder` is the root of a drive that is gone or removable: where a card was or is.
bool IsMediaDriveRoot(const std::string& folder);

// The volumes of the drives now, for a window that looks at them each time it opens. Each drive is asked on
// a worker thread (ReadDriveFacts); the window waits at most `limit` for the answers, and a drive that has
// not answered by then is listed as not ready and is not asked again until its answer has come.
class DriveVolumesReader {
  public:
    static constexpr std::chrono::milliseconds kAnswerLimit{500};

    using RootsReader = std::function<std::vector<std::string>()>;
    using DriveAsker = std::function<DriveFacts(const std::string& root)>;

    // `roots` and `ask` stand in for LogicalDriveRoots and ReadDriveFacts in tests; `ask` runs on workers
    // that may outlive the reader.
    explicit DriveVolumesReader(std::chrono::milliseconds limit = kAnswerLimit,
                                RootsReader roots = LogicalDriveRoots, DriveAsker ask = ReadDriveFacts);
    ~DriveVolumesReader();
    DriveVolumesReader(const DriveVolumesReader&) = delete;
    DriveVolumesReader& operator=(const DriveVolumesReader&) = delete;

    std::vector<Volume> Read();

  private:
    struct Question;
    std::chrono::milliseconds limit_;
    RootsReader roots_;
    DriveAsker ask_;
    std::map<std::string, std::shared_ptr<Question>> open_;  // by root
};

}  // namespace corvane::platform
