// The camera setup dialog driven as a user drives it: typing into fields, choosing list entries,
// clicking buttons, Enter and Escape; checked through its controls, the messages it shows and menu.dat.
#include "dialogs/camera/camera_setup_dlg.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/models/models.h"
#include "dialogs/res/camera_templates.h"
#include "support/dialog_test_support.h"
#include "support/expected_texts.h"

namespace corvane {
namespace {

using namespace corvane::testing;

std::string RangeMessage(int min, int max) {
    return "Please enter an integer between " + std::to_string(min) + " and " + std::to_string(max) + "!";
}
// The framework's range message in an English dialog.
std::string FrameworkRangeMessage(int min, int max) {
    return "Please enter an integer between " + std::to_string(min) + " and " + std::to_string(max) + ".";
}

class CameraDialogTest : public SetupDialogTest<CCameraSetupDlg> {
  protected:
    // Opens the dialog of `family` at the worked examples' clock, English unless told.
    void Open(ModelFamily family, int32_t language = kEnglish, ModelId model = 0) {
        platform.now = {2013, 6, 15, 8, 30, 0};
        platform.defaultOutputFolder = folder.path();
        settings.language = language;
        settings.model = model != 0 ? model : (family == ModelFamily::k8620 ? 4 : 3);
        dialog = std::make_unique<CCameraSetupDlg>(family, settings, platform, fs);
        Show();
    }

