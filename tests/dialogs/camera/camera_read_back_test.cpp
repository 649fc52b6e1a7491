// The camera dialog's read button, driven as a user: settings entered, Generate, a fresh dialog reads
// menu.dat back and shows them, Generate again gives the same bytes; refused files change nothing.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <functional>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "core/files/write_sequence.h"
#include "core/l10n/read_back_texts.h"
#include "decoder/decoder.h"
#include "dialogs/camera/camera_setup_dlg.h"
#include "dialogs/res/camera_templates.h"
#include "support/dialog_test_support.h"
#include "support/fault_injecting_file_system.h"
#include "support/read_back_test_support.h"
#include "tools/inspect_files.h"

namespace corvane {
namespace {

using namespace corvane::testing;

constexpr std::size_t kClockBytes = 14;  // bytes 14..19 hold the clock
constexpr std::size_t kCrcBytes = 56;    // bytes 56..57 the CRC over them

class CameraReadBackTest : public SetupDialogTest<CCameraSetupDlg> {
  protected:
    void Open(ModelFamily family, int32_t language = kEnglish) { Open(family, language, fs); }
    void Open(ModelFamily family, int32_t language, FileSystem& files) {
        platform.defaultOutputFolder = folder.path();
        settings.language = language;
        settings.model = family == ModelFamily::k8620 ? 4 : 3;
        dialog = std::make_unique<CCameraSetupDlg>(family, settings, platform, files);
        Show();
    }
    const CameraFamilyIds& Ids() const { return CameraIdsOf(dialog->Family()); }
    int Selection(int id) const { return List(id)->currentIndex(); }
    Bytes MenuFile() const { return ReadBytes(folder.File("menu.dat")); }
};

// What a user enters: list choices by id and field texts by id, in this order.
struct Session {
    const char* name;
    std::function<std::vector<std::pair<int, int>>(const CameraFamilyIds&, ModelFamily)> choices;
    std::function<std::vector<std::pair<int, const char*>>(const CameraFamilyIds&)> fields;
    // choices made after the fields (turning a row off keeps its values)
    std::function<std::vector<std::pair<int, int>>(const CameraFamilyIds&)> laterChoices;
};

const Session kSessions[] = {
    {"every list away from its default, every row on",
     [](const CameraFamilyIds& ids, ModelFamily family) {
         std::vector<std::pair<int, int>> c = {{IDC_CAMERA_MODE, 2},
                                               {IDC_IMAGE_SIZE, 1},
                                               {IDC_VIDEO_SIZE, family == ModelFamily::k8620 ? 2 : 1},
                                               {IDC_PICTURE_COUNT, 2},
                                               {IDC_TIME_STAMP, 1},
                                               {IDC_SENSE_LEVEL, 2},
                                               {IDC_SIDE_PIR, 0},
                                               {IDC_INTERVAL_UNIT, 0},
                                               {IDC_TIMER1, 1},
                                               {ids.timer2, 1},
                                               {IDC_SERIAL, 1},
                                               {IDC_SERIAL_CHAR1, 3},
                                               {IDC_SERIAL_CHAR1 + 1, 12},
                                               {IDC_SERIAL_CHAR1 + 2, 35},
                                               {IDC_SERIAL_CHAR1 + 3, 9},
                                               {IDC_TIME_LAPSE, 0},
                                               {IDC_DATE_FORMAT, 2}};
         if (family == ModelFamily::k8620) {
             c.push_back({ids.beep, 0});
             c.push_back({ids.sdCycle, 1});
         }
         return c;
     },
     [](const CameraFamilyIds& ids) -> std::vector<std::pair<int, const char*>> {
         return {
             {IDC_VIDEO_LENGTH, "25"},        {IDC_INTERVAL, "45"},         {IDC_TIMER1_START_HOUR, "7"},
             {IDC_TIMER1_START_MINUTE, "15"}, {IDC_TIMER1_STOP_HOUR, "19"}, {IDC_TIMER1_STOP_MINUTE, "45"},
             {ids.timer2StartHour, "22"},     {ids.timer2StartMinute, "5"}, {ids.timer2StopHour, "23"},
             {ids.timer2StopMinute, "55"},    {IDC_TIME_LAPSE_HOUR, "1"},   {IDC_TIME_LAPSE_MINUTE, "2"},
             {IDC_TIME_LAPSE_SECOND, "3"}};
     },
     [](const CameraFamilyIds&) { return std::vector<std::pair<int, int>>{}; }},
    {"rows turned off again keep their values",
     [](const CameraFamilyIds& ids, ModelFamily) {
         return std::vector<std::pair<int, int>>{{IDC_TIMER1, 1},        {ids.timer2, 1},
                                                 {IDC_TIME_LAPSE, 0},    {IDC_SERIAL, 1},
                                                 {IDC_SERIAL_CHAR1, 10}, {IDC_SERIAL_CHAR1 + 3, 1}};
     },
     [](const CameraFamilyIds& ids) -> std::vector<std::pair<int, const char*>> {
         return {{IDC_INTERVAL, "60"},
                 {IDC_TIMER1_START_HOUR, "23"},
                 {IDC_TIMER1_STOP_MINUTE, "59"},
                 {ids.timer2StopHour, "12"},
                 {IDC_TIME_LAPSE_SECOND, "59"}};
     },
     [](const CameraFamilyIds& ids) {
         return std::vector<std::pair<int, int>>{
             {IDC_TIMER1, 0}, {ids.timer2, 0}, {IDC_TIME_LAPSE, 1}, {IDC_SERIAL, 0}};
     }},
};

TEST_F(CameraReadBackTest, WhatWasEnteredComesBackAndGeneratesTheSameBytes) {
    for (ModelFamily family : kBoth) {
        for (const Session& session : kSessions) {
            SCOPED_TRACE(std::string(Name(family)) + ": " + session.name);
            platform.now = {2013, 6, 15, 8, 30, 0};
            Open(family, kGerman);
            const CameraFamilyIds& ids = Ids();
            for (auto [id, index] : session.choices(ids, family)) {
                Choose(id, index);
            }
            for (auto [id, text] : session.fields(ids)) {
                Retype(id, text);
            }
            for (auto [id, index] : session.laterChoices(ids)) {
                Choose(id, index);
            }
            const FormState entered = Snapshot(dialog.get());
            Click(IDOK);
            const Bytes written = MenuFile();
            ASSERT_EQ(written.size(), 60u);

            // A fresh dialog at another time reads the file: every list, field and state as entered,
            // except the clock, which is the time of reading, in the date format the new dialog shows.
            platform.now = {2014, 7, 16, 9, 31, 1};
            Open(family, kGerman);
            platform.now = {2015, 8, 17, 10, 32, 2};
            Click(IDC_READ_FILE);
            ExpectReadNote(platform.messages, kGerman, folder.File("menu.dat"));
            FormState shown = Snapshot(dialog.get());
            EXPECT_EQ(Text(IDC_CLOCK_TEXT), "2015/08/17 10:32:02");
            FormState expected = entered;
            expected.edits[std::to_string(IDC_CLOCK_TEXT)] = shown.edits[std::to_string(IDC_CLOCK_TEXT)];
            std::get<0>(expected.lists[std::to_string(IDC_DATE_FORMAT)]) = 0;  // not in the file
            EXPECT_EQ(shown, expected);

            ClearMessages();
            Click(IDOK);
            const Bytes again = MenuFile();
            EXPECT_EQ(Without(Without(again, kClockBytes, 6), kCrcBytes, 2),
                      Without(Without(written, kClockBytes, 6), kCrcBytes, 2));
            EXPECT_EQ(Slice(again, kClockBytes, 6), (Bytes{5, 8, 17, 10, 32, 2}));
            EXPECT_TRUE(decoder::DecodeMenuFile(again).faults.empty());
        }
    }
}

TEST_F(CameraReadBackTest, FilesOfTheIndependentGeneratorReadAndGenerateAgainByteForByte) {
    struct Case {
        ModelFamily family;
        const char* golden;
        int32_t language;
        uint32_t tvMode;
        platform::LocalTime clock;  // the clock the file holds, so that every byte must match
    };
    const Case cases[] = {
        {ModelFamily::k8620, "menu_8620_defaults.dat", kEnglish, 0, {2013, 6, 15, 8, 30, 0}},
        {ModelFamily::k8520, "menu_8520_defaults.dat", kEnglish, 0, {2013, 6, 15, 8, 30, 0}},
        {ModelFamily::k8620, "inspect/seeds/menu/defaults_8620.dat", kEnglish, 0, {2013, 6, 15, 8, 30, 0}},
        {ModelFamily::k8520, "inspect/seeds/menu/timers_8520.dat", kJapanese, 1, {2031, 12, 31, 23, 59, 59}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.golden);
        ASSERT_TRUE(WriteBytes(folder.File("menu.dat"), Golden(c.golden)));
        settings.tvMode = c.tvMode;
        platform.now = {2020, 1, 1, 0, 0, 0};
        Open(c.family, c.language);
        platform.now = c.clock;
        Click(IDC_READ_FILE);
        ExpectReadNote(platform.messages, c.language, folder.File("menu.dat"));
        Click(IDOK);
        EXPECT_EQ(MenuFile(), Golden(c.golden));
    }
    // The 8520 file with every row on shows its values with the rows writable.
    const CameraFamilyIds& ids = Ids();
    EXPECT_EQ(Selection(IDC_CAMERA_MODE), 2);
    EXPECT_EQ(Selection(IDC_INTERVAL_UNIT), 0);
    EXPECT_EQ(Text(IDC_INTERVAL), "30");
    EXPECT_EQ(Text(IDC_VIDEO_LENGTH), "60");
    EXPECT_EQ(Text(ids.timer2StartHour), "20");
    EXPECT_FALSE(Edit(ids.timer2StartHour)->isReadOnly());
    EXPECT_FALSE(Edit(IDC_TIME_LAPSE_HOUR)->isReadOnly());
    EXPECT_TRUE(List(IDC_SERIAL_CHAR1)->isEnabled());
    EXPECT_EQ(List(IDC_SERIAL_CHAR1)->currentText(), "Z");
}

// --- refusals ------------------------------------------------------------------------------------------

struct Refused {
    const char* name;
    ModelFamily family;
    std::function<void(const std::string& path)> put;  // puts what the folder holds as menu.dat
    ReadBackProblem problem;
    const char* finding;  // "" for no finding
};

void Put(const std::string& path, const Bytes& bytes) {
    ASSERT_TRUE(WriteBytes(path, bytes));
}

Bytes ChangedGolden(const char* name, std::size_t offset, uint8_t value) {
    Bytes b = Golden(name);
    b.at(offset) = value;
    return b;
}

const Refused kRefused[] = {
    {"no file", ModelFamily::k8620, [](const std::string&) {}, ReadBackProblem::kMissing, ""},
    {"a folder of that name", ModelFamily::k8520,
     [](const std::string& path) { std::filesystem::create_directory(path); }, ReadBackProblem::kUnreadable,
     "cannot read it: not a regular file"},
    {"an MMS file", ModelFamily::k8620,
     [](const std::string& p) { Put(p, Golden("mms_dialog_8620_auto.dat")); }, ReadBackProblem::kOtherKind,
     "this is an MMS settings file (setup.dat), not a camera menu file (menu.dat)"},
    {"the factory-settings file", ModelFamily::k8520,
     [](const std::string& p) { Put(p, Golden("menu_factory.dat")); }, ReadBackProblem::kOtherKind,
     "this is the factory-settings record, which holds no settings to read"},
    {"one byte short", ModelFamily::k8620,
     [](const std::string& p) {
         Bytes b = Golden("menu_8620_defaults.dat");
         b.pop_back();
         Put(p, b);
     },
     ReadBackProblem::kWrongSize, "wrong size: 59 bytes, expected 60"},
    {"no line end", ModelFamily::k8620,
     [](const std::string& p) { Put(p, ChangedGolden("menu_8620_defaults.dat", 59, 0x00)); },
     ReadBackProblem::kBadFraming, "bad framing: bytes 58-59 are 0x0D 0x00, expected 0x0D 0x0A"},
    {"a changed byte", ModelFamily::k8520,
     [](const std::string& p) { Put(p, ChangedGolden("menu_8520_defaults.dat", 4, 0x0A)); },
     ReadBackProblem::kBadChecksum, "checksum stored 0xAEFF computed 0x"},
    {"a sealed record with an hour of 24", ModelFamily::k8620,
     [](const std::string& p) {
         Put(p, inspect::testfiles::MenuRecord({{15, 1}, {16, 1}, {20, 24}, {29, 2}}));
     },
     ReadBackProblem::kOutOfRange, "timer 1 start hour (byte 20) is 24, expected 0 to 23"},
    {"an 8620 record with a 1440x1080 video size", ModelFamily::k8520,
     [](const std::string& p) {
         Put(p, inspect::testfiles::MenuRecord({{2, 2}, {15, 1}, {16, 1}, {29, 2}}));
     },
     ReadBackProblem::kOtherFamily,
     "made for the 8620 family, not the 8520 family: video size (byte 2) is 2"},
};

TEST_F(CameraReadBackTest, RefusedFilesShowWhyInTheDialogsLanguageAndChangeNothing) {
    for (int32_t language : {kEnglish, kCzech}) {
        for (const Refused& r : kRefused) {
            SCOPED_TRACE(std::string(r.name) + " in language " + std::to_string(language));
            std::filesystem::remove_all(folder.File("menu.dat"));
            r.put(folder.File("menu.dat"));
            Open(r.family, language);
            // Something entered first, so that "unchanged" is not just the defaults.
            Choose(IDC_TIMER1, 1);
            Retype(IDC_TIMER1_START_HOUR, "6");
            Choose(IDC_IMAGE_SIZE, 2);
            ClearMessages();
            const FormState before = Snapshot(dialog.get());
            Click(IDC_READ_FILE);
            const std::string path = PathInFolder(folder.path(), "menu.dat");
            ASSERT_EQ(platform.messages.size(), 1u);
            ExpectRefusalMessage(platform.messages[0], language, path, r.problem, r.finding);
            EXPECT_EQ(Snapshot(dialog.get()), before);
            EXPECT_FALSE(dialog->IsEnded());
        }
    }
}

// A sound menu.dat whose read fails (a card that errs, a file the user may not read) is named with the
// system's reason, and the fields stay as they were.
TEST_F(CameraReadBackTest, AReadThatFailsNamesTheFileWithTheReasonAndChangesNothing) {
    ASSERT_TRUE(WriteBytes(folder.File("menu.dat"), Golden("inspect/seeds/menu/timers_8520.dat")));
    const std::string path = PathInFolder(folder.path(), "menu.dat");
    for (int error : {EIO, EACCES}) {
        SCOPED_TRACE(std::generic_category().message(error));
        FaultInjectingFileSystem failing(fs);
        Open(ModelFamily::k8520, kEnglish, failing);
        Choose(IDC_TIMER1, 1);
        Retype(IDC_TIMER1_START_HOUR, "6");
        ClearMessages();
        const FormState before = Snapshot(dialog.get());
        const std::vector<std::string>& log = failing.log();
        const std::size_t done = log.size();
        failing.FailAt(failing.operationCount() + 1, error, FaultInjectingFileSystem::Fault::kError, true);
        Click(IDC_READ_FILE);
        ASSERT_EQ(platform.messages.size(), 1u);
        ExpectRefusalMessage(platform.messages[0], kEnglish, path, ReadBackProblem::kUnreadable,
                             "cannot read it: " + std::generic_category().message(error));
        EXPECT_EQ(Snapshot(dialog.get()), before);
        EXPECT_FALSE(dialog->IsEnded());
        ASSERT_GT(log.size(), done);
        EXPECT_EQ(log[done], "read whole " + path) << "the read is the dialog's first file operation";
    }
    // The same file through the file system that does not fail is read.
    Open(ModelFamily::k8520);
    Click(IDC_READ_FILE);
    ExpectReadNote(platform.messages, kEnglish, folder.File("menu.dat"));
}

TEST_F(CameraReadBackTest, ReadsFromTheFolderTheFieldShowsAndCaptionsTheButton) {
    TempFolder other;
    ASSERT_TRUE(WriteBytes(other.File("menu.dat"), Golden("inspect/seeds/menu/timers_8520.dat")));
    Open(ModelFamily::k8520, kHungarian);
    EXPECT_EQ(Text(IDC_READ_FILE), "Beolvas");
    Retype(IDC_OUTPUT_FOLDER, QString::fromStdString(other.path()));
    Click(IDC_READ_FILE);
    ExpectReadNote(platform.messages, kHungarian, other.File("menu.dat"));
    EXPECT_EQ(Selection(IDC_CAMERA_MODE), 2);
    Click(IDOK);
    EXPECT_EQ(ReadBytes(other.File("menu.dat")).size(), 60u);
    EXPECT_FALSE(std::filesystem::exists(folder.File("menu.dat")));
}

}  // namespace
}  // namespace corvane
