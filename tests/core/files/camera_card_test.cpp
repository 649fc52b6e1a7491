#include "core/files/camera_card.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace {

constexpr VolumeFormat kFat = VolumeFormat::kFat;
constexpr VolumeFormat kExFat = VolumeFormat::kExFat;
constexpr VolumeFormat kOther = VolumeFormat::kOther;

// Volumes as a Linux desktop's platform reports them (recorded from real mounts), with the facts it tells:
// format, removable, in alice's media folder.
Volume SystemDisk() {
    return {"/",  "",     "ext4", "/dev/nvme0n1p2", 500'000'000'000, 200'000'000'000, false, false,
            true, kOther, false};
}
Volume BootPartition() {
    // FAT, but the machine's own disk, mounted by the system.
    return {"/boot/efi", "",   "vfat", "/dev/nvme0n1p1", 536'000'000, 530'000'000, false, false,
            true,        kFat, false};
}
Volume CardInReader() {
    return {"/media/alice/CAM01",
            "CAM01",
            "vfat",
            "/dev/sdb1",
            31'000'000'000,
            30'000'000'000,
            false,
            true,
            true,
            kFat,
            true};
}
Volume SecondCard() {
    return {"/run/media/alice/TRAIL",
            "TRAIL",
            "exfat",
            "/dev/sdc1",
            63'000'000'000,
            60'000'000'000,
            false,
            true,
            true,
            kExFat,
            true};
}
Volume UsbDiskExt4() {
    return {"/media/alice/backup",
            "backup",
            "ext4",
            "/dev/sdd1",
            1'000'000'000'000,
            9'000'000,
            false,
            true,
            true,
            kOther,
            true};
}
Volume LockedCard() {
    return {"/media/alice/LOCKED",
            "LOCKED",
            "vfat",
            "/dev/sde1",
            8'000'000'000,
            7'000'000'000,
            true,
            true,
            true,
            kFat,
            true};
}
Volume FuseFatImage() {
    // fusefat on a loop device: the kernel calls loop devices fixed, the desktop folder decides.
    return {"/media/alice/CAMIMG",
            "",
            "fuse.fusefat",
            "/dev/loop4",
            8'000'000,
            8'000'000,
            false,
            false,
            true,
            kFat,
            true};
}
Volume FuseFat32Card() {
    // fusefat reports no size for FAT32: 0 blocks, 0 free.
    return {"/media/alice/CARD", "", "fuse.fusefat", "/dev/loop5", 0, 0, false, false, true, kFat, true};
}
Volume StalledCard() {
    // A card whose driver did not answer when asked for its space.
    Volume card = SecondCard();
    card.bytesTotal = 0;
    card.bytesFree = 0;
    card.ready = false;
    return card;
}

TEST(CameraCard, WhichCardToStartOn) {
    struct Case {
        const char* what;
        std::vector<Volume> volumes;
        const char* startRoot;  // nullptr: no single card
        std::size_t cards;
    };
    Volume cardMountedTwice = CardInReader();
    cardMountedTwice.rootPath = "/mnt/again";
    const Case cases[] = {
        {"no card", {SystemDisk(), BootPartition()}, nullptr, 0},
        {"one card", {SystemDisk(), BootPartition(), CardInReader()}, "/media/alice/CAM01", 1},
        {"two cards", {SystemDisk(), CardInReader(), SecondCard()}, nullptr, 2},
        {"FAT volume not removable", {SystemDisk(), BootPartition()}, nullptr, 0},
        {"removable ext4 volume", {SystemDisk(), UsbDiskExt4()}, nullptr, 0},
        {"ext4 volume beside a card", {SystemDisk(), UsbDiskExt4(), CardInReader()}, "/media/alice/CAM01", 1},
        {"read-only card", {SystemDisk(), LockedCard()}, "/media/alice/LOCKED", 1},
        {"fusefat image in the media folder", {SystemDisk(), FuseFatImage()}, "/media/alice/CAMIMG", 1},
        {"one card mounted twice", {SystemDisk(), CardInReader(), cardMountedTwice}, "/media/alice/CAM01", 1},
        {"FAT32 card without a reported size", {SystemDisk(), FuseFat32Card()}, "/media/alice/CARD", 1},
        {"a card that does not answer", {SystemDisk(), StalledCard()}, nullptr, 0},
        {"a card beside one that does not answer",
         {SystemDisk(), StalledCard(), CardInReader()},
         "/media/alice/CAM01",
         1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CameraCards(c.volumes).size(), c.cards) << c.what;
        const std::optional<Volume> start = SingleCameraCard(c.volumes);
        if (c.startRoot == nullptr) {
            EXPECT_FALSE(start.has_value()) << c.what;
        } else {
            ASSERT_TRUE(start.has_value()) << c.what;
            EXPECT_EQ(start->rootPath, c.startRoot) << c.what;
        }
    }
}

