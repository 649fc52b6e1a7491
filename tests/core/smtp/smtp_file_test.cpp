#include "core/smtp/smtp_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/files/crc16.h"
#include "core/files/scramble.h"
#include "core/models/models.h"
#include "support/message_file_test_support.h"

namespace corvane {
namespace {

using namespace corvane::testing;

// 8620, Auto, data-access country 0 / operator 1; golden smtp_8620_auto.dat.
SmtpFileValues Auto8620() {
    SmtpFileValues v;
    v.family = ModelFamily::k8620;
    v.autoMode = true;
    v.countryIndex = 0;
    v.operatorIndex = 1;
    v.picturesPerDay = 7;
    v.fileLanguage = kJapanese;
    v.remoteControl = 25;
    v.smtpStatus = 1;
    v.apn = "3gnet";
    v.account = "uninet";
    v.password = "";
    v.smtpServer = "smtp.example.com";
    v.smtpPort = "25";
    v.senderAddress = "x@example.com";
    v.senderPassword = "secret";
    v.phone = "";
    v.recipient = "me@example.org";
    return v;
}

// 8520, Manual, remote control at 3 hours; golden smtp_8520_manual.dat. The country and operator
// selections are left over from Auto mode and must not reach the file.
SmtpFileValues Manual8520() {
    SmtpFileValues v;
    v.family = ModelFamily::k8520;
    v.autoMode = false;
    v.countryIndex = 5;
    v.operatorIndex = 2;
    v.picturesPerDay = 0;
    v.fileLanguage = kChinese;
    v.remoteControl = 3;
    v.smtpStatus = 2;  // no such list in this family; ignored
    v.apn = "internet";
    v.account = "web";
    v.password = "web";
    v.smtpServer = "mail.example.net";
    v.smtpPort = "587";
    v.senderAddress = "camera.one@example.net";
    v.senderPassword = "pw";
    v.phone = "01711234567";
    v.recipient = "owner@example.net";
    return v;
}

MessageFileResult Write(const std::string& folder, const SmtpFileValues& values) {
    RealFileSystem fs;
    return WriteSmtpSettingsFile(fs, folder, values);
}

TEST(SmtpFileHeaderTest, EachValueAtItsByte) {
    struct Case {
        const char* what;
        SmtpFileValues values;
        std::vector<uint8_t> first9;  // bytes 0-8
        uint8_t modeFlag;
    };
    auto with = [](SmtpFileValues v, auto change) {
        change(v);
        return v;
    };
    const std::vector<Case> cases = {
        {"8620 Auto", Auto8620(), {0, 1, 0, 0, 7, 10, 1, 25, 0}, 1},
        {"8520 Manual", Manual8520(), {0, 0, 0x80, 0, 0, 1, 1, 0, 3}, 0},
        {"8520 Auto, remote control Off",
         with(Manual8520(),
              [](SmtpFileValues& v) {
                  v.autoMode = true;
                  v.remoteControl = 25;
              }),
         {0, 2, 5, 0, 0, 1, 1, 0, 25},
         1},
        {"8620 Manual, status Off, 24 hours",
         with(Auto8620(),
              [](SmtpFileValues& v) {
                  v.autoMode = false;
                  v.smtpStatus = 0;
                  v.remoteControl = 24;
              }),
         {0, 0, 0x80, 0, 7, 10, 0, 24, 0},
         0},
        {"8620 status SMS, Cyprus, 99 a day",
         with(Auto8620(),
              [](SmtpFileValues& v) {
                  v.smtpStatus = 2;
                  v.countryIndex = 40;
                  v.operatorIndex = 0;
                  v.picturesPerDay = 99;
                  v.fileLanguage = kEnglish;
              }),
         {0, 0, 40, 9, 9, 2, 2, 25, 0},
         1},
        {"8620 UK slot 7, 10 a day",
         with(Auto8620(),
              [](SmtpFileValues& v) {
                  v.countryIndex = 3;
                  v.operatorIndex = 7;
                  v.picturesPerDay = 10;
              }),
         {0, 7, 3, 1, 0, 10, 1, 25, 0},
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Record expected = NewRecord();
        std::copy(c.first9.begin(), c.first9.end(), expected.begin());
        expected[55] = c.modeFlag;
        EXPECT_EQ(SmtpFileHeader(c.values), expected);
    }
}

TEST(SmtpRecordsTest, SenderUserNameIsThePartBeforeTheFirstAt) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"a@example.com", "a"},          {"camera.one@example.net", "camera.one"},
        {"odd@name@example.net", "odd"}, {"@example.net", ""},
        {"no-at-sign", "no-at-sign"},    {"", ""},
        {"名前@example.jp", "名前"},
    };
    for (const auto& [address, user] : cases) {
        EXPECT_EQ(SenderUserName(address), user) << address;
        SmtpFileValues values = Auto8620();
        values.senderAddress = address;
        const MessageRecords built = BuildSmtpRecords(values, "x/smtp.dat");
        ASSERT_FALSE(built.refused.has_value()) << address;
        EXPECT_EQ(built.plain[9], *MessageTextRecord(user)) << address;
        EXPECT_EQ(built.plain[9][57], user.size()) << address;
    }
}

