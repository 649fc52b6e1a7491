#include "core/files/output_folder.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace corvane {
namespace {

// As the platform reports them for alice: removable, format, in her media folder.
const Volume kDisk{"/", "", "ext4", "/dev/sda2", 100, 50, false, false, true, VolumeFormat::kOther, false};
const Volume kCard{"/media/alice/CAM01", "CAM01", "vfat", "/dev/sdb1", 100, 50, false, true, true,
                   VolumeFormat::kFat,   true};
const Volume kOtherCard{"/media/alice/CAM02", "CAM02", "exfat", "/dev/sdc1", 100, 50, false, true, true,
                        VolumeFormat::kExFat, true};
const Volume kLockedCard{"/media/alice/LOCKED", "LOCKED", "vfat", "/dev/sdd1", 100, 50, true, true, true,
                         VolumeFormat::kFat,    true};
const Volume kUsbExt4{"/media/alice/backup", "backup", "ext4", "/dev/sde1", 100, 50, false, true, true,
                      VolumeFormat::kOther,  true};

TEST(OutputFolder, StartFolder) {
    struct Case {
        const char* what;
        std::vector<Volume> volumes;
        std::optional<std::string> last;
        bool lastExists;
        const char* start;
    };
    const Case cases[] = {
        {"one card wins over the last folder",
         {kDisk, kCard},
         "/home/alice/cards",
         true,
         "/media/alice/CAM01"},
        {"a read-only card is still the card",
         {kDisk, kLockedCard},
         std::nullopt,
         false,
         "/media/alice/LOCKED"},
        {"two cards: the last folder",
         {kDisk, kCard, kOtherCard},
         "/media/alice/CAM02",
         true,
         "/media/alice/CAM02"},
        {"no card: the last folder", {kDisk}, "/home/alice/cards", true, "/home/alice/cards"},
        {"last folder gone: home", {kDisk}, "/home/alice/gone", false, "/home/alice"},
        {"nothing remembered: home", {kDisk}, std::nullopt, false, "/home/alice"},
        {"empty remembered folder: home", {kDisk}, "", true, "/home/alice"},
        {"a removable ext4 disk is no card", {kDisk, kUsbExt4}, std::nullopt, false, "/home/alice"},
        {"two cards, nothing remembered: home",
         {kDisk, kCard, kOtherCard},
         std::nullopt,
         false,
         "/home/alice"},
    };
    for (const Case& c : cases) {
        const StartFolderFacts facts{c.volumes, c.last, c.lastExists, "/home/alice"};
        EXPECT_EQ(StartOutputFolder(facts), c.start) << c.what;
    }
}

TEST(OutputFolder, CardRoot) {
    const std::vector<Volume> volumes = {kDisk, kCard, kUsbExt4};
    EXPECT_TRUE(IsCameraCardRoot(volumes, "/media/alice/CAM01"));
    EXPECT_TRUE(IsCameraCardRoot(volumes, "/media/alice/CAM01/"));
    EXPECT_FALSE(IsCameraCardRoot(volumes, "/media/alice/CAM01/DCIM")) << "inside, not the root";
    EXPECT_FALSE(IsCameraCardRoot(volumes, "/media/alice/backup")) << "not a card";
    EXPECT_FALSE(IsCameraCardRoot({kDisk}, "/media/alice/CAM01")) << "the card was taken out";
    Volume imageInMedia = kCard;  // a FUSE image: only the media folder makes it a card
    imageInMedia.removable = false;
    EXPECT_TRUE(IsCameraCardRoot({imageInMedia}, "/media/alice/CAM01"));
    imageInMedia.inUserMedia = false;  // as seen by another user
    EXPECT_FALSE(IsCameraCardRoot({imageInMedia}, "/media/alice/CAM01"));
}

TEST(OutputFolder, CardGone) {
    Volume elsewhere = kCard;  // the same card, mounted again under another name
    elsewhere.rootPath = "/media/alice/CAM01_";
    Volume noSize = kCard;  // fusefat on FAT32
    noSize.fileSystem = "fuse.fusefat";
    noSize.bytesTotal = 0;
    noSize.bytesFree = 0;
    Volume stalled = noSize;
    stalled.ready = false;
    Volume driveCard = kCard;  // on Windows
    driveCard.rootPath = "E:\\";
    driveCard.device = "\\\\.\\E:";
    struct Case {
        const char* what;
        std::vector<Volume> volumes;
        const char* folder;
        const char* cardRoot;
        bool mediaMountFolder;  // as the platform tells for alice
        bool gone;
    };
    const Case cases[] = {
        {"card still there", {kDisk, kCard}, "/media/alice/CAM01", "/media/alice/CAM01", true, false},
        {"card pulled out", {kDisk}, "/media/alice/CAM01", "/media/alice/CAM01", true, true},
        {"card pulled out, trailing separator",
         {kDisk},
         "/media/alice/CAM01/",
         "/media/alice/CAM01",
         true,
         true},
        {"card mounted elsewhere",
         {kDisk, elsewhere},
         "/media/alice/CAM01",
         "/media/alice/CAM01",
         true,
         true},
        {"another folder chosen since", {kDisk}, "/home/alice", "/media/alice/CAM01", false, false},
        {"never a card", {kDisk}, "/home/alice", "", false, false},
        {"empty media mount folder, typed", {kDisk}, "/run/media/alice/CAM09", "", true, true},
        {"a folder inside a media mount", {kDisk, kCard}, "/media/alice/CAM01/DCIM", "", false, false},
        {"mounted media that is no card", {kDisk, kUsbExt4}, "/media/alice/backup", "", true, false},
        {"a card root outside the media folders, removed", {kDisk}, "/mnt/sd", "/mnt/sd", false, true},
        {"someone else's media folder", {kDisk}, "/media/bob/CAM01", "", false, false},
        // Still a mount point: a card counts whatever its driver reports, and whether it answers.
        {"card without a reported size",
         {kDisk, noSize},
         "/media/alice/CAM01",
         "/media/alice/CAM01",
         true,
         false},
        {"card without a reported size, typed", {kDisk, noSize}, "/media/alice/CAM01", "", true, false},
        {"drive card still there", {kDisk, driveCard}, "E:\\", "E:\\", true, false},
        {"drive card still there, typed with a small letter", {kDisk, driveCard}, "e:\\", "", true, false},
        {"drive card pulled out, chosen with a small letter", {kDisk}, "e:/", "E:\\", true, true},
        {"card that does not answer",
         {kDisk, stalled},
         "/media/alice/CAM01",
         "/media/alice/CAM01",
         true,
         false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CardGone(c.volumes, c.folder, c.cardRoot, c.mediaMountFolder), c.gone) << c.what;
    }
}

TEST(OutputFolder, SameFolderAndDisplayPath) {
    EXPECT_TRUE(SameFolder("/media/alice/CAM01", "/media/alice/CAM01/"));
    EXPECT_TRUE(SameFolder("E:\\", "E:/"));
    EXPECT_TRUE(SameFolder("/", "/"));
    EXPECT_FALSE(SameFolder("/media/alice/CAM01", "/media/alice/CAM011"));
    EXPECT_FALSE(SameFolder("/media/alice/CAM01", "/media/alice"));
    EXPECT_TRUE(SameFolder("e:\\", "E:\\"));
    EXPECT_TRUE(SameFolder("e:\\cards", "E:/cards"));
    EXPECT_FALSE(SameFolder("E:\\", "F:\\"));

    struct Case {
        const char* folder;
        const char* shown;
    };
    const Case cases[] = {
        {"/media/alice/CAM01", "/media/alice/CAM01/menu.dat"},
        {"/media/alice/CAM01/", "/media/alice/CAM01/menu.dat"},
        {"/", "/menu.dat"},
        {"C:\\", "C:\\menu.dat"},
        {"E:\\cards", "E:\\cards\\menu.dat"},
        {"E:/cards", "E:/cards/menu.dat"},
        {"", "menu.dat"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FilePathForDisplay(c.folder, "menu.dat"), c.shown) << c.folder;
    }
}

TEST(OutputFolder, AbsoluteFolderTakesFullPathsAndTheHomeFolderOnly) {
    struct Case {
        std::string typed;
        std::string home;
        std::optional<std::string> folder;
    };
    const Case cases[] = {
        {"/media/alice/CAM01", "/home/alice", "/media/alice/CAM01"},
        {"/", "/home/alice", "/"},
        {"C:\\", "C:\\Users\\alice", "C:\\"},
        {"d:/cards", "/home/alice", "d:/cards"},
        {"\\\\server\\share", "/home/alice", "\\\\server\\share"},
        {"~", "/home/alice", "/home/alice"},
        {"~/", "/home/alice", "/home/alice"},
        {"~/cards", "/home/alice", "/home/alice/cards"},
        {"~/cards", "/home/alice/", "/home/alice/cards"},
        {"~/cards", "/", "/cards"},
        {"~\\cards", "C:\\Users\\alice", "C:\\Users\\alice\\cards"},
        {"~/cards/~", "/home/alice", "/home/alice/cards/~"},
        {"reldir", "/home/alice", std::nullopt},
        {"./reldir", "/home/alice", std::nullopt},
        {"../x", "/home/alice", std::nullopt},
        {"", "/home/alice", std::nullopt},
        {"~bob/cards", "/home/alice", std::nullopt},
        {"C:cards", "/home/alice", std::nullopt},
        {"~/cards", "", std::nullopt},
        {"~/cards", "home", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AbsoluteFolder(c.typed, c.home), c.folder) << "'" << c.typed << "' in '" << c.home << "'";
    }
}

}  // namespace
}  // namespace corvane
