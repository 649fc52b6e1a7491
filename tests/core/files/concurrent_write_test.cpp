// Two writers generating the same file in one folder at the same moment, many times over, with the real
// file system: each result must be true for its own write, and the file is never empty or torn.
#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "core/files/write_sequence.h"
#include "support/real_file_system.h"
#include "support/test_folders.h"

namespace corvane {
namespace {

using namespace corvane::testing;

Record Filled(uint8_t value) {
    Record record = NewRecord();
    for (std::size_t i = 0; i < 50; ++i) {
        record[i] = value;
    }
    return record;
}

std::array<Record, 11> Texts(uint8_t value) {
    std::array<Record, 11> records{};
    for (Record& r : records) {
        r = Filled(value);
    }
    return records;
}

// One file written by two writers with different contents.
struct Contest {
    const char* name;
    std::string finalName;
    std::function<WriteResult(FileSystem&, const std::string&, int writer)> write;
    std::function<Bytes(int writer)> bytes;
};

std::vector<Contest> Contests() {
    return {
        {"menu.dat", "menu.dat",
         [](FileSystem& fs, const std::string& folder, int writer) {
             return WriteRecordFile(fs, folder, "menu.dat", Filled(static_cast<uint8_t>(0x10 + writer)));
         },
         [](int writer) { return ToBytes(Filled(static_cast<uint8_t>(0x10 + writer))); }},
        {"setup.dat", "setup.dat",
         [](FileSystem& fs, const std::string& folder, int writer) {
             return WriteMessageFile(fs, folder, "setup.dat", Texts(static_cast<uint8_t>(0x20 + writer)), 18);
         },
         [](int writer) {
             return ToBytes(MessageFileBytes(Texts(static_cast<uint8_t>(0x20 + writer)), 18));
         }},
    };
}

// Lets a fixed number of threads go on together, round after round. Not std::barrier: the Windows
// build's standard library can lose its wake-up and leave every thread waiting (seen under Wine).
class Round {
  public:
    explicit Round(int threads) : threads_(threads) {}

    void ArriveAndWait() {
        std::unique_lock lock(mutex_);
        const long generation = generation_;
        if (++arrived_ == threads_) {
            arrived_ = 0;
            ++generation_;
            allArrived_.notify_all();
            return;
        }
        allArrived_.wait(lock, [&] { return generation_ != generation; });
    }

  private:
    const int threads_;
    std::mutex mutex_;
    std::condition_variable allArrived_;
    int arrived_ = 0;
    long generation_ = 0;
};

// Reads `path` whole, as another program would; empty when nothing has that name.
bool ReadWhole(const std::string& path, Bytes& bytes, bool& absent) {
    RealFileSystem reader;
    FileSystem::WholeFile file = reader.ReadWholeFile(path, 1 << 20);
    bytes = std::move(file.bytes);
    absent = file.outcome == FileSystem::WholeFile::Outcome::kMissing;
    return absent || file.outcome == FileSystem::WholeFile::Outcome::kRead;
}

// Whether this system replaces a file that another program has open at that moment. Linux does; Windows
// refuses (a write then fails and keeps the previous file: tests/platform/windows), so there the other
// program does not look at the file while the writers race.
constexpr bool kReplacesOpenFiles = CORVANE_TEST_REPLACES_OPEN_FILES;

TEST(ConcurrentWrites, TwoWritersInOneFolderEachGetATrueResultAndTheFileIsNeverTorn) {
    constexpr int kRounds = 150;
    for (const Contest& c : Contests()) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const std::string target = folder.File(c.finalName);
        const Bytes expected[2] = {c.bytes(0), c.bytes(1)};
        ASSERT_NE(expected[0], expected[1]);

        // Another program looking at the file all the while.
        std::atomic<bool> stop{false};
        std::atomic<int> looks{0};
        std::atomic<int> torn{0};
        std::thread watcher([&] {
            Bytes seen;
            bool absent = false;
            while (kReplacesOpenFiles && !stop) {
                if (ReadWhole(target, seen, absent) && !absent && seen != expected[0] &&
                    seen != expected[1]) {
                    ++torn;
                }
                ++looks;
            }
        });

        Round round(3);
        WriteResult results[2];
        std::vector<std::thread> writers;
        for (int w = 0; w < 2; ++w) {
            writers.emplace_back([&, w] {
                RealFileSystem fs;
                for (int i = 0; i < kRounds; ++i) {
                    round.ArriveAndWait();  // both start together
                    results[w] = c.write(fs, folder.path(), w);
                    round.ArriveAndWait();  // the round is checked
                }
            });
        }
        int failures = 0;
        int lies = 0;
        int strayNames = 0;
        for (int i = 0; i < kRounds; ++i) {
            round.ArriveAndWait();
            round.ArriveAndWait();
            Bytes now;
            bool absent = false;
            ReadWhole(target, now, absent);  // an absent or unreadable file holds no writer's bytes
            failures += (results[0].ok ? 0 : 1) + (results[1].ok ? 0 : 1);
            // The bytes in the file are those of a writer that said they were written.
            const int holder = now == expected[0] ? 0 : now == expected[1] ? 1 : -1;
            if (holder < 0 || !results[holder].ok) {
                ++lies;
            }
            strayNames += NamesIn(folder.path()) == std::vector<std::string>{c.finalName} ? 0 : 1;
        }
        stop = true;
        for (std::thread& t : writers) {
            t.join();
        }
        watcher.join();
        EXPECT_EQ(failures, 0) << "writes reported as failed; the other writer took their files";
        EXPECT_EQ(lies, 0) << "rounds whose file holds bytes no successful write put there";
        EXPECT_EQ(torn.load(), 0) << "of " << looks.load() << " looks, the file was empty or torn";
        EXPECT_EQ(strayNames, 0) << "rounds that left a temporary file behind";
    }
}

}  // namespace
}  // namespace corvane
