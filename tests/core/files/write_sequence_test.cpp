#include "core/files/write_sequence.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/files/scramble.h"
#include "platform/posix/posix_file_system.h"
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

Record PlainChecksum() {
    Record record = NewRecord();
    record[56] = 0xAB;
    record[57] = 0xCD;
    return record;
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
        {"setup.dat with plain checksum in the scratch file, k 18", "setup.dat",
         [](FileSystem& fs, const std::string& folder) {
             return WriteMessageFile(fs, folder, "setup.dat", PatternRecords(), PlainChecksum(), 18);
         },
         [] { return Golden("message_file_k18.dat"); }},
        {"smtp.dat, k 15", "smtp.dat",
         [](FileSystem& fs, const std::string& folder) {
             return WriteMessageFile(fs, folder, "smtp.dat", PatternRecords(), std::nullopt, 15);
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

TEST(WriteSequence, MessageFileKeepsTheEstablishedOrderOfSteps) {
    TempFolder folder;
    PosixFileSystem real;
    FaultInjectingFileSystem fs(real);
    ASSERT_TRUE(WriteMessageFile(fs, folder.path(), "setup.dat", PatternRecords(), PlainChecksum(), 18).ok);
    const std::string t = folder.File("mms.dat");
    const std::string f = folder.File("setup.dat.tmp");
    std::vector<std::string> steps;
    int scratchWrites = 0;
    for (const std::string& entry : fs.log()) {
        if (entry.rfind("open", 0) == 0 || entry.rfind("remove", 0) == 0 || entry.rfind("rename", 0) == 0 ||
            entry.rfind("sync", 0) == 0) {
            steps.push_back(entry);
        }
        if (entry == "write " + t + " 60") {
            ++scratchWrites;
        }
    }
    const std::vector<std::string> expected = {
        "open wb " + t,                                  // header record
        "open ab " + t,                                  // records 2-11
        "open ab " + t,                                  // plain checksum record
        "open rb " + t,                                  // read back ...
        "open wb " + f,                                  // ... and scramble into the final file
        "open rb " + f,                                  // CRC over the stored bytes
        "open ab " + f,                                  // checksum record
        "sync " + f,                                     //
        "remove " + t,                                   // scratch file gone before the final name appears
        "rename " + f + " " + folder.File("setup.dat"),  //
        "sync folder " + folder.path(),
    };
    EXPECT_EQ(steps, expected);
    EXPECT_EQ(scratchWrites, 12);
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
    ASSERT_TRUE(WriteMessageFile(fs, deep, "smtp.dat", PatternRecords(), std::nullopt, 15).ok);
    EXPECT_EQ(ReadBytes(deep + "/smtp.dat"), Golden("message_file_k15.dat"));
    EXPECT_EQ(NamesIn(deep), std::vector<std::string>{"smtp.dat"});
}

struct UnwritableFolder {
    const char* name;
    std::function<std::string(const TempFolder&)> make;  // returns the folder to write into
    int error;
};

TEST(WriteSequence, UnwritableFoldersGiveTheSystemReasonAndCreateNothing) {
    const std::vector<UnwritableFolder> cases = {
        {"folder does not exist", [](const TempFolder& t) { return t.File("missing"); }, ENOENT},
        {"parent of the folder does not exist", [](const TempFolder& t) { return t.File("missing/sub"); },
         ENOENT},
        {"path longer than the system takes",
         [](const TempFolder& t) { return t.File(std::string(5000, 'd')); }, ENAMETOOLONG},
        {"folder is a regular file",
         [](const TempFolder& t) {
             WriteBytes(t.File("plain-file"), {1, 2, 3});
             return t.File("plain-file");
         },
         ENOTDIR},
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
            EXPECT_EQ(result.failure->operation, "open") << c.name << ", " << s.name;
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

struct Injection {
    const char* name;
    int error;
    FaultInjectingFileSystem::Fault fault;
    bool writesOnly;
};

// Every step of every sequence fails once in turn: the result is a failure naming that step, and the
// folder holds the previous final file exactly, with no temporary or scratch file. Only a failing sync
// of the folder comes after the new file took the final name; that file is then complete.
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

// A medium that stops answering altogether (pulled out): nothing can be cleaned up any more, but the
// previous final file is never touched before the new one is complete.
TEST(WriteSequence, MediumGoneFromAStepOnKeepsThePreviousFile) {
    for (const Sequence& s : Sequences()) {
        TempFolder clean;
        PosixFileSystem real;
        FaultInjectingFileSystem counter(real);
        ASSERT_TRUE(s.run(counter, clean.path()).ok);
        const std::size_t count = counter.log().size();
        for (std::size_t step = 1; step < count; ++step) {
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