    const CameraFamilyIds& Ids() const { return CameraIdsOf(dialog->Family()); }
    Bytes MenuFile() const { return ReadBytes(folder.File("menu.dat")); }
};

// --- the worked examples -------------------------------------------------------------------------------

TEST_F(CameraDialogTest, DefaultsGiveTheWorkedExampleRecordsByButtonAndByEnter) {
    struct Case {
        ModelFamily family;
        const char* golden;
        const char* message;
    };
    const Case cases[] = {
        {ModelFamily::k8620, "menu_8620_defaults.dat", "Vyn 8620 Configuration file is generated"},
        {ModelFamily::k8520, "menu_8520_defaults.dat", "Vyn 8520 Configuration file is generated"},
    };
    for (const Case& c : cases) {
        for (bool byEnter : {false, true}) {
            SCOPED_TRACE(std::string(Name(c.family)) + (byEnter ? " Enter" : " button"));
            std::filesystem::remove(folder.File("menu.dat"));
            Open(c.family);
            ClearMessages();
            if (byEnter) {
                QTest::keyClick(Edit(IDC_VIDEO_LENGTH), Qt::Key_Return);
            } else {
                Click(IDOK);
            }
            EXPECT_EQ(MenuFile(), Golden(c.golden));
            EXPECT_EQ(platform.messages, std::vector<std::string>{WrittenMessage(c.message, "menu.dat")});
            EXPECT_TRUE(platform.frameworkMessages.empty());
            EXPECT_FALSE(dialog->IsEnded()) << "generating never closes the dialog";
        }
    }
}

TEST_F(CameraDialogTest, ChineseMessagesAndTheChineseEntryOnAnotherSystem) {
    Open(ModelFamily::k8620, kChinese, 2);
    Click(IDOK);
    EXPECT_EQ(platform.messages, std::vector<std::string>{WrittenMessage("Vyn 8620 相机菜单设置文件已经生成",
                                                                         "menu.dat", kChinese)});
    EXPECT_EQ(MenuFile().at(29), 1);

    // Texts English, file says Chinese, message English.
    ClearMessages();
    settings.chineseEntrySelected = true;
    Open(ModelFamily::k8520, kEnglish, 1);
    EXPECT_EQ(Text(IDOK), "Generate");
    Click(IDOK);
    EXPECT_EQ(platform.messages, std::vector<std::string>{
                                     WrittenMessage("Vyn 8520 Configuration file is generated", "menu.dat")});
    EXPECT_EQ(MenuFile().at(29), 1);
}

TEST_F(CameraDialogTest, TvModeGoesIntoTheRecord) {
    settings.tvMode = 0x1234;
    Open(ModelFamily::k8520);
    Click(IDOK);
    EXPECT_EQ(MenuFile().at(30), 0x34);
}

// --- initial state -------------------------------------------------------------------------------------

TEST_F(CameraDialogTest, InitialFieldsSelectionsAndStates) {
    for (ModelFamily family : kBoth) {
        SCOPED_TRACE(Name(family));
        Open(family);
        const CameraFamilyIds& ids = Ids();
        EXPECT_EQ(dialog->GetWindowText(), family == ModelFamily::k8620 ? "Corvane 8620" : "Corvane 8520");
        EXPECT_EQ(dialog->objectName(), family == ModelFamily::k8620 ? "140" : "129");
        EXPECT_EQ(Text(IDC_VIDEO_LENGTH), "10");
        EXPECT_EQ(Text(IDC_INTERVAL), "1");
        EXPECT_EQ(Text(IDC_CLOCK_TEXT), "2013/06/15 08:30:00");
        EXPECT_TRUE(Edit(IDC_CLOCK_TEXT)->isReadOnly());
        EXPECT_EQ(Text(IDC_OUTPUT_FOLDER), folder.path());

        const int readOnly[] = {IDC_TIME_LAPSE_HOUR,    IDC_TIME_LAPSE_MINUTE,   IDC_TIME_LAPSE_SECOND,
                                IDC_TIMER1_START_HOUR,  IDC_TIMER1_START_MINUTE, IDC_TIMER1_STOP_HOUR,
                                IDC_TIMER1_STOP_MINUTE, ids.timer2StartHour,     ids.timer2StartMinute,
                                ids.timer2StopHour,     ids.timer2StopMinute};
        for (int id : readOnly) {
            EXPECT_TRUE(Edit(id)->isReadOnly()) << id;
            EXPECT_EQ(Text(id), "0") << id;
        }
        EXPECT_FALSE(Edit(IDC_VIDEO_LENGTH)->isReadOnly());
        EXPECT_FALSE(Edit(IDC_INTERVAL)->isReadOnly());
        EXPECT_FALSE(Edit(IDC_OUTPUT_FOLDER)->isReadOnly());
        for (int i = 0; i < 4; ++i) {
            EXPECT_FALSE(List(IDC_SERIAL_CHAR1 + i)->isEnabled());
            EXPECT_EQ(List(IDC_SERIAL_CHAR1 + i)->currentText(), "0");
            EXPECT_EQ(List(IDC_SERIAL_CHAR1 + i)->count(), 36);
        }

        struct Selection {
            int id;
            int index;
        };
        std::vector<Selection> selections = {
            {IDC_CAMERA_MODE, 0},
            {IDC_IMAGE_SIZE, 0},
            {IDC_PICTURE_COUNT, 0},
            {IDC_TIME_STAMP, 0},
            {IDC_SENSE_LEVEL, 0},
            {IDC_SIDE_PIR, 1},
            {IDC_INTERVAL_UNIT, 1},
            {IDC_TIMER1, 0},
            {ids.timer2, 0},
            {IDC_SERIAL, 0},
            {IDC_TIME_LAPSE, 1},
            {IDC_DATE_FORMAT, 0},
            {IDC_VIDEO_SIZE, family == ModelFamily::k8620 ? 1 : 0},
        };
        if (family == ModelFamily::k8620) {
            selections.push_back({ids.beep, 1});
            selections.push_back({ids.sdCycle, 0});
        } else {
            EXPECT_EQ(List(1042), nullptr) << "no beep list in the 8520 variant";
            EXPECT_EQ(List(1046), nullptr) << "no memory card cycle list in the 8520 variant";
        }
        for (const Selection& s : selections) {
            ASSERT_NE(List(s.id), nullptr) << s.id;
            EXPECT_EQ(List(s.id)->currentIndex(), s.index) << s.id;
        }
        EXPECT_EQ(List(IDC_VIDEO_SIZE)->currentText(),
                  "1280x720" == std::string() ? "" : (family == ModelFamily::k8620 ? "1280x720" : "640x480"));
    }
}

std::string FolderMessage(const std::string& kept) {
    return "A folder can be at most 80 characters long; the longer one was not taken. Files still go to " +
           kept + ".";
}

TEST_F(CameraDialogTest, FolderFieldStopsTypingAt80Characters) {
    Open(ModelFamily::k8620);
    Retype(IDC_OUTPUT_FOLDER, QString(90, QChar('a')));
    EXPECT_EQ(Text(IDC_OUTPUT_FOLDER), std::string(80, 'a'));
    EXPECT_EQ(platform.messages, std::vector<std::string>(10, FolderMessage(std::string(80, 'a'))))
        << "each refused character says why";
}

// The folder field takes 80 characters, whatever their bytes; a longer folder typed, pasted or chosen
// is refused at once and the field keeps its folder. Both buttons write into the folder the field shows.
TEST_F(CameraDialogTest, FolderFieldTakesEightyCharactersAndFilesGoWhereItShows) {
    const std::string chinese = FolderOfLength(folder.path(), folder.path().size() + 1 + 40, "文");
    const std::string eighty = FolderOfLength(folder.path(), 80, "d");
    const std::string longer = FolderOfLength(folder.path(), 300, "e");
    struct Case {
        const char* name;
        std::function<void()> enter;
        std::string shown;  // what the field shows and where the file goes
        bool refused;
    };
    for (int button : {IDOK, IDC_FACTORY_SETTINGS}) {
        const std::vector<Case> cases = {
            {"40 Chinese characters pasted",
             [&] { Paste(Edit(IDC_OUTPUT_FOLDER), QString::fromStdString(chinese)); }, chinese, false},
            {"typed one past 80", [&] { Retype(IDC_OUTPUT_FOLDER, QString::fromStdString(eighty + "x")); },
             eighty, true},
            {"300 characters pasted", [&] { Paste(Edit(IDC_OUTPUT_FOLDER), QString::fromStdString(longer)); },
             folder.path(), true},
            {"81 characters from the browser",
             [&] {
                 platform.folderAnswers = {eighty + "x"};
                 Click(IDC_FOLDER_BUTTON);
             },
             folder.path(), true},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + ", button " + std::to_string(button));
            platform.preferenceKey.texts.erase("LastFolder");  // each case opens on the default folder
            Open(ModelFamily::k8520);
            c.enter();
            EXPECT_EQ(Text(IDC_OUTPUT_FOLDER), c.shown);
            EXPECT_EQ(platform.messages.empty(), !c.refused);
            if (c.refused) {
                ASSERT_FALSE(platform.messages.empty());
                EXPECT_EQ(platform.messages.back(), FolderMessage(c.shown));
            }
            ClearMessages();
            Click(button);
            EXPECT_EQ(platform.messages.size(), 1u);
            EXPECT_TRUE(platform.frameworkMessages.empty());
            EXPECT_EQ(ReadBytes(c.shown + "/menu.dat").size(), 60u);
            for (const std::string& other : {folder.path(), chinese, eighty, longer}) {
                if (other != c.shown) {
                    EXPECT_FALSE(std::filesystem::exists(other + "/menu.dat")) << other;
                }
            }
            std::filesystem::remove(c.shown + "/menu.dat");
        }
    }
}

// --- texts ---------------------------------------------------------------------------------------------

TEST_F(CameraDialogTest, EveryControlShowsItsLanguagesTextInBothVariants) {
    for (int32_t language : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0, 11}) {
        for (ModelFamily family : kBoth) {
            SCOPED_TRACE(std::to_string(language) + " " + Name(family));
            Open(family, language);
            const CameraFamilyIds& ids = Ids();
            const std::string table = std::string("camera") + Name(family);
            const auto expected = [&](const char* key) { return ExpectedText(table, language, key); };
            const auto entries = [&](const char* key, std::size_t count) {
                return ExpectedEntries(table, language, key, count);
            };
            const std::pair<int, const char*> captions[] = {
                {1004, "cameraMode"},      {1005, "imageSize"},
                {1006, "videoSize"},       {1007, "pictureCount"},
                {1011, "timeStamp"},       {1010, "senseLevel"},
                {1012, "sidePir"},         {1008, "videoLength"},
                {1009, "interval"},        {1043, "dateFormat"},
                {1018, "setClock"},        {1031, "getTime"},
                {1019, "timer1"},          {ids.timer2Label, "timer2"},
                {1059, "timer1Start"},     {1060, "timer1Stop"},
                {1021, "serialNumber"},    {1020, "timeLapse"},
                {1057, "folderButton"},    {1, "generate"},
                {1062, "factoryDefaults"}, {2, "exit"},
            };
            for (const auto& [id, key] : captions) {
                EXPECT_EQ(Text(id), expected(key)) << id;
            }
            const bool japanese = language == kJapanese;
            EXPECT_EQ(Text(1061), japanese ? "開始:" : "Start:");
            EXPECT_EQ(Text(1063), japanese ? "終了:" : "Stop:");
            for (int id : kHourLabelIds) {
                EXPECT_EQ(Text(id), japanese ? "時" : "Hour") << id;
            }
            for (int id : kMinuteLabelIds) {
                EXPECT_EQ(Text(id), japanese ? "分" : "Min") << id;
            }
            EXPECT_EQ(Text(1128), japanese ? "秒" : "Sec");
            if (family == ModelFamily::k8620) {
                EXPECT_EQ(Text(ids.beepLabel), "Beep Sound");
                EXPECT_EQ(Text(ids.sdCycleLabel), "SD Cycle");
                EXPECT_EQ(Entries(List(ids.beep)), entries("offOnList", 2));
                EXPECT_EQ(Entries(List(ids.sdCycle)), entries("offOnList", 2));
            }

            EXPECT_EQ(Entries(List(1013)), entries("cameraModeList", 3));
            EXPECT_EQ(Entries(List(1014)), ExpectedEntries(table, 0, "imageSizeList", 3));
            EXPECT_EQ(Entries(List(1015)),
                      ExpectedEntries(table, 0, "videoSizeList", family == ModelFamily::k8620 ? 3 : 2));
            EXPECT_EQ(Entries(List(1016)), entries("pictureCountList", 3));
            EXPECT_EQ(Entries(List(1026)), entries("timeStampList", 2));
            EXPECT_EQ(Entries(List(1027)), entries("senseLevelList", 4));
            EXPECT_EQ(Entries(List(1028)), entries("offOnList", 2));
            EXPECT_EQ(Entries(List(1029)), entries("intervalUnitList", 2));
            EXPECT_EQ(Entries(List(1025)), entries("offOnList", 2));
            EXPECT_EQ(Entries(List(ids.timer2)), entries("offOnList", 2));
            EXPECT_EQ(Entries(List(1032)), entries("offOnList", 2));
            EXPECT_EQ(Entries(List(1033)), entries("timeLapseList", 2));
            EXPECT_EQ(Entries(List(1044)), entries("dateFormatList", 3));
            for (int i = 0; i < 4; ++i) {
                EXPECT_EQ(Entries(List(IDC_SERIAL_CHAR1 + i)),
                          ExpectedEntries("camera", 0, "serialCharacterList", 36));
            }
        }
    }
}

