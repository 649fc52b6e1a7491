#include "decoder/setup_file_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "support/test_folders.h"
#include "tools/inspect_files.h"

namespace corvane::decoder {
namespace {

using inspect::testfiles::Bytes;
namespace testfiles = inspect::testfiles;

Bytes Golden(const std::string& name) {
    return testfiles::ReadFile(std::filesystem::path(CORVANE_TEST_DATA_DIR) / name);
}

// ------------------------------------------------------------------ sound files of the dialog's family

TEST(SetupFileReader, DefaultMenusOfBothFamiliesReadAsTheDialogsDefaults) {
    MenuSettings defaults8620;  // the camera dialog's initial selections and values
    defaults8620.videoSize = 1;
    defaults8620.fileLanguage = 2;
    MenuSettings defaults8520;
    defaults8520.beep = 0;  // no beep list in the 8520 family
    defaults8520.fileLanguage = 2;

    const Reading<MenuSettings> read8620 = ReadMenuSettings(Golden("menu_8620_defaults.dat"), Family::k8620);
    ASSERT_TRUE(read8620.settings) << read8620.refusal->what;
    EXPECT_FALSE(read8620.refusal);
    EXPECT_EQ(*read8620.settings, defaults8620);

    const Reading<MenuSettings> read8520 = ReadMenuSettings(Golden("menu_8520_defaults.dat"), Family::k8520);
    ASSERT_TRUE(read8520.settings) << read8520.refusal->what;
    EXPECT_EQ(*read8520.settings, defaults8520);
}

TEST(SetupFileReader, MenuOfThe8520FamilyWithEveryListAwayFromItsDefault) {
    const Reading<MenuSettings> r =
        ReadMenuSettings(Golden("inspect/seeds/menu/timers_8520.dat"), Family::k8520);
    ASSERT_TRUE(r.settings) << r.refusal->what;
    const MenuSettings& s = *r.settings;
    EXPECT_EQ(s.cameraMode, 2);
    EXPECT_EQ(s.imageSize, 2);
    EXPECT_EQ(s.videoSize, 1);
    EXPECT_EQ(s.pictureCount, 2);
    EXPECT_EQ(s.videoLength, 60);
    EXPECT_EQ(s.intervalUnit, 0);  // seconds: bit 7 of byte 6
    EXPECT_EQ(s.interval, 30);
    EXPECT_EQ(s.senseLevel, 3);
    EXPECT_EQ(s.sidePir, 0);
    EXPECT_EQ(s.timeLapse, 0);
    EXPECT_EQ((std::array{s.timeLapseHour, s.timeLapseMinute, s.timeLapseSecond}), (std::array{23, 59, 59}));
    EXPECT_EQ(s.timer1, (TimerSetting{1, 6, 15, 18, 45}));
    EXPECT_EQ(s.timer2, (TimerSetting{1, 20, 30, 23, 59}));  // bytes 31..35 in this family
    EXPECT_EQ(s.serialEnabled, 1);
    EXPECT_EQ(s.serialChars, (std::array{35, 0, 9, 10}));
    EXPECT_EQ(s.beep, 0);
    EXPECT_EQ(s.sdCycle, 0);
    EXPECT_EQ(s.fileLanguage, 10);
    EXPECT_EQ(s.tvMode, 1);
}

TEST(SetupFileReader, MmsFilesOfTheIndependentGeneratorReadAsTheirSessions) {
    MmsSettings auto8620;
    auto8620.sendMode = 1;
    auto8620.picturesPerDay = 12;
    auto8620.url = "http://mmsc.monternet.com";
    auto8620.apn = "cmwap";
    auto8620.gateway = "10.0.0.172";
    auto8620.port = "80";
    auto8620.phone = "13800138000";
    auto8620.email = "someone@example.com";
    auto8620.fileLanguage = 2;

    MmsSettings manual8520;
    manual8520.manual = true;
    manual8520.sendMode = 2;
    manual8520.apnType = 1;
    manual8520.picturesPerDay = 99;
    manual8520.phoneIsInternational = true;
    manual8520.remoteControlHours = 0;
    manual8520.url = "http://" + std::string(43, 'm');
    manual8520.apn = "internet";
    manual8520.gateway = "010.000.000.010";
    manual8520.port = "9201";
    manual8520.phone = "+8613800138000";
    manual8520.account = "user";
    manual8520.password = "密码";
    manual8520.phone2 = "+4930123456";
    manual8520.phone3 = "b@example.org";
    manual8520.fileLanguage = 1;
    manual8520.tvMode = 1;  // low byte of 0x0101

    const Reading<MmsSettings> a = ReadMmsSettings(Golden("mms_dialog_8620_auto.dat"), Family::k8620);
    ASSERT_TRUE(a.settings) << a.refusal->what;
    EXPECT_EQ(*a.settings, auto8620);
    const Reading<MmsSettings> m =
        ReadMmsSettings(Golden("mms_dialog_8520_manual_international.dat"), Family::k8520);
    ASSERT_TRUE(m.settings) << m.refusal->what;
    EXPECT_EQ(*m.settings, manual8520);
}

TEST(SetupFileReader, SmtpFilesOfTheIndependentGeneratorReadWithTheirFamilysHeaderBytes) {
    SmtpSettings auto8620;
    auto8620.operatorIndex = 1;
    auto8620.picturesPerDay = 7;
    auto8620.smtpStatus = 1;
    auto8620.gprsApn = "3gnet";
    auto8620.gprsAccount = "uninet";
    auto8620.smtpServer = "smtp.example.com";
    auto8620.smtpPort = "25";
    auto8620.senderEmail = "x@example.com";
    auto8620.senderPassword = "secret";
    auto8620.recipientEmail = "me@example.org";
    auto8620.fileLanguage = 10;

    SmtpSettings manual8520;
    manual8520.manual = true;
    manual8520.remoteControlHours = 3;  // byte 8 in this family
    manual8520.gprsApn = "internet";
    manual8520.gprsAccount = "web";
    manual8520.gprsPassword = "web";
    manual8520.smtpServer = "mail.example.net";
    manual8520.smtpPort = "587";
    manual8520.senderEmail = "camera.one@example.net";
    manual8520.senderPassword = "pw";
    manual8520.smsPhone = "01711234567";
    manual8520.recipientEmail = "owner@example.net";
    manual8520.fileLanguage = 1;

    const Reading<SmtpSettings> a = ReadSmtpSettings(Golden("smtp_8620_auto.dat"), Family::k8620);
    ASSERT_TRUE(a.settings) << a.refusal->what;
    EXPECT_EQ(*a.settings, auto8620);
    const Reading<SmtpSettings> m = ReadSmtpSettings(Golden("smtp_8520_manual.dat"), Family::k8520);
    ASSERT_TRUE(m.settings) << m.refusal->what;
    EXPECT_EQ(*m.settings, manual8520);
}

// ------------------------------------------------------------------ refusals

struct RefusalCase {
    const char* name;
    std::function<Bytes()> bytes;
    FileKind wanted;
    Family family;
    Refusal refusal;
    const char* finding;  // a part of the decoder's finding
};

std::optional<Finding> RefusalOf(const RefusalCase& c) {
    const Bytes bytes = c.bytes();
    switch (c.wanted) {
        case FileKind::kMenu:
            return ReadMenuSettings(bytes, c.family).refusal;
        case FileKind::kMms:
            return ReadMmsSettings(bytes, c.family).refusal;
        case FileKind::kSmtp:
            return ReadSmtpSettings(bytes, c.family).refusal;
    }
    return std::nullopt;
}

Bytes Changed(const std::string& golden, size_t offset, uint8_t value) {
    Bytes b = Golden(golden);
    b[offset] = value;
    return b;
}

std::array<uint8_t, 50> MmsHeader(uint8_t send, uint8_t apnType, uint8_t international) {
    std::array<uint8_t, 50> h{};
    h[0] = send;
    h[1] = static_cast<uint8_t>(send + 1);
    h[2] = apnType;
    h[5] = 2;
    h[7] = international;
    h[10] = 25;
    return h;
}

const RefusalCase kRefusals[] = {
    {"menu one byte short",
     [] {
         Bytes b = Golden("menu_8620_defaults.dat");
         b.pop_back();
         return b;
     },
     FileKind::kMenu, Family::k8620, Refusal::kSize, "wrong size: 59 bytes, expected 60"},
    {"menu without its line end", [] { return Changed("menu_8620_defaults.dat", 58, 0x00); }, FileKind::kMenu,
     Family::k8620, Refusal::kFraming, "bytes 58-59 are 0x00 0x0A"},
    {"menu with a changed setting", [] { return Changed("menu_8620_defaults.dat", 0, 0x01); },
     FileKind::kMenu, Family::k8620, Refusal::kChecksum, "checksum stored 0x9A01"},
    {"sealed menu with camera mode 3",
     [] {
         return testfiles::MenuRecord({{0, 3}, {15, 1}, {16, 1}, {29, 2}});
     },
     FileKind::kMenu, Family::k8520, Refusal::kValue, "camera mode (byte 0) is 3, expected 0 to 2"},
    {"factory-settings record", [] { return Golden("menu_factory.dat"); }, FileKind::kMenu, Family::k8620,
     Refusal::kKind, "factory-settings record"},
    {"MMS file where the menu is wanted", [] { return Golden("mms_dialog_8620_auto.dat"); }, FileKind::kMenu,
     Family::k8620, Refusal::kKind, "this is an MMS settings file (setup.dat), not a camera menu"},
    {"e-mail file where the MMS file is wanted", [] { return Golden("smtp_8620_auto.dat"); }, FileKind::kMms,
     Family::k8620, Refusal::kKind, "this is an e-mail settings file (smtp.dat)"},
    {"MMS file where the e-mail file is wanted",
     [] { return Golden("mms_dialog_8520_manual_international.dat"); }, FileKind::kSmtp, Family::k8520,
     Refusal::kKind, "this is an MMS settings file"},
    {"MMS file with a changed text byte", [] { return Changed("mms_dialog_8620_auto.dat", 60, 0x00); },
     FileKind::kMms, Family::k8620, Refusal::kChecksum, "checksum stored"},
    {"e-mail file with a changed checksum", [] { return Changed("smtp_8620_auto.dat", 716, 0x00); },
     FileKind::kSmtp, Family::k8620, Refusal::kChecksum, "(CRC 0x"},
    {"8620-only menu in the 8520 dialog",
     [] {
         return testfiles::MenuRecord({{2, 2}, {15, 1}, {16, 1}, {29, 2}});
     },
     FileKind::kMenu, Family::k8520, Refusal::kFamily,
     "made for the 8620 family, not the 8520 family: video size (byte 2) is 2"},
    {"8520 MMS file sending SMS in the 8620 dialog",
     [] { return Golden("inspect/seeds/setup/manual_domestic_8520.dat"); }, FileKind::kMms, Family::k8620,
     Refusal::kFamily, "send mode (byte 0) is 3, expected 0 to 2"},
    {"8620 e-mail file in the 8520 dialog", [] { return Golden("smtp_8620_auto.dat"); }, FileKind::kSmtp,
     Family::k8520, Refusal::kFamily, "made for the 8620 family"},
    {"8520 e-mail file in the 8620 dialog", [] { return Golden("smtp_8520_manual.dat"); }, FileKind::kSmtp,
     Family::k8620, Refusal::kFamily, "header bytes 6-8 are 1, 0, 3"},
    {"domestic phone longer than the 8520 field",
     [] { return Golden("inspect/seeds/setup/manual_domestic_8520.dat"); }, FileKind::kMms, Family::k8520,
     Refusal::kValue, "phone (record 6) is 32 bytes, the field holds at most 11"},
    {"CSD in Auto mode",
     [] {
         return testfiles::MessageFile(MmsHeader(1, 1, 0), 1, {"", "", "", "", "0123456789"}, 0);
     },
     FileKind::kMms, Family::k8620, Refusal::kValue, "CSD in Auto mode"},
    {"domestic phone longer than the 8620 field",
     [] {
         return testfiles::MessageFile(MmsHeader(1, 0, 0), 1, {"", "", "", "", "0123456789012"}, 0);
     },
     FileKind::kMms, Family::k8620, Refusal::kValue,
     "phone (record 6) is 13 bytes, the field holds at most 12"},
    {"e-mail port longer than its field", [] { return Golden("inspect/seeds/smtp/full_length.dat"); },
     FileKind::kSmtp, Family::k8620, Refusal::kValue,
     "SMTP port (record 6) is 40 bytes, the field holds at most 10"},
};

TEST(SetupFileReader, EachRefusalNamesItsReasonAndGivesNoSettings) {
    for (const RefusalCase& c : kRefusals) {
        SCOPED_TRACE(c.name);
        const std::optional<Finding> finding = RefusalOf(c);
        ASSERT_TRUE(finding);
        EXPECT_EQ(finding->refusal, c.refusal) << finding->what;
        EXPECT_NE(finding->what.find(c.finding), std::string::npos) << finding->what;
    }
}

TEST(SetupFileReader, NetworkTextsOfAutoModeAreNotHeldToTheFieldLimits) {
    // 31 bytes of APN do not fit the Manual field, but in Auto mode the preset replaces them.
    const std::array<std::string, 10> texts = {"", std::string(31, 'a'), "", "", "0123456789"};
    std::array<uint8_t, 50> header = MmsHeader(1, 0, 0);
    const Reading<MmsSettings> inAuto =
        ReadMmsSettings(testfiles::MessageFile(header, 1, texts, 0), Family::k8620);
    ASSERT_TRUE(inAuto.settings) << inAuto.refusal->what;
    EXPECT_EQ(inAuto.settings->apn, std::string(31, 'a'));

    header[8] = 0x80;  // Manual
    const Reading<MmsSettings> inManual =
        ReadMmsSettings(testfiles::MessageFile(header, 0, texts, 0), Family::k8620);
    ASSERT_TRUE(inManual.refusal);
    EXPECT_EQ(inManual.refusal->what, "APN (record 3) is 31 bytes, the field holds at most 30");
}

TEST(SetupFileReader, ReadsFromDiskAndRefusesWhatIsNoFileToRead) {
    testing::TempFolder folder;
    testfiles::WriteFile(folder.File("menu.dat"), Golden("menu_8620_defaults.dat"));
    testfiles::WriteFile(folder.File("setup.dat"), Golden("mms_dialog_8620_auto.dat"));
    testfiles::WriteFile(folder.File("smtp.dat"), Golden("smtp_8620_auto.dat"));
    EXPECT_TRUE(ReadMenuSettingsFile(folder.File("menu.dat"), Family::k8620).settings);
    EXPECT_TRUE(ReadMmsSettingsFile(folder.File("setup.dat"), Family::k8620).settings);
    EXPECT_TRUE(ReadSmtpSettingsFile(folder.File("smtp.dat"), Family::k8620).settings);

    const std::optional<Finding> missing =
        ReadMenuSettingsFile(folder.File("none.dat"), Family::k8620).refusal;
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->refusal, Refusal::kMissing);

    std::filesystem::create_directory(folder.File("folder.dat"));
    const std::optional<Finding> notAFile =
        ReadMmsSettingsFile(folder.File("folder.dat"), Family::k8620).refusal;
    ASSERT_TRUE(notAFile);
    EXPECT_EQ(notAFile->refusal, Refusal::kUnreadable);
    EXPECT_EQ(notAFile->what, "cannot read it: not a regular file");

    testfiles::WriteFile(folder.File("huge.dat"), Bytes(100000, 0));
    const std::optional<Finding> huge = ReadSmtpSettingsFile(folder.File("huge.dat"), Family::k8620).refusal;
    ASSERT_TRUE(huge);
    EXPECT_EQ(huge->refusal, Refusal::kSize);
    EXPECT_NE(huge->what.find("100000 bytes"), std::string::npos);

    testfiles::WriteFile(folder.File("empty.dat"), Bytes());
    const std::optional<Finding> empty =
        ReadMenuSettingsFile(folder.File("empty.dat"), Family::k8520).refusal;
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->what, "wrong size: 0 bytes, expected 60");
}

}  // namespace
}  // namespace corvane::decoder
