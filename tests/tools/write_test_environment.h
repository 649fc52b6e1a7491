#pragma once

// A WriteEnvironment for corvane-write's tests: the real file system, volumes and clock as the test sets
// them.

#include <memory>
#include <string>
#include <vector>

#include "platform/system_file_system.h"
#include "write/write_environment.h"

namespace corvane::testing {

class TestWriteEnvironment : public write::WriteEnvironment {
  public:
    std::vector<Volume> volumes;
    CameraClock now{2026, 5, 1, 14, 3, 7};
    std::vector<std::string> unmounted;

    FileSystem& Files() override { return *files_; }
    std::vector<Volume> Volumes() override { return volumes; }
    // The tests write into temporary folders, never where a desktop mounts media.
    bool IsMediaMountFolder(const std::string&) override { return false; }
    CameraClock Now() override { return now; }
    std::string Timestamp() override { return "2026-05-01 14:03:07"; }
    std::string VolumeSerial(const Volume&) override { return ""; }
    write::UnmountResult Unmount(const Volume& volume) override {
        unmounted.push_back(volume.rootPath);
        return {false, "no udisks2 in this test"};
    }
    bool StopAsked() override { return true; }
    void Pause() override {}

  private:
    std::unique_ptr<FileSystem> files_ = platform::MakeSystemFileSystem();
};

}  // namespace corvane::testing