// What a user of each language reads on a few controls, straight from the language tables.
TEST_F(CameraDialogTest, SpotChecksOfEachLanguageOnScreen) {
    struct Row {
        int32_t language;
        ModelFamily family;
        const char* folderButton;
        const char* timer2Label;
        const char* timeStampOff;  // time stamp list, index 1
        const char* secondsUnit;   // interval unit list, index 0
    };
    const Row rows[] = {
        {1, ModelFamily::k8620, "选择目录", "定时设置2", "关", "秒"},
        {2, ModelFamily::k8520, "Select", "Timer2", "Off", "Sec"},
        {3, ModelFamily::k8620, "Auswahl", "Zeitschaltuhr2", "Aus", "Sek"},
        {4, ModelFamily::k8520, "valitse", "ajastinkytkin2", "pois", "s"},
        {5, ModelFamily::k8620, "Seleziona", "Timer2", "OFF", "sec."},
        {6, ModelFamily::k8520, "Choix", "Minuterie2", "Arret", "Sec"},
        {7, ModelFamily::k8620, "Kivalaszt", "Idokapcs. ora2", "Off", "mp"},
        {8, ModelFamily::k8620, "Select", "Merilnik casa2", "Izklop", "Sek"},
        {8, ModelFamily::k8520, "Izberi", "Merilnik casa2", "Izklop", "Sek."},
        {9, ModelFamily::k8520, "Vybrat", "Casovac2", "Vypnuto", "Sec"},
        {10, ModelFamily::k8620, "フォルダ選択", "タイマー2", "オフ", "秒"},
        {42, ModelFamily::k8520, "Select", "Timer2", "Off", "Sec"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.language) + " " + Name(row.family));
        Open(row.family, row.language);
        EXPECT_EQ(Text(IDC_FOLDER_BUTTON), row.folderButton);
        EXPECT_EQ(Text(Ids().timer2Label), row.timer2Label);
        EXPECT_EQ(List(IDC_TIME_STAMP)->itemText(1).toStdString(), row.timeStampOff);
        EXPECT_EQ(List(IDC_INTERVAL_UNIT)->itemText(0).toStdString(), row.secondsUnit);
    }
}

// --- number fields -------------------------------------------------------------------------------------

// While the user types, an out-of-range value shows nothing and stays as typed; leaving the field shows
// the range message and the field becomes 10.
TEST_F(CameraDialogTest, VideoLengthOutOfRangeShowsTheMessageWhenLeftAndBecomes10) {
    for (const char* typed : {"0", "61", "99"}) {
        for (int32_t language : {kEnglish, kChinese, kGerman}) {
            SCOPED_TRACE(std::string(typed) + " " + std::to_string(language));
            Open(ModelFamily::k8520, language);
            ClearMessages();
            Retype(IDC_VIDEO_LENGTH, typed);
            EXPECT_TRUE(platform.messages.empty());
            EXPECT_EQ(Text(IDC_VIDEO_LENGTH), typed);
            EXPECT_EQ(dialog->focusWidget(), Edit(IDC_VIDEO_LENGTH));
            LeaveField();
            const std::string expected =
                language == kChinese ? "请输入一个介于1和60之间的值!" : RangeMessage(1, 60);
            EXPECT_EQ(platform.messages, std::vector<std::string>{expected});
            EXPECT_EQ(Text(IDC_VIDEO_LENGTH), "10");
            EXPECT_EQ(dialog->videoLength, 10);
        }
    }
}

TEST_F(CameraDialogTest, VideoLengthBoundsAreWrittenAsSecondsMinusOne) {
    for (const auto& [typed, byte] : {std::pair{"1", 0}, std::pair{"60", 59}, std::pair{"25", 24}}) {
        SCOPED_TRACE(typed);
        Open(ModelFamily::k8620);
        Retype(IDC_VIDEO_LENGTH, typed);
        Click(IDOK);
        EXPECT_EQ(MenuFile().at(4), byte);
        EXPECT_TRUE(platform.frameworkMessages.empty());
    }
}

