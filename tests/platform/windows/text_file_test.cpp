// Replacing a text file (settings files) on Windows: the new bytes in one step, nothing left behind, and
// with passwords in it an access list for the user alone.

#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <memory>
#include <string>
#include <vector>

#include "platform/windows/utf16.h"
#include "support/test_folders.h"
#include "windows_files.h"
// After windows.h (windows_files.h).
#include <aclapi.h>

namespace corvane::platform {
namespace {

using namespace corvane::testing;

Bytes BytesOf(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

TEST(WindowsTextFile, ReplacesInOneStepUnderAnyName) {
    for (const std::string& name :
         {std::string("camera.toml"), std::string("相机设置.toml"), std::string("設定.toml")}) {
        SCOPED_TRACE(name);
        TempFolder folder;
        const std::string path = folder.File(name);
        ASSERT_EQ(ReplaceTextFile(path, "model = 1\n", false), 0);
        EXPECT_EQ(ReadBytes(path), BytesOf("model = 1\n"));
        ASSERT_EQ(ReplaceTextFile(path, "model = 2\n", false), 0);
        EXPECT_EQ(ReadBytes(path), BytesOf("model = 2\n"));
        // A leftover of an interrupted save is taken over.
        ASSERT_TRUE(WriteBytes(path + ".tmp", BytesOf("half")));
        ASSERT_EQ(ReplaceTextFile(path, "model = 3\n", false), 0);
        EXPECT_EQ(NamesIn(folder.path()), std::vector<std::string>{name});
    }
}

TEST(WindowsTextFile, AFailureKeepsTheOldFileAndLeavesNothing) {
    TempFolder folder;
    const std::string path = folder.File("camera.toml");
    ASSERT_TRUE(WriteBytes(path, BytesOf("old")));
    {
        // Another program has it open and allows no deletion: it cannot be replaced.
        HeldFile held(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
        ASSERT_TRUE(held.open());
        const int error = ReplaceTextFile(path, "new", false);
        EXPECT_TRUE(error == EACCES || error == EBUSY) << error;
    }
    EXPECT_EQ(ReadBytes(path), BytesOf("old"));
    EXPECT_EQ(NamesIn(folder.path()), std::vector<std::string>{"camera.toml"});

    // A folder in the temporary file's place is not removed and not written into.
    ASSERT_TRUE(MakeFolder(path + ".tmp"));
    EXPECT_EQ(ReplaceTextFile(path, "new", false), EEXIST);
    EXPECT_EQ(ReadBytes(path), BytesOf("old"));
    EXPECT_NE(AttributesOf(path + ".tmp") & FILE_ATTRIBUTE_DIRECTORY, 0u);

    EXPECT_EQ(ReplaceTextFile(folder.File("missing/camera.toml"), "new", false), ENOENT);
}

// The access list of `path`: whether it is protected from the folder's, and the users it names.
struct Access {
    bool read = false;
    bool isProtected = false;
    std::vector<std::string> users;
};

Access AccessOf(const std::string& path) {
    Access access;
    PACL acl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (::GetNamedSecurityInfoW(ToWide(path).c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                                nullptr, &acl, nullptr, &descriptor) != ERROR_SUCCESS) {
        return access;
    }
    access.read = acl != nullptr;
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    if (::GetSecurityDescriptorControl(descriptor, &control, &revision)) {
        access.isProtected = (control & SE_DACL_PROTECTED) != 0;
    }
    for (DWORD i = 0; acl != nullptr && i < acl->AceCount; ++i) {
        void* entry = nullptr;
        if (::GetAce(acl, i, &entry)) {
            auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(entry);
            wchar_t name[256];
            DWORD nameSize = 256;
            wchar_t domain[256];
            DWORD domainSize = 256;
            SID_NAME_USE use;
            if (::LookupAccountSidW(nullptr, &allowed->SidStart, name, &nameSize, domain, &domainSize,
                                    &use)) {
                access.users.push_back(FromWide(name));
            } else {
                access.users.push_back("?");
            }
        }
    }
    ::LocalFree(descriptor);
    return access;
}

std::string CurrentUser() {
    wchar_t name[256];
    DWORD size = 256;
    return ::GetUserNameW(name, &size) ? FromWide(name) : std::string();
}

// Wine answers every file's access list with one of its own making and keeps none that a program sets.
bool UnderWine() {
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

TEST(WindowsTextFile, WithPasswordsOnlyItsUserHasAccess) {
    if (UnderWine()) {
        GTEST_SKIP() << "Wine keeps no access lists of files";
    }
    TempFolder folder;
    const std::string secret = folder.File("secret.toml");
    ASSERT_EQ(ReplaceTextFile(secret, "password = \"x\"\n", true), 0);
    EXPECT_EQ(ReadBytes(secret), BytesOf("password = \"x\"\n"));
    const Access access = AccessOf(secret);
    ASSERT_TRUE(access.read) << "no access list on " << secret;
    EXPECT_TRUE(access.isProtected);
    EXPECT_EQ(access.users, std::vector<std::string>{CurrentUser()});

    // Without passwords the file takes its folder's access list as any new file does.
    const std::string plain = folder.File("plain.toml");
    ASSERT_EQ(ReplaceTextFile(plain, "model = 1\n", false), 0);
    EXPECT_FALSE(AccessOf(plain).isProtected);
}

}  // namespace
}  // namespace corvane::platform