TEST(SmtpRecordsTest, TenTextsInFileOrder) {
    const SmtpFileValues v = Manual8520();
    const MessageRecords built = BuildSmtpRecords(v, "x/smtp.dat");
    ASSERT_FALSE(built.refused.has_value());
    EXPECT_EQ(built.plain[0], SmtpFileHeader(v));
    const std::vector<std::string> order = {v.apn,        v.account,       v.password,       v.smtpServer,
                                            v.smtpPort,   v.senderAddress, v.senderPassword, v.phone,
                                            "camera.one", v.recipient};
    for (std::size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(built.plain[i + 1], *MessageTextRecord(order[i])) << "record " << i + 2;
    }
}

TEST(SmtpSettingsFileTest, WritesTheGoldenFiles) {
    struct Case {
        const char* golden;
        SmtpFileValues values;
    };
    for (const Case& c :
         {Case{"smtp_8620_auto.dat", Auto8620()}, Case{"smtp_8520_manual.dat", Manual8520()}}) {
        SCOPED_TRACE(c.golden);
        TempFolder folder;
        const MessageFileResult result = Write(folder.path(), c.values);
        EXPECT_TRUE(result.completed) << DescribeMessageFileFailure(result, kEnglish);
        const Bytes file = ReadBytes(folder.File("smtp.dat"));
        EXPECT_EQ(file, Golden(c.golden));
        EXPECT_EQ(NamesIn(folder.path()), std::vector<std::string>{"smtp.dat"});
        ASSERT_EQ(file.size(), 720u);
        const uint16_t crc = Crc16Update(0, std::span<const uint8_t>(file.data(), 660));
        EXPECT_EQ(static_cast<uint16_t>(file[716] | (file[717] << 8)), static_cast<uint16_t>(crc + 15));
    }
}

TEST(SmtpSettingsFileTest, ChecksumAddendWrapsPast65535) {
    const Record wrapped = CrcRecord(0xFFFA, kSmtpChecksumOffset);
    EXPECT_EQ(wrapped[56], 0x09);
    EXPECT_EQ(wrapped[57], 0x00);
}

TEST(SmtpSettingsFileTest, StoredFormOfTextRecords) {
    TempFolder folder;
    SmtpFileValues values = Auto8620();
    values.apn = "abc";
    values.password = "";
    values.senderAddress = "q@example.com";
    ASSERT_TRUE(Write(folder.path(), values).completed);
    const Bytes file = ReadBytes(folder.File("smtp.dat"));
    ASSERT_EQ(file.size(), 720u);
    // Record 2 (apn) "abc": E9 D9 C9, 47 x FF, 7 x 00, 03 0D 0A.
    Bytes abc = {0xE9, 0xD9, 0xC9};
    abc.insert(abc.end(), 47, 0xFF);
    abc.insert(abc.end(), 7, 0x00);
    abc.insert(abc.end(), {0x03, 0x0D, 0x0A});
    EXPECT_EQ(Slice(file, 60, 60), abc);
    // Record 4 (GPRS password), empty: 50 x FF, 7 x 00, 00 0D 0A.
    Bytes empty(50, 0xFF);
    empty.insert(empty.end(), 7, 0x00);
    empty.insert(empty.end(), {0x00, 0x0D, 0x0A});
    EXPECT_EQ(Slice(file, 180, 60), empty);
    // Record 10 (user name) "q", length 1.
    EXPECT_EQ(file[540], ScrambleByte('q'));
    EXPECT_EQ(Slice(file, 541, 49), Bytes(49, 0xFF));
    EXPECT_EQ(file[540 + 57], 1);
}