TEST_F(CameraDialogTest, IntervalUnitRules) {
    struct Case {
        const char* what;
        int unit;           // chosen before typing; -1 keeps minutes
        const char* typed;  // "" types nothing
        int unitAfter;      // chosen after typing; -1: none
        const char* field;  // what the field shows then
        int messages;       // range messages shown
        uint8_t byte6;
    };
    const Case cases[] = {
        {"minutes 0 becomes 1 without a message", -1, "0", -1, "1", 0, 0x01},
        {"seconds 0 stays 0", 0, "0", -1, "0", 0, 0x80},
        {"seconds 60", 0, "60", -1, "60", 0, 0xBC},
        {"minutes 60", -1, "60", -1, "60", 0, 0x3C},
        {"seconds 61 becomes 1", 0, "61", -1, "1", 1, 0x81},
        {"minutes 61 becomes 1", -1, "61", -1, "1", 1, 0x01},
        {"seconds 0, then minutes makes it 1", 0, "0", 1, "1", 0, 0x01},
        {"minutes 5, then seconds", -1, "5", 0, "5", 0, 0x85},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open(ModelFamily::k8520);
        ClearMessages();
        if (c.unit >= 0) {
            Choose(IDC_INTERVAL_UNIT, c.unit);
        }
        Retype(IDC_INTERVAL, c.typed);
        LeaveField();
        if (c.unitAfter >= 0) {
            Choose(IDC_INTERVAL_UNIT, c.unitAfter);
        }
        EXPECT_EQ(Text(IDC_INTERVAL), c.field);
        EXPECT_EQ(platform.messages.size(), static_cast<std::size_t>(c.messages));
        if (c.messages > 0) {
            EXPECT_EQ(platform.messages.front(), RangeMessage(0, 60));
        }
        ClearMessages();
        Click(IDOK);
        EXPECT_EQ(MenuFile().at(6), c.byte6);
    }
}

// Every hour, minute and second field: its list turned on, a value one above the range shows the range
// message (the framework's for timer 2, the dialog's own for the others) when the field is left, and the
// field becomes 0.
TEST_F(CameraDialogTest, TimeFieldsOutOfRangeShowTheirMessageAndBecomeZero) {
    for (ModelFamily family : kBoth) {
        const CameraFamilyIds& ids = CameraIdsOf(family);
        struct Field {
            int id;
            int onList;
            int onIndex;
            int max;
            bool timer2;
        };
        const Field fields[] = {
            {IDC_TIME_LAPSE_HOUR, IDC_TIME_LAPSE, 0, 23, false},
            {IDC_TIME_LAPSE_MINUTE, IDC_TIME_LAPSE, 0, 59, false},
            {IDC_TIME_LAPSE_SECOND, IDC_TIME_LAPSE, 0, 59, false},
            {IDC_TIMER1_START_HOUR, IDC_TIMER1, 1, 23, false},
            {IDC_TIMER1_START_MINUTE, IDC_TIMER1, 1, 59, false},
            {IDC_TIMER1_STOP_HOUR, IDC_TIMER1, 1, 23, false},
            {IDC_TIMER1_STOP_MINUTE, IDC_TIMER1, 1, 59, false},
            {ids.timer2StartHour, ids.timer2, 1, 23, true},
            {ids.timer2StartMinute, ids.timer2, 1, 59, true},
            {ids.timer2StopHour, ids.timer2, 1, 23, true},
            {ids.timer2StopMinute, ids.timer2, 1, 59, true},
        };
        for (const Field& f : fields) {
            for (int32_t language : {kEnglish, kJapanese}) {
                SCOPED_TRACE(std::string(Name(family)) + " field " + std::to_string(f.id) + " language " +
                             std::to_string(language));
                Open(family, language);
                Choose(f.onList, f.onIndex);
                ASSERT_FALSE(Edit(f.id)->isReadOnly());
                ClearMessages();
                Retype(f.id, QString::number(f.max));
                EXPECT_EQ(Text(f.id), std::to_string(f.max)) << "the maximum passes";
                EXPECT_TRUE(platform.messages.empty());
                EXPECT_TRUE(platform.frameworkMessages.empty());

                Retype(f.id, QString::number(f.max + 1));
                EXPECT_TRUE(platform.messages.empty());
                EXPECT_TRUE(platform.frameworkMessages.empty());
                LeaveField();
                if (f.timer2) {
                    EXPECT_EQ(platform.frameworkMessages,
                              std::vector<std::string>{FrameworkRangeMessage(0, f.max)});
                    EXPECT_TRUE(platform.messages.empty());
                } else {
                    EXPECT_EQ(platform.messages, std::vector<std::string>{RangeMessage(0, f.max)});
                    EXPECT_TRUE(platform.frameworkMessages.empty());
                }
                EXPECT_EQ(Text(f.id), "0");
            }
        }
    }
}

TEST_F(CameraDialogTest, TypedTimesReachTheRecordAtTheFamilysOffsets) {
    for (ModelFamily family : kBoth) {
        SCOPED_TRACE(Name(family));
        Open(family);
        const CameraFamilyIds& ids = Ids();
        Choose(IDC_TIME_LAPSE, 0);
        Retype(IDC_TIME_LAPSE_HOUR, "1");
        Retype(IDC_TIME_LAPSE_MINUTE, "2");
        Retype(IDC_TIME_LAPSE_SECOND, "3");
        Choose(IDC_TIMER1, 1);
        Retype(IDC_TIMER1_START_HOUR, "4");
        Retype(IDC_TIMER1_START_MINUTE, "5");
        Retype(IDC_TIMER1_STOP_HOUR, "6");
        Retype(IDC_TIMER1_STOP_MINUTE, "7");
        Choose(ids.timer2, 1);
        Retype(ids.timer2StartHour, "21");
        Retype(ids.timer2StartMinute, "22");
        Retype(ids.timer2StopHour, "23");
        Retype(ids.timer2StopMinute, "24");
        EXPECT_TRUE(platform.messages.empty()) << ::testing::PrintToString(platform.messages);
        EXPECT_TRUE(platform.frameworkMessages.empty());
        Click(IDOK);
        const Bytes file = MenuFile();
        ASSERT_EQ(file.size(), 60u);
        EXPECT_EQ(Bytes(file.begin() + 8, file.begin() + 14), (Bytes{1, 1, 0, 1, 2, 3}));
        EXPECT_EQ(Bytes(file.begin() + 20, file.begin() + 24), (Bytes{4, 5, 6, 7}));
        if (family == ModelFamily::k8620) {
            EXPECT_EQ(Bytes(file.begin() + 31, file.begin() + 38), (Bytes{1, 0, 1, 21, 22, 23, 24}));
        } else {
            EXPECT_EQ(Bytes(file.begin() + 31, file.begin() + 38), (Bytes{1, 21, 22, 23, 24, 0, 0}));
        }
    }
}

