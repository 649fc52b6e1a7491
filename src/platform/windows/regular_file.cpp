#include "platform/regular_file.h"

#include <windows.h>

#include <cerrno>

#include "platform/windows/system_error.h"
#include "platform/windows/utf16.h"

namespace corvane::platform {
namespace {

void Fail(RegularFile& file, DWORD code) {
    file.error = ErrnoFromWindowsError(code);
    file.reason = WindowsErrorText(code);
}

// Closes the handle on every way out.
class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (valid()) {
            ::CloseHandle(handle_);
        }
    }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

  private:
    HANDLE handle_;
};

}  // namespace

RegularFile ReadRegularFile(const std::string& path, std::uintmax_t limit) {
    RegularFile file;
    // A link or junction is opened as itself (and then refused below), never followed. Others may go on
    // reading, writing or renaming the file meanwhile, as with an open file on Linux.
    const FileHandle handle(::CreateFileW(
        ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!handle.valid()) {
        const DWORD code = ::GetLastError();
        const DWORD attributes = ::GetFileAttributesW(ToWide(path).c_str());
        if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) {
            file.outcome = RegularFile::Outcome::kMissing;
        } else if (code == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES &&
                   (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            // A folder does not open as a file at all.
            file.outcome = RegularFile::Outcome::kNotRegular;
        } else {
            Fail(file, code);
        }
        return file;
    }
    // Pipes, consoles and devices are never read.
    if (::GetFileType(handle.get()) != FILE_TYPE_DISK) {
        file.outcome = RegularFile::Outcome::kNotRegular;
        return file;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(handle.get(), &info)) {
        Fail(file, ::GetLastError());
        return file;
    }
    if ((info.dwFileAttributes &
         (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE)) != 0) {
        file.outcome = RegularFile::Outcome::kNotRegular;
        return file;
    }
    file.size = (static_cast<std::uintmax_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    if (file.size > limit) {
        file.outcome = RegularFile::Outcome::kTooLong;
        return file;
    }
    file.bytes.resize(static_cast<std::size_t>(file.size) + 1);
    std::size_t filled = 0;
    while (filled < file.bytes.size()) {
        const std::size_t left = file.bytes.size() - filled;
        const DWORD ask = left > 0x10000000 ? 0x10000000 : static_cast<DWORD>(left);
        DWORD count = 0;
        if (!::ReadFile(handle.get(), file.bytes.data() + filled, ask, &count, nullptr)) {
            Fail(file, ::GetLastError());
            file.bytes.clear();
            return file;
        }
        if (count == 0) {
            break;
        }
        filled += count;
    }
    file.bytes.resize(filled);
    file.outcome = RegularFile::Outcome::kRead;
    return file;
}

}  // namespace corvane::platform
