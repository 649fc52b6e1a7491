#include "core/files/write_sequence.h"

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

bool WriteScratch(Steps& steps, const std::string& scratch, const std::array<Record, 11>& plainRecords,
                  const std::optional<Record>& plainChecksum) {
    Handle h = 0;
    if (!steps.Open(scratch, Mode::kWrite, h) || !steps.Write(h, plainRecords[0]) || !steps.Close(h)) {
        return false;
    }
    if (!steps.Open(scratch, Mode::kAppend, h)) {
        return false;
    }
    for (std::size_t i = 1; i < plainRecords.size(); ++i) {
        if (!steps.Write(h, plainRecords[i])) {
            return false;
        }
    }
    if (!steps.Close(h)) {
        return false;
    }
    if (plainChecksum) {
        if (!steps.Open(scratch, Mode::kAppend, h) || !steps.Write(h, *plainChecksum) || !steps.Close(h)) {
            return false;
        }
    }
    return true;
}

bool CopyScrambled(Steps& steps, const std::string& scratch, const std::string& temporary) {
    Handle in = 0;
    Handle out = 0;
    if (!steps.Open(scratch, Mode::kRead, in) || !steps.Open(temporary, Mode::kWrite, out)) {
        return false;
    }
    for (std::size_t i = 0; i < 11; ++i) {
        Record buffer{};
        if (!steps.Seek(in, RecordOffset(i)) || !steps.Read(in, buffer) ||
            !steps.Write(out, ScrambleRecord(buffer))) {
            return false;
        }
    }
    return steps.Close(in) && steps.Close(out);
}

// CRC-16 over the 660 bytes as stored, read back from the file.
bool StoredCrc(Steps& steps, const std::string& path, uint16_t& crc) {
    Handle h = 0;
    if (!steps.Open(path, Mode::kRead, h)) {
        return false;
    }
    crc = 0;
    for (std::size_t i = 0; i < 11; ++i) {
        Record buffer{};
        if (!steps.Seek(h, RecordOffset(i)) || !steps.Read(h, buffer)) {
            return false;
        }
        crc = Crc16Update(crc, buffer);
    }
    return steps.Close(h);
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
    const std::string temporary = PathInFolder(folder, TemporaryNameFor(name));
    Steps steps(fs, target);
    Handle h = 0;
    if (steps.Open(temporary, Mode::kWrite, h) && steps.Write(h, record) && steps.Flush(h) && steps.Sync(h) &&
        steps.Close(h) && steps.Rename(temporary, target)) {
        steps.SyncFolder(FolderToSync(folder));
    }
    return steps.Result();
}

WriteResult WriteMessageFile(FileSystem& fs, const std::string& folder, const std::string& finalName,
                             const std::array<Record, 11>& plainRecords,
                             const std::optional<Record>& plainChecksumForScratch, uint16_t k) {
    const std::string target = PathInFolder(folder, finalName);
    const std::string temporary = PathInFolder(folder, TemporaryNameFor(finalName));
    const std::string scratch = PathInFolder(folder, kScratchFileName);
    Steps steps(fs, target);
    uint16_t crc = 0;
    Handle h = 0;
    // The scratch file goes before the rename, so that a failure anywhere up to the rename leaves the
    // folder as it was.
    if (WriteScratch(steps, scratch, plainRecords, plainChecksumForScratch) &&
        CopyScrambled(steps, scratch, temporary) && StoredCrc(steps, temporary, crc) &&
        steps.Open(temporary, Mode::kAppend, h) && steps.Write(h, CrcRecord(crc, k)) && steps.Flush(h) &&
        steps.Sync(h) && steps.Close(h) && steps.Remove(scratch) && steps.Rename(temporary, target)) {
        steps.SyncFolder(FolderToSync(folder));
    }
    return steps.Result();
}

std::string DescribeWriteFailure(const WriteFailure& failure, int32_t language) {
    const char* systemText = std::strerror(failure.error);
    std::string detail = failure.operation;
    if (failure.path != failure.target) {
        detail += " " + failure.path;
    }
    if (MessagesInChinese(language)) {
        const char* reason = ChineseReason(failure.error);
        return "无法写入文件 " + failure.target + "：" + (reason != nullptr ? reason : systemText) + "（" +
               detail + "）。";
    }
    return "The file " + failure.target + " could not be written: " + systemText + " (" + detail + ").";
}

}  // namespace corvane