// A pasted minus sign gets past digits-only typing; the value is corrected like one above the range
// instead of reaching the camera as a wrapped-around byte.
TEST_F(CameraDialogTest, PastedNegativeValuesAreCorrected) {
    Open(ModelFamily::k8620);
    struct Case {
        int id;
        const char* field;
    };
    for (const Case& c : {Case{IDC_VIDEO_LENGTH, "10"}, Case{IDC_INTERVAL, "1"}}) {
        SCOPED_TRACE(c.id);
        ClearMessages();
        Paste(Edit(c.id), "-5");
        LeaveField();
        EXPECT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(Text(c.id), c.field);
    }
    Choose(IDC_TIMER1, 1);
    Paste(Edit(IDC_TIMER1_STOP_HOUR), "-3");
    LeaveField();
    EXPECT_EQ(Text(IDC_TIMER1_STOP_HOUR), "0");
    Click(IDOK);
    const Bytes file = MenuFile();
    EXPECT_EQ(file.at(4), 9);
    EXPECT_EQ(file.at(6), 1);
    EXPECT_EQ(file.at(22), 0);
}

// --- empty fields and the exchange order ---------------------------------------------------------------

// Emptying a number field while typing shows nothing and loses no key; the field is told of when left,
// in the dialog's language, and it stops the passes that show their messages, so nothing is written
// until it is filled.
TEST_F(CameraDialogTest, AnEmptiedFieldIsToldWhenLeftAndStopsTheWritesUntilFilled) {
    Open(ModelFamily::k8620);
    ClearMessages();
    Retype(IDC_VIDEO_LENGTH, "");
    EXPECT_TRUE(platform.frameworkMessages.empty());
    EXPECT_EQ(dialog->focusWidget(), Edit(IDC_VIDEO_LENGTH));
    QTest::keyClicks(Edit(IDC_VIDEO_LENGTH), "25");
    EXPECT_EQ(Text(IDC_VIDEO_LENGTH), "25") << "the keys after the empty moment land";
    EXPECT_EQ(dialog->videoLength, 25);
    EXPECT_TRUE(platform.frameworkMessages.empty());

    Retype(IDC_VIDEO_LENGTH, "");
    EXPECT_EQ(dialog->videoLength, 25) << "the value keeps the last valid number";
    LeaveField();
    EXPECT_EQ(platform.frameworkMessages, std::vector<std::string>{kIntegerExpected});
    EXPECT_EQ(Text(IDC_VIDEO_LENGTH), "") << "an empty field has no correction";
    EXPECT_EQ(dialog->focusWidget(), Edit(IDC_VIDEO_LENGTH)) << "back in the field left";

    // Typing elsewhere meanwhile shows nothing, and the fields after the empty one are read.
    ClearMessages();
    Retype(IDC_INTERVAL, "7");
    EXPECT_TRUE(platform.frameworkMessages.empty());
    EXPECT_EQ(dialog->interval, 7);
    EXPECT_EQ(Text(IDC_VIDEO_LENGTH), "") << "the field shows what the user left in it";

    // A list that runs a pass shows it again; one without a handler does not.
    Edit(IDC_INTERVAL)->setFocus();
    ClearMessages();
    Choose(IDC_CAMERA_MODE, 1);
    Choose(IDC_PICTURE_COUNT, 2);
    EXPECT_EQ(platform.frameworkMessages, std::vector<std::string>{kIntegerExpected});

    // Generate and the factory button read the form too: the empty field stops them, nothing is written.
    for (int button : {IDOK, IDC_FACTORY_SETTINGS}) {
        ClearMessages();
        Click(button);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        EXPECT_EQ(platform.frameworkMessages, std::vector<std::string>{kIntegerExpected}) << button;
        EXPECT_TRUE(platform.messages.empty()) << button;
        EXPECT_FALSE(std::filesystem::exists(folder.File("menu.dat"))) << button;
        EXPECT_EQ(List(IDC_CAMERA_MODE)->currentIndex(), 1) << "the factory reset did not run";
    }

    // Filling the field again lets the pass through to the end.
    ClearMessages();
    Retype(IDC_VIDEO_LENGTH, "20");
    EXPECT_TRUE(platform.frameworkMessages.empty());
    EXPECT_EQ(dialog->videoLength, 20);
    Click(IDOK);
    const Bytes file = MenuFile();
    EXPECT_EQ(file.at(0), 1);
    EXPECT_EQ(file.at(3), 2);
    EXPECT_EQ(file.at(4), 19) << "the video length shown";
    EXPECT_EQ(file.at(6), 7) << "the interval shown";
}

// The framework's own messages come in the dialog's language: Chinese in a Chinese dialog, English in
// every other.
TEST_F(CameraDialogTest, FrameworkMessagesInTheDialogsLanguage) {
    const std::pair<int32_t, std::string> cases[] = {{kChinese, kIntegerExpectedChinese},
                                                     {kEnglish, kIntegerExpected},
                                                     {kGerman, kIntegerExpected},
                                                     {kJapanese, kIntegerExpected}};
    for (const auto& [language, message] : cases) {
        SCOPED_TRACE(language);
        Open(ModelFamily::k8620, language);
        Choose(Ids().timer2, 1);
        Retype(IDC_INTERVAL, "");
        LeaveField();
        EXPECT_EQ(platform.frameworkMessages, std::vector<std::string>{message});

        Retype(Ids().timer2StopHour, "24");
        ClearMessages();
        Click(IDOK);
        EXPECT_EQ(platform.frameworkMessages.size(), 1u);
        if (!platform.frameworkMessages.empty()) {
            EXPECT_EQ(platform.frameworkMessages.front(),
                      language == kChinese ? kIntegerExpectedChinese : kIntegerExpected)
                << "the empty interval comes first";
        }
        Retype(IDC_INTERVAL, "1");
        ClearMessages();
        Click(IDOK);
        EXPECT_EQ(platform.frameworkMessages,
                  std::vector<std::string>{language == kChinese ? "“请填入一个在0和23之间的整数。”"
                                                                : FrameworkRangeMessage(0, 23)});
    }
}

