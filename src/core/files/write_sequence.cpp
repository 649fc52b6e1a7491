#include "core/files/write_sequence.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <random>
#include <utility>
#include <vector>

#include "core/files/crc16.h"
#include "core/files/scramble.h"
#include "core/l10n/language.h"

namespace corvane {
namespace {

using Handle = FileSystem::Handle;
using Mode = FileSystem::Mode;

// Runs the steps of one write, records the first failure, and on the way out closes what is still
// open and removes the files it created that were not kept.
class Steps {
  public:
    Steps(FileSystem& fs, std::string target) : fs_(fs), target_(std::move(target)) {}
    Steps(const Steps&) = delete;
    Steps& operator=(const Steps&) = delete;

    ~Steps() {
        for (const auto& [handle, path] : open_) {
            fs_.Close(handle);
        }
        if (failure_) {
            for (const std::string& path : created_) {
                fs_.Remove(path);
            }
        }
    }

    // Creates `path` new: false with `taken` set when something has that name already.
    bool CreateNew(const std::string& path, Handle& handle, bool& taken) {
        const int error = fs_.Open(path, Mode::kCreateNew, handle);
        taken = error == EEXIST;
        if (taken || !Check(error, path, "open")) {
            return false;
        }
        open_[handle] = path;
        Created(path);
        return true;
    }

    bool Fail(const std::string& path, const char* operation, int error) {
        return Check(error, path, operation);
    }

    // Opens `path` when something has that name: false with `absent` set when nothing has.
    bool OpenIfPresent(const std::string& path, Mode mode, Handle& handle, bool& absent) {
        const int error = fs_.Open(path, mode, handle);
        absent = error == ENOENT;
        if (absent) {
            return false;
        }
        if (!Check(error, path, "open")) {
            return false;
        }
        open_[handle] = path;
        return true;
    }

    // Opens a possible leftover to look at its lock: false with `skip` set when it is gone meanwhile or
    // may not be read by this user (nothing can then be told about it, and it is left alone).
    bool Examine(const std::string& path, Handle& handle, bool& skip) {
        const int error = fs_.Open(path, Mode::kExamine, handle);
        skip = error == ENOENT || error == EACCES || error == EPERM;
        if (skip || !Check(error, path, "open")) {
            return false;
        }
        open_[handle] = path;
        return true;
    }

    // Whether the lock is held by another open file (and not merely unsupported).
    bool LockedElsewhere(Handle handle, bool& locked) {
        const int error = fs_.TryLock(handle);
        locked = error == 0;
        return error == EWOULDBLOCK;
    }

    // Lets go of a handle and a file of our own that is of no use any more, without a failure.
    void Abandon(Handle handle) {
        open_.erase(handle);
        fs_.Close(handle);
    }
    void Discard(const std::string& path) {
        fs_.Remove(path);
        Forget(path);
    }

    bool List(const std::string& folder, std::vector<std::string>& names) {
        return Check(fs_.ListFolder(folder, names), folder, "list");
    }

    bool Write(Handle handle, std::span<const uint8_t> data) {
        const FileSystem::IoResult result = fs_.Write(handle, data);
        const int error = result.error != 0 ? result.error : (result.count != data.size() ? EIO : 0);
        return Check(error, open_[handle], "write");
    }

    bool Flush(Handle handle) { return Check(fs_.Flush(handle), open_[handle], "flush"); }
    bool Sync(Handle handle) { return Check(fs_.Sync(handle), open_[handle], "sync"); }

    bool Close(Handle handle) {
        const std::string path = open_[handle];
        open_.erase(handle);
        return Check(fs_.Close(handle), path, "close");
    }

    // A renamed file is no longer ours to remove.
    bool Rename(const std::string& from, const std::string& to) {
        if (!Check(fs_.Rename(from, to), from, "rename")) {
            return false;
        }
        Forget(from);
        return true;
    }

    bool Remove(const std::string& path) {
        if (!Check(fs_.Remove(path), path, "remove")) {
            return false;
        }
        Forget(path);
        return true;
    }

