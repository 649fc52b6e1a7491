#include "platform/windows/win32_file_system.h"

#include <windows.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <utility>

#include "platform/system_file_system.h"
#include "platform/windows/move_file.h"
#include "platform/windows/system_error.h"
#include "platform/windows/utf16.h"

namespace corvane {
namespace {

// The lock is one byte far beyond any end of file: Windows locks are mandatory, so a lock on the data
// would refuse the writer's own second handle; a lock out there refuses only other lockers.
constexpr DWORD kLockOffsetHigh = 0x7FFFFFFF;
constexpr DWORD kLockOffsetLow = 0;

}  // namespace

int Win32FileSystem::Failed(unsigned long code) {
    lastCode_ = code;
    const int error = platform::ErrnoFromWindowsError(code);
    return error != 0 ? error : EIO;
}

std::string Win32FileSystem::ErrorText(int error) {
    if (lastCode_ != 0 && error != 0 && Failed(lastCode_) == error) {
        return platform::WindowsErrorText(lastCode_);
    }
    return std::strerror(error);
}

Win32FileSystem::~Win32FileSystem() {
    for (auto& [handle, file] : files_) {
        ::CloseHandle(static_cast<HANDLE>(file));
    }
}

void* Win32FileSystem::Find(Handle handle) const {
    const auto it = files_.find(handle);
    return it == files_.end() ? nullptr : it->second;
}

int Win32FileSystem::Open(const std::string& path, Mode mode, Handle& handle) {
    const std::wstring wide = platform::ToWide(path);
    HANDLE file = INVALID_HANDLE_VALUE;
    // Every handle lets others read and lets the file be renamed or removed while it is open: the writer
    // looks at its own new file through a second handle, and renames it while that one holds the lock.
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_DELETE;
    if (mode == Mode::kCreateNew) {
        // CREATE_NEW fails on any existing name, a link or junction included, so nothing is written through
        // a link or over someone else's file.
        file = ::CreateFileW(wide.c_str(), GENERIC_WRITE, share, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    } else {
        file = ::CreateFileW(wide.c_str(), GENERIC_READ, share | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                             FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    }
    if (file == INVALID_HANDLE_VALUE) {
        return Failed(::GetLastError());
    }
    if (mode == Mode::kExamine && ::GetFileType(file) != FILE_TYPE_DISK) {
        ::CloseHandle(file);
        return EACCES;
    }
    handle = next_++;
    files_[handle] = file;
    return 0;
}

FileSystem::IoResult Win32FileSystem::Write(Handle handle, std::span<const uint8_t> data) {
    HANDLE file = Find(handle);
    if (file == nullptr) {
        return {0, EBADF};
    }
    std::size_t done = 0;
    while (done < data.size()) {
        const std::size_t left = data.size() - done;
        const DWORD ask = left > 0x10000000 ? 0x10000000 : static_cast<DWORD>(left);
        DWORD written = 0;
        if (!::WriteFile(file, data.data() + done, ask, &written, nullptr)) {
            return {done, Failed(::GetLastError())};
        }
        if (written == 0) {
            return {done, EIO};
        }
        done += written;
    }
    return {done, 0};
}

int Win32FileSystem::Flush(Handle handle) {
    // WriteFile hands the data to the system at once: there is no buffer of ours.
    return Find(handle) == nullptr ? EBADF : 0;
}

int Win32FileSystem::Sync(Handle handle) {
    HANDLE file = Find(handle);
    if (file == nullptr) {
        return EBADF;
    }
    return ::FlushFileBuffers(file) ? 0 : Failed(::GetLastError());
}

int Win32FileSystem::Close(Handle handle) {
    const auto it = files_.find(handle);
    if (it == files_.end()) {
        return EBADF;
    }
    HANDLE file = it->second;
    files_.erase(it);
    return ::CloseHandle(file) ? 0 : Failed(::GetLastError());
}

int Win32FileSystem::TryLock(Handle handle) {
    HANDLE file = Find(handle);
    if (file == nullptr) {
        return EBADF;
    }
    OVERLAPPED where{};
    where.Offset = kLockOffsetLow;
    where.OffsetHigh = kLockOffsetHigh;
    if (::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &where)) {
        return 0;
    }
    const DWORD code = ::GetLastError();
    // Another handle holds it (ERROR_LOCK_VIOLATION, or ERROR_IO_PENDING on some file systems).
    if (code == ERROR_LOCK_VIOLATION || code == ERROR_IO_PENDING) {
        return EWOULDBLOCK;
    }
    return Failed(code);
}

int Win32FileSystem::ListFolder(const std::string& folder, std::vector<std::string>& names) {
    std::wstring pattern = platform::ToWide(folder);
    if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/') {
        pattern += L'\\';
    }
    pattern += L'*';
    WIN32_FIND_DATAW entry{};
    HANDLE search = ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch,
                                       nullptr, FIND_FIRST_EX_LARGE_FETCH);
    names.clear();
    if (search == INVALID_HANDLE_VALUE) {
        // A drive's empty root has not even "." and "..".
        return ::GetLastError() == ERROR_FILE_NOT_FOUND ? 0 : Failed(::GetLastError());
    }
    int error = 0;
    do {
        const std::wstring_view name = entry.cFileName;
        if (name != L"." && name != L"..") {
            names.push_back(platform::FromWide(name));
        }
    } while (::FindNextFileW(search, &entry));
    if (::GetLastError() != ERROR_NO_MORE_FILES) {
        error = Failed(::GetLastError());
    }
    ::FindClose(search);
    return error;
}

int Win32FileSystem::Rename(const std::string& from, const std::string& to) {
    const std::wstring target = platform::ToWide(to);
    const DWORD code = platform::MoveOver(platform::ToWide(from), target);
    if (code == 0) {
        return 0;
    }
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (code == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
        lastCode_ = 0;
        return EISDIR;
    }
    return Failed(code);
}

int Win32FileSystem::Remove(const std::string& path) {
    // DeleteFileW removes no folder; a link is removed itself, not what it points to.
    return ::DeleteFileW(platform::ToWide(path).c_str()) ? 0 : Failed(::GetLastError());
}

int Win32FileSystem::SyncFolder(const std::string& folder) {
    // The rename was written through: the folder's entries are on the medium already. What is left to
    // tell is whether the folder is still there (a card pulled out meanwhile).
    const DWORD attributes = ::GetFileAttributesW(platform::ToWide(folder).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return Failed(::GetLastError());
    }
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? 0 : ENOTDIR;
}

int Win32FileSystem::Status(const std::string& path, EntryStatus& status) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(platform::ToWide(path).c_str(), GetFileExInfoStandard, &data)) {
        return Failed(::GetLastError());
    }
    const DWORD attributes = data.dwFileAttributes;
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        status.kind = EntryKind::kSymbolicLink;
    } else if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        status.kind = EntryKind::kFolder;
    } else if ((attributes & FILE_ATTRIBUTE_DEVICE) != 0) {
        status.kind = EntryKind::kOther;
    } else {
        status.kind = EntryKind::kRegularFile;
    }
    status.writable = (attributes & FILE_ATTRIBUTE_READONLY) == 0;
    return 0;
}

namespace platform {

std::unique_ptr<FileSystem> MakeSystemFileSystem() {
    return std::make_unique<Win32FileSystem>();
}

}  // namespace platform

FileSystem::WholeFile Win32FileSystem::ReadWholeFile(const std::string& path, std::uintmax_t limit) {
    return platform::ReadWholeRegularFile(path, limit);
}

}  // namespace corvane
