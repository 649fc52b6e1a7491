// corvane-inspect --export and corvane-write through their command lines: the dialogs' golden files give
// a settings file that writes the same files again; a wrong settings file is refused with its line and
// nothing is written.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "decoder/decoder.h"
#include "inspect/export.h"
#include "support/test_folders.h"
#include "tools/write_test_environment.h"
#include "write/write_command.h"

namespace corvane {
namespace {

using testing::Bytes;
using testing::Golden;
using testing::ReadBytes;
using testing::TempFolder;

struct CardGoldens {
    const char* family;
    const char* menu;
    const char* mms;
    const char* smtp;
};

// Made by the independent generators in tests/data from the dialogs' own steps.
const CardGoldens kCards[] = {
    {"8620", "menu_8620_defaults.dat", "mms_dialog_8620_auto.dat", "smtp_8620_auto.dat"},
    {"8520", "menu_8520_defaults.dat", "mms_dialog_8520_manual_international.dat", "smtp_8520_manual.dat"},
};

struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

CommandRun Export(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = inspect::RunExport(args, out, err);
    return {status, out.str(), err.str()};
}

CommandRun Write(testing::TestWriteEnvironment& env, const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = write::RunWrite(args, out, err, env, "test");
    return {status, out.str(), err.str()};
}

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// menu.dat apart from the camera clock (bytes 14-19) and its CRC (56-57).
Bytes WithoutClock(Bytes menu) {
    for (size_t i : {14, 15, 16, 17, 18, 19, 56, 57}) {
        if (i < menu.size()) {
            menu[i] = 0;
        }
    }
    return menu;
}

class GoldenRoundTrip : public ::testing::TestWithParam<CardGoldens> {};

TEST_P(GoldenRoundTrip, ExportThenWriteGivesTheSameFiles) {
    const CardGoldens& c = GetParam();
    TempFolder card;
    TempFolder copy;
    ASSERT_TRUE(testing::WriteBytes(card.File("menu.dat"), Golden(c.menu)));
    ASSERT_TRUE(testing::WriteBytes(card.File("setup.dat"), Golden(c.mms)));
    ASSERT_TRUE(testing::WriteBytes(card.File("smtp.dat"), Golden(c.smtp)));

    const CommandRun exported = Export({"--export", card.path(), "--show-secrets"});
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_NE(exported.out.find(std::string("model = \"Vyn ") + c.family + "MG\""), std::string::npos)
        << exported.out;
    const std::string settingsPath = copy.File("settings.toml");
    WriteText(settingsPath, exported.out);

    testing::TestWriteEnvironment env;
    env.now = {2027, 2, 3, 4, 5, 6};
    TempFolder target;
    const CommandRun written = Write(env, {settingsPath, target.path()});
    ASSERT_EQ(written.status, 0) << written.err << exported.out;

    EXPECT_EQ(ReadBytes(target.File("setup.dat")), Golden(c.mms));
    EXPECT_EQ(ReadBytes(target.File("smtp.dat")), Golden(c.smtp));
    const Bytes menu = ReadBytes(target.File("menu.dat"));
    EXPECT_EQ(WithoutClock(menu), WithoutClock(Golden(c.menu)));
    // The clock is the time of writing, and the file is sound with it.
    const decoder::MenuFile decoded = decoder::DecodeMenuFile(menu);
    EXPECT_TRUE(decoded.faults.empty());
    EXPECT_EQ(decoded.as8620.clockYear, 2027);
    EXPECT_EQ(decoded.as8620.clockMonth, 2);
    EXPECT_EQ(decoded.as8620.clockSecond, 6);
    // Every file is named in the messages, with the dialogs' sentence.
    for (const char* name : {"menu.dat", "setup.dat", "smtp.dat"}) {
        EXPECT_NE(written.out.find(target.File(name)), std::string::npos) << written.out;
    }

    // The settings file written from the copy is the same text: nothing was lost on the way.
    const CommandRun again = Export({"--export", target.path(), "--show-secrets"});
    EXPECT_EQ(again.out, exported.out);
}

INSTANTIATE_TEST_SUITE_P(BothFamilies, GoldenRoundTrip, ::testing::ValuesIn(kCards),
                         [](const auto& info) { return std::string("family") + info.param.family; });

TEST(Export, PasswordsOnlyWithShowSecrets) {
    TempFolder card;
    ASSERT_TRUE(testing::WriteBytes(card.File("smtp.dat"), Golden("smtp_8520_manual.dat")));
    const CommandRun with = Export({"--export", card.path(), "--show-secrets"});
    const CommandRun without = Export({"--export", card.path()});
    ASSERT_EQ(with.status, 0) << with.err;
    ASSERT_EQ(without.status, 0) << without.err;
    const auto valueOf = [](const std::string& text, const std::string& key) {
        const size_t at = text.find("\n" + key + " = ");
        return at == std::string::npos ? std::string() : text.substr(at, text.find('\n', at + 1) - at);
    };
    const std::string password = valueOf(with.out, "sender_password");
    ASSERT_FALSE(password.empty()) << with.out;
    EXPECT_EQ(valueOf(without.out, "sender_password"), "");
    EXPECT_EQ(without.out.find(password.substr(password.find('"'))), std::string::npos) << without.out;
    EXPECT_NE(without.out.find("# sender_password"), std::string::npos);
}

TEST(Export, RefusesWhatGivesNoSettings) {
    TempFolder empty;
    EXPECT_EQ(Export({"--export", empty.path()}).status, 1);
    TempFolder damaged;
    Bytes menu = Golden("menu_8620_defaults.dat");
    menu[3] ^= 1;  // the CRC no longer fits
    ASSERT_TRUE(testing::WriteBytes(damaged.File("menu.dat"), menu));
    const CommandRun run = Export({"--export", damaged.path()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("menu.dat"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(Export({"--export"}).status, 2);
    EXPECT_EQ(Export({"--export", empty.path(), "--model", "Vyn 9999"}).status, 2);
}

// A settings file that the tests change one line at a time.
const char* const kGoodSettings = R"(format = 1
model = "Vyn 8620MG"
language = "English"
tv_mode = 0

[camera]
camera_mode = "Camera"
image_size = "12MP"
video_size = "1280x720"
picture_count = "01 Photo"
video_length = "10 s"
time_stamp = "on"
interval = "1 min"
sense_level = "normal"
side_pir = "on"
timer_1 = "off, 00:00 to 00:00"
timer_2 = "on, 06:00 to 18:30"
time_lapse = "off, 00:00:00"
serial_number = "off, 0000"
beep = "on"
sd_cycle = "off"

[email]
mode = "Manual"
pictures_per_day = 0
smtp_status = "VGA"
sms_remote_control = "off"
gprs_apn = "internet"
gprs_account = ""
gprs_password = ""
smtp_server = "smtp.example.com"
smtp_port = "587"
sender_email = "cam@example.com"
sender_password = "secret"
sms_phone = ""
recipient_email = "me@example.com"
)";

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

struct Refusal {
    const char* name;
    std::string text;
    int line;
    const char* says;
};

TEST(WriteSettings, TheGoodFileIsWritten) {
    TempFolder folder;
    WriteText(folder.File("s.toml"), kGoodSettings);
    TempFolder target;
    testing::TestWriteEnvironment env;
    const CommandRun run = Write(env, {folder.File("s.toml"), target.path()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(testing::NamesIn(target.path()), (std::vector<std::string>{"menu.dat", "smtp.dat"}));
}

TEST(WriteSettings, AWrongFileIsRefusedWithItsLineAndNothingIsWritten) {
    const std::string good = kGoodSettings;
    const Refusal cases[] = {
        {"not TOML", Replace(good, "tv_mode = 0", "tv_mode = "), 4, "not a TOML file"},
        {"unknown key", Replace(good, "beep = \"on\"", "beep = \"on\"\nflash = \"on\""), 21,
         "unknown key flash"},
        {"unknown section", good + "\n[gps]\non = true\n", 38, "unknown key gps"},
        {"out of range", Replace(good, "\"10 s\"", "\"61 s\""), 11,
         "camera.video_length: 61 s is out of range"},
        {"out of range, a number", Replace(good, "pictures_per_day = 0", "pictures_per_day = 100"), 25,
         "100 is out of range (0 to 99)"},
        {"not a word of the list", Replace(good, "\"12MP\"", "\"8MP\""), 8, "\"8MP\" is not one of"},
        {"a timer out of range", Replace(good, "06:00 to 18:30", "06:00 to 24:00"), 17, "camera.timer_2"},
        {"wrong type", Replace(good, "video_length = \"10 s\"", "video_length = 10"), 11,
         "wrong type: expected a text in quotes, found integer"},
        {"wrong type of a number", Replace(good, "tv_mode = 0", "tv_mode = \"PAL\""), 4,
         "wrong type: expected a whole number"},
        {"a setting the model does not have", Replace(good, "Vyn 8620MG", "Vyn 8520MG"), 9,
         "\"1280x720\" is not one of"},
        {"beep on an 8520", Replace(Replace(good, "Vyn 8620MG", "Vyn 8520MG"), "\"1280x720\"", "\"640x480\""),
         20, "camera.beep: the Vyn 8520MG has no such setting"},
        {"e-mail on a model without", Replace(good, "Vyn 8620MG", "Vyn 8620M"), 23, "does not send e-mail"},
        {"missing key", Replace(good, "sense_level = \"normal\"\n", ""), 6, "[camera] lacks sense_level"},
        {"unknown format", Replace(good, "format = 1", "format = 2"), 1, "format 2 is not known"},
        {"unknown model", Replace(good, "Vyn 8620MG", "Vyn 9000"), 2, "\"Vyn 9000\" is not one of"},
        {"Auto mode key in Manual mode",
         Replace(good, "mode = \"Manual\"", "mode = \"Manual\"\ncountry = \"Germany\""), 25,
         "Manual mode has no country"},
        {"the dialog's own check", Replace(good, "me@example.com", "me-at-example"), 23, "[email]:"},
        {"a serial that is no serial", Replace(good, "\"off, 0000\"", "\"on, a001\""), 19,
         "not a serial number"},
        {"an interval of 61 min", Replace(good, "\"1 min\"", "\"61 min\""), 13, "out of range (0 to 60)"},
        // An empty sender password is given, not left out: the dialog refuses it as it does.
        {"an empty sender password", Replace(good, "\"secret\"", "\"\""), 23,
         "[email]: Sender Email Password"},
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        WriteText(folder.File("s.toml"), c.text);
        TempFolder target;
        testing::TestWriteEnvironment env;
        const CommandRun run = Write(env, {folder.File("s.toml"), target.path()});
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find(folder.File("s.toml") + ":" + std::to_string(c.line) + ": "),
                  std::string::npos)
            << run.err;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_TRUE(testing::NamesIn(target.path()).empty());
    }
}

// Sections to add to the good file: MMS in Manual mode with its password, and both sections in Auto mode,
// where the operator's preset gives the network passwords.
const char* const kManualMms = R"(
[mms]
mode = "Manual"
mms_status = "VGA"
apn_type = "APN"
pictures_per_day = 5
phone_type = "Domestic"
sms_remote_control = "off"
url = "http://mms.example.com"
apn = "mms.example"
gateway = "10.0.0.1"
port = "8080"
account = "cam"
password = "mmspw"
phone = "0171234567"
email = ""
phone_2 = ""
phone_3 = ""
)";
const char* const kAutoMms = R"(
[mms]
mode = "Auto"
country = "China"
operator = "China Mobile"
mms_status = "VGA"
apn_type = "APN"
pictures_per_day = 12
phone_type = "Domestic"
sms_remote_control = "off"
phone = "13800138000"
email = ""
phone_2 = ""
phone_3 = ""
)";
const char* const kAutoEmailMode = R"(mode = "Auto"
country = "China"
operator = "China Unicom")";

// The line the export writes for a password it leaves out.
std::string LeftOutLine(const std::string& key) {
    return "# " + key + " = \"...\"  (left out; corvane-inspect --export --show-secrets writes it)\n";
}

int LineOf(const std::string& text, const std::string& what) {
    const size_t at = text.find(what);
    EXPECT_NE(at, std::string::npos) << what;
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<long>(at), '\n'));
}

