#include "core/files/write_sequence.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
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

    bool Open(const std::string& path, Mode mode, Handle& handle) {
        if (!Check(fs_.Open(path, mode, handle), path, "open")) {
            return false;
        }
        open_[handle] = path;
        if (mode != Mode::kRead) {
            Created(path);
        }
        return true;
    }

    bool Write(Handle handle, std::span<const uint8_t> data) {
        const FileSystem::IoResult result = fs_.Write(handle, data);
        const int error = result.error != 0 ? result.error : (result.count != data.size() ? EIO : 0);
        return Check(error, open_[handle], "write");
    }

    // Reads exactly buffer.size() bytes; a file that ends early is an error too.
    bool Read(Handle handle, std::span<uint8_t> buffer) {
        const FileSystem::IoResult result = fs_.Read(handle, buffer);
        const int error = result.error != 0 ? result.error : (result.count != buffer.size() ? EIO : 0);
        return Check(error, open_[handle], "read");
    }

    bool Seek(Handle handle, int64_t offset) {
        return Check(fs_.Seek(handle, offset), open_[handle], "seek");
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

// The temporary name must be free before it is created new. A regular file there is what an earlier,
// interrupted write left and is removed (unlinking never touches the data of another name); a link or
// anything else was placed by someone else and is left alone.
bool FreeTemporaryName(Steps& steps, const std::string& temporary) {
    FileSystem::EntryStatus status;
    bool absent = false;
    if (!steps.Status(temporary, status, absent)) {
        return false;
    }
    if (absent) {
        return true;
    }
    if (status.kind != FileSystem::EntryKind::kRegularFile) {
        return steps.Refuse(WriteFailure::Cause::kNameInTheWay, temporary, EEXIST);
    }
    return steps.Remove(temporary);
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
void WriteThroughTemporary(Steps& steps, const std::string& folder, const std::string& target,
                           const std::string& temporary, std::span<const uint8_t> bytes,
                           BeforeRename beforeRename) {
    Handle h = 0;
    if (TargetMayBeReplaced(steps, target) && FreeTemporaryName(steps, temporary) &&
        steps.Open(temporary, Mode::kCreateNew, h) && steps.Write(h, bytes) && steps.Flush(h) &&
        steps.Sync(h) && steps.Close(h) && beforeRename() && steps.Rename(temporary, target)) {
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
        case EDQUOT:
            return "超出磁盘配额";
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

std::string TemporaryNameFor(const std::string& name) {
    return name + ".tmp";
}

WriteResult WriteRecordFile(FileSystem& fs, const std::string& folder, const std::string& name,
                            const Record& record) {
    const std::string target = PathInFolder(folder, name);
    Steps steps(fs, target);
    WriteThroughTemporary(steps, folder, target, PathInFolder(folder, TemporaryNameFor(name)), record,
                          [] { return true; });
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
    WriteThroughTemporary(steps, folder, target, PathInFolder(folder, TemporaryNameFor(finalName)), bytes,
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
    const char* systemText = std::strerror(failure.error);
    std::string detail = failure.operation;
    if (failure.path != failure.target) {
        detail += " " + failure.path;
    }
    if (chinese) {
        const char* reason = ChineseReason(failure.error);
        return "无法写入文件 " + failure.target + "：" + (reason != nullptr ? reason : systemText) + "（" +
               detail + "）。";
    }
    return "The file " + failure.target + " could not be written: " + systemText + " (" + detail + ").";
}

}  // namespace corvane
