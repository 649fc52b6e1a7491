// The e-mail setup dialog driven as a user drives it: typing into fields, choosing list entries,
// clicking buttons, Enter and Escape; checked through its controls, the messages it shows and smtp.dat.
#include "dialogs/smtp/smtp_setup_dlg.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/l10n/smtp_texts.h"
#include "core/models/models.h"
#include "core/presets/presets.h"
#include "dialogs/res/smtp_templates.h"
#include "framework/controls.h"
#include "support/dialog_test_support.h"
#include "support/expected_texts.h"

namespace corvane {
namespace {

using namespace corvane::testing;

// Record `index` (0 = header) of smtp.dat with bytes 0-49 turned back into their plain form.
Bytes PlainRecord(const Bytes& file, std::size_t index) {
    Bytes record(file.begin() + static_cast<std::ptrdiff_t>(index * 60),
                 file.begin() + static_cast<std::ptrdiff_t>(index * 60 + 60));
    for (std::size_t i = 0; i < 50; ++i) {
        const uint8_t swapped = static_cast<uint8_t>((record[i] << 4) | (record[i] >> 4));
        record[i] = static_cast<uint8_t>(~swapped);
    }
    return record;
}
// The text of text record `index` (1 = access point name ... 10 = recipient).
std::string TextOf(const Bytes& file, std::size_t index) {
    const Bytes record = PlainRecord(file, index);
    return std::string(record.begin(), record.begin() + record[57]);
}

const std::string kPicturesRange = "Please enter an integer between 0 and 99.";

class SmtpDialogTest : public SetupDialogTest<CSmtpSetupDlg> {
  protected:
    void Open(ModelFamily family, int32_t language = kEnglish, FileSystem* fileSystem = nullptr) {
        platform.defaultOutputFolder = folder.path();
        settings.language = language;
        settings.model = family == ModelFamily::k8620 ? 4 : 3;
        dialog = std::make_unique<CSmtpSetupDlg>(family, settings, platform, fileSystem ? *fileSystem : fs);
        Show();
    }

    const SmtpFamilyIds& Ids() const { return SmtpIdsOf(dialog->Family()); }