    // Removes `path` when it is still there.
    bool RemoveIfPresent(const std::string& path) {
        const int error = fs_.Remove(path);
        return error == ENOENT || Check(error, path, "remove");
    }

    bool SyncFolder(const std::string& folder) {
        return Check(fs_.SyncFolder(folder), folder, "sync folder");
    }

    // What `path` is; false with `absent` set when nothing has that name.
    bool Status(const std::string& path, FileSystem::EntryStatus& status, bool& absent) {
        const int error = fs_.Status(path, status);
        absent = error == ENOENT;
        return absent || Check(error, path, "status");
    }

    bool Refuse(WriteFailure::Cause cause, const std::string& path, int error) {
        if (!failure_) {
            failure_ = WriteFailure{target_, path, "status", error, cause};
        }
        return false;
    }

    WriteResult Result() const {
        if (failure_) {
            return {false, failure_};
        }
        return {true, std::nullopt};
    }

  private:
    bool Check(int error, const std::string& path, const char* operation) {
        if (error != 0 && !failure_) {
            failure_ = WriteFailure{target_, path, operation, error};
            failure_->reason = fs_.ErrorText(error);
        }
        return error == 0;
    }

    void Created(const std::string& path) {
        for (const std::string& known : created_) {
            if (known == path) {
                return;
            }
        }
        created_.push_back(path);
    }

    void Forget(const std::string& path) { std::erase(created_, path); }

