// Opening a file to read it back: whatever stands under the name when it is opened decides, a fifo never
// holds the reader, and a file that does not open says why.
#include "platform/regular_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "decoder/setup_file_reader.h"
#include "support/child_process.h"
#include "support/name_swapper.h"
#include "support/test_folders.h"

namespace corvane::decoder {
namespace {

using namespace corvane::testing;
using platform::ReadRegularFile;
using platform::RegularFile;
using namespace std::chrono_literals;

std::string OutcomeName(RegularFile::Outcome outcome) {
    switch (outcome) {
        case RegularFile::Outcome::kRead:
            return "read";
        case RegularFile::Outcome::kMissing:
            return "missing";
        case RegularFile::Outcome::kNotRegular:
            return "not regular";
        case RegularFile::Outcome::kTooLong:
            return "too long";
        case RegularFile::Outcome::kFailed:
            return "failed";
    }
    return "?";
}

// One reading as text, made in a child process so that a reader stuck in open ends there.
std::string Describe(const RegularFile& file) {
    return OutcomeName(file.outcome) + ", " + std::to_string(file.bytes.size()) + " bytes, size " +
           std::to_string(file.size) + ", reason '" + file.reason + "'";
}

TEST(ReadRegularFile, WhatStandsUnderTheNameWhenOpenedDecides) {
    struct Case {
        const char* what;
        std::function<std::string(const TempFolder&)> place;  // returns the path to read
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"a regular file",
         [](const TempFolder& t) {
             WriteBytes(t.File("menu.dat"), Bytes(60, 7));
             return t.File("menu.dat");
         },
         "read, 60 bytes, size 60, reason ''"},
        {"an empty file",
         [](const TempFolder& t) {
             WriteBytes(t.File("menu.dat"), Bytes());
             return t.File("menu.dat");
         },
         "read, 0 bytes, size 0, reason ''"},
        {"nothing", [](const TempFolder& t) { return t.File("menu.dat"); },
         "missing, 0 bytes, size 0, reason ''"},
        {"a fifo without a writer",
         [](const TempFolder& t) {
             ::mkfifo(t.File("menu.dat").c_str(), 0644);
             return t.File("menu.dat");
         },
         "not regular, 0 bytes, size 0, reason ''"},
        {"a link to a regular file",
         [](const TempFolder& t) {
             WriteBytes(t.File("real.dat"), Bytes(60, 7));
             ::symlink(t.File("real.dat").c_str(), t.File("menu.dat").c_str());
             return t.File("menu.dat");
         },
         "not regular, 0 bytes, size 0, reason ''"},
        {"a link to a fifo",
         [](const TempFolder& t) {
             ::mkfifo(t.File("pipe").c_str(), 0644);
             ::symlink(t.File("pipe").c_str(), t.File("menu.dat").c_str());
             return t.File("menu.dat");
         },
         "not regular, 0 bytes, size 0, reason ''"},
        {"a folder",
         [](const TempFolder& t) {
             ::mkdir(t.File("menu.dat").c_str(), 0755);
             return t.File("menu.dat");
         },
         "not regular, 0 bytes, size 0, reason ''"},
        {"a device", [](const TempFolder&) { return std::string("/dev/null"); },
         "not regular, 0 bytes, size 0, reason ''"},
        {"longer than the limit",
         [](const TempFolder& t) {
             WriteBytes(t.File("menu.dat"), Bytes(1001, 1));
             return t.File("menu.dat");
         },
         "too long, 0 bytes, size 1001, reason ''"},
        {"a regular file in place of the folder",
         [](const TempFolder& t) {
             WriteBytes(t.File("card"), Bytes(3, 1));
             return t.File("card") + "/menu.dat";
         },
         "failed, 0 bytes, size 0, reason 'Not a directory'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        const std::string path = c.place(folder);
        const ChildOutcome child = RunInChild([&] { return Describe(ReadRegularFile(path, 1000)); }, 20s);
        ASSERT_TRUE(child.finished) << "the reader did not come back";
        EXPECT_EQ(child.output, c.expected);
    }
}

// A file its owner took every permission from, read by another user: the system's reason, not a guess.
TEST(ReadRegularFile, AFileThatDoesNotOpenNamesTheSystemsReason) {
    TempFolder folder;
    ASSERT_EQ(::chmod(folder.path().c_str(), 0755), 0);
    const std::string path = folder.File("menu.dat");
    ASSERT_TRUE(WriteBytes(path, Bytes(60, 7)));
    ASSERT_EQ(::chmod(path.c_str(), 0000), 0);
    const ChildOutcome child = RunInChild(
        [&] {
            const RegularFile file = ReadRegularFile(path, 1000);
            const LoadedFile loaded = LoadSetupFile(path);
            return Describe(file) + "; " + (loaded.refusal ? loaded.refusal->what : "taken");
        },
        20s, /*asNobody=*/true);
    ASSERT_TRUE(child.finished);
    EXPECT_EQ(child.output,
              "failed, 0 bytes, size 0, reason 'Permission denied'; cannot read it: Permission denied");
}

// A fifo put in the file's place over and over while the file is read back many times: every read comes
// back, with the file or with a refusal, never stuck opening the fifo.
TEST(SetupFileReader, AFifoSwappedInWhileReadingNeverHoldsTheReader) {
    TempFolder folder;
    const std::string path = folder.File("menu.dat");
    const Bytes menu = Golden("menu_8620_defaults.dat");
    ASSERT_EQ(menu.size(), 60u);
    const ChildOutcome child = RunInChild(
        [&] {
            FifoSwapper swapper(path, menu);
            int taken = 0;
            int refused = 0;
            // As many reads as it takes for the name to change many times under them.
            for (int i = 0; i < 4000 || swapper.swaps() < 20000; ++i) {
                const Reading<MenuSettings> r = ReadMenuSettingsFile(path, Family::k8620);
                if (r.settings) {
                    ++taken;
                } else if (r.refusal->what == "cannot read it: not a regular file") {
                    ++refused;
                } else {
                    return "unexpected refusal: " + r.refusal->what;
                }
            }
            return std::string(taken > 0 && refused > 0 ? "both" : "one kind only: ") +
                   (taken > 0 && refused > 0
                        ? ""
                        : std::to_string(taken) + " taken, " + std::to_string(refused) + " refused");
        },
        60s);
    ASSERT_TRUE(child.finished) << "a read stayed in open on the fifo";
    EXPECT_EQ(child.output, "both");
}

}  // namespace
}  // namespace corvane::decoder