    // Fills every field so that Generate passes (the network fields only in Manual mode).
    void FillPassingForm() {
        if (List(IDC_SMTP_MODE)->currentIndex() == 1) {
            Retype(IDC_SMTP_APN, "internet");
        }
        Retype(IDC_SMTP_SERVER, "smtp.example.com");
        Retype(IDC_SMTP_PORT, "25");
        Retype(IDC_SMTP_SENDER, "x@example.com");
        Retype(IDC_SMTP_SENDER_PASSWORD, "secret");
        Retype(IDC_SMTP_RECIPIENT, "me@example.org");
    }
    Bytes SmtpFile() const { return ReadBytes(folder.File("smtp.dat")); }
    bool Written() const { return std::filesystem::exists(folder.File("smtp.dat")); }
};

// --- the stored-form examples --------------------------------------------------------------------------

TEST_F(SmtpDialogTest, AutoModeExampleByteForByteWithThePresetNeverShown) {
    Open(ModelFamily::k8620, kJapanese);
    Retype(IDC_SMTP_PICTURES, "7");
    Choose(IDC_SMTP_OPERATOR, 1);  // China Unicom
    FillPassingForm();
    ClearMessages();
    Click(IDC_SMTP_GENERATE);

    EXPECT_EQ(SmtpFile(), Golden("smtp_8620_auto.dat"));
    // The program's sentence is English in every language but Chinese; the path line is in Japanese.
    EXPECT_EQ(platform.messages,
              std::vector<std::string>{WrittenMessage("Vyn 8620 SMTP configuration file has been generated",
                                                      "smtp.dat", kJapanese)});
    EXPECT_TRUE(platform.frameworkMessages.empty());
    EXPECT_EQ(testing::NamesIn(folder.path()), std::vector<std::string>{"smtp.dat"})
        << "no scratch file left";
    EXPECT_FALSE(dialog->IsEnded()) << "generating never closes the dialog";
    for (int id : {IDC_SMTP_APN, IDC_SMTP_ACCOUNT, IDC_SMTP_GPRS_PASSWORD}) {
        EXPECT_EQ(Text(id), "") << id;
        EXPECT_TRUE(Edit(id)->isReadOnly()) << id;
    }
    EXPECT_EQ(dialog->apn, "");
    EXPECT_EQ(dialog->account, "");

    // A refresh afterwards (the folder button, cancelled) still shows no preset value.
    Click(IDC_SMTP_FOLDER_BUTTON);
    EXPECT_EQ(Text(IDC_SMTP_APN), "");
    EXPECT_EQ(Text(IDC_SMTP_ACCOUNT), "");
}

TEST_F(SmtpDialogTest, ManualModeExampleByteForByte) {
    struct Case {
        const char* what;
        int32_t language;
        bool chineseEntry;
        const char* message;
    };
    const Case cases[] = {
        {"Chinese", kChinese, false, "Vyn 8520 SMTP配置文件已生成"},
        {"Chinese entry on another system", kEnglish, true,
         "Vyn 8520 SMTP configuration file has been generated"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(folder.File("smtp.dat"));
        settings.chineseEntrySelected = c.chineseEntry;
        Open(ModelFamily::k8520, c.language);
        Choose(IDC_SMTP_MODE, 1);
        Retype(IDC_SMTP_APN, "internet");
        Retype(IDC_SMTP_ACCOUNT, "web");
        Retype(IDC_SMTP_GPRS_PASSWORD, "web");
        Retype(IDC_SMTP_SERVER, "mail.example.net");
        Retype(IDC_SMTP_PORT, "587");
        Retype(IDC_SMTP_SENDER, "camera.one@example.net");
        Retype(IDC_SMTP_SENDER_PASSWORD, "pw");
        Retype(IDC_SMTP_RECIPIENT, "owner@example.net");
        Retype(Ids().phone, "01711234567");
        Choose(Ids().remoteControl, 3);
        ClearMessages();
        Click(IDC_SMTP_GENERATE);
        EXPECT_EQ(SmtpFile(), Golden("smtp_8520_manual.dat"));
        EXPECT_EQ(platform.messages,
                  std::vector<std::string>{WrittenMessage(c.message, "smtp.dat", c.language)});
    }
}

TEST_F(SmtpDialogTest, SelectionsReachTheHeader) {
    struct Case {
        ModelFamily family;
        int country;
        int operatorIndex;
        int remote;
        int status;  // 8620 only
        const char* pictures;
        Bytes header0to8;
    };
    const Case cases[] = {
        {ModelFamily::k8620, 10, 2, 25, 0, "99", {0, 2, 10, 9, 9, 2, 0, 25, 0}},
        {ModelFamily::k8620, 3, 7, 0, 2, "10", {0, 7, 3, 1, 0, 2, 2, 0, 0}},
        {ModelFamily::k8520, 40, 0, 24, -1, "0", {0, 0, 40, 0, 0, 2, 1, 0, 24}},
        {ModelFamily::k8520, 21, 4, 25, -1, "5", {0, 4, 21, 0, 5, 2, 1, 0, 25}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(Name(c.family)) + " " + std::to_string(c.country));
        Open(c.family);
        Retype(IDC_SMTP_PICTURES, c.pictures);
        Choose(IDC_SMTP_COUNTRY, c.country);
        Choose(IDC_SMTP_OPERATOR, c.operatorIndex);
        Choose(Ids().remoteControl, c.remote);
        if (c.status >= 0) {
            Choose(Ids().status, c.status);
        }
        FillPassingForm();
        Retype(Ids().phone, "0123456789");
        ClearMessages();
        Click(IDC_SMTP_GENERATE);
        ASSERT_EQ(platform.messages.size(), 1u);
        const Bytes file = SmtpFile();
        ASSERT_EQ(file.size(), 720u);
        const Bytes header = PlainRecord(file, 0);
        EXPECT_EQ(Bytes(header.begin(), header.begin() + 9), c.header0to8);
        EXPECT_EQ(header[55], 1);
        const std::optional<GprsPreset> preset = GprsPresetAt(c.country, c.operatorIndex);
        ASSERT_TRUE(preset.has_value());
        EXPECT_EQ(TextOf(file, 1), preset->apn);
        EXPECT_EQ(TextOf(file, 2), preset->account);
        EXPECT_EQ(TextOf(file, 3), preset->password);
        EXPECT_EQ(TextOf(file, 8), "0123456789");
        EXPECT_EQ(TextOf(file, 9), "x") << "sender user name";
    }
}

// --- initial state -------------------------------------------------------------------------------------

TEST_F(SmtpDialogTest, InitialFieldsListsLimitsAndStates) {
    for (ModelFamily family : kBoth) {
        SCOPED_TRACE(Name(family));
        Open(family);
        const SmtpFamilyIds& ids = Ids();
        const bool is8620 = family == ModelFamily::k8620;
        EXPECT_EQ(dialog->GetWindowText(), is8620 ? "Corvane 8620" : "Corvane 8520");
        EXPECT_EQ(dialog->objectName(), is8620 ? "143" : "147");

        struct Field {
            int id;
            const char* text;
            int limit;  // bytes; 0: none
            bool readOnly;
        };
        const int address = is8620 ? 40 : 32;
        const Field fields[] = {
            {IDC_SMTP_PICTURES, "0", 0, false},        {IDC_SMTP_APN, "", 32, true},
            {IDC_SMTP_ACCOUNT, "", 32, true},          {IDC_SMTP_GPRS_PASSWORD, "", 32, true},
            {IDC_SMTP_SERVER, "", 40, false},          {IDC_SMTP_PORT, "", 10, false},
            {IDC_SMTP_SENDER_PASSWORD, "", 32, false}, {IDC_SMTP_SENDER, "", address, false},
            {IDC_SMTP_RECIPIENT, "", address, false},  {ids.phone, "", 30, false},
        };
        for (const Field& f : fields) {
            ASSERT_NE(Edit(f.id), nullptr) << f.id;
            EXPECT_EQ(Text(f.id), f.text) << f.id;
            EXPECT_EQ(dialog->GetEdit(f.id)->GetLimitText(), f.limit) << f.id;
            EXPECT_EQ(Edit(f.id)->isReadOnly(), f.readOnly) << f.id;
        }
        EXPECT_EQ(Text(IDC_SMTP_FOLDER), folder.path());
        EXPECT_EQ(dialog->GetEdit(IDC_SMTP_FOLDER)->GetLimitText(), 0) << "the folder field has no limit";
        EXPECT_EQ(Edit(IDC_SMTP_SENDER_PASSWORD)->echoMode(), QLineEdit::Password);
        EXPECT_EQ(Edit(IDC_SMTP_GPRS_PASSWORD)->echoMode(), QLineEdit::Normal);

        EXPECT_EQ(Entries(List(IDC_SMTP_MODE)), (std::vector<std::string>{"Auto", "Manual"}));
        EXPECT_EQ(List(IDC_SMTP_MODE)->currentIndex(), 0);
        EXPECT_EQ(Entries(List(IDC_SMTP_COUNTRY)), Strings(CountryNames(PresetSet::kGprs, kEnglish)));
        EXPECT_EQ(List(IDC_SMTP_COUNTRY)->count(), 41);
        EXPECT_EQ(List(IDC_SMTP_COUNTRY)->currentText(), "China");
        EXPECT_EQ(Entries(List(IDC_SMTP_OPERATOR)),
                  (std::vector<std::string>{"China Mobile", "China Unicom"}));
        EXPECT_EQ(List(IDC_SMTP_OPERATOR)->currentIndex(), 0);

        std::vector<std::string> remote;
        for (int hour = 0; hour <= 24; ++hour) {
            remote.push_back(std::to_string(hour));
        }
        remote.push_back("Off");
        EXPECT_EQ(Entries(List(ids.remoteControl)), remote);
        EXPECT_EQ(List(ids.remoteControl)->currentIndex(), 25);

        if (is8620) {
            EXPECT_EQ(Entries(List(ids.status)), (std::vector<std::string>{"Off", "VGA", "SMS"}));
            EXPECT_EQ(List(ids.status)->currentIndex(), 1);
            EXPECT_EQ(Text(ids.statusLabel), "SMTP Status");
        } else {
            // The ids of the 8620 status controls are the 8520 phone label and field.
            EXPECT_EQ(List(1114), nullptr);
            EXPECT_EQ(List(1115), nullptr);
            EXPECT_NE(Edit(1113), nullptr);
        }
        // No push button is the default one: Enter in a field takes the accept path.
        EXPECT_EQ(dialog->GetDefID(), 0);
    }
}

// --- texts ---------------------------------------------------------------------------------------------

std::vector<std::string> GroupTitles(QWidget* dialog) {
    std::vector<std::string> titles;
    for (QGroupBox* group : dialog->findChildren<QGroupBox*>()) {
        if (!group->title().isEmpty()) {
            titles.push_back(group->title().toStdString());
        }
    }
    std::sort(titles.begin(), titles.end());
    return titles;
}

TEST_F(SmtpDialogTest, EveryControlShowsItsLanguagesTextInBothVariants) {
    for (int32_t language : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0, 11}) {
        for (ModelFamily family : kBoth) {
            SCOPED_TRACE(std::to_string(language) + " " + Name(family));
            Open(family, language);
            const SmtpFamilyIds& ids = Ids();
            const std::pair<int, SmtpCaption> captions[] = {
                {1086, SmtpCaption::kModeLabel},
                {1089, SmtpCaption::kPicturesLabel},
                {1090, SmtpCaption::kNoLimitNote},
                {1091, SmtpCaption::kCountryLabel},
                {1092, SmtpCaption::kOperatorLabel},
                {1098, SmtpCaption::kAccountLabel},
                {1099, SmtpCaption::kGprsPasswordLabel},
                {1100, SmtpCaption::kServerLabel},
                {1101, SmtpCaption::kPortLabel},
                {1103, SmtpCaption::kSenderLabel},
                {1102, SmtpCaption::kSenderPasswordLabel},
                {1106, SmtpCaption::kRecipientLabel},
                {ids.phoneLabel, SmtpCaption::kPhoneLabel},
                {ids.remoteControlLabel, SmtpCaption::kRemoteControlLabel},
                {1111, SmtpCaption::kFolderButton},
                {1112, SmtpCaption::kGenerateButton},
                {2, SmtpCaption::kExitButton},
            };
            for (const auto& [id, caption] : captions) {
                EXPECT_EQ(Text(id), ExpectedText("smtp", language,
                                                 "caption" + std::to_string(static_cast<int>(caption))))
                    << id;
            }
            EXPECT_EQ(Text(1097), "APN");
            EXPECT_EQ(GroupTitles(dialog.get()),
                      (std::vector<std::string>{"GPRS Setting", "Recipients", "SMS", "Sender"}));
            EXPECT_EQ(dialog->GetWindowText(),
                      family == ModelFamily::k8620 ? "Corvane 8620" : "Corvane 8520");
            EXPECT_EQ(Entries(List(IDC_SMTP_MODE)), ExpectedEntries("smtp", language, "modeList", 2));
            EXPECT_EQ(List(ids.remoteControl)->itemText(25).toStdString(),
                      ExpectedText("smtp", language, "remoteControlOff"));
            if (family == ModelFamily::k8620) {
                EXPECT_EQ(Entries(List(ids.status)), ExpectedEntries("smtp", language, "statusList", 3));
                EXPECT_EQ(Text(ids.statusLabel), "SMTP Status");
            }
            // Country and operator names are the same in every language.
            EXPECT_EQ(List(IDC_SMTP_COUNTRY)->itemText(0).toStdString(), "China");
            EXPECT_EQ(List(IDC_SMTP_OPERATOR)->itemText(0).toStdString(), "China Mobile");
        }
    }
}

// What a user of a language reads on the controls whose ids differ between the variants.
TEST_F(SmtpDialogTest, SpotChecksOfLanguagesOnScreen) {
    struct Row {
        int32_t language;
        ModelFamily family;
        const char* phoneLabel;
        const char* remoteLabel;
        const char* remoteOff;
        const char* folderButton;
    };
    const Row rows[] = {
        {1, ModelFamily::k8620, "手机号码", "短信远程控制", "关闭", "选择目录"},
        {3, ModelFamily::k8520, "Telefonnummer", "SMS Remote Control", "Aus", "Auswahl"},
        {9, ModelFamily::k8620, "Tel. Cislo", "SMS Remote Control", "Vypnuto", "Vybrat"},
        {9, ModelFamily::k8520, "Tel. Cislo", "SMS Remote Control", "Vypnuto", "Vybrat"},
        {10, ModelFamily::k8520, "電話", "SMS Remote Control", "オフ", "フォルダ選択"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.language) + " " + Name(row.family));
        Open(row.family, row.language);
        const bool is8620 = row.family == ModelFamily::k8620;
        EXPECT_EQ(Text(is8620 ? 1116 : 1114), row.phoneLabel);
        EXPECT_EQ(Text(is8620 ? 1107 : 1132), row.remoteLabel);
        EXPECT_EQ(List(is8620 ? 1115 : 1135)->currentText().toStdString(), row.remoteOff);
        EXPECT_EQ(Text(1111), row.folderButton);
    }
    Open(ModelFamily::k8520);
    EXPECT_EQ(Text(1107), "GPRS Setting") << "in the 8520 variant 1107 is the group box";
}

// --- generate: checks in order -------------------------------------------------------------------------

TEST_F(SmtpDialogTest, EachFailedCheckShowsItsMessageAndWritesNothing) {
    struct Case {
        const char* what;
        ModelFamily family;
        bool manual;
        int field;  // retyped with `text`; 0: none
        const char* text;
        int remote;  // remote control index chosen; -1 keeps "Off"
        const char* message;
    };
    const Case cases[] = {
        {"one-byte APN in Manual", ModelFamily::k8520, true, IDC_SMTP_APN, "a", -1, "GPRS APN"},
        {"empty server", ModelFamily::k8620, false, IDC_SMTP_SERVER, "", -1, "Smtp Server"},
        {"one-byte server", ModelFamily::k8520, false, IDC_SMTP_SERVER, "s", -1, "Smtp Server"},
        {"one-character port", ModelFamily::k8620, false, IDC_SMTP_PORT, "2", -1, "Port"},
        {"empty sender", ModelFamily::k8520, false, IDC_SMTP_SENDER, "", -1, "Please Input Email"},
        {"two-letter sender", ModelFamily::k8620, false, IDC_SMTP_SENDER, "ab", -1, "Email Error(@)"},
        {"sender without dot", ModelFamily::k8520, false, IDC_SMTP_SENDER, "a@b", -1, "Email Error(.)"},
        {"one-byte sender password", ModelFamily::k8620, false, IDC_SMTP_SENDER_PASSWORD, "p", -1,
         "Sender Email Password"},
        {"one-letter recipient", ModelFamily::k8520, false, IDC_SMTP_RECIPIENT, "m", -1,
         "Please Input Email"},
        {"recipient without at", ModelFamily::k8620, false, IDC_SMTP_RECIPIENT, "me.example.org", -1,
         "Email Error(@)"},
        {"recipient without dot", ModelFamily::k8520, false, IDC_SMTP_RECIPIENT, "me@example", -1,
         "Email Error(.)"},
        {"8620: 4-digit phone, remote off", ModelFamily::k8620, false, 0, "", -1, "Phone No. Error"},
        {"remote at an hour, empty phone", ModelFamily::k8520, false, 0, "", 5, "Phone No. Error"},
        {"remote at an hour, 4-digit phone", ModelFamily::k8620, false, 0, "", 0, "Phone No. Error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open(c.family);
        if (c.manual) {
            Choose(IDC_SMTP_MODE, 1);
        }
        FillPassingForm();
        if (c.field != 0) {
            Retype(c.field, c.text);
        }
        if (std::string(c.message) == "Phone No. Error") {
            Retype(Ids().phone, c.remote == 5 ? "" : "1234");
        }
        if (c.remote >= 0) {
            Choose(Ids().remoteControl, c.remote);
        }
        const std::string shownBefore = Text(IDC_SMTP_SENDER) + "|" + Text(IDC_SMTP_RECIPIENT);
        ClearMessages();
        Click(IDC_SMTP_GENERATE);
        EXPECT_EQ(platform.messages, std::vector<std::string>{c.message});
        EXPECT_TRUE(platform.frameworkMessages.empty());
        EXPECT_FALSE(Written());
        EXPECT_EQ(testing::NamesIn(folder.path()), std::vector<std::string>{});
        EXPECT_EQ(dialog->focusWidget(), Button(IDC_SMTP_GENERATE)) << "the focus stays where it was";
        EXPECT_EQ(Text(IDC_SMTP_SENDER) + "|" + Text(IDC_SMTP_RECIPIENT), shownBefore);
        EXPECT_FALSE(dialog->IsEnded());
    }
}

TEST_F(SmtpDialogTest, ChecksStopAtTheFirstFailureInTheirOrderAndSpeakChineseForLanguage1) {
    Open(ModelFamily::k8620, kChinese);
    Choose(IDC_SMTP_MODE, 1);
    Choose(Ids().remoteControl, 2);
    Click(IDC_SMTP_GENERATE);
    // Fix one fault after the other: each press shows only the next one.
    const std::vector<std::pair<int, const char*>> fixes = {
        {IDC_SMTP_APN, "cmnet"},          {IDC_SMTP_SERVER, "smtp.qq.com"}, {IDC_SMTP_PORT, "25"},
        {IDC_SMTP_SENDER, "ab"},          {IDC_SMTP_SENDER, "a@b"},         {IDC_SMTP_SENDER, "a@b.cn"},
        {IDC_SMTP_SENDER_PASSWORD, "pw"}, {IDC_SMTP_RECIPIENT, "c@d.cn"},   {Ids().phone, "13800138000"},
    };
    for (const auto& [id, text] : fixes) {
        Retype(id, text);
        Click(IDC_SMTP_GENERATE);
    }
    const std::vector<std::string> expected = {
        "请输入GPRS APN",       "请输入Smtp Server地址",
        "请设置端口",           "请输入Email",
        "Email 错误(@)",        "Email 错误(.)",
        "请输入发送者邮箱密码", "请输入Email",
        "手机号码错误",         WrittenMessage("Vyn 8620 SMTP配置文件已生成", "smtp.dat", kChinese),
    };
    EXPECT_EQ(platform.messages, expected);
    EXPECT_TRUE(Written());
}

TEST_F(SmtpDialogTest, PhoneChecksOfTheTwoFamilies) {
    struct Case {
        int remote;
        const char* phone;
        bool passes8520;
        bool passes8620;
    };
    const Case cases[] = {
        {25, "", true, true},   {25, "1234", true, false}, {25, "12345", true, true},
        {25, "1", true, false}, {7, "12345", true, true},  {7, "1234", false, false},
        {0, "", false, false},  {24, "+4930", true, true},
    };
    for (const Case& c : cases) {
        for (ModelFamily family : kBoth) {
            SCOPED_TRACE(std::to_string(c.remote) + " '" + c.phone + "' " + Name(family));
            std::filesystem::remove(folder.File("smtp.dat"));
            Open(family);
            FillPassingForm();
            Retype(Ids().phone, c.phone);
            Choose(Ids().remoteControl, c.remote);
            ClearMessages();
            Click(IDC_SMTP_GENERATE);
            const bool passes = family == ModelFamily::k8620 ? c.passes8620 : c.passes8520;
            EXPECT_EQ(Written(), passes);
            ASSERT_EQ(platform.messages.size(), 1u);
            EXPECT_EQ(platform.messages[0] == "Phone No. Error", !passes) << platform.messages[0];
        }
    }
}

// --- modes and countries -------------------------------------------------------------------------------

TEST_F(SmtpDialogTest, SwitchingTheModeEmptiesTheMailAndNetworkFieldsOnly) {
    for (ModelFamily family : kBoth) {
        SCOPED_TRACE(Name(family));
        testing::TempFolder other;
        Open(family);
        Retype(IDC_SMTP_PICTURES, "12");
        Retype(Ids().phone, "0123456789");
        Retype(IDC_SMTP_FOLDER, QString::fromStdString(other.path()));
        Choose(IDC_SMTP_COUNTRY, 2);
        FillPassingForm();

        Choose(IDC_SMTP_MODE, 1);
        const int emptied[] = {IDC_SMTP_SERVER,    IDC_SMTP_PORT, IDC_SMTP_SENDER,  IDC_SMTP_SENDER_PASSWORD,
                               IDC_SMTP_RECIPIENT, IDC_SMTP_APN,  IDC_SMTP_ACCOUNT, IDC_SMTP_GPRS_PASSWORD};
        for (int id : emptied) {
            EXPECT_EQ(Text(id), "") << id;
        }
        EXPECT_EQ(Text(IDC_SMTP_PICTURES), "12");
        EXPECT_EQ(Text(Ids().phone), "0123456789");
        EXPECT_EQ(Text(IDC_SMTP_FOLDER), other.path());
        EXPECT_EQ(Entries(List(IDC_SMTP_COUNTRY)), std::vector<std::string>{"Other"});
        EXPECT_EQ(Entries(List(IDC_SMTP_OPERATOR)), std::vector<std::string>{"Other"});
        EXPECT_EQ(List(IDC_SMTP_COUNTRY)->currentIndex(), 0);
        EXPECT_EQ(List(IDC_SMTP_OPERATOR)->currentIndex(), 0);
        for (int id : {IDC_SMTP_APN, IDC_SMTP_ACCOUNT, IDC_SMTP_GPRS_PASSWORD}) {
            EXPECT_FALSE(Edit(id)->isReadOnly()) << id;
        }
        Choose(IDC_SMTP_COUNTRY, 0);  // nothing happens in Manual mode
        EXPECT_EQ(Entries(List(IDC_SMTP_OPERATOR)), std::vector<std::string>{"Other"});

        // A Manual file: country 0x80, operator 0, flag 0, typed network texts.
        FillPassingForm();
        Retype(IDC_SMTP_ACCOUNT, "acct");
        ClearMessages();
        Click(IDC_SMTP_GENERATE);
        ASSERT_EQ(platform.messages.size(), 1u);
        const Bytes file = testing::ReadBytes(other.File("smtp.dat"));
        ASSERT_EQ(file.size(), 720u);
        const Bytes header = PlainRecord(file, 0);
        EXPECT_EQ(header[1], 0);
        EXPECT_EQ(header[2], 0x80);
        EXPECT_EQ(header[3], 1);
        EXPECT_EQ(header[4], 2);
        EXPECT_EQ(header[55], 0);
        EXPECT_EQ(TextOf(file, 1), "internet");
        EXPECT_EQ(TextOf(file, 2), "acct");

        Choose(IDC_SMTP_MODE, 0);
        for (int id : emptied) {
            EXPECT_EQ(Text(id), "") << id;
        }
        for (int id : {IDC_SMTP_APN, IDC_SMTP_ACCOUNT, IDC_SMTP_GPRS_PASSWORD}) {
            EXPECT_TRUE(Edit(id)->isReadOnly()) << id;
        }
        EXPECT_EQ(List(IDC_SMTP_COUNTRY)->count(), 41);
        EXPECT_EQ(List(IDC_SMTP_COUNTRY)->currentIndex(), 0);
        EXPECT_EQ(Entries(List(IDC_SMTP_OPERATOR)),
                  (std::vector<std::string>{"China Mobile", "China Unicom"}));
        EXPECT_EQ(Text(IDC_SMTP_PICTURES), "12");
        EXPECT_EQ(Text(Ids().phone), "0123456789");
    }
}

TEST_F(SmtpDialogTest, ChoosingACountryListsItsOperators) {
    Open(ModelFamily::k8520);
    Choose(IDC_SMTP_OPERATOR, 1);
    Choose(IDC_SMTP_COUNTRY, 10);
    EXPECT_EQ(List(IDC_SMTP_COUNTRY)->currentText(), "Spain");
    EXPECT_EQ(Entries(List(IDC_SMTP_OPERATOR)),
              (std::vector<std::string>{"Amena", "Vodafone", "Telefonica"}));
    EXPECT_EQ(List(IDC_SMTP_OPERATOR)->currentIndex(), 0);
    Choose(IDC_SMTP_COUNTRY, 3);
    EXPECT_EQ(List(IDC_SMTP_OPERATOR)->count(), 8);
    EXPECT_TRUE(platform.messages.empty());
}

// --- pictures per day and the re-reads -----------------------------------------------------------------

TEST_F(SmtpDialogTest, PicturesPerDayOutsideTheRangeBecomesZero) {
    for (const char* typed : {"100", "150"}) {
        SCOPED_TRACE(typed);
        Open(ModelFamily::k8620, kGerman);
        Retype(IDC_SMTP_PICTURES, typed);
        EXPECT_TRUE(platform.frameworkMessages.empty()) << "nothing while typing";
        LeaveField();
        EXPECT_EQ(platform.frameworkMessages, std::vector<std::string>{kPicturesRange});
        EXPECT_EQ(Text(IDC_SMTP_PICTURES), "0");
        EXPECT_EQ(dialog->picturesPerDay, 0);
    }
    // A pasted minus sign is corrected too.
    Open(ModelFamily::k8520);
    Edit(IDC_SMTP_PICTURES)->setText("-3");
    EXPECT_EQ(platform.frameworkMessages, std::vector<std::string>{kPicturesRange});
    EXPECT_EQ(Text(IDC_SMTP_PICTURES), "0");
    // Letters cannot be typed into the field.
    Retype(IDC_SMTP_PICTURES, "4x2");
    EXPECT_EQ(Text(IDC_SMTP_PICTURES), "42");
}

TEST_F(SmtpDialogTest, AnEmptyPicturesFieldStopsEveryReadAndGenerateWritesNothingUntilItIsFilled) {
    Open(ModelFamily::k8620);
    FillPassingForm();
    Retype(IDC_SMTP_PICTURES, "");
    EXPECT_TRUE(platform.frameworkMessages.empty()) << "nothing while typing";
    LeaveField();
    EXPECT_EQ(platform.frameworkMessages, std::vector<std::string>{kIntegerExpected});
    EXPECT_EQ(dialog->focusWidget(), Edit(IDC_SMTP_PICTURES));

    // Typing in another field meanwhile shows nothing and is read past the empty field.
    ClearMessages();
    Retype(IDC_SMTP_SERVER, "mail.example.com");
    EXPECT_TRUE(platform.frameworkMessages.empty());
    EXPECT_EQ(dialog->smtpServer, "mail.example.com");

    // Generate does not write values the fields do not show.
    ClearMessages();
    Click(IDC_SMTP_GENERATE);
    EXPECT_EQ(platform.frameworkMessages, std::vector<std::string>{kIntegerExpected});
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(Written());
    EXPECT_EQ(dialog->focusWidget(), Edit(IDC_SMTP_PICTURES));

    Retype(IDC_SMTP_PICTURES, "3");
    ClearMessages();
    Click(IDC_SMTP_GENERATE);
    EXPECT_EQ(platform.messages.size(), 1u);
    const Bytes file = SmtpFile();
    ASSERT_EQ(file.size(), 720u);
    EXPECT_EQ(TextOf(file, 4), "mail.example.com");
    EXPECT_EQ(PlainRecord(file, 0)[4], 3);
}

TEST_F(SmtpDialogTest, Only8520RereadsWhenTheRemoteControlListClosesWithoutAChoice) {
    for (ModelFamily family : kBoth) {
        SCOPED_TRACE(Name(family));
        Open(family);
        Retype(IDC_SMTP_PICTURES, "");
        ClearMessages();
        auto* list = qobject_cast<DropDownList*>(List(Ids().remoteControl));
        ASSERT_NE(list, nullptr);
        list->showPopup();
        list->hidePopup();
        QCoreApplication::processEvents();  // the list reports the close once the event is done
        // The re-read is seen by the integer message of the empty pictures field.
        EXPECT_EQ(platform.frameworkMessages.size(), family == ModelFamily::k8520 ? 1u : 0u);
    }
}

TEST_F(SmtpDialogTest, FieldsStopTypingAtTheirLimitInBytes) {
    for (ModelFamily family : kBoth) {
        SCOPED_TRACE(Name(family));
        Open(family);
        const int address = family == ModelFamily::k8620 ? 40 : 32;
        Retype(IDC_SMTP_SENDER, QString(50, QChar('a')));
        EXPECT_EQ(Text(IDC_SMTP_SENDER), std::string(address, 'a'));
        Retype(IDC_SMTP_RECIPIENT, QString(50, QChar('b')));
        EXPECT_EQ(Text(IDC_SMTP_RECIPIENT), std::string(address, 'b'));
        Retype(IDC_SMTP_PORT, "123456789012");
        EXPECT_EQ(Text(IDC_SMTP_PORT), "1234567890");
        Retype(Ids().phone, QString(35, QChar('5')));
        EXPECT_EQ(Text(Ids().phone), std::string(30, '5'));
        // Two bytes a character: 20 characters fill a 40-byte server field.
        Retype(IDC_SMTP_SERVER, "");
        for (int i = 0; i < 25; ++i) {
            QTest::sendKeyEvent(QTest::Click, Edit(IDC_SMTP_SERVER), Qt::Key_Eacute, QString(QChar(0x00E9)),
                                Qt::NoModifier);
        }
        EXPECT_EQ(Edit(IDC_SMTP_SERVER)->text().size(), 20);
        EXPECT_TRUE(platform.frameworkMessages.empty());
    }
}

// --- folder --------------------------------------------------------------------------------------------

TEST_F(SmtpDialogTest, FolderOfAnyLengthIsReportedNotCrashedOn) {
    for (std::size_t length : {300u, 5000u}) {
        SCOPED_TRACE(length);
        Open(ModelFamily::k8520);
        FillPassingForm();
        const std::string longFolder = folder.path() + "/" + std::string(length, 'd');
        platform.folderAnswers = {longFolder};
        Click(IDC_SMTP_FOLDER_BUTTON);
        EXPECT_TRUE(Text(IDC_SMTP_FOLDER) == longFolder);
        ClearMessages();
        Click(IDC_SMTP_GENERATE);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_NE(platform.messages[0].find("smtp.dat"), std::string::npos);
        EXPECT_EQ(platform.messages[0].find("has been generated"), std::string::npos) << platform.messages[0];
        EXPECT_TRUE(platform.frameworkMessages.empty()) << "the folder field has no length check";
        EXPECT_EQ(testing::NamesIn(folder.path()), std::vector<std::string>{});
    }
}

// Every data-access preset has the access point Auto mode writes, so every operator generates; the
// check that refuses one without it never stands in the way.
TEST_F(SmtpDialogTest, AutoModeGeneratesForEveryOperator) {
    Open(ModelFamily::k8620);
    FillPassingForm();
    for (int country = 0; country < List(IDC_SMTP_COUNTRY)->count(); ++country) {
        Choose(IDC_SMTP_COUNTRY, country);
        for (int op = 0; op < List(IDC_SMTP_OPERATOR)->count(); ++op) {
            SCOPED_TRACE(std::to_string(country) + "/" + std::to_string(op));
            Choose(IDC_SMTP_OPERATOR, op);
            std::filesystem::remove(folder.File("smtp.dat"));
            ClearMessages();
            Click(IDC_SMTP_GENERATE);
            EXPECT_EQ(platform.messages,
                      std::vector<std::string>{
                          WrittenMessage("Vyn 8620 SMTP configuration file has been generated", "smtp.dat")});
            EXPECT_EQ(TextOf(SmtpFile(), 1), GprsPresetAt(country, op)->apn);
        }
    }
}

// Enter in any field does what Generate does, with its checks and messages; the dialog stays open.
TEST_F(SmtpDialogTest, EnterInAnyFieldGeneratesAndTheDialogStays) {
    for (ModelFamily family : kBoth) {
        const std::vector<int> fields = {IDC_SMTP_PICTURES, IDC_SMTP_SERVER,          IDC_SMTP_PORT,
                                         IDC_SMTP_SENDER,   IDC_SMTP_SENDER_PASSWORD, IDC_SMTP_RECIPIENT,
                                         IDC_SMTP_FOLDER,   SmtpIdsOf(family).phone,  IDC_SMTP_APN};
        for (const int field : fields) {
            SCOPED_TRACE(std::string(Name(family)) + ", field " + std::to_string(field));
            std::filesystem::remove(folder.File("smtp.dat"));
            Open(family);
            FillPassingForm();
            ClearMessages();
            QTest::keyClick(Edit(field), Qt::Key_Return);
            EXPECT_FALSE(dialog->IsEnded());
            EXPECT_TRUE(Written());
            EXPECT_EQ(platform.messages,
                      std::vector<std::string>{WrittenMessage(
                          std::string("Vyn ") + Name(family) + " SMTP configuration file has been generated",
                          "smtp.dat")});
        }
    }

    // A failing check shows its message, writes nothing and keeps the dialog and what was typed.
    std::filesystem::remove(folder.File("smtp.dat"));
    Open(ModelFamily::k8520);
    FillPassingForm();
    Retype(IDC_SMTP_SENDER, "x.example.com");
    ClearMessages();
    QTest::keyClick(Edit(IDC_SMTP_SENDER_PASSWORD), Qt::Key_Return);
    EXPECT_FALSE(dialog->IsEnded());
    EXPECT_FALSE(Written());
    EXPECT_EQ(platform.messages, std::vector<std::string>{"Email Error(@)"});
    EXPECT_EQ(Text(IDC_SMTP_SENDER_PASSWORD), "secret");

    // A field whose own check fails stops it the same way.
    Open(ModelFamily::k8620);
    FillPassingForm();
    Retype(IDC_SMTP_PICTURES, "");
    ClearMessages();
    QTest::keyClick(Edit(IDC_SMTP_SENDER), Qt::Key_Return);
    EXPECT_FALSE(dialog->IsEnded());
    EXPECT_FALSE(Written());
    EXPECT_EQ(platform.frameworkMessages, std::vector<std::string>{kIntegerExpected});
    EXPECT_TRUE(platform.messages.empty());

    // On the focused Generate button Enter presses it.
    Open(ModelFamily::k8620);
    FillPassingForm();
    Button(IDC_SMTP_GENERATE)->setFocus();
    ClearMessages();
    QTest::keyClick(Button(IDC_SMTP_GENERATE), Qt::Key_Return);
    EXPECT_FALSE(dialog->IsEnded());
    EXPECT_TRUE(Written());
    EXPECT_EQ(platform.messages, std::vector<std::string>{WrittenMessage(
                                     "Vyn 8620 SMTP configuration file has been generated", "smtp.dat")});
}

// Opening puts the focus on the first list, as in the camera and MMS dialogs, so that Enter right away
// closes nothing; Tab then follows the screen from the top down and round again.
TEST_F(SmtpDialogTest, OpensOnTheModeListAndTabRunsFromTopToBottom) {
    for (ModelFamily family : kBoth) {
        SCOPED_TRACE(Name(family));
        const SmtpFamilyIds& ids = SmtpIdsOf(family);
        std::vector<int> expected = {IDC_SMTP_MODE};
        if (family == ModelFamily::k8620)
            expected.push_back(ids.status);
        for (int id : {IDC_SMTP_PICTURES,
                       IDC_SMTP_COUNTRY,
                       IDC_SMTP_OPERATOR,
                       ids.remoteControl,
                       IDC_SMTP_APN,
                       IDC_SMTP_ACCOUNT,
                       IDC_SMTP_GPRS_PASSWORD,
                       IDC_SMTP_SERVER,
                       IDC_SMTP_PORT,
                       IDC_SMTP_SENDER,
                       IDC_SMTP_SENDER_PASSWORD,
                       IDC_SMTP_RECIPIENT,
                       ids.phone,
                       IDC_SMTP_FOLDER_BUTTON,
                       IDC_SMTP_READ_FILE,
                       IDC_SMTP_FOLDER,
                       IDC_SMTP_GENERATE,
                       IDC_SMTP_TEST_MAIL,
                       IDCANCEL,
                       IDC_SMTP_MODE}) {
            expected.push_back(id);
        }

        Open(family);
        ASSERT_NE(dialog->focusWidget(), nullptr);
        std::vector<int> visited = {dialog->focusWidget()->objectName().toInt()};
        while (visited.size() < expected.size()) {
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
            visited.push_back(dialog->focusWidget()->objectName().toInt());
        }
        EXPECT_EQ(visited, expected);

        // Enter on the list the dialog opened on generates (and says what is missing); the dialog stays.
        Open(family);
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        EXPECT_FALSE(dialog->IsEnded());
        EXPECT_EQ(platform.messages, std::vector<std::string>{"Smtp Server"});
    }
}

// --- templates -----------------------------------------------------------------------------------------

// Controls a user works with never overlap, and everything lies inside the dialog; ids are unique.
TEST(SmtpTemplates, ControlsFitAndDoNotOverlap) {
    for (ModelFamily family : kBoth) {
        SCOPED_TRACE(Name(family));
        const DialogTemplate& t = SmtpDialogTemplate(family);
        EXPECT_EQ(t.id, family == ModelFamily::k8620 ? 143 : 147);
        ExpectControlsFitAndDoNotOverlap(t);
        for (const ControlTemplate& c : t.controls) {
            EXPECT_NE(c.kind, ControlKind::kDefPushButton) << "no default push button";
        }
    }
}

}  // namespace
}  // namespace corvane
