#include "platform/linux/posix_file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <utility>

#include "platform/system_file_system.h"

namespace corvane {
namespace {

// A failing call that left errno at 0 still has to read as a failure.
int LastError() {
    return errno != 0 ? errno : EIO;
}

}  // namespace

PosixFileSystem::~PosixFileSystem() {
    for (auto& [handle, file] : files_) {
        std::fclose(file);
    }
}

std::FILE* PosixFileSystem::Find(Handle handle) const {
    const auto it = files_.find(handle);
    return it == files_.end() ? nullptr : it->second;
}

int PosixFileSystem::Open(const std::string& path, Mode mode, Handle& handle) {
    std::FILE* file = nullptr;
    errno = 0;
    if (mode == Mode::kCreateNew) {
        // O_EXCL also refuses a symbolic link of that name; O_NOFOLLOW says so once more.
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0) {
            return LastError();
        }
        file = ::fdopen(fd, "wb");
        if (file == nullptr) {
            const int error = LastError();
            ::close(fd);
            ::unlink(path.c_str());
            return error;
        }
    } else {
        const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) {
            return LastError();
        }
        file = ::fdopen(fd, "rb");
        if (file == nullptr) {
            const int error = LastError();
            ::close(fd);
            return error;
        }
    }
    handle = next_++;
    files_[handle] = file;
    return 0;
}

FileSystem::IoResult PosixFileSystem::Write(Handle handle, std::span<const uint8_t> data) {
    std::FILE* file = Find(handle);
    if (file == nullptr) {
        return {0, EBADF};
    }
    errno = 0;
    const std::size_t count = std::fwrite(data.data(), 1, data.size(), file);
    if (count < data.size()) {
        return {count, LastError()};
    }
    return {count, 0};
}

int PosixFileSystem::Flush(Handle handle) {
    std::FILE* file = Find(handle);
    if (file == nullptr) {
        return EBADF;
    }
    errno = 0;
    return std::fflush(file) == 0 ? 0 : LastError();
}

int PosixFileSystem::Sync(Handle handle) {
    std::FILE* file = Find(handle);
    if (file == nullptr) {
        return EBADF;
    }
    errno = 0;
    return ::fsync(::fileno(file)) == 0 ? 0 : LastError();
}

int PosixFileSystem::Close(Handle handle) {
    const auto it = files_.find(handle);
    if (it == files_.end()) {
        return EBADF;
    }
    std::FILE* file = it->second;
    files_.erase(it);
    errno = 0;
    return std::fclose(file) == 0 ? 0 : LastError();
}

int PosixFileSystem::TryLock(Handle handle) {
    std::FILE* file = Find(handle);
    if (file == nullptr) {
        return EBADF;
    }
    errno = 0;
    return ::flock(::fileno(file), LOCK_EX | LOCK_NB) == 0 ? 0 : LastError();
}

int PosixFileSystem::ListFolder(const std::string& folder, std::vector<std::string>& names) {
    errno = 0;
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return LastError();
    }
    names.clear();
    while (true) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (entry == nullptr) {
            break;
        }
        const std::string name = entry->d_name;
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    }
    const int error = errno;
    ::closedir(dir);
    return error;
}

int PosixFileSystem::Rename(const std::string& from, const std::string& to) {
    errno = 0;
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : LastError();
}

int PosixFileSystem::Remove(const std::string& path) {
    // unlink, not remove(): a folder of that name must never be taken away.
    errno = 0;
    return ::unlink(path.c_str()) == 0 ? 0 : LastError();
}

int PosixFileSystem::SyncFolder(const std::string& folder) {
    errno = 0;
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return LastError();
    }
    errno = 0;
    int error = ::fsync(fd) == 0 ? 0 : LastError();
    // EINVAL: this file system cannot sync a folder at all; its entries are then as durable as it
    // makes them, which is no failure of ours.
    if (error == EINVAL) {
        error = 0;
    }
    if (::close(fd) != 0 && error == 0) {
        error = LastError();
    }
    return error;
}

int PosixFileSystem::Status(const std::string& path, EntryStatus& status) {
    struct stat info {};
    errno = 0;
    if (::lstat(path.c_str(), &info) != 0) {
        return LastError();
    }
    if (S_ISREG(info.st_mode)) {
        status.kind = EntryKind::kRegularFile;
    } else if (S_ISLNK(info.st_mode)) {
        status.kind = EntryKind::kSymbolicLink;
    } else if (S_ISDIR(info.st_mode)) {
        status.kind = EntryKind::kFolder;
    } else {
        status.kind = EntryKind::kOther;
    }
    status.writable = (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
    return 0;
}

namespace platform {

std::unique_ptr<FileSystem> MakeSystemFileSystem() {
    return std::make_unique<PosixFileSystem>();
}

}  // namespace platform

FileSystem::WholeFile PosixFileSystem::ReadWholeFile(const std::string& path, std::uintmax_t limit) {
    return platform::ReadWholeRegularFile(path, limit);
}

}  // namespace corvane
