// The drive reading with a drive that does not answer: the window gets its list after the time limit, and
// the stalled drive is not asked again while its question is open.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "platform/windows/drive_facts.h"

namespace corvane::platform {
namespace {

// Drives that answer at once, except E:, which answers only once released. Shared with the workers, which
// may outlive the test's reader.
struct FakeDrives {
    std::mutex mutex;
    std::condition_variable released;
    std::condition_variable asked;
    bool cardAnswers = false;
    int cardAsked = 0;

    DriveFacts Ask(const std::string& root) {
        DriveFacts facts;
        facts.root = root;
        facts.answer = DriveAnswer::kReady;
        if (root == "C:\\") {
            facts.kind = DriveKind::kFixed;
            facts.fileSystem = "NTFS";
            return facts;
        }
        facts.kind = DriveKind::kRemovable;
        facts.fileSystem = "FAT32";
        std::unique_lock lock(mutex);
        ++cardAsked;
        asked.notify_all();
        released.wait(lock, [&] { return cardAnswers; });
        return facts;
    }
    void Release() {
        const std::lock_guard lock(mutex);
        cardAnswers = true;
        released.notify_all();
    }
    bool WaitUntilCardAsked() {
        std::unique_lock lock(mutex);
        return asked.wait_for(lock, std::chrono::seconds(10), [&] { return cardAsked > 0; });
    }
    int CardAsked() {
        const std::lock_guard lock(mutex);
        return cardAsked;
    }
};

const Volume* Find(const std::vector<Volume>& volumes, const std::string& root) {
    const auto found = std::find_if(volumes.begin(), volumes.end(),
                                    [&](const Volume& volume) { return volume.rootPath == root; });
    return found == volumes.end() ? nullptr : &*found;
}

TEST(DriveVolumesReaderTest, AStalledDriveIsListedNotReadyAndNotAskedAgainUntilItAnswers) {
    const auto drives = std::make_shared<FakeDrives>();
    DriveVolumesReader reader(
        std::chrono::milliseconds(300),
        [] {
            return std::vector<std::string>{"C:\\", "E:\\"};
        },
        [drives](const std::string& root) { return drives->Ask(root); });

    std::vector<Volume> volumes = reader.Read();
    ASSERT_NE(Find(volumes, "E:\\"), nullptr) << "a drive that does not answer is still there";
    EXPECT_FALSE(Find(volumes, "E:\\")->ready);
    EXPECT_TRUE(CameraCards(volumes).empty());
    ASSERT_TRUE(drives->WaitUntilCardAsked());

    volumes = reader.Read();
    EXPECT_FALSE(Find(volumes, "E:\\")->ready);
    // A reader that asks the stalled drive at every reading has asked twice by now.
    EXPECT_EQ(drives->CardAsked(), 1);

    drives->Release();
    // Its answer counts once it has come: then (or on a fresh question) the card is there.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    do {
        volumes = reader.Read();
    } while (!(Find(volumes, "E:\\")->ready && Find(volumes, "C:\\")->ready) &&
             std::chrono::steady_clock::now() < deadline);
    EXPECT_TRUE(Find(volumes, "E:\\")->ready);
    EXPECT_TRUE(Find(volumes, "C:\\")->ready);
    EXPECT_EQ(CameraCards(volumes).size(), 1u);
}

TEST(DriveVolumesReaderTest, ADriveLetterThatIsGoneLeavesTheList) {
    std::vector<std::string> roots = {"C:\\", "F:\\"};
    DriveVolumesReader reader(
        std::chrono::milliseconds(2000), [&roots] { return roots; },
        [](const std::string& root) {
            DriveFacts facts;
            facts.root = root;
            facts.kind = DriveKind::kRemovable;
            facts.answer = DriveAnswer::kReady;
            facts.fileSystem = "exFAT";
            return facts;
        });
    EXPECT_EQ(reader.Read().size(), 2u);
    roots.pop_back();
    const std::vector<Volume> volumes = reader.Read();
    EXPECT_EQ(volumes.size(), 1u);
    EXPECT_EQ(Find(volumes, "F:\\"), nullptr);
}

}  // namespace
}  // namespace corvane::platform