TEST(SmtpSettingsFileTest, ReplacesEarlierFilesAndLeavesNoScratch) {
    TempFolder folder;
    ASSERT_TRUE(WriteBytes(folder.File("mms.dat"), Bytes(1000, 0x55)));
    ASSERT_TRUE(WriteBytes(folder.File("smtp.dat"), Bytes(3000, 0x66)));
    ASSERT_TRUE(WriteBytes(folder.File("setup.dat"), Bytes(720, 0x77)));
    ASSERT_TRUE(Write(folder.path(), Auto8620()).completed);
    EXPECT_EQ(NamesIn(folder.path()), (std::vector<std::string>{"setup.dat", "smtp.dat"}));
    EXPECT_EQ(ReadBytes(folder.File("smtp.dat")), Golden("smtp_8620_auto.dat"));
    EXPECT_EQ(ReadBytes(folder.File("setup.dat")), Bytes(720, 0x77));
    ASSERT_TRUE(Write(folder.path(), Auto8620()).completed);
    EXPECT_EQ(ReadBytes(folder.File("smtp.dat")), Golden("smtp_8620_auto.dat"));
}

TEST(SmtpSettingsFileTest, RefusesWhatDoesNotFitAndWritesNothing) {
    struct Case {
        const char* field;
        void (*change)(SmtpFileValues&);
        RefusedValue::Kind kind;
        int64_t value;
    };
    const std::vector<Case> cases = {
        {"apn", [](SmtpFileValues& v) { v.apn = std::string(51, 'a'); }, RefusedValue::Kind::kTextTooLong,
         51},
        {"smtpServer", [](SmtpFileValues& v) { v.smtpServer = std::string(57, 's'); },
         RefusedValue::Kind::kTextTooLong, 57},
        // The address is checked before the user name taken from it.
        {"senderAddress", [](SmtpFileValues& v) { v.senderAddress = std::string(51, 'n'); },
         RefusedValue::Kind::kTextTooLong, 51},
        {"recipient", [](SmtpFileValues& v) { v.recipient = "受信者受信者受信者受信者受信者受信者@x"; },
         RefusedValue::Kind::kTextTooLong, 56},
        {"picturesPerDay", [](SmtpFileValues& v) { v.picturesPerDay = 100; }, RefusedValue::Kind::kOutOfRange,
         100},
        {"picturesPerDay", [](SmtpFileValues& v) { v.picturesPerDay = -7; }, RefusedValue::Kind::kOutOfRange,
         -7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + std::to_string(c.value));
        SmtpFileValues values = Auto8620();
        c.change(values);
        ExpectRefusedWritingNothing(
            [&values](FileSystem& fs, const std::string& folder) {
                return WriteSmtpSettingsFile(fs, folder, values);
            },
            "smtp.dat",
            {c.kind, c.field, c.value, std::string(c.field) + " is " + std::to_string(c.value),
             "无法生成文件"});
    }
}

TEST(SmtpSettingsFileTest, EveryFailedStepKeepsThePreviousFile) {
    testing::ExpectEveryFailureKeepsThePreviousFile(
        [](FileSystem& fs, const std::string& folder) {
            return WriteSmtpSettingsFile(fs, folder, Manual8520());
        },
        "smtp.dat", Bytes(720, 0x42), Golden("smtp_8520_manual.dat"));
}

}  // namespace
}  // namespace corvane
