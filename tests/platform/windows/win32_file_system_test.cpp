// The write sequences on Windows' own file system: read-only targets, another program's handles, folders
// and links in the way, Chinese and Japanese names. The bytes are those of the Linux tests' golden files.

#include "platform/windows/win32_file_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "core/files/write_sequence.h"
#include "core/l10n/language.h"
#include "support/test_folders.h"
#include "support/write_sequences.h"
#include "windows_files.h"

namespace corvane {
namespace {

using namespace corvane::testing;

// A read-only target stays as it is, with its attribute, and the message names it; without the attribute
// it is replaced.
TEST(WindowsWriteSequence, ReadOnlyTargetIsKeptAndNamed) {
    struct Protection {
        DWORD attributes;
        bool replaced;
    };
    const Protection protections[] = {{FILE_ATTRIBUTE_NORMAL, true},
                                      {FILE_ATTRIBUTE_READONLY, false},
                                      {FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE, false},
                                      {FILE_ATTRIBUTE_ARCHIVE, true}};
    for (const Sequence& s : Sequences()) {
        for (const Protection& p : protections) {
            SCOPED_TRACE(std::string(s.name) + ", attributes " + std::to_string(p.attributes));
            TempFolder folder;
            const std::string target = folder.File(s.finalName);
            ASSERT_TRUE(WriteBytes(target, PreviousFile(720)));
            ASSERT_TRUE(SetAttributes(target, p.attributes));
            Win32FileSystem fs;
            const WriteResult result = s.run(fs, folder.path());
            EXPECT_EQ(NamesIn(folder.path()), std::vector<std::string>{s.finalName});
            if (p.replaced) {
                EXPECT_TRUE(result.ok);
                EXPECT_EQ(ReadBytes(target), s.expected());
                continue;
            }
            EXPECT_FALSE(result.ok);
            ASSERT_TRUE(result.failure);
            EXPECT_EQ(result.failure->cause, WriteFailure::Cause::kTargetWriteProtected);
            EXPECT_EQ(ReadBytes(target), PreviousFile(720));
            EXPECT_NE(AttributesOf(target) & FILE_ATTRIBUTE_READONLY, 0u);
            EXPECT_EQ(DescribeWriteFailure(*result.failure, kEnglish),
                      "The file " + target +
                          " is write-protected and was left as it is; nothing was written. Remove its write "
                          "protection to replace it.");
            ASSERT_TRUE(SetAttributes(target, FILE_ATTRIBUTE_NORMAL));  // so that the folder can go
        }
    }
}

// Real conditions that make one step fail: the result names the step, the target and the system's reason;
// the target is as it was and no temporary file is left behind.
TEST(WindowsWriteSequence, AFailingStepNamesTheFileAndKeepsThePreviousOne) {
    struct Condition {
        const char* name;
        // Prepares the folder; returns the folder to write into. May hold a handle in `held`.
        std::function<std::string(const TempFolder&, const std::string& finalName,
                                  std::unique_ptr<HeldFile>& held)>
            make;
        const char* operation;
        std::vector<int> errors;  // any of these
        bool previousFile;        // a previous target file to keep
    };
    const std::vector<Condition> conditions = {
        {"folder does not exist",
         [](const TempFolder& t, const std::string&, std::unique_ptr<HeldFile>&) {
             return t.File("missing");
         },
         "list",
         {ENOENT},
         false},
        {"parent of the folder does not exist",
         [](const TempFolder& t, const std::string&, std::unique_ptr<HeldFile>&) {
             return t.File("missing/sub");
         },
         "list",
         {ENOENT},
         false},
        {"target is held open by a program that allows no deletion",
         [](const TempFolder& t, const std::string& finalName, std::unique_ptr<HeldFile>& held) {
             WriteBytes(t.File(finalName), PreviousFile(720));
             held = std::make_unique<HeldFile>(t.File(finalName), GENERIC_READ,
                                               FILE_SHARE_READ | FILE_SHARE_WRITE);
             return t.path();
         },
         "rename",
         {EACCES, EBUSY},
         true},
        {"target is a folder",
         [](const TempFolder& t, const std::string& finalName, std::unique_ptr<HeldFile>&) {
             MakeFolder(t.File(finalName));
             return t.path();
         },
         "rename",
         {EISDIR, EACCES, EEXIST},
         false},
    };
    for (const Sequence& s : Sequences()) {
        for (const Condition& c : conditions) {
            SCOPED_TRACE(std::string(s.name) + ", " + c.name);
            TempFolder root;
            std::unique_ptr<HeldFile> held;
            const std::string folder = c.make(root, s.finalName, held);
            if (held) {
                ASSERT_TRUE(held->open());
            }
            const auto before = NamesIn(root.path());
            Win32FileSystem fs;
            const WriteResult result = s.run(fs, folder);
            EXPECT_FALSE(result.ok);
            ASSERT_TRUE(result.failure);
            EXPECT_EQ(result.failure->operation, c.operation);
            EXPECT_NE(std::find(c.errors.begin(), c.errors.end(), result.failure->error), c.errors.end())
                << result.failure->error;
            const std::string target = folder + "/" + s.finalName;
            EXPECT_EQ(result.failure->target, target);
            // The reason is Windows' own sentence for what happened, not a stand-in.
            const std::string& reason = result.failure->reason;
            EXPECT_FALSE(reason.empty());
            EXPECT_EQ(reason.rfind("Windows error", 0), std::string::npos) << reason;
            const std::string detail = result.failure->operation +
                                       (result.failure->path != target ? " " + result.failure->path : "");
            EXPECT_EQ(DescribeWriteFailure(*result.failure, kEnglish),
                      "The file " + target + " could not be written: " + reason + " (" + detail + ").");
            EXPECT_EQ(NamesIn(root.path()), before);
            if (c.previousFile) {
                held.reset();
                EXPECT_EQ(ReadBytes(target), PreviousFile(720));
            }
        }
    }
}

// A folder or a link under a temporary name is refused and left alone, as on Linux; the file a link points
// to is never written.
void CheckItemInPlaceOfTheTemporaryFileIsRefused(bool link) {
    for (const Sequence& s : Sequences()) {
        {
            SCOPED_TRACE(std::string(s.name) + (link ? ", link" : ", folder"));
            TempFolder folder;
            TempFolder elsewhere;
            const std::string victim = elsewhere.File("victim");
            ASSERT_TRUE(WriteBytes(victim, Bytes(100, 0x77)));
            const std::string temporary = folder.File(s.finalName + ".0123abcd.tmp");
            if (link) {
                DWORD error = 0;
                if (!MakeSymbolicLink(temporary, victim, false, error)) {
                    GTEST_SKIP() << "no symbolic links here (error " << error << ")";
                }
            } else {
                ASSERT_TRUE(MakeFolder(temporary));
            }
            ASSERT_TRUE(WriteBytes(folder.File(s.finalName), PreviousFile(720)));
            Win32FileSystem fs;
            const WriteResult result = s.run(fs, folder.path());
            EXPECT_FALSE(result.ok);
            ASSERT_TRUE(result.failure);
            EXPECT_EQ(result.failure->cause, WriteFailure::Cause::kNameInTheWay);
            EXPECT_EQ(result.failure->path, temporary);
            EXPECT_EQ(ReadBytes(victim), Bytes(100, 0x77));
            EXPECT_EQ(ReadBytes(folder.File(s.finalName)), PreviousFile(720));
        }
    }
}

TEST(WindowsWriteSequence, FolderInPlaceOfTheTemporaryFileIsRefused) {
    CheckItemInPlaceOfTheTemporaryFileIsRefused(false);
}

TEST(WindowsWriteSequence, LinkInPlaceOfTheTemporaryFileIsRefused) {
    CheckItemInPlaceOfTheTemporaryFileIsRefused(true);
}

// A target that is a link is replaced by the new file itself: the file it pointed to keeps its bytes.
TEST(WindowsWriteSequence, LinkAsTargetIsReplacedNotWrittenThrough) {
    for (const Sequence& s : Sequences()) {
        SCOPED_TRACE(s.name);
        TempFolder folder;
        TempFolder elsewhere;
        const std::string victim = elsewhere.File("victim");
        ASSERT_TRUE(WriteBytes(victim, Bytes(100, 0x77)));
        DWORD error = 0;
        if (!MakeSymbolicLink(folder.File(s.finalName), victim, false, error)) {
            GTEST_SKIP() << "no symbolic links here (error " << error << ")";
        }
        Win32FileSystem fs;
        ASSERT_TRUE(s.run(fs, folder.path()).ok);
        EXPECT_EQ(AttributesOf(folder.File(s.finalName)) & FILE_ATTRIBUTE_REPARSE_POINT, 0u);
        EXPECT_EQ(ReadBytes(folder.File(s.finalName)), s.expected());
        EXPECT_EQ(ReadBytes(victim), Bytes(100, 0x77));
    }
}

// The temporary file of a write in progress (its lock held through another handle) is left alone; once
// that handle is gone the next write removes it.
TEST(WindowsWriteSequence, TemporaryFileOfAWriteInProgressIsLeftAlone) {
    for (const Sequence& s : Sequences()) {
        SCOPED_TRACE(s.name);
        TempFolder folder;
        const std::string busy = s.finalName + ".89abcdef.tmp";
        ASSERT_TRUE(WriteBytes(folder.File(busy), Bytes(30, 0x44)));
        Win32FileSystem other;
        FileSystem::Handle held = 0;
        ASSERT_EQ(other.Open(folder.File(busy), FileSystem::Mode::kExamine, held), 0);
        ASSERT_EQ(other.TryLock(held), 0);
        Win32FileSystem fs;
        ASSERT_TRUE(s.run(fs, folder.path()).ok);
        EXPECT_EQ(ReadBytes(folder.File(busy)), Bytes(30, 0x44));
        EXPECT_EQ(ReadBytes(folder.File(s.finalName)), s.expected());
        EXPECT_EQ(NamesIn(folder.path()), (std::vector<std::string>{s.finalName, busy}));
        // A second locker is refused while the first holds it.
        FileSystem::Handle second = 0;
        ASSERT_EQ(fs.Open(folder.File(busy), FileSystem::Mode::kExamine, second), 0);
        EXPECT_EQ(fs.TryLock(second), EWOULDBLOCK);
        EXPECT_EQ(fs.Close(second), 0);

        ASSERT_EQ(other.Close(held), 0);
        ASSERT_TRUE(s.run(fs, folder.path()).ok);
        EXPECT_EQ(NamesIn(folder.path()), std::vector<std::string>{s.finalName});
    }
}

// Chinese and Japanese folder names: the files land under those names with the golden bytes, and the
// names read back as they were given.
TEST(WindowsWriteSequence, ChineseAndJapaneseFolderNamesHoldTheGoldenBytes) {
    for (const std::string& name :
         {std::string("相机设置"), std::string("カメラ設定"), std::string("カード 中文 ü")}) {
        for (const Sequence& s : Sequences()) {
            SCOPED_TRACE(std::string(s.name) + ", " + name);
            TempFolder root;
            const std::string folder = root.File(name);
            ASSERT_TRUE(MakeFolder(folder));
            ASSERT_TRUE(WriteBytes(folder + "/" + s.finalName, PreviousFile(720)));
            Win32FileSystem fs;
            ASSERT_TRUE(s.run(fs, folder).ok);
            EXPECT_EQ(NamesIn(root.path()), std::vector<std::string>{name});
            EXPECT_EQ(ReadBytes(folder + "/" + s.finalName), s.expected());
            std::vector<std::string> listed;
            ASSERT_EQ(fs.ListFolder(folder, listed), 0);
            EXPECT_EQ(listed, std::vector<std::string>{s.finalName});
            const FileSystem::WholeFile read = fs.ReadWholeFile(folder + "/" + s.finalName, 4096);
            EXPECT_EQ(read.outcome, FileSystem::WholeFile::Outcome::kRead);
            EXPECT_EQ(read.bytes, s.expected());
        }
    }
}

// What Status tells the core about each kind of entry, and a missing one.
TEST(WindowsFileSystem, StatusTellsKindAndWritability) {
    TempFolder folder;
    ASSERT_TRUE(WriteBytes(folder.File("plain"), {1}));
    ASSERT_TRUE(WriteBytes(folder.File("locked"), {1}));
    ASSERT_TRUE(SetAttributes(folder.File("locked"), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(MakeFolder(folder.File("sub")));
    Win32FileSystem fs;
    FileSystem::EntryStatus status;
    ASSERT_EQ(fs.Status(folder.File("plain"), status), 0);
    EXPECT_EQ(status.kind, FileSystem::EntryKind::kRegularFile);
    EXPECT_TRUE(status.writable);
    ASSERT_EQ(fs.Status(folder.File("locked"), status), 0);
    EXPECT_EQ(status.kind, FileSystem::EntryKind::kRegularFile);
    EXPECT_FALSE(status.writable);
    ASSERT_EQ(fs.Status(folder.File("sub"), status), 0);
    EXPECT_EQ(status.kind, FileSystem::EntryKind::kFolder);
    EXPECT_EQ(fs.Status(folder.File("none"), status), ENOENT);
    EXPECT_EQ(fs.Status(folder.File("none/deeper"), status), ENOENT);
    DWORD error = 0;
    if (!MakeSymbolicLink(folder.File("link"), folder.File("plain"), false, error)) {
        std::cout << "no symbolic links here (error " << error << "): links not looked at\n";
    } else {
        ASSERT_EQ(fs.Status(folder.File("link"), status), 0);
        EXPECT_EQ(status.kind, FileSystem::EntryKind::kSymbolicLink);
    }
    ASSERT_TRUE(SetAttributes(folder.File("locked"), FILE_ATTRIBUTE_NORMAL));
}

// Creating new never opens what is there: a file, a folder or a link of that name gives EEXIST.
TEST(WindowsFileSystem, CreateNewRefusesEveryExistingName) {
    TempFolder folder;
    ASSERT_TRUE(WriteBytes(folder.File("file"), {1, 2}));
    ASSERT_TRUE(MakeFolder(folder.File("folder")));
    std::vector<std::string> names = {"file", "folder"};
    DWORD error = 0;
    if (MakeSymbolicLink(folder.File("dangling"), folder.File("nowhere"), false, error)) {
        names.push_back("dangling");
    } else {
        std::cout << "no symbolic links here (error " << error << "): links not looked at\n";
    }
    Win32FileSystem fs;
    for (const std::string& name : names) {
        FileSystem::Handle handle = 0;
        EXPECT_EQ(fs.Open(folder.File(name), FileSystem::Mode::kCreateNew, handle), EEXIST) << name;
    }
    EXPECT_EQ(ReadBytes(folder.File("file")), (Bytes{1, 2}));
    EXPECT_EQ(AttributesOf(folder.File("nowhere")), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace corvane
