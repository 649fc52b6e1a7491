#include "platform/text_file.h"

#include <windows.h>

#include <cerrno>

#include "platform/windows/move_file.h"
#include "platform/windows/owner_only.h"
#include "platform/windows/system_error.h"
#include "platform/windows/utf16.h"

namespace corvane::platform {
namespace {

int LastError() {
    const int error = ErrnoFromWindowsError(::GetLastError());
    return error != 0 ? error : EIO;
}

}  // namespace

int ReplaceTextFile(const std::string& path, std::string_view bytes, bool ownerOnly) {
    const std::wstring target = ToWide(path);
    const std::wstring temporary = target + L".tmp";
    // A temporary file of an earlier, interrupted save is a regular file of ours; anything else (a link,
    // a folder) is not removed by DeleteFileW and then refused by CREATE_NEW below.
    const DWORD attributes = ::GetFileAttributesW(temporary.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
        ::DeleteFileW(temporary.c_str());
    }
    // With `ownerOnly` the file is the user's alone from its first moment: its access list does not come
    // from the folder, which may be shared.
    OwnerOnlySecurity ownerOnlySecurity;
    if (ownerOnly && !ownerOnlySecurity.valid()) {
        return EACCES;
    }
    HANDLE file = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0,
                                ownerOnly ? ownerOnlySecurity.attributes() : nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return LastError();
    }
    int error = 0;
    for (std::size_t done = 0; done < bytes.size() && error == 0;) {
        const std::size_t left = bytes.size() - done;
        const DWORD ask = left > 0x10000000 ? 0x10000000 : static_cast<DWORD>(left);
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data() + done, ask, &written, nullptr)) {
            error = LastError();
        } else if (written == 0) {
            error = EIO;
        }
        done += written;
    }
    if (error == 0 && !::FlushFileBuffers(file)) {
        error = LastError();
    }
    if (!::CloseHandle(file) && error == 0) {
        error = LastError();
    }
    if (error == 0 && !::MoveFileExW(temporary.c_str(), target.c_str(),
                                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = LastError();
    }
    if (error != 0) {
        ::DeleteFileW(temporary.c_str());
    }
    return error;
}

}  // namespace corvane::platform