// A camera card mounted at `folder` for --each-card; it asks to stop after a few rounds, so that a run
// that finds no card to write ends.
class CardInFolderEnvironment : public testing::TestWriteEnvironment {
  public:
    explicit CardInFolderEnvironment(const std::string& folder) {
        Volume card;
        card.rootPath = folder;
        card.fileSystem = "vfat";
        card.format = VolumeFormat::kFat;
        card.device = "/dev/sdz1";
        card.removable = true;
        card.ready = true;
        card.bytesTotal = card.bytesFree = uint64_t{1} << 30;
        volumes = {card};
    }
    bool StopAsked() override { return ++asked_ > 10; }

  private:
    int asked_ = 0;
};

TEST(WriteSettings, ALeftOutPasswordIsRefusedWithItsSectionAndNothingIsWritten) {
    const std::string good = std::string(kGoodSettings) + kManualMms;
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::pair<std::string, std::string>> missing;  // section, key
    };
    const Case cases[] = {
        {"sender_password",
         Replace(good, "sender_password = \"secret\"\n", LeftOutLine("sender_password")),
         {{"email", "sender_password"}}},
        {"gprs_password", Replace(good, "gprs_password = \"\"\n", ""), {{"email", "gprs_password"}}},
        {"MMS password",
         Replace(good, "password = \"mmspw\"\n", LeftOutLine("password")),
         {{"mms", "password"}}},
        {"sender_password in Auto mode",
         Replace(Replace(Replace(Replace(good, "mode = \"Manual\"", kAutoEmailMode),
                                 "gprs_apn = \"internet\"\n", ""),
                         "gprs_account = \"\"\ngprs_password = \"\"\n", ""),
                 "sender_password = \"secret\"\n", ""),
         {{"email", "sender_password"}}},
        {"MMS and GPRS passwords",
         Replace(Replace(good, "gprs_password = \"\"\n", ""), "password = \"mmspw\"\n", ""),
         {{"mms", "password"}, {"email", "gprs_password"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        WriteText(folder.File("s.toml"), c.text);
        TempFolder target;
        for (const bool eachCard : {false, true}) {
            SCOPED_TRACE(eachCard ? "--each-card" : "FOLDER");
            CardInFolderEnvironment env(target.path());
            const CommandRun run = Write(
                env, eachCard ? std::vector<std::string>{folder.File("s.toml"), "--each-card", "--count", "1"}
                              : std::vector<std::string>{folder.File("s.toml"), target.path()});
            EXPECT_EQ(run.status, 2);
            for (const auto& [section, key] : c.missing) {
                EXPECT_NE(run.err.find(folder.File("s.toml") + ":" +
                                       std::to_string(LineOf(c.text, "[" + section + "]")) + ": [" + section +
                                       "] holds no " + key + " (it was left out"),
                          std::string::npos)
                    << run.err;
            }
            EXPECT_NE(run.err.find("--show-secrets"), std::string::npos) << run.err;
            EXPECT_TRUE(testing::NamesIn(target.path()).empty());
        }
    }
}

TEST(WriteSettings, EmptyPasswordsAndAutoModeWithoutNetworkPasswordsAreWritten) {
    const std::string good = kGoodSettings;
    const std::string autoEmail =
        Replace(Replace(good, "mode = \"Manual\"", kAutoEmailMode),
                "gprs_apn = \"internet\"\ngprs_account = \"\"\ngprs_password = \"\"\n", "");
    const std::pair<const char*, std::string> cases[] = {
        {"the network passwords present and empty", good + Replace(kManualMms, "\"mmspw\"", "\"\"")},
        {"Auto mode: only the sender's password", autoEmail + kAutoMms},
    };
    for (const auto& [name, text] : cases) {
        SCOPED_TRACE(name);
        TempFolder folder;
        WriteText(folder.File("s.toml"), text);
        for (const bool eachCard : {false, true}) {
            SCOPED_TRACE(eachCard ? "--each-card" : "FOLDER");
            TempFolder target;
            CardInFolderEnvironment env(target.path());
            const CommandRun run = Write(
                env, eachCard ? std::vector<std::string>{folder.File("s.toml"), "--each-card", "--count", "1"}
                              : std::vector<std::string>{folder.File("s.toml"), target.path()});
            EXPECT_EQ(run.status, 0) << run.err << run.out;
            EXPECT_EQ(testing::NamesIn(target.path()),
                      (std::vector<std::string>{"menu.dat", "setup.dat", "smtp.dat"}));
        }
    }
}

TEST(WriteSettings, SerialSetsTheTextAndTurnsItOn) {
    TempFolder folder;
    WriteText(folder.File("s.toml"), kGoodSettings);
    TempFolder target;
    testing::TestWriteEnvironment env;
    ASSERT_EQ(Write(env, {folder.File("s.toml"), target.path(), "--serial", "B07Z"}).status, 0);
    const decoder::MenuFile menu = decoder::DecodeMenuFile(ReadBytes(target.File("menu.dat")));
    EXPECT_EQ(menu.as8620.serialEnabled, 1);
    EXPECT_EQ(menu.as8620.serialChars, (std::array<uint8_t, 4>{11, 0, 7, 35}));
}

TEST(WriteSettings, ABadCommandLineIsExitTwoAndAFailedWriteOne) {
    TempFolder folder;
    WriteText(folder.File("s.toml"), kGoodSettings);
    TempFolder target;
    testing::TestWriteEnvironment env;
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {},
             {folder.File("s.toml")},
             {folder.File("s.toml"), target.path(), "--serial", "a001"},
             {folder.File("s.toml"), target.path(), "--serial", "A0011"},
             {folder.File("s.toml"), target.path(), "--log", "x.csv"},
             {folder.File("s.toml"), target.path(), "--frobnicate"},
             {folder.File("s.toml"), "--each-card", target.path()},
             {folder.File("missing.toml"), target.path()},
         }) {
        EXPECT_EQ(Write(env, args).status, 2) << ::testing::PrintToString(args);
    }
    EXPECT_TRUE(testing::NamesIn(target.path()).empty());
    // A folder that does not exist: the write fails and says why.
    const CommandRun run = Write(env, {folder.File("s.toml"), target.File("no/such/folder")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("menu.dat"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace corvane
