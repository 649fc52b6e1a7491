// Reading a whole file on Windows: only a regular disk file is read; links, folders and devices are not,
// and a file that does not open says why in the system's words.

#include "platform/regular_file.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/windows/system_error.h"
#include "support/test_folders.h"
#include "windows_files.h"

namespace corvane::platform {
namespace {

using namespace corvane::testing;
using Outcome = RegularFile::Outcome;

TEST(WindowsRegularFile, ReadsOnlyARegularFileWithinTheLimit) {
    TempFolder t;
    ASSERT_TRUE(WriteBytes(t.File("menu.dat"), Bytes(60, 0x11)));
    ASSERT_TRUE(WriteBytes(t.File("設定.dat"), Bytes(60, 0x22)));
    ASSERT_TRUE(MakeFolder(t.File("folder")));
    struct Case {
        std::string path;
        std::uintmax_t limit;
        Outcome outcome;
        Bytes bytes;
    };
    const Case cases[] = {
        {t.File("menu.dat"), 60, Outcome::kRead, Bytes(60, 0x11)},
        {t.File("設定.dat"), 100, Outcome::kRead, Bytes(60, 0x22)},
        {t.File("menu.dat"), 59, Outcome::kTooLong, {}},
        {t.File("missing.dat"), 100, Outcome::kMissing, {}},
        {t.File("missing/menu.dat"), 100, Outcome::kMissing, {}},
        {t.File("folder"), 100, Outcome::kNotRegular, {}},
        {"NUL", 100, Outcome::kNotRegular, {}},
    };
    for (const Case& c : cases) {
        const RegularFile file = ReadRegularFile(c.path, c.limit);
        EXPECT_EQ(file.outcome, c.outcome) << c.path << ": " << file.reason;
        EXPECT_EQ(file.bytes, c.bytes) << c.path;
    }
    EXPECT_EQ(ReadRegularFile(t.File("menu.dat"), 59).size, 60u);
}

TEST(WindowsRegularFile, LinkIsNeverFollowed) {
    TempFolder t;
    ASSERT_TRUE(WriteBytes(t.File("real.dat"), Bytes(60, 0x11)));
    DWORD error = 0;
    if (!MakeSymbolicLink(t.File("menu.dat"), t.File("real.dat"), false, error)) {
        GTEST_SKIP() << "no symbolic links here (error " << error << ")";
    }
    const RegularFile file = ReadRegularFile(t.File("menu.dat"), 100);
    EXPECT_EQ(file.outcome, Outcome::kNotRegular);
    EXPECT_TRUE(file.bytes.empty());
}

// A file another program holds without sharing cannot be read: the reason is the system's own sentence.
TEST(WindowsRegularFile, AFileThatDoesNotOpenGivesTheSystemsReason) {
    TempFolder t;
    ASSERT_TRUE(WriteBytes(t.File("menu.dat"), Bytes(60, 0x11)));
    HeldFile held(t.File("menu.dat"), GENERIC_READ | GENERIC_WRITE, 0);
    ASSERT_TRUE(held.open());
    const RegularFile file = ReadRegularFile(t.File("menu.dat"), 100);
    EXPECT_EQ(file.outcome, Outcome::kFailed);
    EXPECT_EQ(file.reason, WindowsErrorText(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(file.reason.rfind("Windows error", 0), std::string::npos) << file.reason;
    EXPECT_FALSE(file.reason.empty());
    EXPECT_NE(file.reason.back(), '\n');
}

TEST(WindowsSystemError, CodesMapToTheCoresErrnoValues) {
    const std::pair<DWORD, int> cases[] = {
        {ERROR_FILE_NOT_FOUND, ENOENT},
        {ERROR_PATH_NOT_FOUND, ENOENT},
        {ERROR_FILE_EXISTS, EEXIST},
        {ERROR_ALREADY_EXISTS, EEXIST},
        {ERROR_ACCESS_DENIED, EACCES},
        {ERROR_WRITE_PROTECT, EROFS},
        {ERROR_DISK_FULL, ENOSPC},
        {ERROR_HANDLE_DISK_FULL, ENOSPC},
        {ERROR_LOCK_VIOLATION, EWOULDBLOCK},
        {ERROR_NOT_READY, ENODEV},
        {ERROR_SUCCESS, 0},
        {ERROR_CRC, EIO},
    };
    for (const auto& [code, error] : cases) {
        EXPECT_EQ(ErrnoFromWindowsError(code), error) << code;
    }
}

}  // namespace
}  // namespace corvane::platform
