#include "platform/console.h"

#include <windows.h>
// After windows.h, which they build on.
#include <aclapi.h>
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <memory>

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

void UseUtf8Output() {
    ::SetConsoleOutputCP(CP_UTF8);
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
    bool done = false;
    HANDLE token = nullptr;
    if (::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) {
        DWORD size = 0;
        ::GetTokenInformation(token, TokenUser, nullptr, 0, &size);
        auto buffer = std::make_unique<unsigned char[]>(size);
        if (size != 0 && ::GetTokenInformation(token, TokenUser, buffer.get(), size, &size)) {
            auto* user = reinterpret_cast<TOKEN_USER*>(buffer.get());
            // One entry, the owner's full access, and none inherited from the folder.
            EXPLICIT_ACCESSW access{};
            access.grfAccessPermissions = GENERIC_ALL;
            access.grfAccessMode = SET_ACCESS;
            access.grfInheritance = NO_INHERITANCE;
            access.Trustee.TrusteeForm = TRUSTEE_IS_SID;
            access.Trustee.TrusteeType = TRUSTEE_IS_USER;
            access.Trustee.ptstrName = static_cast<LPWSTR>(user->User.Sid);
            PACL acl = nullptr;
            if (::SetEntriesInAclW(1, &access, nullptr, &acl) == ERROR_SUCCESS) {
                done = ::SetSecurityInfo(file, SE_FILE_OBJECT,
                                         DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                                         nullptr, nullptr, acl, nullptr) == ERROR_SUCCESS;
                ::LocalFree(acl);
            }
        }
        ::CloseHandle(token);
    }
    ::CloseHandle(file);
    return done;
}

}  // namespace corvane::platform
