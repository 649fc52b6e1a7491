#include "core/files/write_sequence.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/files/scramble.h"
#include "core/l10n/language.h"
#include "platform/linux/posix_file_system.h"
#include "support/child_process.h"
#include "support/fault_injecting_file_system.h"
#include "support/test_folders.h"

namespace corvane {
namespace {

using namespace corvane::testing;

// The records that tests/data/make_message_goldens.py scrambles into the golden files.
std::array<Record, 11> PatternRecords() {
    std::array<Record, 11> records{};
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i] = NewRecord();
        for (std::size_t j = 0; j < 50; ++j) {
            records[i][j] = static_cast<uint8_t>((i * 50 + j * 7 + 3) & 0xFF);
        }
        records[i][57] = static_cast<uint8_t>(i + 1);
    }
    return records;
}

Record MenuLikeRecord() {
    Record record = NewRecord();
    for (std::size_t i = 0; i < 50; ++i) {
        record[i] = static_cast<uint8_t>(i + 1);
    }
    record[56] = 0x12;
    record[57] = 0x34;
    return record;
}

// One write sequence as the tests drive it.
struct Sequence {
    const char* name;
    std::string finalName;
    std::function<WriteResult(FileSystem&, const std::string&)> run;
    std::function<Bytes()> expected;
};

std::vector<Sequence> Sequences() {
    return {
        {"menu.dat", "menu.dat",
         [](FileSystem& fs, const std::string& folder) {
             return WriteRecordFile(fs, folder, "menu.dat", MenuLikeRecord());
         },
         [] { return ToBytes(MenuLikeRecord()); }},
        {"setup.dat, k 18", "setup.dat",
         [](FileSystem& fs, const std::string& folder) {
             return WriteMessageFile(fs, folder, "setup.dat", PatternRecords(), 18);
         },
         [] { return Golden("message_file_k18.dat"); }},
        {"smtp.dat, k 15", "smtp.dat",
         [](FileSystem& fs, const std::string& folder) {
             return WriteMessageFile(fs, folder, "smtp.dat", PatternRecords(), 15);
         },
         [] { return Golden("message_file_k15.dat"); }},
    };
}

// What a previous run left as the final file.
Bytes PreviousFile(std::size_t size) {
    return Bytes(size, 0x5A);
}

TEST(WriteSequence, WritesTheFinalBytesAndNothingElse) {
    for (const Sequence& s : Sequences()) {
        TempFolder folder;
        PosixFileSystem fs;
        const WriteResult result = s.run(fs, folder.path());
        ASSERT_TRUE(result.ok) << s.name;
        EXPECT_FALSE(result.failure) << s.name;
        const Bytes expected = s.expected();
        ASSERT_EQ(expected.size(), s.finalName == "menu.dat" ? 60u : 720u) << "golden file missing";
        EXPECT_EQ(ReadBytes(folder.File(s.finalName)), expected) << s.name;
        EXPECT_EQ(NamesIn(folder.path()), std::vector<std::string>{s.finalName}) << s.name;
    }
}

TEST(WriteSequence, ReplacesAPreviousFileAndGivesIdenticalFilesTwice) {
    for (const Sequence& s : Sequences()) {
        TempFolder folder;
        PosixFileSystem fs;
        ASSERT_TRUE(WriteBytes(folder.File(s.finalName), PreviousFile(1000)));
        ASSERT_TRUE(s.run(fs, folder.path()).ok) << s.name;
        const Bytes first = ReadBytes(folder.File(s.finalName));
        ASSERT_TRUE(s.run(fs, folder.path()).ok) << s.name;
        EXPECT_EQ(ReadBytes(folder.File(s.finalName)), first) << s.name;
        EXPECT_EQ(first, s.expected()) << s.name;
    }
}

// The temporary file a write creates: the path in the log's "open new" entry, or "" when there is none.
std::string CreatedTemporary(const std::vector<std::string>& log) {
    for (const std::string& entry : log) {
        if (entry.rfind("open new ", 0) == 0) {
            return entry.substr(9);
        }
    }
    return "";
}

