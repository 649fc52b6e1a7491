#pragma once

#include <cstdio>
#include <map>

#include "core/files/file_system.h"

namespace corvane {

// The real file system: C streams in binary mode, fsync for the syncs, lstat for Status, flock for TryLock,
// ReadRegularFile for ReadWholeFile.
class PosixFileSystem final : public FileSystem {
  public:
    PosixFileSystem() = default;
    PosixFileSystem(const PosixFileSystem&) = delete;
    PosixFileSystem& operator=(const PosixFileSystem&) = delete;
    // Closes whatever a caller left open.
    ~PosixFileSystem() override;

    int Open(const std::string& path, Mode mode, Handle& handle) override;
    IoResult Write(Handle handle, std::span<const uint8_t> data) override;
    int Flush(Handle handle) override;
    int Sync(Handle handle) override;
    int Close(Handle handle) override;
    int TryLock(Handle handle) override;
    int Rename(const std::string& from, const std::string& to) override;
    int Remove(const std::string& path) override;
    int SyncFolder(const std::string& folder) override;
    int Status(const std::string& path, EntryStatus& status) override;
    int ListFolder(const std::string& folder, std::vector<std::string>& names) override;
    WholeFile ReadWholeFile(const std::string& path, std::uintmax_t limit) override;

  private:
    std::FILE* Find(Handle handle) const;

    std::map<Handle, std::FILE*> files_;
    Handle next_ = 1;
};

}  // namespace corvane