// A value past its range typed and not left before the click is never written: Generate and the
// factory button show its range message once and write nothing.
TEST_F(CameraDialogTest, OutOfRangeValueOnScreenStopsTheWriteWithItsRangeMessage) {
    for (ModelFamily family : kBoth) {
        for (int button : {IDOK, IDC_FACTORY_SETTINGS}) {
            SCOPED_TRACE(std::string(Name(family)) + ", button " + std::to_string(button));
            std::filesystem::remove(folder.File("menu.dat"));
            Open(family);
            const CameraFamilyIds& ids = Ids();
            Choose(ids.timer2, 1);
            Retype(ids.timer2StartMinute, "70");
            EXPECT_EQ(Text(ids.timer2StartMinute), "70");
            ClearMessages();
            Click(button);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);  // the field left by the click
            EXPECT_EQ(platform.frameworkMessages, std::vector<std::string>{FrameworkRangeMessage(0, 59)});
            EXPECT_TRUE(platform.messages.empty());
            EXPECT_FALSE(std::filesystem::exists(folder.File("menu.dat")));
            EXPECT_EQ(dialog->focusWidget(), Edit(ids.timer2StartMinute));

            // Corrected on screen, the same button writes.
            Retype(ids.timer2StartMinute, "45");
            ClearMessages();
            Click(button);
            EXPECT_TRUE(platform.frameworkMessages.empty());
            EXPECT_EQ(platform.messages.size(), 1u);
            ASSERT_EQ(MenuFile().size(), 60u);
            if (button == IDOK) {
                const std::size_t startMinute =
                    (family == ModelFamily::k8620 ? menu_offset::k8620Timer2StartHour
                                                  : menu_offset::k8520Timer2StartHour) +
                    1;
                EXPECT_EQ(MenuFile().at(startMinute), 45);
            }
        }
    }
}

// An emptied field told of when left does not hold up typing in the fields before it in the order.
TEST_F(CameraDialogTest, AnEmptyFieldLaterInTheOrderDoesNotBlockEarlierOnes) {
    Open(ModelFamily::k8520);
    Choose(IDC_TIMER1, 1);
    Retype(IDC_TIMER1_START_MINUTE, "");
    LeaveField();
    EXPECT_EQ(platform.frameworkMessages, std::vector<std::string>{kIntegerExpected});
    ClearMessages();
    Retype(IDC_VIDEO_LENGTH, "7");
    EXPECT_TRUE(platform.frameworkMessages.empty());
    EXPECT_EQ(dialog->videoLength, 7) << "read before the failing field";
}

// Both timer 2 start fields emptied: a pass stops at the one the family reads first.
TEST_F(CameraDialogTest, Timer2StartFieldsAreReadInTheFamilysOrder) {
    for (ModelFamily family : kBoth) {
        SCOPED_TRACE(Name(family));
        Open(family);
        const CameraFamilyIds& ids = Ids();
        Choose(ids.timer2, 1);
        Retype(ids.timer2StartHour, "");
        Retype(ids.timer2StartMinute, "");
        ClearMessages();
        Choose(IDC_IMAGE_SIZE, 1);
        EXPECT_EQ(platform.frameworkMessages, std::vector<std::string>{kIntegerExpected});
        const int first = family == ModelFamily::k8620 ? ids.timer2StartHour : ids.timer2StartMinute;
        EXPECT_EQ(dialog->focusWidget(), Edit(first));
        EXPECT_EQ(Edit(first)->selectedText(), Edit(first)->text());
    }
}

// A folder longer than the field takes, from the browser, is refused: the field and the passes keep
// going with the folder it shows, and the timer 2 fields are read.
TEST_F(CameraDialogTest, LongBrowsedFolderIsRefusedAndBlocksNothing) {
    Open(ModelFamily::k8620);
    const std::string longFolder = folder.path() + "/" + std::string(90, 'x');
    std::filesystem::create_directory(longFolder);
    platform.folderAnswers.push_back(longFolder);
    Click(IDC_FOLDER_BUTTON);
    EXPECT_EQ(Text(IDC_OUTPUT_FOLDER), folder.path());
    EXPECT_EQ(platform.messages, std::vector<std::string>{FolderMessage(folder.path())});
    Choose(Ids().timer2, 1);
    ClearMessages();
    Retype(Ids().timer2StopHour, "5");
    EXPECT_TRUE(platform.frameworkMessages.empty());
    EXPECT_EQ(dialog->timer2StopHour, 5);
    Click(IDOK);
    EXPECT_EQ(MenuFile().size(), 60u);
    EXPECT_FALSE(std::filesystem::exists(longFolder + "/menu.dat"));
}

// --- lists and states ----------------------------------------------------------------------------------

TEST_F(CameraDialogTest, OnOffListsSwitchTheirFields) {
    for (ModelFamily family : kBoth) {
        SCOPED_TRACE(Name(family));
        Open(family);
        const CameraFamilyIds& ids = Ids();
        struct Group {
            int list;
            int onIndex;
            std::vector<int> fields;
        };
        const Group groups[] = {
            {IDC_TIME_LAPSE, 0, {IDC_TIME_LAPSE_HOUR, IDC_TIME_LAPSE_MINUTE, IDC_TIME_LAPSE_SECOND}},
            {IDC_TIMER1,
             1,
             {IDC_TIMER1_START_HOUR, IDC_TIMER1_START_MINUTE, IDC_TIMER1_STOP_HOUR, IDC_TIMER1_STOP_MINUTE}},
            {ids.timer2,
             1,
             {ids.timer2StartHour, ids.timer2StartMinute, ids.timer2StopHour, ids.timer2StopMinute}},
        };
        for (const Group& g : groups) {
            SCOPED_TRACE(g.list);
            Choose(g.list, g.onIndex);
            for (int id : g.fields) {
                EXPECT_FALSE(Edit(id)->isReadOnly()) << id;
            }
            Choose(g.list, 1 - g.onIndex);
            for (int id : g.fields) {
                EXPECT_TRUE(Edit(id)->isReadOnly()) << id;
            }
        }
        Choose(IDC_SERIAL, 1);
        for (int i = 0; i < 4; ++i) {
            EXPECT_TRUE(List(IDC_SERIAL_CHAR1 + i)->isEnabled());
        }
        Choose(IDC_SERIAL, 0);
        for (int i = 0; i < 4; ++i) {
            EXPECT_FALSE(List(IDC_SERIAL_CHAR1 + i)->isEnabled());
        }
    }
}

