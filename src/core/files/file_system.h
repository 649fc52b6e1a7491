#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

namespace corvane {

// The file operations the writers and the read-back of a written file need, so that tests can make any one
// of them fail. Every operation that can fail returns an errno value, 0 on success. Paths are used exactly
// as given.
class FileSystem {
  public:
    // kCreateNew: creates a file that must not exist yet, never through a symbolic link (EEXIST when
    // anything, a link included, already has that name). kExamine: opens for reading only, never through
    // a symbolic link and without waiting (a fifo opens at once), to look at or lock what is there.
    enum class Mode { kCreateNew, kExamine };
    using Handle = int;

    // What a name in a folder is, seen without following a symbolic link.
    enum class EntryKind { kRegularFile, kSymbolicLink, kFolder, kOther };
    struct EntryStatus {
        EntryKind kind = EntryKind::kOther;
        bool writable = false;  // any of the owner, group or other write permission bits is set
    };

    // Bytes written and the reason when fewer than asked were written (0 when the reason is unknown).
    struct IoResult {
        std::size_t count = 0;
        int error = 0;
    };

    // What reading a whole file found.
    struct WholeFile {
        enum class Outcome {
            kRead,        // `bytes` hold the file
            kMissing,     // nothing has that name
            kNotRegular,  // a link, folder, fifo, device ...: never read
            kTooLong,     // more than the limit: `size` says how long, nothing is read
            kFailed,      // it does not open or read: `error` says why
        };
        Outcome outcome = Outcome::kFailed;
        std::vector<uint8_t> bytes;
        std::uintmax_t size = 0;  // the size the open file had
        int error = 0;            // for kFailed: the errno value
    };

    virtual ~FileSystem() = default;

    // Opens `path`; on success stores the handle in `handle`.
    virtual int Open(const std::string& path, Mode mode, Handle& handle) = 0;
    virtual IoResult Write(Handle handle, std::span<const uint8_t> data) = 0;
    // Hands buffered data to the operating system.
    virtual int Flush(Handle handle) = 0;
    // Waits until the data handed to the operating system is on the medium.
    virtual int Sync(Handle handle) = 0;
    // Releases the handle, also when it reports an error; a lock taken through it goes with it.
    virtual int Close(Handle handle) = 0;
    // Takes the exclusive advisory lock of the open file without waiting: 0 when taken, EWOULDBLOCK when
    // another open file holds it, another errno value where the file system has no such locks.
    virtual int TryLock(Handle handle) = 0;
    // Replaces `to` by `from` in one step.
    virtual int Rename(const std::string& from, const std::string& to) = 0;
    virtual int Remove(const std::string& path) = 0;
    // Waits until the folder's entries (created, renamed, removed names) are on the medium.
    virtual int SyncFolder(const std::string& folder) = 0;
    // Describes `path` itself (a link is not followed); ENOENT when nothing has that name.
    virtual int Status(const std::string& path, EntryStatus& status) = 0;
    // The names in `folder`, without "." and "..", in no particular order.
    virtual int ListFolder(const std::string& folder, std::vector<std::string>& names) = 0;
    // Reads the whole file `path`: opened without waiting (a fifo or device cannot hold the caller) and
    // without following a link, and read only when what was opened is a regular file of at most `limit`
    // bytes.
    virtual WholeFile ReadWholeFile(const std::string& path, std::uintmax_t limit) = 0;
    // The system's words for `error`, which the latest failing operation returned: a file system whose
    // system says more than the errno value (Windows) gives its own sentence.
    virtual std::string ErrorText(int error) { return std::strerror(error); }
};

}  // namespace corvane
