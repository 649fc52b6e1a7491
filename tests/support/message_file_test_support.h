#pragma once

// Helpers shared by the setup.dat and smtp.dat writer tests.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/files/file_system.h"
#include "core/files/message_records.h"
#include "core/l10n/language.h"
#include "support/fault_injecting_file_system.h"
#include "support/real_file_system.h"
#include "support/test_folders.h"

namespace corvane::testing {

// Passes everything to a real file system and keeps a copy of every byte written, per path, so a test
// can see what a file held even after it was deleted.
class RecordingFileSystem final : public FileSystem {
  public:
    explicit RecordingFileSystem(FileSystem& inner) : inner_(inner) {}

    int Open(const std::string& path, Mode mode, Handle& handle) override {
        const int error = inner_.Open(path, mode, handle);
        if (error == 0) {
            paths_[handle] = path;
            if (mode == Mode::kCreateNew) {
                written_[path].clear();
            }
        }
        return error;
    }
    IoResult Write(Handle handle, std::span<const uint8_t> data) override {
        const IoResult result = inner_.Write(handle, data);
        Bytes& bytes = written_[paths_[handle]];
        bytes.insert(bytes.end(), data.begin(), data.begin() + static_cast<std::ptrdiff_t>(result.count));
        return result;
    }
    int Flush(Handle handle) override { return inner_.Flush(handle); }
    int Sync(Handle handle) override { return inner_.Sync(handle); }
    int Close(Handle handle) override { return inner_.Close(handle); }
    int TryLock(Handle handle) override { return inner_.TryLock(handle); }
    int ListFolder(const std::string& folder, std::vector<std::string>& names) override {
        return inner_.ListFolder(folder, names);
    }
    int Rename(const std::string& from, const std::string& to) override { return inner_.Rename(from, to); }
    int Remove(const std::string& path) override { return inner_.Remove(path); }
    int SyncFolder(const std::string& folder) override { return inner_.SyncFolder(folder); }
    int Status(const std::string& path, EntryStatus& status) override { return inner_.Status(path, status); }
    WholeFile ReadWholeFile(const std::string& path, std::uintmax_t limit) override {
        return inner_.ReadWholeFile(path, limit);
    }

    // Every path bytes were written to, in name order.
    std::vector<std::string> WrittenPaths() const {
        std::vector<std::string> paths;
        for (const auto& [path, bytes] : written_) {
            paths.push_back(path);
        }
        return paths;
    }

    // Everything written to `path` since it was last created new.
    Bytes WrittenTo(const std::string& path) const {
        const auto it = written_.find(path);
        return it == written_.end() ? Bytes{} : it->second;
    }

  private:
    FileSystem& inner_;
    std::map<Handle, std::string> paths_;
    std::map<std::string, Bytes> written_;
};

using MessageWriter = std::function<MessageFileResult(FileSystem& fs, const std::string& folder)>;

// Makes each file-system operation of `write` fail in turn, over a folder that already holds an
// earlier `finalName` with `previous` bytes. Each failure must be reported with a message that names
// the file, keep the earlier file (or, when only the closing folder sync failed, hold either the
// earlier or the complete new file) and leave no scratch or temporary file behind.
inline void ExpectEveryFailureKeepsThePreviousFile(const MessageWriter& write, const std::string& finalName,
                                                   const Bytes& previous, const Bytes& complete) {
    int steps = 0;
    {
        TempFolder folder;
        RealFileSystem real;
        FaultInjectingFileSystem counting(real);
        ASSERT_TRUE(write(counting, folder.path()).completed);
        steps = counting.operationCount();
        ASSERT_EQ(ReadBytes(folder.File(finalName)), complete);
    }
    // Looks at the final name and the folder's names, creates the temporary file, opens and locks it
    // again and looks that it is still there, writes, flushes, syncs, closes, looks at the scratch name,
    // renames, lets go of the lock and syncs the folder.
    ASSERT_EQ(steps, 14);
    for (int step = 1; step <= steps; ++step) {
        TempFolder folder;
        ASSERT_TRUE(WriteBytes(folder.File(finalName), previous));
        RealFileSystem real;
        FaultInjectingFileSystem faulty(real);
        faulty.FailAt(step, ENOSPC);
        const MessageFileResult result = write(faulty, folder.path());
        const std::string operation = faulty.log()[static_cast<std::size_t>(step - 1)];
        SCOPED_TRACE("failing step " + std::to_string(step) + ": " + operation);
        // Without the lock, or with the read-only lock handle failing to close, the file is written.
        if (WriteSurvivesFailureOf(operation)) {
            EXPECT_TRUE(result.completed);
            EXPECT_EQ(ReadBytes(folder.File(finalName)), complete);
            EXPECT_EQ(NamesIn(folder.path()), std::vector<std::string>{finalName});
            continue;
        }
        EXPECT_FALSE(result.completed);
        ASSERT_TRUE(result.writeFailure.has_value());
        EXPECT_FALSE(result.refused.has_value());
        EXPECT_EQ(result.writeFailure->error, ENOSPC);
        const std::string english = DescribeMessageFileFailure(result, kEnglish);
        EXPECT_NE(english.find(folder.File(finalName)), std::string::npos) << english;
        EXPECT_NE(english.find("No space left on device"), std::string::npos) << english;
        const std::string chinese = DescribeMessageFileFailure(result, kChinese);
        EXPECT_NE(chinese.find("存储介质空间不足"), std::string::npos) << chinese;
        EXPECT_EQ(NamesIn(folder.path()), std::vector<std::string>{finalName});
        const Bytes now = ReadBytes(folder.File(finalName));
        if (operation.rfind("sync folder", 0) == 0) {
            EXPECT_TRUE(now == previous || now == complete);
        } else {
            EXPECT_EQ(now, previous);
        }
    }
}

// What a writer must say when it refuses a value.
struct ExpectedRefusal {
    RefusedValue::Kind kind;
    std::string field;
    int64_t value;
    std::string english;  // a part of the English description
    std::string chinese;  // a part of the Chinese one
};

// Runs `write` over a folder that already holds an earlier `finalName`. It must refuse the value
// `expected` names, for that file, before writing anything: both descriptions say what `expected` gives,
// the English one names the file, and the folder still holds only the earlier file, unchanged.
inline void ExpectRefusedWritingNothing(const MessageWriter& write, const std::string& finalName,
                                        const ExpectedRefusal& expected) {
    TempFolder folder;
    const Bytes previous(720, 0x42);
    ASSERT_TRUE(WriteBytes(folder.File(finalName), previous));
    RealFileSystem fs;
    const MessageFileResult result = write(fs, folder.path());
    EXPECT_FALSE(result.completed);
    ASSERT_TRUE(result.refused.has_value());
    EXPECT_FALSE(result.writeFailure.has_value());
    EXPECT_EQ(result.refused->kind, expected.kind);
    EXPECT_EQ(result.refused->field, expected.field);
    EXPECT_EQ(result.refused->value, expected.value);
    EXPECT_EQ(result.refused->target, folder.File(finalName));
    const std::string english = DescribeMessageFileFailure(result, kEnglish);
    EXPECT_NE(english.find(expected.english), std::string::npos) << english;
    EXPECT_NE(english.find(folder.File(finalName)), std::string::npos) << english;
    const std::string chinese = DescribeMessageFileFailure(result, kChinese);
    EXPECT_NE(chinese.find(expected.chinese), std::string::npos) << chinese;
    EXPECT_EQ(NamesIn(folder.path()), std::vector<std::string>{finalName});
    EXPECT_EQ(ReadBytes(folder.File(finalName)), previous);
}

}  // namespace corvane::testing
