#pragma once

// The file system of the system the tests run on (linux/ or windows/ of the platform), as a value a test
// holds like any other FileSystem.

#include <memory>

#include "core/files/file_system.h"
#include "platform/system_file_system.h"

namespace corvane::testing {

class RealFileSystem final : public FileSystem {
  public:
    int Open(const std::string& path, Mode mode, Handle& handle) override {
        return fs_->Open(path, mode, handle);
    }
    IoResult Write(Handle handle, std::span<const uint8_t> data) override { return fs_->Write(handle, data); }
    int Flush(Handle handle) override { return fs_->Flush(handle); }
    int Sync(Handle handle) override { return fs_->Sync(handle); }
    int Close(Handle handle) override { return fs_->Close(handle); }
    int TryLock(Handle handle) override { return fs_->TryLock(handle); }
    int Rename(const std::string& from, const std::string& to) override { return fs_->Rename(from, to); }
    int Remove(const std::string& path) override { return fs_->Remove(path); }
    int SyncFolder(const std::string& folder) override { return fs_->SyncFolder(folder); }
    int Status(const std::string& path, EntryStatus& status) override { return fs_->Status(path, status); }
    int ListFolder(const std::string& folder, std::vector<std::string>& names) override {
        return fs_->ListFolder(folder, names);
    }
    WholeFile ReadWholeFile(const std::string& path, std::uintmax_t limit) override {
        return fs_->ReadWholeFile(path, limit);
    }
    std::string ErrorText(int error) override { return fs_->ErrorText(error); }

  private:
    std::unique_ptr<FileSystem> fs_ = platform::MakeSystemFileSystem();
};

}  // namespace corvane::testing
