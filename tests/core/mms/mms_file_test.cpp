#include "core/mms/mms_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/files/crc16.h"
#include "core/files/scramble.h"
#include "support/message_file_test_support.h"

namespace corvane {
namespace {

using namespace corvane::testing;

// The 8620 worked example: Auto with country 0 and operator 0, VGA, "APN", 12 pictures a day, English,
// TV mode 0, Domestic, remote control Off. Texts as in tests/data/make_settings_goldens.py.
MmsFileValues WorkedExample() {
    MmsFileValues v;
    v.sendMode = 1;
    v.apnType = 0;
    v.picturesPerDay = 12;
    v.fileLanguage = kEnglish;
    v.tvMode = 0;
    v.phoneIsInternational = false;
    v.mmsCountryCode = 0;
    v.mmsOperatorCode = 0;
    v.remoteControlHours = 25;
    v.mmsMode = 0;
    v.url = "http://mmsc.monternet.com";
    v.apn = "cmwap";
    v.gateway = "10.0.0.172";
    v.port = "8080";
    v.phone = "13800138000";
    v.email = "someone@example.com";
    return v;
}

// 8520 family, Manual, International; golden mms_manual_international.dat.
MmsFileValues ManualInternational() {
    MmsFileValues v;
    v.sendMode = 3;
    v.apnType = 1;
    v.picturesPerDay = 99;
    v.fileLanguage = kChinese;
    v.tvMode = 0x0101;
    v.phoneIsInternational = true;
    v.mmsCountryCode = kManualCountryCode;
    v.mmsOperatorCode = 0;
    v.remoteControlHours = 0;
    v.mmsMode = 1;
    v.url = "http://" + std::string(43, 'm');
    v.apn = "internet";
    v.gateway = "010.000.000.010";
    v.port = "9201";
    v.phone = "+8613800138000";
    v.account = "user";
    v.password = "密码";
    v.phone2 = "+4930123456";
    v.phone3 = "b@example.org";
    return v;
}

MessageFileResult Write(const std::string& folder, const MmsFileValues& values) {
    RealFileSystem fs;
    return WriteMmsSettingsFile(fs, folder, values);
}

TEST(MmsFileHeaderTest, WorkedExample) {
    const Record header = MmsFileHeader(WorkedExample());
    const Bytes expectedStart = {0x01, 0x02, 0x00, 0x01, 0x02, 0x02, 0x00, 0x00, 0x00, 0x00, 0x19};
    EXPECT_EQ(Slice(header, 0, 11), expectedStart);
    EXPECT_EQ(Slice(header, 11, 44), Bytes(44, 0x00));
    EXPECT_EQ(Slice(header, 55, 5), (Bytes{0x01, 0x00, 0x00, 0x0D, 0x0A}));

    const Record stored = ScrambleRecord(header);
    EXPECT_EQ(Slice(stored, 0, 11),
              (Bytes{0xEF, 0xDF, 0xFF, 0xEF, 0xDF, 0xDF, 0xFF, 0xFF, 0xFF, 0xFF, 0x6E}));
    EXPECT_EQ(Slice(stored, 11, 39), Bytes(39, 0xFF));
    EXPECT_EQ(Slice(stored, 50, 10), (Bytes{0, 0, 0, 0, 0, 0x01, 0, 0, 0x0D, 0x0A}));
}

TEST(MmsFileHeaderTest, EachValueAtItsByte) {
    struct Case {
        const char* what;
        void (*change)(MmsFileValues&);
        std::vector<std::pair<std::size_t, uint8_t>> bytes;
    };
    const std::vector<Case> cases = {
        {"no limit", [](MmsFileValues& v) { v.picturesPerDay = 0; }, {{3, 0}, {4, 0}}},
        {"99 a day", [](MmsFileValues& v) { v.picturesPerDay = 99; }, {{3, 9}, {4, 9}}},
        {"10 a day", [](MmsFileValues& v) { v.picturesPerDay = 10; }, {{3, 1}, {4, 0}}},
        {"8520 SMS", [](MmsFileValues& v) { v.sendMode = 3; }, {{0, 3}, {1, 4}}},
        {"send Off", [](MmsFileValues& v) { v.sendMode = 0; }, {{0, 0}, {1, 1}}},
        {"CSD", [](MmsFileValues& v) { v.apnType = 1; }, {{2, 1}}},
        {"Japanese", [](MmsFileValues& v) { v.fileLanguage = kJapanese; }, {{5, 10}}},
        {"TV mode low byte", [](MmsFileValues& v) { v.tvMode = 0x1234; }, {{6, 0x34}}},
        {"International", [](MmsFileValues& v) { v.phoneIsInternational = true; }, {{7, 1}}},
        {"Manual",
         [](MmsFileValues& v) {
             v.mmsMode = 1;
             v.mmsCountryCode = kManualCountryCode;
             v.mmsOperatorCode = 0;
         },
         {{8, 0x80}, {9, 0}, {55, 0}}},
        {"Auto, Cayman Islands", [](MmsFileValues& v) { v.mmsCountryCode = 41; }, {{8, 41}, {9, 0}, {55, 1}}},
        {"Auto, UK slot 8",
         [](MmsFileValues& v) {
             v.mmsCountryCode = 3;
             v.mmsOperatorCode = 8;
         },
         {{8, 3}, {9, 8}, {55, 1}}},
        {"remote control 24 hours", [](MmsFileValues& v) { v.remoteControlHours = 24; }, {{10, 24}}},
    };
    const Record base = MmsFileHeader(WorkedExample());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MmsFileValues values = WorkedExample();
        c.change(values);
        Record expected = base;
        for (const auto& [offset, value] : c.bytes) {
            expected[offset] = value;
        }
        EXPECT_EQ(MmsFileHeader(values), expected);
    }
}

TEST(MmsTextRecordTest, TextsAreStoredAsTheirBytes) {
    struct Case {
        std::string text;
        std::size_t length;
    };
    const std::vector<Case> cases = {
        {"", 0},
        {"8080", 4},
        {std::string(50, 'u'), 50},
        {"Äpfel 中", 10},  // counted in bytes, not characters
        {" Mixed Case ", 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto record = MessageTextRecord(c.text);
        ASSERT_TRUE(record.has_value());
        EXPECT_EQ(Slice(*record, 0, c.length), Bytes(c.text.begin(), c.text.end()));
        EXPECT_EQ(Slice(*record, c.length, 57 - c.length), Bytes(57 - c.length, 0));
        EXPECT_EQ((*record)[57], c.length);
        EXPECT_EQ((*record)[58], 0x0D);
        EXPECT_EQ((*record)[59], 0x0A);
    }
    EXPECT_FALSE(MessageTextRecord(std::string(51, 'u')).has_value());
    EXPECT_FALSE(MessageTextRecord("中文中文中文中文中文中文中文中文中").has_value());  // 17 chars, 51 bytes
}

TEST(MmsTextRecordTest, WorkedExamplePortStoredForm) {
    const auto record = MessageTextRecord("8080");
    ASSERT_TRUE(record.has_value());
    const Record stored = ScrambleRecord(*record);
    EXPECT_EQ(Slice(stored, 0, 4), (Bytes{0x7C, 0xFC, 0x7C, 0xFC}));
    EXPECT_EQ(Slice(stored, 4, 46), Bytes(46, 0xFF));
    EXPECT_EQ(Slice(stored, 50, 10), (Bytes{0, 0, 0, 0, 0, 0, 0, 0x04, 0x0D, 0x0A}));
}

TEST(MmsRecordsTest, TenTextsInFileOrder) {
    MmsFileValues v;
    v.url = "u";
    v.apn = "ap";
    v.gateway = "gat";
    v.port = "port";
    v.phone = "phone";
    v.email = "email@";
    v.account = "account";
    v.password = "password";
    v.phone2 = "phone2-xx";
    v.phone3 = "phone3-xxx";
    const MessageRecords built = BuildMmsRecords(v, "x/setup.dat");
    ASSERT_FALSE(built.refused.has_value());
    EXPECT_EQ(built.plain[0], MmsFileHeader(v));
    const std::vector<std::string> order = {v.url,   v.apn,     v.gateway,  v.port,   v.phone,
                                            v.email, v.account, v.password, v.phone2, v.phone3};
    for (std::size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(built.plain[i + 1], *MessageTextRecord(order[i])) << "record " << i + 2;
    }
}

TEST(MmsRecordsTest, PlainRecordsAreThoseOfTheIndependentScratchCopy) {
    const MessageRecords built = BuildMmsRecords(WorkedExample(), "x/setup.dat");
    // The golden scratch copy was computed independently of the C++ code: the 11 plain records, then
    // their plain checksum record.
    const Bytes scratch = Golden("mms_worked_example_scratch.dat");
    ASSERT_EQ(scratch.size(), 720u);
    for (std::size_t r = 0; r < 11; ++r) {
        EXPECT_EQ(ToBytes(built.plain[r]), Slice(scratch, r * 60, 60)) << "record " << r;
    }
    const Record checksum = CrcRecord(Crc16Update(0, std::span<const uint8_t>(scratch.data(), 660)), 0);
    EXPECT_EQ(ToBytes(checksum), Slice(scratch, 660, 60));
}

TEST(MmsRecordsTest, ChecksumOffsetDependsOnThePhoneType) {
    EXPECT_EQ(MmsChecksumOffset(true), 18);
    EXPECT_EQ(MmsChecksumOffset(false), 0);
    // The sum wraps: a CRC of 0xFFF0 is stored as 0x0002 with international numbers.
    const Record wrapped = CrcRecord(0xFFF0, MmsChecksumOffset(true));
    EXPECT_EQ(wrapped[56], 0x02);
    EXPECT_EQ(wrapped[57], 0x00);
    const Record domestic = CrcRecord(0xFFF0, MmsChecksumOffset(false));
    EXPECT_EQ(domestic[56], 0xF0);
    EXPECT_EQ(domestic[57], 0xFF);
}

TEST(MmsSettingsFileTest, WritesTheGoldenFiles) {
    struct Case {
        const char* golden;
        const char* scratchGolden;
        MmsFileValues values;
    };
    for (const Case& c : {Case{"mms_worked_example.dat", "mms_worked_example_scratch.dat", WorkedExample()},
                          Case{"mms_manual_international.dat", nullptr, ManualInternational()}}) {
        SCOPED_TRACE(c.golden);
        TempFolder folder;
        RealFileSystem real;
        RecordingFileSystem fs(real);
        const MessageFileResult result = WriteMmsSettingsFile(fs, folder.path(), c.values);
        EXPECT_TRUE(result.completed) << DescribeMessageFileFailure(result, kEnglish);
        EXPECT_EQ(ReadBytes(folder.File("setup.dat")), Golden(c.golden));
        EXPECT_EQ(NamesIn(folder.path()), std::vector<std::string>{"setup.dat"});
        // No file ever held the texts unscrambled: the only bytes written are the stored ones, and they
        // are the plain records (of the independent scratch copy, where there is one) scrambled.
        EXPECT_TRUE(fs.WrittenTo(folder.File("mms.dat")).empty());
        const Bytes stored = ReadBytes(folder.File("setup.dat"));
        const std::vector<std::string> written = fs.WrittenPaths();
        ASSERT_EQ(written.size(), 1u) << "only the temporary file";
        EXPECT_EQ(written[0].rfind(folder.File("setup.dat."), 0), 0u) << written[0];
        EXPECT_EQ(fs.WrittenTo(written[0]), stored);
        const Bytes plain = c.scratchGolden != nullptr ? Golden(c.scratchGolden) : Bytes{};
        const MessageRecords built = BuildMmsRecords(c.values, "");
        for (std::size_t r = 0; r < 11; ++r) {
            const Record scrambled = ScrambleRecord(built.plain[r]);
            EXPECT_EQ(Bytes(scrambled.begin(), scrambled.end()), Slice(stored, r * 60, 60)) << "record " << r;
            if (!plain.empty()) {
                EXPECT_EQ(ToBytes(built.plain[r]), Slice(plain, r * 60, 60)) << "record " << r;
            }
        }
    }
}

TEST(MmsSettingsFileTest, InternationalChecksumIsTheStoredCrcPlus18) {
    for (bool international : {false, true}) {
        SCOPED_TRACE(international ? "International" : "Domestic");
        TempFolder folder;
        MmsFileValues values = WorkedExample();
        values.phoneIsInternational = international;
        ASSERT_TRUE(Write(folder.path(), values).completed);
        const Bytes file = ReadBytes(folder.File("setup.dat"));
        ASSERT_EQ(file.size(), 720u);
        const uint16_t crc = Crc16Update(0, std::span<const uint8_t>(file.data(), 660));
        const uint16_t stored = static_cast<uint16_t>(file[716] | (file[717] << 8));
        EXPECT_EQ(stored, static_cast<uint16_t>(crc + (international ? 18 : 0)));
        EXPECT_EQ(Slice(file, 660, 56), Bytes(56, 0));
        EXPECT_EQ(file[718], 0x0D);
        EXPECT_EQ(file[719], 0x0A);
    }
}

TEST(MmsSettingsFileTest, EmptyAndFullTextsInTheStoredFile) {
    TempFolder folder;
    MmsFileValues values = WorkedExample();
    values.url = std::string(50, 'w');
    values.account = "";
    ASSERT_TRUE(Write(folder.path(), values).completed);
    const Bytes file = ReadBytes(folder.File("setup.dat"));
    // Record 2 (url): every payload byte used, length 0x32.
    EXPECT_EQ(Slice(file, 60, 50), Bytes(50, ScrambleByte('w')));
    EXPECT_EQ(file[60 + 57], 0x32);
    // Record 8 (account), empty: scrambled zeros, length 0.
    EXPECT_EQ(Slice(file, 420, 50), Bytes(50, 0xFF));
    EXPECT_EQ(Slice(file, 470, 10), (Bytes{0, 0, 0, 0, 0, 0, 0, 0, 0x0D, 0x0A}));
}

TEST(MmsSettingsFileTest, ReplacesEarlierFilesAndLeavesNoScratch) {
    TempFolder folder;
    ASSERT_TRUE(WriteBytes(folder.File("mms.dat"), Bytes(1000, 0x55)));
    ASSERT_TRUE(WriteBytes(folder.File("setup.dat"), Bytes(2000, 0x66)));
    ASSERT_TRUE(Write(folder.path(), WorkedExample()).completed);
    EXPECT_EQ(NamesIn(folder.path()), std::vector<std::string>{"setup.dat"});
    const Bytes first = ReadBytes(folder.File("setup.dat"));
    EXPECT_EQ(first, Golden("mms_worked_example.dat"));
    ASSERT_TRUE(Write(folder.path(), WorkedExample()).completed);
    EXPECT_EQ(ReadBytes(folder.File("setup.dat")), first);
    // A folder held with a trailing separator works as well.
    ASSERT_TRUE(Write(folder.path() + "/", WorkedExample()).completed);
    EXPECT_EQ(ReadBytes(folder.File("setup.dat")), first);
}

TEST(MmsSettingsFileTest, RefusesWhatDoesNotFitAndWritesNothing) {
    struct Case {
        const char* field;
        void (*change)(MmsFileValues&);
        RefusedValue::Kind kind;
        int64_t value;
        const char* english;
        const char* chinese;
    };
    const std::vector<Case> cases = {
        {"url", [](MmsFileValues& v) { v.url = std::string(51, 'u'); }, RefusedValue::Kind::kTextTooLong, 51,
         "url is 51 bytes long, but its record holds at most 50 bytes", "url 的长度为 51 字节"},
        {"apn", [](MmsFileValues& v) { v.apn = std::string(60, 'a'); }, RefusedValue::Kind::kTextTooLong, 60,
         "apn is 60 bytes long", "最多只能容纳 50 字节"},
        {"password", [](MmsFileValues& v) { v.password = "密码密码密码密码密码密码密码密码密码"; },
         RefusedValue::Kind::kTextTooLong, 54, "password is 54 bytes long", "password 的长度为 54 字节"},
        {"phone3", [](MmsFileValues& v) { v.phone3 = std::string(51, '1'); },
         RefusedValue::Kind::kTextTooLong, 51, "phone3 is 51 bytes long", "phone3"},
        {"picturesPerDay", [](MmsFileValues& v) { v.picturesPerDay = 100; }, RefusedValue::Kind::kOutOfRange,
         100, "picturesPerDay is 100, but it must be between 0 and 99", "不在 0 和 99 之间"},
        {"picturesPerDay", [](MmsFileValues& v) { v.picturesPerDay = -1; }, RefusedValue::Kind::kOutOfRange,
         -1, "picturesPerDay is -1", "picturesPerDay 的值 -1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + std::to_string(c.value));
        MmsFileValues values = WorkedExample();
        c.change(values);
        ExpectRefusedWritingNothing(
            [&values](FileSystem& fs, const std::string& folder) {
                return WriteMmsSettingsFile(fs, folder, values);
            },
            "setup.dat", {c.kind, c.field, c.value, c.english, c.chinese});
    }
}

TEST(MmsSettingsFileTest, EveryFailedStepKeepsThePreviousFile) {
    testing::ExpectEveryFailureKeepsThePreviousFile(
        [](FileSystem& fs, const std::string& folder) {
            return WriteMmsSettingsFile(fs, folder, WorkedExample());
        },
        "setup.dat", Bytes(720, 0x42), Golden("mms_worked_example.dat"));
}

TEST(MmsSettingsFileTest, MissingFolderIsReported) {
    TempFolder folder;
    const MessageFileResult result = Write(folder.File("no-such-folder"), WorkedExample());
    EXPECT_FALSE(result.completed);
    ASSERT_TRUE(result.writeFailure.has_value());
    EXPECT_EQ(result.writeFailure->error, ENOENT);
    EXPECT_TRUE(NamesIn(folder.path()).empty());
}

}  // namespace
}  // namespace corvane