// Whether `name` is a temporary name of `finalName` as this program makes them: eight hex digits.
bool IsOwnTemporaryName(const std::string& name, const std::string& finalName) {
    if (name.size() != finalName.size() + 13 || name.rfind(finalName + ".", 0) != 0 ||
        name.substr(name.size() - 4) != ".tmp") {
        return false;
    }
    const std::string digits = name.substr(finalName.size() + 1, 8);
    return digits.find_first_not_of("0123456789abcdef") == std::string::npos;
}

// The message file is prepared in memory: the only file written is the new temporary file, of a name
// of its own, locked until it has the final name; mms.dat is only looked at and, when an earlier program
// left one, removed before the rename.
TEST(WriteSequence, MessageFileWritesOnlyItsTemporaryFileInOrder) {
    for (const bool staleScratch : {false, true}) {
        SCOPED_TRACE(staleScratch ? "stale mms.dat" : "no mms.dat");
        TempFolder folder;
        const std::string t = folder.File("mms.dat");
        if (staleScratch) {
            ASSERT_TRUE(WriteBytes(t, Bytes(720, 0x41)));
        }
        PosixFileSystem real;
        FaultInjectingFileSystem fs(real);
        ASSERT_TRUE(WriteMessageFile(fs, folder.path(), "setup.dat", PatternRecords(), 18).ok);
        const std::string f = CreatedTemporary(fs.log());
        ASSERT_EQ(f.rfind(folder.path() + "/", 0), 0u) << f;
        EXPECT_TRUE(IsOwnTemporaryName(f.substr(folder.path().size() + 1), "setup.dat")) << f;
        std::vector<std::string> expected = {
            "status " + folder.File("setup.dat"),  // write protection of an earlier file
            "list " + folder.path(),               // leftovers of interrupted writes
            "new " + f,                            // created new, never through a link
            "examine " + f,                        // a second handle ...
            "lock " + f,                           // ... holds its lock until the rename
            "status " + f,                         // still there: no one took it for a leftover
            "write " + f + " 720",                 //
            "flush " + f,                          //
            "sync " + f,                           //
            "close " + f,                          //
            "status " + t,                         // a scratch file of an earlier program ...
        };
        if (staleScratch) {
            expected.push_back("remove " + t);  // ... goes before the final name appears
        }
        expected.push_back("rename " + f + " " + folder.File("setup.dat"));
        expected.push_back("close examined " + f);
        expected.push_back("sync folder " + folder.path());
        std::vector<std::string> steps;
        for (const std::string& entry : fs.log()) {
            steps.push_back(entry.rfind("open ", 0) == 0 ? entry.substr(5) : entry);
        }
        EXPECT_EQ(steps, expected);
        EXPECT_EQ(ReadBytes(folder.File("setup.dat")), Golden("message_file_k18.dat"));
        EXPECT_EQ(NamesIn(folder.path()), std::vector<std::string>{"setup.dat"});
    }
}

TEST(WriteSequence, MessageFileBytesAreTheScrambledRecordsAndTheirChecksum) {
    const auto k18 = MessageFileBytes(PatternRecords(), 18);
    const auto k15 = MessageFileBytes(PatternRecords(), 15);
    EXPECT_EQ(ToBytes(k18), Golden("message_file_k18.dat"));
    EXPECT_EQ(ToBytes(k15), Golden("message_file_k15.dat"));
}

TEST(WriteSequence, FolderIsJoinedAsHeld) {
    EXPECT_EQ(PathInFolder("/media/card/", "menu.dat"), "/media/card//menu.dat");
    EXPECT_EQ(PathInFolder("/media/card", "menu.dat"), "/media/card/menu.dat");
    EXPECT_EQ(PathInFolder("", "menu.dat"), "/menu.dat");

    // A trailing separator gives "//", which the file system takes.
    TempFolder folder;
    PosixFileSystem fs;
    ASSERT_TRUE(WriteRecordFile(fs, folder.path() + "/", "menu.dat", MenuLikeRecord()).ok);
    EXPECT_EQ(ReadBytes(folder.File("menu.dat")), ToBytes(MenuLikeRecord()));
}

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

struct Injection {
    const char* name;
    int error;
    FaultInjectingFileSystem::Fault fault;
    bool writesOnly;
};

