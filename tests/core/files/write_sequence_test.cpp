#include "core/files/write_sequence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "core/l10n/language.h"
#include "support/fault_injecting_file_system.h"
#include "support/real_file_system.h"
#include "support/test_folders.h"
#include "support/write_sequences.h"

// The write sequences on the real file system of any system, and with each step failing in turn. Linux's
// own cases (modes, links, locks, mounts) are in write_sequence_posix_test.cpp, Windows' in
// tests/platform/windows.

namespace corvane {
namespace {

using namespace corvane::testing;

TEST(WriteSequence, WritesTheFinalBytesAndNothingElse) {
    for (const Sequence& s : Sequences()) {
        TempFolder folder;
        RealFileSystem fs;
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
        RealFileSystem fs;
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
        RealFileSystem real;
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
    RealFileSystem fs;
    ASSERT_TRUE(WriteRecordFile(fs, folder.path() + "/", "menu.dat", MenuLikeRecord()).ok);
    EXPECT_EQ(ReadBytes(folder.File("menu.dat")), ToBytes(MenuLikeRecord()));
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
        RealFileSystem real;
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
        RealFileSystem real;
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
        RealFileSystem real;
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

// Where the file system gives the system's own sentence for a failure (Windows does), the message carries
// it; a Chinese message keeps its own wording of the reasons it knows.
TEST(DescribeWriteFailure, CarriesTheFileSystemsOwnWordsForTheReason) {
    const std::string sentence = "The semaphore timeout period has expired";
    for (const Sequence& s : Sequences()) {
        for (const int error : {EIO, ENOSPC}) {
            SCOPED_TRACE(std::string(s.name) + ", error " + std::to_string(error));
            TempFolder folder;
            RealFileSystem real;
            FaultInjectingFileSystem fs(real);
            ASSERT_TRUE(s.run(fs, folder.path()).ok);
            const std::vector<std::string> steps = fs.log();
            const auto rename = std::find_if(steps.begin(), steps.end(), [](const std::string& op) {
                return op.rfind("rename ", 0) == 0;
            });
            ASSERT_NE(rename, steps.end());
            FaultInjectingFileSystem failing(real);
            failing.FailAt(static_cast<int>(rename - steps.begin()) + 1, error);
            failing.SetErrorText(sentence);
            const WriteResult result = s.run(failing, folder.path());
            ASSERT_FALSE(result.ok);
            ASSERT_TRUE(result.failure);
            EXPECT_EQ(result.failure->reason, sentence);
            const std::string english = DescribeWriteFailure(*result.failure, kEnglish);
            EXPECT_EQ(english.rfind("The file " + folder.File(s.finalName) +
                                        " could not be written: " + sentence + " (rename ",
                                    0),
                      0u)
                << english;
            const std::string chinese = DescribeWriteFailure(*result.failure, kChinese);
            if (error == ENOSPC) {
                EXPECT_NE(chinese.find("存储介质空间不足"), std::string::npos) << chinese;
            } else {
                EXPECT_NE(chinese.find("输入/输出错误"), std::string::npos) << chinese;
            }
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
