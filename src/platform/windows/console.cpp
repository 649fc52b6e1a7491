#include "platform/console.h"

#include <windows.h>
// After windows.h, which they build on.
#include <aclapi.h>
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>

#include "platform/windows/owner_only.h"
#include "platform/windows/utf16.h"

namespace corvane::platform {

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (wide == nullptr) {
        return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
    }
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) {
        arguments.push_back(FromWide(wide[i]));
    }
    ::LocalFree(wide);
    return arguments;
}

namespace {

UINT consoleCodePageBefore = 0;

// The console belongs to the shell the program was started from: it gets its code page back.
void RestoreConsoleCodePage() {
    std::fflush(stdout);
    std::fflush(stderr);
    ::SetConsoleOutputCP(consoleCodePageBefore);
}

}  // namespace

void UseUtf8Output() {
    consoleCodePageBefore = ::GetConsoleOutputCP();
    if (consoleCodePageBefore != 0 && consoleCodePageBefore != CP_UTF8 && ::SetConsoleOutputCP(CP_UTF8)) {
        std::atexit(RestoreConsoleCodePage);
    }
    std::fflush(stdout);
    std::fflush(stderr);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

bool RestrictOutputFileToOwner() {
    HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if (output == nullptr || output == INVALID_HANDLE_VALUE || ::GetFileType(output) != FILE_TYPE_DISK) {
        return true;
    }
    // The shell opened the file for writing only; a second handle to the same file may change its DACL.
    HANDLE file = ::ReOpenFile(output, WRITE_DAC | READ_CONTROL,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, 0);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const OwnerOnlySecurity ownerOnly;
    const bool done = ownerOnly.valid() &&
                      ::SetSecurityInfo(file, SE_FILE_OBJECT,
                                        DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                                        nullptr, nullptr, ownerOnly.acl(), nullptr) == ERROR_SUCCESS;
    ::CloseHandle(file);
    return done;
}

}  // namespace corvane::platform