// Every step of every sequence fails once in turn: the result is a failure naming that step, and the
// folder holds the previous final file exactly, with no temporary or scratch file. Only a failing sync
// of the folder comes after the new file took the final name; that file is then complete. A lock that
// cannot be taken, or a read-only handle that does not close, leaves a complete write.
TEST(WriteSequence, FailureAtEachStepLeavesThePreviousFileAndNoLeftovers) {
    const Injection injections[] = {
        {"I/O error", EIO, FaultInjectingFileSystem::Fault::kError, false},
        {"medium full", ENOSPC, FaultInjectingFileSystem::Fault::kError, false},
        {"short write without reason", 0, FaultInjectingFileSystem::Fault::kShortWrite, true},
        {"short write, medium full", ENOSPC, FaultInjectingFileSystem::Fault::kShortWrite, true},
    };
    for (const Sequence& s : Sequences()) {
        TempFolder clean;
        PosixFileSystem real;
        FaultInjectingFileSystem counter(real);
        ASSERT_TRUE(s.run(counter, clean.path()).ok);
        const std::vector<std::string> steps = counter.log();
        ASSERT_EQ(steps.back().rfind("sync folder", 0), 0u);

        for (const Injection& injection : injections) {
            for (std::size_t step = 1; step <= steps.size(); ++step) {
                const std::string& op = steps[step - 1];
                if (injection.writesOnly && op.rfind("write", 0) != 0) {
                    continue;
                }
                SCOPED_TRACE(std::string(s.name) + ", " + injection.name + ", step " + std::to_string(step) +
                             ": " + op);
                TempFolder folder;
                ASSERT_TRUE(WriteBytes(folder.File(s.finalName), PreviousFile(720)));
                FaultInjectingFileSystem fs(real);
                fs.FailAt(static_cast<int>(step), injection.error, injection.fault);
                const WriteResult result = s.run(fs, folder.path());

                if (WriteSurvivesFailureOf(op)) {
                    EXPECT_TRUE(result.ok);
                    EXPECT_EQ(NamesIn(folder.path()), std::vector<std::string>{s.finalName});
                    EXPECT_EQ(ReadBytes(folder.File(s.finalName)), s.expected());
                    continue;
                }
                EXPECT_FALSE(result.ok);
                ASSERT_TRUE(result.failure);
                EXPECT_EQ(op.rfind(result.failure->operation + " ", 0), 0u) << result.failure->operation;
                EXPECT_EQ(result.failure->error, injection.error != 0 ? injection.error : EIO);
                EXPECT_EQ(result.failure->target, folder.File(s.finalName));
                EXPECT_EQ(NamesIn(folder.path()), std::vector<std::string>{s.finalName});
                const bool afterRename = step == steps.size();
                EXPECT_EQ(ReadBytes(folder.File(s.finalName)),
                          afterRename ? s.expected() : PreviousFile(720));
            }
        }
    }
}

// The same with what an interrupted earlier write left: a temporary file and, for the message files,
// an mms.dat. A failing step still keeps the previous final file; the leftovers may already be gone,
// and whatever remains of them is unchanged.
TEST(WriteSequence, FailureAtEachStepWithLeftoversKeepsThePreviousFile) {
    for (const Sequence& s : Sequences()) {
        const std::string tmpName = s.finalName + ".tmp";
        const bool message = s.finalName != "menu.dat";
        auto prepare = [&](const TempFolder& folder) {
            WriteBytes(folder.File(s.finalName), PreviousFile(720));
            WriteBytes(folder.File(tmpName), Bytes(300, 0x21));
            if (message) {
                WriteBytes(folder.File("mms.dat"), Bytes(720, 0x41));
            }
        };
        TempFolder clean;
        prepare(clean);
        PosixFileSystem real;
        FaultInjectingFileSystem counter(real);
        ASSERT_TRUE(s.run(counter, clean.path()).ok);
        const std::vector<std::string> steps = counter.log();
        EXPECT_NE(std::find(steps.begin(), steps.end(), "remove " + clean.File(tmpName)), steps.end());
        for (std::size_t step = 1; step <= steps.size(); ++step) {
            SCOPED_TRACE(std::string(s.name) + ", step " + std::to_string(step) + ": " + steps[step - 1]);
            TempFolder folder;
            prepare(folder);
            FaultInjectingFileSystem fs(real);
            fs.FailAt(static_cast<int>(step), EIO);
            const WriteResult result = s.run(fs, folder.path());
            const bool complete = step == steps.size() || WriteSurvivesFailureOf(steps[step - 1]);
            EXPECT_EQ(result.ok, WriteSurvivesFailureOf(steps[step - 1]));
            EXPECT_EQ(ReadBytes(folder.File(s.finalName)), complete ? s.expected() : PreviousFile(720));
            for (const std::string& name : NamesIn(folder.path())) {
                if (name == tmpName) {
                    EXPECT_EQ(ReadBytes(folder.File(name)), Bytes(300, 0x21));
                } else if (name == "mms.dat") {
                    EXPECT_TRUE(message);
                    EXPECT_EQ(ReadBytes(folder.File(name)), Bytes(720, 0x41));
                } else {
                    EXPECT_EQ(name, s.finalName);
                }
            }
        }
    }
}

