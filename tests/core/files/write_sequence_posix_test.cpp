#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/files/write_sequence.h"
#include "core/l10n/language.h"
#include "platform/linux/posix_file_system.h"
#include "support/child_process.h"
#include "support/test_folders.h"
#include "support/tmpfs_mount.h"
#include "support/write_sequences.h"

// The write sequences against what Linux file systems have: permission bits, symbolic and hard links,
// flock, read-only and full mounts, long paths.

namespace corvane {
namespace {

using namespace corvane::testing;

TEST(WriteSequence, LongFolderPathsAreNotCutShort) {
    TempFolder folder;
    std::string deep = folder.path();
    while (deep.size() < 600) {
        deep += "/a-rather-long-folder-name-on-the-memory-card";
    }
    ASSERT_TRUE(std::filesystem::create_directories(deep));
    PosixFileSystem fs;
    ASSERT_TRUE(WriteMessageFile(fs, deep, "smtp.dat", PatternRecords(), 15).ok);
    EXPECT_EQ(ReadBytes(deep + "/smtp.dat"), Golden("message_file_k15.dat"));
    EXPECT_EQ(NamesIn(deep), std::vector<std::string>{"smtp.dat"});
}

struct UnwritableFolder {
    const char* name;
    std::function<std::string(const TempFolder&)> make;  // returns the folder to write into
    int error;
    const char* operation;  // the first step that meets the fault: a look at the final name already
                            // fails when the path cannot be resolved at all, the listing of the folder's
                            // names when only the folder is missing
};

TEST(WriteSequence, UnwritableFoldersGiveTheSystemReasonAndCreateNothing) {
    const std::vector<UnwritableFolder> cases = {
        {"folder does not exist", [](const TempFolder& t) { return t.File("missing"); }, ENOENT, "list"},
        {"parent of the folder does not exist", [](const TempFolder& t) { return t.File("missing/sub"); },
         ENOENT, "list"},
        {"path longer than the system takes",
         [](const TempFolder& t) { return t.File(std::string(5000, 'd')); }, ENAMETOOLONG, "status"},
        {"folder is a regular file",
         [](const TempFolder& t) {
             WriteBytes(t.File("plain-file"), {1, 2, 3});
             return t.File("plain-file");
         },
         ENOTDIR, "status"},
    };
    for (const UnwritableFolder& c : cases) {
        for (const Sequence& s : Sequences()) {
            TempFolder root;
            const std::string folder = c.make(root);
            const auto before = NamesIn(root.path());
            PosixFileSystem fs;
            const WriteResult result = s.run(fs, folder);
            EXPECT_FALSE(result.ok) << c.name << ", " << s.name;
            ASSERT_TRUE(result.failure) << c.name << ", " << s.name;
            EXPECT_EQ(result.failure->operation, c.operation) << c.name << ", " << s.name;
            EXPECT_EQ(result.failure->error, c.error) << c.name << ", " << s.name;
            EXPECT_EQ(result.failure->target, folder + "/" + s.finalName);
            EXPECT_EQ(NamesIn(root.path()), before) << c.name << ", " << s.name;
        }
    }
}

TEST(WriteSequence, ReadOnlyMediumKeepsThePreviousFile) {
    for (const Sequence& s : Sequences()) {
        TmpfsMount medium("size=256k");
        if (!medium.mounted()) {
            GTEST_SKIP() << medium.reason();
        }
        ASSERT_TRUE(WriteBytes(medium.path() + "/" + s.finalName, PreviousFile(720)));
        if (!medium.MakeReadOnly()) {
            GTEST_SKIP() << medium.reason();
        }
        PosixFileSystem fs;
        const WriteResult result = s.run(fs, medium.path());
        EXPECT_FALSE(result.ok) << s.name;
        ASSERT_TRUE(result.failure) << s.name;
        EXPECT_EQ(result.failure->error, EROFS) << s.name;
        EXPECT_EQ(ReadBytes(medium.path() + "/" + s.finalName), PreviousFile(720)) << s.name;
        EXPECT_EQ(NamesIn(medium.path()), std::vector<std::string>{s.finalName}) << s.name;
    }
}

TEST(WriteSequence, FullMediumIsReportedAndKeepsThePreviousFile) {
    for (const Sequence& s : Sequences()) {
        TmpfsMount medium("size=64k");
        if (!medium.mounted()) {
            GTEST_SKIP() << medium.reason();
        }
        ASSERT_TRUE(WriteBytes(medium.path() + "/" + s.finalName, PreviousFile(720)));
        ASSERT_GT(medium.Fill("filler"), 0u);
        PosixFileSystem fs;
        const WriteResult result = s.run(fs, medium.path());
        EXPECT_FALSE(result.ok) << s.name;
        ASSERT_TRUE(result.failure) << s.name;
        EXPECT_EQ(result.failure->error, ENOSPC) << s.name << ": " << result.failure->operation;
        EXPECT_EQ(ReadBytes(medium.path() + "/" + s.finalName), PreviousFile(720)) << s.name;
        EXPECT_EQ(NamesIn(medium.path()), (std::vector<std::string>{"filler", s.finalName})) << s.name;
    }
}

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// A final file without any write permission bit is kept with its bytes and mode, whoever runs the
// program (root included), and the message names it; one bit is enough to replace it.
TEST(WriteSequence, WriteProtectedFileIsLeftAsItIsAndNamed) {
    struct Protection {
        mode_t mode;
        bool replaced;
    };
    for (const Sequence& s : Sequences()) {
        for (const Protection p : {Protection{0444, false}, Protection{0555, false}, Protection{0400, false},
                                   Protection{0000, false}, Protection{0464, true}, Protection{0644, true}}) {
            SCOPED_TRACE(std::string(s.name) + ", mode " + std::to_string(p.mode));
            TempFolder folder;
            const std::string target = folder.File(s.finalName);
            ASSERT_TRUE(WriteBytes(target, PreviousFile(720)));
            ASSERT_EQ(::chmod(target.c_str(), p.mode), 0);
            PosixFileSystem fs;
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
            EXPECT_EQ(result.failure->target, target);
            EXPECT_EQ(ReadBytes(target), PreviousFile(720));
            EXPECT_EQ(ModeOf(target), p.mode);
            EXPECT_EQ(DescribeWriteFailure(*result.failure, kEnglish),
                      "The file " + target +
                          " is write-protected and was left as it is; nothing was written. Remove its write "
                          "protection to replace it.");
            EXPECT_EQ(DescribeWriteFailure(*result.failure, kChinese),
                      "文件 " + target +
                          " 处于写保护状态，已保持原样，未写入任何内容。如需替换，请先取消它的写保护。");
        }
    }
}

// Someone else's file, outside the output folder, that links in the folder point to.
struct Victim {
    TempFolder elsewhere;
    std::string path = elsewhere.File("victim");
    Bytes bytes = Bytes(100, 0x77);
    Victim() { WriteBytes(path, bytes); }
    bool Untouched() const { return ReadBytes(path) == bytes && ModeOf(path) != 0; }
};

// A link, a folder or any other item under a temporary name (of earlier versions, or of this one) is
// refused and left alone: the file it points to is never written, and the message names it.
TEST(WriteSequence, ItemInPlaceOfTheTemporaryFileIsRefusedAndNeverWrittenThrough) {
    struct InTheWay {
        const char* name;
        std::function<void(const std::string& at, const Victim& victim)> place;
    };
    const std::vector<InTheWay> cases = {
        {"link to another file",
         [](const std::string& at, const Victim& v) { ASSERT_EQ(::symlink(v.path.c_str(), at.c_str()), 0); }},
        {"dangling link",
         [](const std::string& at, const Victim& v) {
             ASSERT_EQ(::symlink((v.path + "-new").c_str(), at.c_str()), 0);
         }},
        {"folder", [](const std::string& at, const Victim&) { ASSERT_EQ(::mkdir(at.c_str(), 0755), 0); }},
    };
    for (const Sequence& s : Sequences()) {
        for (const InTheWay& c : cases) {
            for (const std::string& tmpName : {s.finalName + ".tmp", s.finalName + ".0123abcd.tmp"}) {
                SCOPED_TRACE(std::string(s.name) + ", " + c.name + ", " + tmpName);
                TempFolder folder;
                Victim victim;
                const std::string target = folder.File(s.finalName);
                const std::string temporary = folder.File(tmpName);
                ASSERT_TRUE(WriteBytes(target, PreviousFile(720)));
                c.place(temporary, victim);
                PosixFileSystem fs;
                const WriteResult result = s.run(fs, folder.path());
                EXPECT_FALSE(result.ok);
                ASSERT_TRUE(result.failure);
                EXPECT_EQ(result.failure->cause, WriteFailure::Cause::kNameInTheWay);
                EXPECT_EQ(result.failure->path, temporary);
                EXPECT_TRUE(victim.Untouched());
                EXPECT_EQ(NamesIn(victim.elsewhere.path()), std::vector<std::string>{"victim"});
                EXPECT_EQ(ReadBytes(target), PreviousFile(720));
                EXPECT_EQ(NamesIn(folder.path()), (std::vector<std::string>{s.finalName, tmpName}));
                EXPECT_EQ(
                    DescribeWriteFailure(*result.failure, kEnglish),
                    "The file " + target + " was not written: " + temporary +
                        " is a link or an item this program did not create, and was left as it is; nothing "
                        "was written. Remove it and generate again.");
                EXPECT_EQ(
                    DescribeWriteFailure(*result.failure, kChinese),
                    "无法写入文件 " + target + "：" + temporary +
                        " 是链接或不是本程序创建的项目，已保持原样，未写入任何内容。请删除它后重新生成。");
            }
        }
    }
}

// A regular file under a temporary name whose lock no one holds is what an interrupted earlier write
// left: it is removed and the file is created new, so even a second name (hard link) of another file is
// never written.
TEST(WriteSequence, LeftoverTemporaryFileIsReplacedNotWrittenThrough) {
    for (const Sequence& s : Sequences()) {
        for (const bool hardLink : {false, true}) {
            for (const std::string& tmpName : {s.finalName + ".tmp", s.finalName + ".0123abcd.tmp"}) {
                SCOPED_TRACE(std::string(s.name) +
                             (hardLink ? ", second name of another file" : ", leftover") + ", " + tmpName);
                TempFolder folder;
                Victim victim;
                const std::string temporary = folder.File(tmpName);
                if (hardLink) {
                    ASSERT_EQ(::link(victim.path.c_str(), temporary.c_str()), 0);
                } else {
                    ASSERT_TRUE(WriteBytes(temporary, Bytes(700, 0x33)));
                }
                PosixFileSystem fs;
                EXPECT_TRUE(s.run(fs, folder.path()).ok);
                EXPECT_EQ(ReadBytes(folder.File(s.finalName)), s.expected());
                EXPECT_EQ(NamesIn(folder.path()), std::vector<std::string>{s.finalName});
                EXPECT_TRUE(victim.Untouched());
            }
        }
    }
}

// A temporary file this user may not open cannot be asked for its lock: it might be another user's write in
// progress, so it is left alone, and the write goes through a file of its own all the same.
TEST(WriteSequence, ATemporaryFileThisUserMayNotReadIsLeftAlone) {
    for (const Sequence& s : Sequences()) {
        SCOPED_TRACE(s.name);
        TempFolder folder;
        ASSERT_EQ(::chmod(folder.path().c_str(), 0777), 0);
        const std::string leftover = folder.File(s.finalName + ".0123abcd.tmp");
        ASSERT_TRUE(WriteBytes(leftover, Bytes(30, 0x46)));
        ASSERT_EQ(::chmod(leftover.c_str(), 0000), 0);
        const ChildOutcome child = RunInChild(
            [&] {
                PosixFileSystem fs;
                const WriteResult result = s.run(fs, folder.path());
                return result.ok ? std::string("written") : DescribeWriteFailure(*result.failure, kEnglish);
            },
            std::chrono::seconds(20), /*asNobody=*/true);
        ASSERT_TRUE(child.finished);
        EXPECT_EQ(child.output, "written");
        EXPECT_EQ(ReadBytes(folder.File(s.finalName)), s.expected());
        ASSERT_EQ(::chmod(leftover.c_str(), 0600), 0);  // to look at it, whoever runs the test
        EXPECT_EQ(ReadBytes(leftover), Bytes(30, 0x46));
        EXPECT_EQ(NamesIn(folder.path()),
                  (std::vector<std::string>{s.finalName, s.finalName + ".0123abcd.tmp"}));
    }
}

// The temporary file of a write in progress elsewhere (its lock held) is never taken for a leftover:
// it stays with its bytes, and this write goes through a file of its own. Names that only look alike
// are no temporary files of ours and stay too.
TEST(WriteSequence, TemporaryFileOfAWriteInProgressIsLeftAlone) {
    for (const Sequence& s : Sequences()) {
        SCOPED_TRACE(s.name);
        TempFolder folder;
        const std::string busy = s.finalName + ".89abcdef.tmp";
        const std::vector<std::string> lookalikes = {s.finalName + ".89ABCDEF.tmp", s.finalName + ".1234.tmp",
                                                     s.finalName + ".0123abcd.tmp.old",
                                                     "x" + s.finalName + ".tmp"};
        ASSERT_TRUE(WriteBytes(folder.File(busy), Bytes(30, 0x44)));
        for (const std::string& name : lookalikes) {
            ASSERT_TRUE(WriteBytes(folder.File(name), Bytes(5, 0x45)));
        }
        const int held = ::open(folder.File(busy).c_str(), O_RDONLY | O_CLOEXEC);
        ASSERT_GE(held, 0);
        ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);
        PosixFileSystem fs;
        const WriteResult result = s.run(fs, folder.path());
        ::close(held);
        EXPECT_TRUE(result.ok);
        EXPECT_EQ(ReadBytes(folder.File(s.finalName)), s.expected());
        EXPECT_EQ(ReadBytes(folder.File(busy)), Bytes(30, 0x44));
        std::vector<std::string> expected = lookalikes;
        expected.push_back(s.finalName);
        expected.push_back(busy);
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(NamesIn(folder.path()), expected);

        // Once its writer is gone (the lock went with it), the next write cleans it up.
        ASSERT_TRUE(s.run(fs, folder.path()).ok);
        std::erase(expected, busy);
        EXPECT_EQ(NamesIn(folder.path()), expected);
    }
}

// An mms.dat in the folder is removed as before; when it is a link, only the link goes and the file it
// points to keeps its bytes. The texts are never written to it.
TEST(WriteSequence, ScratchNameLinkIsRemovedAndNeverWrittenThrough) {
    for (const Sequence& s : Sequences()) {
        if (s.finalName == "menu.dat") {
            continue;
        }
        for (const bool dangling : {false, true}) {
            SCOPED_TRACE(std::string(s.name) + (dangling ? ", dangling link" : ", link to another file"));
            TempFolder folder;
            Victim victim;
            const std::string pointsTo = dangling ? victim.path + "-new" : victim.path;
            ASSERT_EQ(::symlink(pointsTo.c_str(), folder.File("mms.dat").c_str()), 0);
            PosixFileSystem fs;
            EXPECT_TRUE(s.run(fs, folder.path()).ok);
            EXPECT_EQ(ReadBytes(folder.File(s.finalName)), s.expected());
            EXPECT_EQ(NamesIn(folder.path()), std::vector<std::string>{s.finalName});
            EXPECT_TRUE(victim.Untouched());
            EXPECT_EQ(NamesIn(victim.elsewhere.path()), std::vector<std::string>{"victim"});
        }
    }
}

}  // namespace
}  // namespace corvane