TEST(CameraCard, RemovableOrMediaFolderMakesACard) {
    Volume fat = BootPartition();
    EXPECT_FALSE(IsCameraCard(fat));
    fat.removable = true;
    EXPECT_TRUE(IsCameraCard(fat)) << "a removable FAT medium wherever it is mounted";
    Volume image = FuseFatImage();
    EXPECT_TRUE(IsCameraCard(image));
    image.inUserMedia = false;
    EXPECT_FALSE(IsCameraCard(image)) << "in another user's media folder and not removable";
    image.inUserMedia = true;
    image.format = kOther;
    EXPECT_FALSE(IsCameraCard(image)) << "a FUSE block mount of unknown format";
}

TEST(CameraCard, ACardThatDoesNotAnswerCanBeOneButIsNotReady) {
    EXPECT_TRUE(CanBeCameraCard(StalledCard()));
    EXPECT_FALSE(IsCameraCard(StalledCard()));
    EXPECT_FALSE(CameraCardHolding({StalledCard()}, "/run/media/alice/TRAIL").has_value());
    EXPECT_FALSE(CanBeCameraCard(UsbDiskExt4()));
}

TEST(CameraCard, RoomOnACard) {
    struct Case {
        const char* what;
        Volume card;
        uint64_t bytes;
        bool lacksRoom;
    };
    Volume full = CardInReader();
    full.bytesFree = 59;
    const Case cases[] = {
        {"room", CardInReader(), 60, false},
        {"one byte short", full, 60, true},
        {"just enough", full, 59, false},
        {"no size reported", FuseFat32Card(), 60, false},   // the write itself finds out
        {"read-only", LockedCard(), 8'000'000'000, false},  // the write error says why
        {"not answering", StalledCard(), 60, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LacksRoomFor(c.card, c.bytes), c.lacksRoom) << c.what;
    }
}

TEST(CameraCard, CardHoldingAFolder) {
    const std::vector<Volume> volumes = {SystemDisk(), CardInReader(), SecondCard()};
    struct Case {
        const char* folder;
        const char* root;  // nullptr: on no card
    };
    const Case cases[] = {
        {"/media/alice/CAM01", "/media/alice/CAM01"},
        {"/media/alice/CAM01/", "/media/alice/CAM01"},
        {"/media/alice/CAM01/DCIM", "/media/alice/CAM01"},
        {"/run/media/alice/TRAIL", "/run/media/alice/TRAIL"},
        {"/media/alice/CAM011", nullptr},
        {"/media/alice", nullptr},
        {"/home/alice", nullptr},
        {"", nullptr},
    };
    for (const Case& c : cases) {
        const std::optional<Volume> card = CameraCardHolding(volumes, c.folder);
        if (c.root == nullptr) {
            EXPECT_FALSE(card.has_value()) << c.folder;
        } else {
            ASSERT_TRUE(card.has_value()) << c.folder;
            EXPECT_EQ(card->rootPath, c.root) << c.folder;
        }
    }
}

TEST(CameraCard, WindowsDriveRoots) {
    const Volume card{"E:/", "CAM01", "FAT32", "\\\\?\\Volume{1234}\\", 8'000'000'000, 1, false, true,
                      true,  kFat,    false};
    EXPECT_TRUE(IsCameraCard(card));
    for (const char* folder : {"E:\\", "E:/", "E:\\DCIM", "e:/x"}) {
        EXPECT_TRUE(CameraCardHolding({card}, folder).has_value()) << folder;
    }
    EXPECT_FALSE(CameraCardHolding({card}, "F:\\").has_value());
}

}  // namespace
}  // namespace corvane
