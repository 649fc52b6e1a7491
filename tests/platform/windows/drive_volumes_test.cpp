// The volume list and the camera-card decision made from recorded drive facts, as Windows reports them.
#include "platform/windows/drive_volumes.h"

#include <gtest/gtest.h>

#include "core/files/output_folder.h"

namespace corvane::platform {
namespace {

DriveFacts Drive(const char* root, DriveKind kind, DriveAnswer answer, const char* fileSystem = "",
                 DriveBus bus = DriveBus::kUnknown) {
    DriveFacts facts;
    facts.root = root;
    facts.kind = kind;
    facts.answer = answer;
    facts.fileSystem = fileSystem;
    facts.bus = bus;
    if (answer == DriveAnswer::kReady) {
        facts.label = "LABEL";
        facts.bytesTotal = 32'000'000'000;
        facts.bytesFree = 31'000'000'000;
    }
    return facts;
}

struct Case {
    const char* what;
    DriveFacts drive;
    bool listed;
    bool removable = false;
    VolumeFormat format = VolumeFormat::kOther;
    bool ready = true;
    bool card = false;
};

TEST(DriveVolumesTest, EachKindOfDrive) {
    using enum DriveKind;
    using enum DriveAnswer;
    const Case cases[] = {
        {"removable FAT32 card", Drive("E:\\", kRemovable, kReady, "FAT32"), true, true, VolumeFormat::kFat,
         true, true},
        {"removable FAT16 card, name in small letters", Drive("E:\\", kRemovable, kReady, "fat16"), true,
         true, VolumeFormat::kFat, true, true},
        {"removable FAT12", Drive("A:\\", kRemovable, kReady, "FAT"), true, true, VolumeFormat::kFat, true,
         true},
        {"exFAT card in a reader", Drive("F:\\", kRemovable, kReady, "exFAT"), true, true,
         VolumeFormat::kExFat, true, true},
        {"exFAT card in an SD slot shown as a fixed disk",
         Drive("F:\\", kFixed, kReady, "exFAT", DriveBus::kSd), true, true, VolumeFormat::kExFat, true, true},
        {"FAT32 card in a USB reader shown as a fixed disk",
         Drive("G:\\", kFixed, kReady, "FAT32", DriveBus::kUsb), true, true, VolumeFormat::kFat, true, true},
        {"FAT32 card on an MMC bus", Drive("G:\\", kFixed, kReady, "FAT32", DriveBus::kMmc), true, true,
         VolumeFormat::kFat, true, true},
        {"fixed NTFS system disk", Drive("C:\\", kFixed, kReady, "NTFS", DriveBus::kOther), true, false},
        {"fixed exFAT disk inside the computer", Drive("D:\\", kFixed, kReady, "exFAT", DriveBus::kOther),
         true, false, VolumeFormat::kExFat},
        {"fixed FAT32 disk of unknown bus", Drive("D:\\", kFixed, kReady, "FAT32"), true, false,
         VolumeFormat::kFat},
        {"removable NTFS stick", Drive("H:\\", kRemovable, kReady, "NTFS"), true, true},
        {"CD-ROM", Drive("D:\\", kCdRom, kNotAsked), true},
        {"network drive", Drive("Z:\\", kRemote, kNotAsked), true},
        {"RAM disk with FAT", Drive("R:\\", kRamDisk, kReady, "FAT32"), true, false, VolumeFormat::kFat},
        {"empty card reader slot", Drive("E:\\", kRemovable, kNoMedium), false},
        {"unformatted card", Drive("E:\\", kRemovable, kUnreadable), false},
        {"letter no longer a drive", Drive("E:\\", kNoRootFolder, kNoMedium), false},
        {"stalled card reader", Drive("E:\\", kRemovable, kNoAnswer), true, true, VolumeFormat::kOther,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<Volume> volumes = VolumesFromDriveFacts({c.drive});
        ASSERT_EQ(volumes.size(), c.listed ? 1u : 0u);
        EXPECT_EQ(CameraCards(volumes).size(), c.card ? 1u : 0u);
        if (!c.listed) {
            continue;
        }
        const Volume& volume = volumes.front();
        EXPECT_EQ(volume.rootPath, c.drive.root);
        EXPECT_EQ(volume.removable, c.removable);
        EXPECT_EQ(volume.format, c.format);
        EXPECT_EQ(volume.ready, c.ready);
        EXPECT_EQ(volume.device, std::string("\\\\.\\") + c.drive.root.substr(0, 2));
        if (c.drive.answer == kReady) {
            EXPECT_EQ(volume.label, "LABEL");
            EXPECT_EQ(volume.fileSystem, c.drive.fileSystem);
            EXPECT_EQ(volume.bytesTotal, 32'000'000'000u);
            EXPECT_EQ(volume.bytesFree, 31'000'000'000u);
        } else {
            EXPECT_EQ(volume.bytesTotal, 0u) << "sizes unknown";
            EXPECT_EQ(volume.fileSystem, "");
        }
    }
}

TEST(DriveVolumesTest, TheOnlyCardIsTheStartFolderAndItsRootGoneWhenPulledOut) {
    using enum DriveKind;
    using enum DriveAnswer;
    const std::vector<DriveFacts> withCard = {
        Drive("C:\\", kFixed, kReady, "NTFS", DriveBus::kOther),
        Drive("D:\\", kCdRom, kNotAsked),
        Drive("E:\\", kRemovable, kReady, "FAT32"),
        Drive("Z:\\", kRemote, kNotAsked),
    };
    StartFolderFacts facts;
    facts.volumes = VolumesFromDriveFacts(withCard);
    facts.defaultFolder = "C:\\Users\\alice";
    EXPECT_EQ(StartOutputFolder(facts), "E:\\");
    EXPECT_FALSE(CardGone(facts.volumes, "E:\\", "E:\\", true));

    // The card pulled out of the reader: the slot's letter stays, without a medium.
    std::vector<DriveFacts> pulled = withCard;
    pulled[2] = Drive("E:\\", kRemovable, kNoMedium);
    const std::vector<Volume> afterwards = VolumesFromDriveFacts(pulled);
    EXPECT_TRUE(CardGone(afterwards, "E:\\", "E:\\", true));
    EXPECT_TRUE(CardGone(afterwards, "E:\\", "", true)) << "a removable drive's root, chosen by hand";
    EXPECT_FALSE(CardGone(afterwards, "C:\\", "", false));
    // The whole reader unplugged: the letter is gone too.
    pulled.erase(pulled.begin() + 2);
    EXPECT_TRUE(CardGone(VolumesFromDriveFacts(pulled), "E:\\", "E:\\", true));

    // Two cards: none is chosen for the user.
    std::vector<DriveFacts> two = withCard;
    two.push_back(Drive("F:\\", kRemovable, kReady, "exFAT"));
    facts.volumes = VolumesFromDriveFacts(two);
    EXPECT_EQ(StartOutputFolder(facts), "C:\\Users\\alice");
}

TEST(DriveVolumesTest, DriveRootLetters) {
    EXPECT_EQ(DriveRootLetter("E:\\"), 'E');
    EXPECT_EQ(DriveRootLetter("e:/"), 'E');
    EXPECT_EQ(DriveRootLetter("E:"), 'E');
    EXPECT_EQ(DriveRootLetter("E:\\DCIM"), std::nullopt);
    EXPECT_EQ(DriveRootLetter("\\\\server\\share"), std::nullopt);
    EXPECT_EQ(DriveRootLetter("/media/alice/CARD"), std::nullopt);
    EXPECT_EQ(DriveRootLetter("1:\\"), std::nullopt);
    EXPECT_EQ(DriveRootLetter(""), std::nullopt);
}

TEST(DriveVolumesTest, SerialNumbersAsWindowsShowsThem) {
    EXPECT_EQ(FormatVolumeSerial(0x1A2B3C4Du), "1A2B-3C4D");
    EXPECT_EQ(FormatVolumeSerial(0x0000000Fu), "0000-000F");
}

}  // namespace
}  // namespace corvane::platform