    FileSystem& fs_;
    std::string target_;
    std::optional<WriteFailure> failure_;
    std::map<Handle, std::string> open_;
    std::vector<std::string> created_;
};

// The folder holding the files, as the file system names it for a sync.
std::string FolderToSync(const std::string& folder) {
    return folder.empty() ? "/" : folder;
}

int64_t RecordOffset(std::size_t index) {
    return static_cast<int64_t>(index * kRecordSize);
}

// An existing target without any write permission bit stays as it is: the rename would replace it
// and drop that protection.
bool TargetMayBeReplaced(Steps& steps, const std::string& target) {
    FileSystem::EntryStatus status;
    bool absent = false;
    if (!steps.Status(target, status, absent)) {
        return false;
    }
    if (!absent && status.kind == FileSystem::EntryKind::kRegularFile && !status.writable) {
        return steps.Refuse(WriteFailure::Cause::kTargetWriteProtected, target, EACCES);
    }
    return true;
}

// Whether `entry` is a temporary name of `name`: this program's `name.XXXXXXXX.tmp` (eight hex digits),
// or `name.tmp`, the one name that earlier versions used.
bool IsTemporaryOf(const std::string& entry, const std::string& name) {
    if (entry == name + ".tmp") {
        return true;
    }
    const std::size_t digits = 8;
    if (entry.size() != name.size() + 1 + digits + 4 || entry.compare(0, name.size() + 1, name + ".") != 0 ||
        entry.compare(entry.size() - 4, 4, ".tmp") != 0) {
        return false;
    }
    return std::all_of(entry.begin() + static_cast<std::ptrdiff_t>(name.size() + 1), entry.end() - 4,
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

std::string RandomTemporaryName(const std::string& name) {
    thread_local std::mt19937 engine{std::random_device{}()};
    static constexpr char kHex[] = "0123456789abcdef";
    std::string digits(8, '0');
    for (char& c : digits) {
        c = kHex[engine() % 16];
    }
    return name + "." + digits + ".tmp";
}

// Temporary files of `name` that an interrupted write left in the folder are removed: a regular file
// whose lock can be taken is no writer's any more (a writer holds the lock of its own until its file has
// the final name). One that is locked belongs to a write in progress and is left alone; where the file
// system has no locks nothing can be told and nothing is removed. A link or anything else under such a
// name was placed by someone else: it is left alone and nothing is written.
bool RemoveLeftovers(Steps& steps, const std::string& folder, const std::string& name) {
    std::vector<std::string> entries;
    if (!steps.List(FolderToSync(folder), entries)) {
        return false;
    }
    for (const std::string& entry : entries) {
        if (!IsTemporaryOf(entry, name)) {
            continue;
        }
        const std::string path = PathInFolder(folder, entry);
        FileSystem::EntryStatus status;
        bool absent = false;
        if (!steps.Status(path, status, absent)) {
            return false;
        }
        if (absent) {
            continue;
        }
        if (status.kind != FileSystem::EntryKind::kRegularFile) {
            return steps.Refuse(WriteFailure::Cause::kNameInTheWay, path, EEXIST);
        }
        Handle h = 0;
        bool skip = false;
        if (!steps.Examine(path, h, skip)) {
            if (skip) {
                continue;
            }
            return false;
        }
        bool locked = false;
        steps.LockedElsewhere(h, locked);
        // Removed while its lock is held, so no writer can take the file up meanwhile.
        const bool removed = !locked || steps.RemoveIfPresent(path);
        steps.Abandon(h);  // it was only read
        if (!removed) {
            return false;
        }
    }
    return true;
}

// Creates a temporary file of `name` of this write's own and takes its lock through a second handle
// (`lock`), held until the file has its final name, so that no other writer takes it for a leftover.
// A writer cleaning up that got to the fresh file before its lock was taken removes it; the name is then
// found gone once the lock is ours, and a new name is tried, as for a name that is taken.
bool CreateOwnTemporary(Steps& steps, const std::string& folder, const std::string& name,
                        std::string& temporary, Handle& file, Handle& lock) {
    constexpr int kAttempts = 8;
    int error = 0;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        temporary = PathInFolder(folder, RandomTemporaryName(name));
        bool taken = false;
        if (!steps.CreateNew(temporary, file, taken)) {
            if (taken) {
                error = EEXIST;
                continue;
            }
            return false;
        }
        bool gone = false;
        bool lockedElsewhere = false;
        if (steps.OpenIfPresent(temporary, Mode::kExamine, lock, gone)) {
            bool locked = false;
            lockedElsewhere = steps.LockedElsewhere(lock, locked);
            FileSystem::EntryStatus status;
            if (!lockedElsewhere && !steps.Status(temporary, status, gone)) {
                return false;
            }
            if (!lockedElsewhere && !gone) {
                return true;
            }
            steps.Abandon(lock);
        } else if (!gone) {
            return false;
        }
        steps.Abandon(file);
        steps.Discard(temporary);
        error = ENOENT;
    }
    return steps.Fail(temporary, "open", error);
}

// Earlier versions kept the plain records in mms.dat while writing; one left behind by an interrupted
// write holds the texts unscrambled. Removing a link removes only the link.
bool RemoveStaleScratch(Steps& steps, const std::string& scratch) {
    FileSystem::EntryStatus status;
    bool absent = false;
    if (!steps.Status(scratch, status, absent)) {
        return false;
    }
    if (absent || status.kind == FileSystem::EntryKind::kFolder) {
        return true;
    }
    return steps.Remove(scratch);
}

// Writes `bytes` as `target` through `temporary`; `beforeRename` runs once the temporary file is
// complete and closed.
template <class BeforeRename>
void WriteThroughTemporary(Steps& steps, const std::string& folder, const std::string& name,
                           std::span<const uint8_t> bytes, BeforeRename beforeRename) {
    const std::string target = PathInFolder(folder, name);
    std::string temporary;
    Handle h = 0;
    Handle lock = 0;
    if (TargetMayBeReplaced(steps, target) && RemoveLeftovers(steps, folder, name) &&
        CreateOwnTemporary(steps, folder, name, temporary, h, lock) && steps.Write(h, bytes) &&
        steps.Flush(h) && steps.Sync(h) && steps.Close(h) && beforeRename() &&
        steps.Rename(temporary, target)) {
        steps.Abandon(lock);
        steps.SyncFolder(FolderToSync(folder));
    }
}

// Chinese wording of the reasons a memory card most often gives; others keep the system's text.
const char* ChineseReason(int error) {
    switch (error) {
        case ENOENT:
            return "文件或文件夹不存在";
        case ENOTDIR:
            return "路径中的某一项不是文件夹";
        case EISDIR:
            return "这是一个文件夹";
        case EACCES:
        case EPERM:
            return "没有写入权限";
        case EROFS:
            return "存储介质是只读的";
        case ENOSPC:
            return "存储介质空间不足";
#ifdef EDQUOT  // not among Windows' errno values
        case EDQUOT:
            return "超出磁盘配额";
#endif
        case EIO:
            return "输入/输出错误";
        case ENAMETOOLONG:
            return "路径太长";
        case EBUSY:
            return "设备或资源忙";
        case ENODEV:
        case ENXIO:
            return "设备不存在";
        default:
            return nullptr;
    }
}

}  // namespace

std::string PathInFolder(const std::string& folder, const std::string& name) {
    return folder + "/" + name;
}

WriteResult WriteRecordFile(FileSystem& fs, const std::string& folder, const std::string& name,
                            const Record& record) {
    const std::string target = PathInFolder(folder, name);
    Steps steps(fs, target);
    WriteThroughTemporary(steps, folder, name, record, [] { return true; });
    return steps.Result();
}

std::array<uint8_t, 12 * kRecordSize> MessageFileBytes(const std::array<Record, 11>& plainRecords,
                                                       uint16_t k) {
    std::array<uint8_t, 12 * kRecordSize> bytes{};
    uint16_t crc = 0;
    for (std::size_t i = 0; i < plainRecords.size(); ++i) {
        const Record stored = ScrambleRecord(plainRecords[i]);
        crc = Crc16Update(crc, stored);
        std::copy(stored.begin(), stored.end(), bytes.begin() + static_cast<std::ptrdiff_t>(RecordOffset(i)));
    }
    const Record checksum = CrcRecord(crc, k);
    std::copy(checksum.begin(), checksum.end(),
              bytes.begin() + static_cast<std::ptrdiff_t>(RecordOffset(11)));
    return bytes;
}

WriteResult WriteMessageFile(FileSystem& fs, const std::string& folder, const std::string& finalName,
                             const std::array<Record, 11>& plainRecords, uint16_t k) {
    const std::string target = PathInFolder(folder, finalName);
    const std::string scratch = PathInFolder(folder, kScratchFileName);
    const auto bytes = MessageFileBytes(plainRecords, k);
    Steps steps(fs, target);
    // The stale scratch file goes before the rename, so that a failure anywhere up to the rename leaves
    // the folder as it was.
    WriteThroughTemporary(steps, folder, finalName, bytes,
                          [&] { return RemoveStaleScratch(steps, scratch); });
    return steps.Result();
}

std::string DescribeWriteFailure(const WriteFailure& failure, int32_t language) {
    const bool chinese = MessagesInChinese(language);
    switch (failure.cause) {
        case WriteFailure::Cause::kTargetWriteProtected:
            if (chinese) {
                return "文件 " + failure.target +
                       " 处于写保护状态，已保持原样，未写入任何内容。如需替换，请先取消它的写保护。";
            }
            return "The file " + failure.target +
                   " is write-protected and was left as it is; nothing was written. Remove its write "
                   "protection to replace it.";
        case WriteFailure::Cause::kNameInTheWay:
            if (chinese) {
                return "无法写入文件 " + failure.target + "：" + failure.path +
                       " 是链接或不是本程序创建的项目，已保持原样，未写入任何内容。请删除它后重新生成。";
            }
            return "The file " + failure.target + " was not written: " + failure.path +
                   " is a link or an item this program did not create, and was left as it is; nothing was "
                   "written. Remove it and generate again.";
        case WriteFailure::Cause::kSystemError:
            break;
    }
    const std::string systemText = failure.reason.empty() ? std::strerror(failure.error) : failure.reason;
    std::string detail = failure.operation;
    if (failure.path != failure.target) {
        detail += " " + failure.path;
    }
    if (chinese) {
        const char* reason = ChineseReason(failure.error);
        return "无法写入文件 " + failure.target + "：" +
               (reason != nullptr ? std::string(reason) : systemText) + "（" + detail + "）。";
    }
    return "The file " + failure.target + " could not be written: " + systemText + " (" + detail + ").";
}

}  // namespace corvane
