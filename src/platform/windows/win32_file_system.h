#pragma once

#include <map>

#include "core/files/file_system.h"

namespace corvane {

// The real file system of Windows: CreateFileW handles (links and junctions opened as themselves, never
// followed), FlushFileBuffers for the syncs, MoveFileExW with write-through for the rename, LockFileEx for
// TryLock, ReadRegularFile for ReadWholeFile. Windows errors come back as the errno values the core knows.
class Win32FileSystem final : public FileSystem {
  public:
    Win32FileSystem() = default;
    Win32FileSystem(const Win32FileSystem&) = delete;
    Win32FileSystem& operator=(const Win32FileSystem&) = delete;
    // Closes whatever a caller left open.
    ~Win32FileSystem() override;

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
    // The system's sentence for the latest failure (FormatMessageW), when `error` is what it became.
    std::string ErrorText(int error) override;

  private:
    // Keeps the Windows error `code` of a failure for ErrorText and returns its errno value (EIO for none).
    int Failed(unsigned long code);

    // A Win32 HANDLE, kept as void* so that this header needs no windows.h.
    void* Find(Handle handle) const;

    std::map<Handle, void*> files_;
    Handle next_ = 1;
    unsigned long lastCode_ = 0;
};

}  // namespace corvane