TEST_F(CameraDialogTest, TimeLapseTurnedOffKeepsItsValuesInTheRecord) {
    Open(ModelFamily::k8620);
    Choose(IDC_TIME_LAPSE, 0);
    Retype(IDC_TIME_LAPSE_HOUR, "12");
    Retype(IDC_TIME_LAPSE_SECOND, "30");
    Choose(IDC_TIME_LAPSE, 1);
    EXPECT_TRUE(Edit(IDC_TIME_LAPSE_HOUR)->isReadOnly());
    EXPECT_EQ(Text(IDC_TIME_LAPSE_HOUR), "12");
    Click(IDOK);
    const Bytes file = MenuFile();
    EXPECT_EQ(file.at(10), 1);
    EXPECT_EQ(file.at(11), 12);
    EXPECT_EQ(file.at(13), 30);
}

TEST_F(CameraDialogTest, EveryListSelectionReachesItsByte) {
    for (ModelFamily family : kBoth) {
        SCOPED_TRACE(Name(family));
        Open(family);
        const CameraFamilyIds& ids = Ids();
        Choose(IDC_CAMERA_MODE, 2);
        Choose(IDC_IMAGE_SIZE, 2);
        Choose(IDC_VIDEO_SIZE, family == ModelFamily::k8620 ? 2 : 1);
        Choose(IDC_PICTURE_COUNT, 1);
        Choose(IDC_TIME_STAMP, 1);
        Choose(IDC_SENSE_LEVEL, 3);
        Choose(IDC_SIDE_PIR, 0);
        Choose(IDC_SERIAL, 1);
        Choose(IDC_SERIAL_CHAR1, 35);
        Choose(IDC_SERIAL_CHAR1 + 1, 10);
        Choose(IDC_SERIAL_CHAR1 + 2, 9);
        Choose(IDC_SERIAL_CHAR1 + 3, 1);
        if (family == ModelFamily::k8620) {
            Choose(ids.beep, 0);
            Choose(ids.sdCycle, 1);
        }
        Click(IDOK);
        const Bytes file = MenuFile();
        ASSERT_EQ(file.size(), 60u);
        EXPECT_EQ(Bytes(file.begin(), file.begin() + 4),
                  (Bytes{2, 2, static_cast<uint8_t>(family == ModelFamily::k8620 ? 2 : 1), 1}));
        EXPECT_EQ(file.at(5), 1);
        EXPECT_EQ(file.at(7), 3);
        EXPECT_EQ(file.at(9), 0);
        EXPECT_EQ(Bytes(file.begin() + 24, file.begin() + 29), (Bytes{1, 35, 10, 9, 1}));
        if (family == ModelFamily::k8620) {
            EXPECT_EQ(file.at(31), 0);
            EXPECT_EQ(file.at(32), 1);
        }
    }
}

TEST_F(CameraDialogTest, KeyboardChoiceInAListRunsItsHandler) {
    Open(ModelFamily::k8620);
    QComboBox* list = List(IDC_TIME_LAPSE);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_FALSE(Edit(IDC_TIME_LAPSE_MINUTE)->isReadOnly());
}

// --- clock ---------------------------------------------------------------------------------------------

TEST_F(CameraDialogTest, DateFormatsAndGetTime) {
    Open(ModelFamily::k8520);
    platform.now = {2014, 2, 3, 4, 5, 6};
    Choose(IDC_DATE_FORMAT, 1);
    EXPECT_EQ(Text(IDC_CLOCK_TEXT), "02/03/2014 04:05:06") << "a new format captures the clock again";
    Choose(IDC_DATE_FORMAT, 2);
    EXPECT_EQ(Text(IDC_CLOCK_TEXT), "03/02/2014 04:05:06");
    platform.now = {2035, 12, 31, 23, 59, 58};
    Click(IDC_GET_TIME);
    EXPECT_EQ(Text(IDC_CLOCK_TEXT), "31/12/2031 23:59:58") << "the year is limited when captured";
    Choose(IDC_DATE_FORMAT, 0);
    EXPECT_EQ(Text(IDC_CLOCK_TEXT), "2031/12/31 23:59:58");
    Click(IDOK);
    const Bytes file = MenuFile();
    EXPECT_EQ(Bytes(file.begin() + 14, file.begin() + 20), (Bytes{21, 12, 31, 23, 59, 58}));

    // The date format is not in the record: only the captured time differs.
    platform.now = {2013, 6, 15, 8, 30, 0};
    Choose(IDC_DATE_FORMAT, 2);
    Click(IDOK);
    EXPECT_EQ(MenuFile(), Golden("menu_8520_defaults.dat"));
}

TEST_F(CameraDialogTest, ClockBeforeTheCamerasFirstYearBecomes2011) {
    platform.now = {2005, 1, 2, 3, 4, 5};
    settings.language = kEnglish;
    settings.model = 4;
    platform.defaultOutputFolder = folder.path();
    dialog = std::make_unique<CCameraSetupDlg>(ModelFamily::k8620, settings, platform, fs);
    ASSERT_TRUE(dialog->Create());
    EXPECT_EQ(Text(IDC_CLOCK_TEXT), "2011/01/02 03:04:05");
    Click(IDOK);
    EXPECT_EQ(MenuFile().at(14), 1);
}

// --- folders -------------------------------------------------------------------------------------------

TEST_F(CameraDialogTest, GetTimeRefreshDiscardsAFolderTypedSinceTheLastPass) {
    testing::TempFolder typed;
    Open(ModelFamily::k8620);
    Retype(IDC_OUTPUT_FOLDER, QString::fromStdString(typed.path()));
    Click(IDC_GET_TIME);
    EXPECT_EQ(Text(IDC_OUTPUT_FOLDER), folder.path());
    Click(IDOK);
    EXPECT_TRUE(std::filesystem::exists(folder.File("menu.dat")));
    EXPECT_FALSE(std::filesystem::exists(typed.File("menu.dat")));
}