// A medium that stops answering altogether (pulled out): nothing can be cleaned up any more, but the
// previous final file is never touched before the new one is complete.
TEST(WriteSequence, MediumGoneFromAStepOnKeepsThePreviousFile) {
    for (const Sequence& s : Sequences()) {
        TempFolder clean;
        PosixFileSystem real;
        FaultInjectingFileSystem counter(real);
        ASSERT_TRUE(s.run(counter, clean.path()).ok);
        const std::vector<std::string> steps = counter.log();
        const auto rename = std::find_if(steps.begin(), steps.end(),
                                         [](const std::string& op) { return op.rfind("rename ", 0) == 0; });
        ASSERT_NE(rename, steps.end());
        const std::size_t count = static_cast<std::size_t>(rename - steps.begin()) + 1;  // up to the rename
        for (std::size_t step = 1; step <= count; ++step) {
            TempFolder folder;
            ASSERT_TRUE(WriteBytes(folder.File(s.finalName), PreviousFile(720)));
            FaultInjectingFileSystem fs(real);
            fs.FailAt(static_cast<int>(step), EIO, FaultInjectingFileSystem::Fault::kError, /*sticky=*/true);
            const WriteResult result = s.run(fs, folder.path());
            EXPECT_FALSE(result.ok) << s.name << ", step " << step;
            EXPECT_EQ(ReadBytes(folder.File(s.finalName)), PreviousFile(720)) << s.name << ", step " << step;
        }
    }
}

TEST(DescribeWriteFailure, NamesTheFileAndTheReasonInTheMessageLanguage) {
    const WriteFailure full{"/media/card/menu.dat", "/media/card/menu.dat.tmp", "flush", ENOSPC};
    const WriteFailure missing{"/media/card/setup.dat", "/media/card/setup.dat", "open", ENOENT};
    const WriteFailure unusual{"/media/card/smtp.dat", "/media/card/mms.dat", "write", EFBIG};
    struct Case {
        const WriteFailure* failure;
        int32_t language;
        std::string expected;
    };
    const Case cases[] = {
        {&full, 2,
         "The file /media/card/menu.dat could not be written: " + std::string(std::strerror(ENOSPC)) +
             " (flush /media/card/menu.dat.tmp)."},
        {&full, 1, "无法写入文件 /media/card/menu.dat：存储介质空间不足（flush /media/card/menu.dat.tmp）。"},
        {&missing, 3,
         "The file /media/card/setup.dat could not be written: " + std::string(std::strerror(ENOENT)) +
             " (open)."},
        {&missing, 1, "无法写入文件 /media/card/setup.dat：文件或文件夹不存在（open）。"},
        // A reason without a Chinese wording keeps the system's text.
        {&unusual, 1,
         "无法写入文件 /media/card/smtp.dat：" + std::string(std::strerror(EFBIG)) +
             "（write /media/card/mms.dat）。"},
        // Languages other than Chinese, and values outside 1..10, read English.
        {&unusual, 10,
         "The file /media/card/smtp.dat could not be written: " + std::string(std::strerror(EFBIG)) +
             " (write /media/card/mms.dat)."},
        {&unusual, 0,
         "The file /media/card/smtp.dat could not be written: " + std::string(std::strerror(EFBIG)) +
             " (write /media/card/mms.dat)."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DescribeWriteFailure(*c.failure, c.language), c.expected) << c.language;
    }
}

}  // namespace
}  // namespace corvane