// A write-protected menu.dat stays as it is, with its mode, and the message names it; a link in place of
// the temporary file is refused and the file it points to is never written.
TEST_F(CameraDialogTest, ProtectedFileAndLinkedTemporaryAreLeftAlone) {
    const std::string menu = folder.File("menu.dat");
    const Bytes previous(60, 0x5A);
    for (int32_t language : {kEnglish, kChinese}) {
        for (int button : {IDOK, IDC_FACTORY_SETTINGS}) {
            SCOPED_TRACE(std::to_string(language) + ", button " + std::to_string(button));
            ASSERT_TRUE(WriteBytes(menu, previous));
            ASSERT_EQ(::chmod(menu.c_str(), 0444), 0);
            Open(ModelFamily::k8620, language);
            Click(button);
            ASSERT_EQ(platform.messages.size(), 1u);
            EXPECT_NE(platform.messages[0].find(menu), std::string::npos) << platform.messages[0];
            EXPECT_NE(platform.messages[0].find(language == kChinese ? "写保护" : "write-protected"),
                      std::string::npos)
                << platform.messages[0];
            EXPECT_EQ(ReadBytes(menu), previous);
            struct stat info {};
            ASSERT_EQ(::stat(menu.c_str(), &info), 0);
            EXPECT_EQ(info.st_mode & 07777, 0444u);
            EXPECT_EQ(NamesIn(folder.path()), std::vector<std::string>{"menu.dat"});
            ASSERT_EQ(::chmod(menu.c_str(), 0644), 0);
            std::filesystem::remove(menu);
        }
    }

    TempFolder elsewhere;
    const std::string victim = elsewhere.File("victim");
    ASSERT_TRUE(WriteBytes(victim, previous));
    ASSERT_EQ(::symlink(victim.c_str(), folder.File("menu.dat.tmp").c_str()), 0);
    Open(ModelFamily::k8520);
    Click(IDOK);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find(folder.File("menu.dat.tmp")), std::string::npos)
        << platform.messages[0];
    EXPECT_EQ(ReadBytes(victim), previous);
    EXPECT_FALSE(std::filesystem::exists(menu));
}

// --- factory settings ----------------------------------------------------------------------------------

TEST_F(CameraDialogTest, FactorySettingsWritesTheFactoryFileAndResetsExactlyItsControls) {
    for (ModelFamily family : kBoth) {
        SCOPED_TRACE(Name(family));
        Open(family);
        const CameraFamilyIds& ids = Ids();
        Choose(IDC_CAMERA_MODE, 2);
        Choose(IDC_IMAGE_SIZE, 1);
        Choose(IDC_VIDEO_SIZE, 1 - List(IDC_VIDEO_SIZE)->currentIndex());
        Choose(IDC_PICTURE_COUNT, 2);
        Choose(IDC_TIME_STAMP, 1);
        Choose(IDC_SENSE_LEVEL, 2);
        Choose(IDC_SIDE_PIR, 0);
        Choose(IDC_INTERVAL_UNIT, 0);
        Retype(IDC_INTERVAL, "0");
        Retype(IDC_VIDEO_LENGTH, "33");
        Choose(IDC_TIME_LAPSE, 0);
        Retype(IDC_TIME_LAPSE_HOUR, "5");
        Choose(IDC_TIMER1, 1);
        Retype(IDC_TIMER1_STOP_MINUTE, "45");
        Choose(ids.timer2, 1);
        Retype(ids.timer2StopHour, "20");
        Choose(IDC_SERIAL, 1);
        Choose(IDC_SERIAL_CHAR1 + 2, 20);
        Choose(IDC_DATE_FORMAT, 1);
        if (family == ModelFamily::k8620) {
            Choose(ids.beep, 0);
            Choose(ids.sdCycle, 1);
        }
        ClearMessages();
        Click(IDC_FACTORY_SETTINGS);

        EXPECT_EQ(MenuFile(), Golden("menu_factory.dat"));
        EXPECT_EQ(platform.messages, std::vector<std::string>{WrittenMessage(
                                         std::string("Vyn ") + Name(family) +
                                             " Camera menu factory settings file has been generated",
                                         "menu.dat")});
        EXPECT_TRUE(platform.frameworkMessages.empty());

        const std::pair<int, int> reset[] = {
            {IDC_CAMERA_MODE, 0}, {IDC_IMAGE_SIZE, 0},  {IDC_VIDEO_SIZE, 0}, {IDC_PICTURE_COUNT, 0},
            {IDC_TIME_STAMP, 0},  {IDC_SENSE_LEVEL, 0}, {IDC_SIDE_PIR, 1},   {IDC_INTERVAL_UNIT, 1},
            {IDC_TIMER1, 0},      {IDC_SERIAL, 0},      {IDC_TIME_LAPSE, 1}, {IDC_SERIAL_CHAR1 + 2, 0},
            {ids.timer2, 1},      {IDC_DATE_FORMAT, 1},
        };
        for (const auto& [id, index] : reset) {
            EXPECT_EQ(List(id)->currentIndex(), index) << id;
        }
        if (family == ModelFamily::k8620) {
            EXPECT_EQ(List(ids.beep)->currentIndex(), 0) << "left as it was";
            EXPECT_EQ(List(ids.sdCycle)->currentIndex(), 1) << "left as it was";
        }
        EXPECT_EQ(Text(IDC_VIDEO_LENGTH), "10");
        EXPECT_EQ(Text(IDC_INTERVAL), "0") << "the interval value is left as it was";
        EXPECT_EQ(Text(IDC_TIME_LAPSE_HOUR), "0");
        EXPECT_EQ(Text(IDC_TIMER1_STOP_MINUTE), "0");
        EXPECT_EQ(Text(ids.timer2StopHour), "20") << "timer 2 is left as it was";
        EXPECT_TRUE(Edit(IDC_TIME_LAPSE_HOUR)->isReadOnly());
        EXPECT_TRUE(Edit(IDC_TIMER1_STOP_MINUTE)->isReadOnly());
        EXPECT_FALSE(Edit(ids.timer2StopHour)->isReadOnly());
        EXPECT_FALSE(List(IDC_SERIAL_CHAR1)->isEnabled());

        // A Generate afterwards writes the reset form; 0 with unit minutes reaches the record as 0.
        ClearMessages();
        Click(IDOK);
        const Bytes file = MenuFile();
        EXPECT_EQ(Bytes(file.begin(), file.begin() + 11), (Bytes{0, 0, 0, 0, 9, 0, 0, 0, 0, 1, 1}));
        EXPECT_EQ(file.at(24), 0);
        EXPECT_EQ(file.at(27), 0);
    }
}

// --- templates -----------------------------------------------------------------------------------------

// Controls a user works with never overlap, and everything lies inside the dialog; ids are unique.
TEST(CameraTemplates, ControlsFitAndDoNotOverlap) {
    for (ModelFamily family : kBoth) {
        SCOPED_TRACE(Name(family));
        ExpectControlsFitAndDoNotOverlap(CameraDialogTemplate(family));
    }
}

}  // namespace
}  // namespace corvane
