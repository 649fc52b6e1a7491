// The MMS setup dialog driven as a user drives it: typing into fields, choosing list entries, clicking
// buttons, Enter and Escape; checked through its controls, the messages it shows and setup.dat.
#include "dialogs/mms/mms_setup_dlg.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/l10n/mms_texts.h"
#include "core/l10n/preset_texts.h"
#include "core/models/app_settings.h"
#include "core/presets/presets.h"
#include "dialogs/res/mms_templates.h"
#include "support/dialog_test_support.h"

namespace corvane {
namespace {

using namespace corvane::testing;

const std::string kPictureRange = "Please enter an integer between 0 and 99!";

constexpr int kNetworkIds[] = {IDC_MMS_URL,  IDC_MMS_APN,     IDC_MMS_GATEWAY,
                               IDC_MMS_PORT, IDC_MMS_ACCOUNT, IDC_MMS_PASSWORD};
constexpr int kTextIds[] = {IDC_MMS_URL,   IDC_MMS_APN,     IDC_MMS_GATEWAY,  IDC_MMS_PORT,   IDC_MMS_PHONE,
                            IDC_MMS_EMAIL, IDC_MMS_ACCOUNT, IDC_MMS_PASSWORD, IDC_MMS_PHONE2, IDC_MMS_PHONE3};

class MmsDialogTest : public SetupDialogTest<CMmsSetupDlg> {
  protected:
    void Open(ModelFamily family, int32_t language = kEnglish) {
        platform.defaultOutputFolder = folder.path();
        settings.language = language;
        settings.model = family == ModelFamily::k8620 ? 4 : 3;
        dialog = std::make_unique<CMmsSetupDlg>(family, settings, platform, fs);
        Show();
    }

    bool ReadOnly(int id) const { return Edit(id)->isReadOnly(); }
    // The English result message of setup.dat written into `in` (the test's folder when empty).
    std::string Success(ModelFamily family, const std::string& in = {}) const {
        return WrittenMessage(std::string("Vyn ") + Name(family) +
                                  " MMS configuration file (URL|APN|Gateway|Port ...) has been generated",
                              "setup.dat", kEnglish, in);
    }
    int HoursList() const { return MmsIdsOf(dialog->Family()).hoursList; }
    int SmsPosition() const { return dialog->Family() == ModelFamily::k8620 ? 2 : 3; }

    // Replaces the field's text with text committed by an input method, as Chinese is typed.
    void RetypeByInputMethod(int id, const QString& text) {
        Retype(id, "");
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(Edit(id), &event);
    }
    Bytes SetupFile() const { return ReadBytes(folder.File("setup.dat")); }
    bool SetupExists() const { return std::filesystem::exists(folder.File("setup.dat")); }
    // The minimal input that passes in Manual mode outside SMS-only sending.
    void FillManualNetwork() {
        Retype(IDC_MMS_URL, "http://mms.example.com");
        Retype(IDC_MMS_APN, "internet");
        Retype(IDC_MMS_GATEWAY, "10.1.1.1");
        Retype(IDC_MMS_PORT, "8080");
    }
};

// --- the worked examples -------------------------------------------------------------------------------

TEST_F(MmsDialogTest, AutoModeWorkedExampleByButtonAndByEnter) {
    for (bool byEnter : {false, true}) {
        SCOPED_TRACE(byEnter ? "Enter" : "button");
        std::filesystem::remove(folder.File("setup.dat"));
        Open(ModelFamily::k8620);
        Retype(IDC_MMS_PICTURES, "12");
        Retype(IDC_MMS_PHONE, "13800138000");
        Retype(IDC_MMS_EMAIL, "someone@example.com");
        ClearMessages();
        if (byEnter) {
            QTest::keyClick(Edit(IDC_MMS_EMAIL), Qt::Key_Return);
        } else {
            Click(IDOK);
        }
        const Bytes file = SetupFile();
        EXPECT_EQ(file, Golden("mms_dialog_8620_auto.dat"));
        ASSERT_EQ(file.size(), 720u);
        // Record 1 as stored: the scrambled header of the worked example, bytes 50-59 unscrambled.
        const Bytes header = {0xEF, 0xDF, 0xFF, 0xEF, 0xDF, 0xDF, 0xFF, 0xFF, 0xFF, 0xFF, 0x6E};
        EXPECT_EQ(Bytes(file.begin(), file.begin() + 11), header);
        EXPECT_TRUE(std::all_of(file.begin() + 11, file.begin() + 50, [](uint8_t b) { return b == 0xFF; }));
        EXPECT_EQ(Bytes(file.begin() + 50, file.begin() + 60), (Bytes{0, 0, 0, 0, 0, 1, 0, 0, 0x0D, 0x0A}));
        EXPECT_EQ(testing::NamesIn(folder.path()), std::vector<std::string>{"setup.dat"})
            << "no mms.dat left";
        EXPECT_EQ(platform.messages, std::vector<std::string>{Success(ModelFamily::k8620)});
        EXPECT_TRUE(platform.frameworkMessages.empty());
        EXPECT_FALSE(dialog->IsEnded()) << "generating never closes the dialog";
        for (int id : kNetworkIds) {
            EXPECT_EQ(Text(id), "") << "preset values are never shown: " << id;
        }
    }
}

TEST_F(MmsDialogTest, ManualInternationalSessionInChinese) {
    settings.tvMode = 0x0101;
    Open(ModelFamily::k8520, kChinese);
    Choose(IDC_MMS_MODE, 1);
    Choose(IDC_MMS_SEND, 2);  // QVGA
    Choose(IDC_MMS_APN_TYPE, 1);
    EXPECT_EQ(List(IDC_MMS_APN_TYPE)->currentText(), "CSD");
    Retype(IDC_MMS_PICTURES, "99");
    Choose(IDC_MMS_PHONE_TYPE, 1);
    EXPECT_EQ(platform.messages, std::vector<std::string>{"手机号码将不能在相机设置菜单显示"});
    Choose(HoursList(), 0);
    Retype(IDC_MMS_URL, "http://" + QString(43, QChar('m')));
    Retype(IDC_MMS_APN, "internet");
    Retype(IDC_MMS_GATEWAY, "010.000.000.010");
    Retype(IDC_MMS_PORT, "9201");
    Retype(IDC_MMS_PHONE, "+8613800138000");
    Retype(IDC_MMS_ACCOUNT, "user");
    RetypeByInputMethod(IDC_MMS_PASSWORD, QString::fromUtf8("密码"));
    ASSERT_EQ(Text(IDC_MMS_PASSWORD), "密码");
    Retype(IDC_MMS_PHONE2, "+4930123456");
    Retype(IDC_MMS_PHONE3, "b@example.org");
    ClearMessages();
    Click(IDOK);
    EXPECT_EQ(platform.messages,
              std::vector<std::string>{WrittenMessage("Vyn 8520 MMS配置文件已生成", "setup.dat", kChinese)});
    EXPECT_TRUE(platform.frameworkMessages.empty());
    EXPECT_EQ(SetupFile(), Golden("mms_dialog_8520_manual_international.dat"));
}

TEST_F(MmsDialogTest, TheChineseEntryOnAnotherSystemWritesLanguage1WithEnglishTexts) {
    settings.chineseEntrySelected = true;
    Open(ModelFamily::k8620, kEnglish);
    EXPECT_EQ(Text(IDOK), "Generate");
    EXPECT_EQ(List(IDC_MMS_COUNTRY)->itemText(0).toStdString(), "China");
    Retype(IDC_MMS_PHONE, "13800138000");
    Click(IDOK);
    EXPECT_EQ(platform.messages, std::vector<std::string>{Success(ModelFamily::k8620)});
    // byte 5 (FileLanguage 1) as stored: complement 0xFE, halves exchanged
    EXPECT_EQ(SetupFile().at(5), 0xEF);
}

// --- validation ----------------------------------------------------------------------------------------

struct Step {
    int field;            // the field typed into (0: none)
    const char* text;     // what is typed
    const char* message;  // what Generate then shows; nullptr: the file is written
    int focus;            // the field that then has the focus
};

// Each step fixes the previous fault; Generate then stops at the next check in the fixed order.
TEST_F(MmsDialogTest, ManualChecksStopAtTheFirstFaultInOrder) {
    const Step steps[] = {
        {0, "", "Phone & Email Error(0)", IDC_MMS_PHONE},
        {IDC_MMS_PHONE, "1234", "Phone No. Error(01)", IDC_MMS_PHONE},
        {IDC_MMS_PHONE, "1380013800x", nullptr, 0},  // opens the second recipient
        {IDC_MMS_PHONE2, "12", "Phone No. Error(02)", IDC_MMS_PHONE2},
        {IDC_MMS_PHONE2, "12345a", nullptr, 0},  // opens the third recipient
        {IDC_MMS_PHONE3, "1", "Phone No. Error(03)", IDC_MMS_PHONE3},
        {IDC_MMS_PHONE3, "", "Only numbers(+) are allowed phone number", IDC_MMS_PHONE},
        // With the e-mail address open, retyping the phone number keeps the further recipients.
        {IDC_MMS_EMAIL, "someone@example.com", nullptr, 0},
        {IDC_MMS_PHONE, "13800138000",
         "Please re-check the phone number or email address is entered correctly", IDC_MMS_PHONE2},
        {IDC_MMS_PHONE2, "+4930+123456", nullptr, 0},
        {IDC_MMS_PHONE3, "abcde", "Please re-check the phone number or email address is entered correctly",
         IDC_MMS_PHONE3},
        {IDC_MMS_PHONE3, "c@d.org", nullptr, 0},  // "@": an e-mail address, not examined further
        {IDC_MMS_EMAIL, "someone", "Email Error(@)", IDC_MMS_EMAIL},
        {IDC_MMS_EMAIL, "someone@example", "Email Error(.)", IDC_MMS_EMAIL},
        {IDC_MMS_EMAIL, "someone@example.com", "URL Error(0)", IDC_MMS_URL},
        {IDC_MMS_URL, "http://mms", "APN Error(0)", IDC_MMS_APN},
        {IDC_MMS_APN, "internet", "GateWay Error(0)", IDC_MMS_GATEWAY},
        {IDC_MMS_GATEWAY, "gateway", "Port Error(0)", IDC_MMS_PORT},
        {IDC_MMS_PORT, "80", "GateWay Error(.)", IDC_MMS_GATEWAY},
        {IDC_MMS_GATEWAY, "10.0.0.1", nullptr, 0},
    };
    for (ModelFamily family : kBoth) {
        SCOPED_TRACE(Name(family));
        std::filesystem::remove(folder.File("setup.dat"));
        Open(family);
        Choose(IDC_MMS_MODE, 1);
        for (const Step& step : steps) {
            SCOPED_TRACE(std::to_string(step.field) + " " + step.text);
            if (step.field != 0) {
                Retype(step.field, step.text);
                ASSERT_EQ(Text(step.field), step.text);
            }
            if (step.message == nullptr) {
                continue;
            }
            ClearMessages();
            Click(IDOK);
            EXPECT_EQ(platform.messages, std::vector<std::string>{step.message});
            EXPECT_EQ(dialog->focusWidget(), Edit(step.focus));
            EXPECT_FALSE(SetupExists()) << "nothing is written";
        }
        ClearMessages();
        Click(IDOK);
        EXPECT_EQ(platform.messages, std::vector<std::string>{Success(family)});
        EXPECT_TRUE(SetupExists());
    }
}

TEST_F(MmsDialogTest, SmsOnlyChecksInOrder) {
    const Step steps[] = {
        {0, "", nullptr, 0},  // remote control Off and no phone: written
        {IDC_MMS_PHONE, "1234", "Phone No. Error(01)", IDC_MMS_PHONE},
        {IDC_MMS_PHONE, "+12345678", "Only numbers(+) are allowed phone number", IDC_MMS_PHONE},
        {IDC_MMS_PHONE, "12345678", nullptr, 0},
        {IDC_MMS_PHONE2, "12", "Phone No. Error(02)", IDC_MMS_PHONE2},
        {IDC_MMS_PHONE2, "b@example.org", "Please re-check the phone number is entered correctly",
         IDC_MMS_PHONE2},
        {IDC_MMS_PHONE2, "12+345", nullptr, 0},
        {IDC_MMS_PHONE3, "9", "Phone No. Error(03)", IDC_MMS_PHONE3},
        {IDC_MMS_PHONE3, "9x999", "Please re-check the phone number is entered correctly", IDC_MMS_PHONE3},
        {IDC_MMS_PHONE3, "+9999", nullptr, 0},
    };
    for (ModelFamily family : kBoth) {
        SCOPED_TRACE(Name(family));
        Open(family);
        Choose(IDC_MMS_SEND, SmsPosition());
        for (const Step& step : steps) {
            SCOPED_TRACE(std::to_string(step.field) + " " + step.text);
            std::filesystem::remove(folder.File("setup.dat"));
            if (step.field != 0) {
                Retype(step.field, step.text);
                ASSERT_EQ(Text(step.field), step.text);
            }
            ClearMessages();
            Click(IDOK);
            if (step.message == nullptr) {
                EXPECT_EQ(platform.messages, std::vector<std::string>{Success(family)});
                EXPECT_TRUE(SetupExists());
            } else {
                EXPECT_EQ(platform.messages, std::vector<std::string>{step.message});
                EXPECT_EQ(dialog->focusWidget(), Edit(step.focus));
                EXPECT_FALSE(SetupExists());
            }
        }
    }
}

TEST_F(MmsDialogTest, RemoteControlHoursNeedAPhoneNumber) {
    struct Case {
        bool smsOnly;
        const char* phone;
        const char* email;
        bool written;
    };
    const Case cases[] = {
        {true, "", "", false},
        {false, "", "someone@example.com", false},
        {true, "13800138000", "", true},
        {false, "13800138000", "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.phone) + (c.smsOnly ? " SMS" : " VGA"));
        std::filesystem::remove(folder.File("setup.dat"));
        Open(ModelFamily::k8620, kChinese);
        Retype(IDC_MMS_PHONE, c.phone);
        Retype(IDC_MMS_EMAIL, c.email);
        Choose(HoursList(), 3);
        if (c.smsOnly) {
            Choose(IDC_MMS_SEND, SmsPosition());
        }
        ClearMessages();
        Click(IDOK);
        EXPECT_EQ(platform.messages,
                  std::vector<std::string>{
                      c.written ? WrittenMessage("Vyn 8620 MMS配置文件已生成", "setup.dat", kChinese)
                                : "请设置手机号码1"});
        EXPECT_EQ(SetupExists(), c.written);
        if (c.written) {
            EXPECT_EQ(SetupFile().at(10), 0xCF) << "3 hours, scrambled";
        }
    }
}

TEST_F(MmsDialogTest, InternationalNumbersSkipTheFirstCharacterOfTheDigitCheck) {
    struct Case {
        bool international;
        const char* phone;
        bool written;
    };
    const Case cases[] = {
        {true, "+4930123456", true},  {false, "+4930123456", false}, {true, "04930123456", true},
        {true, "x4930123456", false},  // the first character is a digit or "+", nothing else
        {true, "+49301234+6", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.phone) + (c.international ? " International" : " Domestic"));
        std::filesystem::remove(folder.File("setup.dat"));
        Open(ModelFamily::k8620);
        Choose(IDC_MMS_PHONE_TYPE, c.international ? 1 : 0);
        Retype(IDC_MMS_PHONE, c.phone);
        ClearMessages();
        Click(IDOK);
        EXPECT_EQ(SetupExists(), c.written);
        EXPECT_EQ(platform.messages,
                  std::vector<std::string>{c.written ? Success(ModelFamily::k8620)
                                                     : "Only numbers(+) are allowed phone number"});
    }
}

// --- field checks while typing -------------------------------------------------------------------------

// A digit past the limit shows nothing while the user types; leaving the field shows the message and
// empties it.
TEST_F(MmsDialogTest, PhoneLongerThanTheFamilysLimitShowsTheMessageWhenLeftAndEmptiesTheField) {
    struct Case {
        ModelFamily family;
        bool international;
        int limit;
    };
    const Case cases[] = {
        {ModelFamily::k8620, false, 12},
        {ModelFamily::k8520, false, 11},
        {ModelFamily::k8620, true, 32},
        {ModelFamily::k8520, true, 32},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(Name(c.family)) + " " + std::to_string(c.limit));
        Open(c.family);
        Choose(IDC_MMS_PHONE_TYPE, c.international ? 1 : 0);
        ClearMessages();
        const QString digits(c.limit, QChar('7'));
        Retype(IDC_MMS_PHONE, digits);
        EXPECT_EQ(Text(IDC_MMS_PHONE), digits.toStdString());
        EXPECT_TRUE(platform.messages.empty());
        QTest::keyClick(Edit(IDC_MMS_PHONE), Qt::Key_7);
        EXPECT_TRUE(platform.messages.empty());
        EXPECT_EQ(Text(IDC_MMS_PHONE), (digits + "7").toStdString());
        LeaveField();
        EXPECT_EQ(platform.messages, std::vector<std::string>{"The max allowable number of digits phone " +
                                                              std::to_string(c.limit) + "!"});
        EXPECT_EQ(Text(IDC_MMS_PHONE), "");
        EXPECT_TRUE(ReadOnly(IDC_MMS_PHONE2)) << "an emptied phone closes the second recipient";
    }
}

// A number typed while International was chosen is checked against the Domestic limit when generating.
TEST_F(MmsDialogTest, PhoneTooLongForTheTypeChosenLaterIsNotWritten) {
    Open(ModelFamily::k8620);
    Choose(IDC_MMS_PHONE_TYPE, 1);
    Retype(IDC_MMS_PHONE, "+49301234567890");
    Choose(IDC_MMS_PHONE_TYPE, 0);
    ClearMessages();
    Click(IDOK);
    EXPECT_EQ(platform.messages, std::vector<std::string>{"The max allowable number of digits phone 12!"});
    EXPECT_EQ(dialog->focusWidget(), Edit(IDC_MMS_PHONE));
    EXPECT_FALSE(SetupExists());
}

TEST_F(MmsDialogTest, PicturesPerDayOutsideTheRangeGoesBackToZero) {
    struct Case {
        const char* text;
        bool pasted;
        std::vector<std::string> messages;
        std::vector<std::string> frameworkMessages;
        const char* shown;
    };
    const Case cases[] = {
        {"150", false, {kPictureRange}, {}, "0"},
        {"-5", true, {kPictureRange}, {}, "0"},  // below the range as well: no digits to store
        {"99", false, {}, {}, "99"},
        {"x", false, {}, {kIntegerExpected}, "x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Open(ModelFamily::k8520);
        if (c.pasted) {
            Paste(Edit(IDC_MMS_PICTURES), c.text);
        } else {
            Retype(IDC_MMS_PICTURES, c.text);
        }
        EXPECT_TRUE(platform.messages.empty()) << "nothing while typing";
        EXPECT_TRUE(platform.frameworkMessages.empty());
        LeaveField();
        EXPECT_EQ(platform.messages, c.messages);
        EXPECT_EQ(platform.frameworkMessages, c.frameworkMessages);
        EXPECT_EQ(Text(IDC_MMS_PICTURES), c.shown);
    }
}

// Generate reads what the fields show: a field that fails its check stops it before anything is written.
TEST_F(MmsDialogTest, GenerateStopsAtAFieldThatFailsItsCheck) {
    Open(ModelFamily::k8620);
    Retype(IDC_MMS_PHONE, "13800138000");
    Retype(IDC_MMS_PICTURES, "");
    ClearMessages();
    Click(IDOK);
    EXPECT_EQ(platform.frameworkMessages, std::vector<std::string>{kIntegerExpected});
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(dialog->focusWidget(), Edit(IDC_MMS_PICTURES));
    EXPECT_FALSE(SetupExists());

    Retype(IDC_MMS_PICTURES, "7");
    ClearMessages();
    Click(IDOK);
    EXPECT_EQ(platform.messages, std::vector<std::string>{Success(ModelFamily::k8620)});
    EXPECT_EQ(SetupFile().at(4), 0x8F) << "units digit 7, scrambled";
}

TEST_F(MmsDialogTest, TypingLimitsOfTheTextFields) {
    const std::pair<int, int> limits[] = {
        {IDC_MMS_URL, 50},     {IDC_MMS_APN, 30},      {IDC_MMS_GATEWAY, 20}, {IDC_MMS_PORT, 10},
        {IDC_MMS_ACCOUNT, 30}, {IDC_MMS_PASSWORD, 30}, {IDC_MMS_EMAIL, 40},
    };
    Open(ModelFamily::k8620);
    Choose(IDC_MMS_MODE, 1);
    for (const auto& [id, limit] : limits) {
        Retype(id, QString(limit + 5, QChar('a')));
        EXPECT_EQ(Text(id), std::string(static_cast<std::size_t>(limit), 'a')) << id;
    }
    Retype(IDC_MMS_PHONE, "13800138000");
    for (int id : {IDC_MMS_PHONE2, IDC_MMS_PHONE3}) {
        Retype(id, QString(40, QChar('5')));
        EXPECT_EQ(Text(id), std::string(32, '5')) << id;
    }
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.frameworkMessages.empty());
}

// --- modes and field states ----------------------------------------------------------------------------

struct States {
    bool network;  // read-only: URL, APN, GateWay, Port, Account, Password
    bool phone;
    bool email;
    bool phone2;
    bool phone3;
};

TEST_F(MmsDialogTest, ReadOnlyStatesFollowModeAndSendList) {
    for (ModelFamily family : kBoth) {
        SCOPED_TRACE(Name(family));
        Open(family);
        const auto expect = [this](const States& s, const char* when) {
            SCOPED_TRACE(when);
            for (int id : kNetworkIds) {
                EXPECT_EQ(ReadOnly(id), s.network) << id;
            }
            EXPECT_EQ(ReadOnly(IDC_MMS_PHONE), s.phone);
            EXPECT_EQ(ReadOnly(IDC_MMS_EMAIL), s.email);
            EXPECT_EQ(ReadOnly(IDC_MMS_PHONE2), s.phone2);
            EXPECT_EQ(ReadOnly(IDC_MMS_PHONE3), s.phone3);
            EXPECT_FALSE(ReadOnly(IDC_MMS_FOLDER));
        };
        expect({true, false, false, true, true}, "opened");
        Choose(IDC_MMS_MODE, 1);
        expect({false, false, false, true, true}, "Manual");
        Choose(IDC_MMS_SEND, SmsPosition());
        expect({true, false, true, true, true}, "Manual, SMS");
        Choose(IDC_MMS_SEND, 0);
        expect({false, false, false, true, true}, "Manual, Off");
        Choose(IDC_MMS_SEND, SmsPosition());
        Choose(IDC_MMS_MODE, 0);
        expect({true, false, true, true, true}, "Auto, SMS");
        Choose(IDC_MMS_SEND, 1);
        expect({true, false, false, true, true}, "Auto, VGA: the e-mail address can be typed again");
        Choose(IDC_MMS_MODE, 1);
        Choose(IDC_MMS_SEND, SmsPosition());
        Choose(IDC_MMS_MODE, 1);
        expect({true, false, true, true, true}, "Manual chosen again while SMS");
    }
}

// Choosing "SMS" locks the second and third recipients with their texts; leaving it in Manual mode
// keeps them locked, leaving it in Auto mode opens what the phone number opens. A new phone number
// applies the recipient rules again.
TEST_F(MmsDialogTest, SmsLocksTheFurtherRecipientsKeepingTheirTexts) {
    for (ModelFamily family : kBoth) {
        for (const int mode : {0, 1}) {
            SCOPED_TRACE(std::string(Name(family)) + (mode == 1 ? ", Manual" : ", Auto"));
            Open(family);
            Choose(IDC_MMS_MODE, mode);
            Retype(IDC_MMS_PHONE, "13800138000");
            Retype(IDC_MMS_PHONE2, "13900139000");
            Retype(IDC_MMS_PHONE3, "x@example.com");
            ASSERT_FALSE(ReadOnly(IDC_MMS_PHONE2));
            ASSERT_FALSE(ReadOnly(IDC_MMS_PHONE3));

            Choose(IDC_MMS_SEND, SmsPosition());
            EXPECT_TRUE(ReadOnly(IDC_MMS_PHONE2));
            EXPECT_TRUE(ReadOnly(IDC_MMS_PHONE3));
            EXPECT_TRUE(ReadOnly(IDC_MMS_EMAIL));
            EXPECT_FALSE(ReadOnly(IDC_MMS_PHONE));
            EXPECT_EQ(Text(IDC_MMS_PHONE2), "13900139000");
            EXPECT_EQ(Text(IDC_MMS_PHONE3), "x@example.com");

            Choose(IDC_MMS_SEND, 0);
            EXPECT_EQ(ReadOnly(IDC_MMS_PHONE2), mode == 1);
            EXPECT_EQ(ReadOnly(IDC_MMS_PHONE3), mode == 1);
            EXPECT_FALSE(ReadOnly(IDC_MMS_EMAIL)) << "the e-mail address can be typed again";
            EXPECT_EQ(Text(IDC_MMS_PHONE2), "13900139000");
            EXPECT_EQ(Text(IDC_MMS_PHONE3), "x@example.com");

            // Typing the e-mail address keeps the recipients; the phone number reopens them.
            Retype(IDC_MMS_EMAIL, "someone@example.com");
            EXPECT_EQ(Text(IDC_MMS_PHONE2), "13900139000");
            EXPECT_EQ(Text(IDC_MMS_PHONE3), "x@example.com");
            Retype(IDC_MMS_PHONE, "13800138001");
            EXPECT_FALSE(ReadOnly(IDC_MMS_PHONE2));
            EXPECT_FALSE(ReadOnly(IDC_MMS_PHONE3));
            EXPECT_EQ(Text(IDC_MMS_PHONE2), "13900139000");
        }
    }
}

// A mode switch empties the network texts and refills the lists; the recipients the user typed stay in
// either direction. Choosing the mode already shown changes nothing.
TEST_F(MmsDialogTest, ModeSwitchEmptiesTheNetworkTextsKeepsTheRecipientsAndRefillsTheLists) {
    Open(ModelFamily::k8620);
    Choose(IDC_MMS_COUNTRY, 3);
    Choose(IDC_MMS_OPERATOR, 2);
    Retype(IDC_MMS_PHONE, "13800138000");
    Retype(IDC_MMS_EMAIL, "someone@example.com");
    Retype(IDC_MMS_PHONE2, "13900139000");
    Choose(IDC_MMS_MODE, 1);
    EXPECT_EQ(Text(IDC_MMS_PHONE), "13800138000") << "typed in Auto, kept in Manual";
    EXPECT_EQ(Text(IDC_MMS_EMAIL), "someone@example.com");
    EXPECT_EQ(Text(IDC_MMS_PHONE2), "13900139000");
    EXPECT_EQ(List(IDC_MMS_COUNTRY)->count(), 1);
    EXPECT_EQ(List(IDC_MMS_COUNTRY)->currentText(), "Other");
    EXPECT_EQ(List(IDC_MMS_OPERATOR)->count(), 1);
    EXPECT_EQ(List(IDC_MMS_OPERATOR)->currentText(), "Other");
    ASSERT_EQ(List(IDC_MMS_APN_TYPE)->count(), 2);
    EXPECT_EQ(List(IDC_MMS_APN_TYPE)->itemText(1), "CSD");

    FillManualNetwork();
    Retype(IDC_MMS_ACCOUNT, "user");
    Retype(IDC_MMS_PASSWORD, "pw");
    Retype(IDC_MMS_PHONE3, "x@example.com");
    Retype(IDC_MMS_PICTURES, "5");
    Choose(IDC_MMS_APN_TYPE, 1);
    std::vector<std::string> filled;
    for (int id : kTextIds) {
        filled.push_back(Text(id));
        ASSERT_NE(filled.back(), "") << id;
    }

    Choose(IDC_MMS_MODE, 1);  // Manual again
    for (std::size_t i = 0; i < std::size(kTextIds); ++i) {
        EXPECT_EQ(Text(kTextIds[i]), filled[i]) << kTextIds[i];
    }
    EXPECT_EQ(List(IDC_MMS_APN_TYPE)->currentIndex(), 1) << "CSD stays chosen";
    EXPECT_FALSE(ReadOnly(IDC_MMS_URL));
    EXPECT_TRUE(platform.messages.empty());

    Choose(IDC_MMS_MODE, 0);
    for (int id : kNetworkIds) {
        EXPECT_EQ(Text(id), "") << id;
    }
    for (int id : {IDC_MMS_PHONE, IDC_MMS_EMAIL, IDC_MMS_PHONE2, IDC_MMS_PHONE3}) {
        EXPECT_NE(Text(id), "") << id << " is no network setting";
    }
    EXPECT_EQ(Text(IDC_MMS_PICTURES), "5") << "not a text of the mode";
    EXPECT_EQ(List(IDC_MMS_COUNTRY)->count(), kMmsCountryCount);
    EXPECT_EQ(List(IDC_MMS_COUNTRY)->currentIndex(), 0);
    EXPECT_EQ(List(IDC_MMS_OPERATOR)->currentText(), "China Mobile");
    EXPECT_EQ(List(IDC_MMS_OPERATOR)->count(), 2);
    EXPECT_EQ(List(IDC_MMS_APN_TYPE)->count(), 1) << "CSD only in Manual mode";
    EXPECT_EQ(List(IDC_MMS_APN_TYPE)->currentText(), "APN");

    Choose(IDC_MMS_COUNTRY, 3);
    Choose(IDC_MMS_OPERATOR, 1);
    Choose(IDC_MMS_MODE, 0);  // Auto again
    EXPECT_EQ(List(IDC_MMS_COUNTRY)->currentIndex(), 3);
    EXPECT_EQ(List(IDC_MMS_OPERATOR)->currentIndex(), 1);
}

// Auto mode with an operator whose preset has no MMS centre or access point writes nothing and says,
// in the dialog's language, that no settings are known and Manual mode lets the user type them.
TEST_F(MmsDialogTest, AutoModeRefusesAnOperatorWithoutSettings) {
    struct Lacking {
        std::string_view country;
        std::string_view operatorName;
    };
    const Lacking lacking[] = {
        {"Spain", "Telstra"}, {"Russia", "A Mobile"}, {"Australia", "Mic1"}, {"Namibia", "MTC"}};
    const auto countries = CountryNames(PresetSet::kMms, kEnglish);
    for (const Lacking& l : lacking) {
        const int country =
            static_cast<int>(std::find(countries.begin(), countries.end(), l.country) - countries.begin());
        const auto names = OperatorNames(PresetSet::kMms, country, kEnglish);
        const int operatorIndex =
            static_cast<int>(std::find(names.begin(), names.end(), l.operatorName) - names.begin());
        ASSERT_LT(operatorIndex, static_cast<int>(names.size())) << l.operatorName;
        for (int32_t language = 1; language <= kLanguageCount; ++language) {
            for (ModelFamily family : kBoth) {
                SCOPED_TRACE(std::string(l.operatorName) + ", language " + std::to_string(language) + ", " +
                             Name(family));
                Open(family, language);
                Retype(IDC_MMS_PHONE, "13800138000");
                Choose(IDC_MMS_COUNTRY, country);
                Choose(IDC_MMS_OPERATOR, operatorIndex);
                ClearMessages();
                Click(IDOK);
                const std::string manual(MmsDialogTexts(language).lists.modeManual);
                EXPECT_EQ(platform.messages,
                          std::vector<std::string>{NoPresetSettingsMessage(language, manual)});
                EXPECT_NE(platform.messages.at(0).find(List(IDC_MMS_MODE)->itemText(1).toStdString()),
                          std::string::npos);
                EXPECT_FALSE(SetupExists());
                EXPECT_FALSE(dialog->IsEnded());
            }
        }
        // Manual mode lets the user type them.
        Open(ModelFamily::k8620);
        Choose(IDC_MMS_MODE, 1);
        FillManualNetwork();
        Retype(IDC_MMS_PHONE, "13800138000");
        ClearMessages();
        Click(IDOK);
        EXPECT_EQ(platform.messages, std::vector<std::string>{Success(ModelFamily::k8620)});
        EXPECT_TRUE(SetupExists());
        std::filesystem::remove(folder.File("setup.dat"));
    }
    Open(ModelFamily::k8620);
    Retype(IDC_MMS_PHONE, "13800138000");
    Choose(IDC_MMS_COUNTRY, 10);
    Choose(IDC_MMS_OPERATOR, 2);
    ClearMessages();
    Click(IDOK);
    EXPECT_EQ(
        platform.messages,
        std::vector<std::string>{"No network settings are known for this operator, so no file was generated. "
                                 "Choose \"Manual\" mode to type them in yourself."});
    // Its neighbour has settings and is written.
    Choose(IDC_MMS_OPERATOR, 1);
    ClearMessages();
    Click(IDOK);
    EXPECT_EQ(platform.messages, std::vector<std::string>{Success(ModelFamily::k8620)});
}

TEST_F(MmsDialogTest, AutoModeTakesThePresetOfTheChosenOperatorWhenGenerating) {
    Open(ModelFamily::k8520);
    Choose(IDC_MMS_COUNTRY, 3);
    const std::vector<std::string_view> names = OperatorNames(PresetSet::kMms, 3, kEnglish);
    ASSERT_EQ(List(IDC_MMS_OPERATOR)->count(), static_cast<int>(names.size()));
    EXPECT_EQ(List(IDC_MMS_OPERATOR)->currentIndex(), 0);
    EXPECT_EQ(List(IDC_MMS_OPERATOR)->itemText(8).toStdString(), names[8]);
    Choose(IDC_MMS_OPERATOR, 8);
    Retype(IDC_MMS_EMAIL, "someone@example.com");
    Click(IDOK);
    ASSERT_EQ(platform.messages, std::vector<std::string>{Success(ModelFamily::k8520)});

    // The records as stored, unscrambled again here: header bytes 8-9 and the six network texts.
    const Bytes file = SetupFile();
    const auto plain = [&file](int record, int offset) {
        const uint8_t b = file.at(static_cast<std::size_t>(record * 60 + offset));
        return static_cast<uint8_t>(~((b << 4) | (b >> 4)));
    };
    const auto recordText = [&](int record) {
        std::string text;
        for (int i = 0; i < file.at(static_cast<std::size_t>(record * 60 + 57)); ++i) {
            text.push_back(static_cast<char>(plain(record, i)));
        }
        return text;
    };
    EXPECT_EQ(plain(0, 8), 3);
    EXPECT_EQ(plain(0, 9), 8);
    const MmsPreset preset = MmsPresetAt(3, 8).value();
    EXPECT_EQ(recordText(1), preset.url);
    EXPECT_EQ(recordText(2), preset.apn);
    EXPECT_EQ(recordText(3), preset.gateway);
    EXPECT_EQ(recordText(4), "9201");
    EXPECT_EQ(recordText(6), "someone@example.com");
    EXPECT_EQ(recordText(7), preset.account);
    EXPECT_EQ(recordText(8), preset.password);

    // A failed check leaves no preset value behind to show up on a refresh.
    Choose(IDC_MMS_COUNTRY, 1);
    Retype(IDC_MMS_EMAIL, "");
    Click(IDOK);
    platform.folderAnswers = {folder.path()};
    Click(IDC_MMS_FOLDER_BUTTON);
    for (int id : kNetworkIds) {
        EXPECT_EQ(Text(id), "") << id;
    }
}

TEST_F(MmsDialogTest, ManualModeWritesTheTypedNetworkTextsAlsoWhenSmsLocksThem) {
    Open(ModelFamily::k8620);
    Choose(IDC_MMS_MODE, 1);
    FillManualNetwork();
    Retype(IDC_MMS_PHONE, "13800138000");
    Choose(IDC_MMS_SEND, SmsPosition());
    EXPECT_EQ(Text(IDC_MMS_URL), "http://mms.example.com") << "locked fields keep their texts";
    Click(IDOK);
    ASSERT_EQ(platform.messages, std::vector<std::string>{Success(ModelFamily::k8620)});
    const Bytes file = SetupFile();
    // header: send 2 (SMS), country 0x80, operator 0, byte 55 = 0 (Manual)
    EXPECT_EQ(file.at(0), 0xDF);
    EXPECT_EQ(file.at(8), 0xF7);
    EXPECT_EQ(file.at(9), 0xFF);
    EXPECT_EQ(file.at(55), 0x00);
    EXPECT_EQ(file.at(60 + 57), 22) << "the URL's length";
}

// --- recipients ----------------------------------------------------------------------------------------

TEST_F(MmsDialogTest, FurtherRecipientFieldsOpenAndClose) {
    Open(ModelFamily::k8620);
    Retype(IDC_MMS_PHONE, "1380");
    EXPECT_TRUE(ReadOnly(IDC_MMS_PHONE2));
    QTest::keyClick(Edit(IDC_MMS_PHONE), Qt::Key_0);
    EXPECT_FALSE(ReadOnly(IDC_MMS_PHONE2)) << "5 characters open the second recipient";
    EXPECT_TRUE(ReadOnly(IDC_MMS_PHONE3));
    Retype(IDC_MMS_PHONE2, "13900139000");
    EXPECT_FALSE(ReadOnly(IDC_MMS_PHONE3));
    Retype(IDC_MMS_PHONE3, "x@example.com");

    // The second shrinking below 5 closes and empties the third.
    Retype(IDC_MMS_PHONE2, "1390");
    EXPECT_TRUE(ReadOnly(IDC_MMS_PHONE3));
    EXPECT_EQ(Text(IDC_MMS_PHONE3), "");
    Retype(IDC_MMS_PHONE2, "13900139000");
    Retype(IDC_MMS_PHONE3, "x@example.com");

    // Typing an e-mail address (through its first, short characters) keeps what the phone number opened.
    Retype(IDC_MMS_EMAIL, "someone@example.com");
    EXPECT_EQ(Text(IDC_MMS_PHONE2), "13900139000");
    EXPECT_EQ(Text(IDC_MMS_PHONE3), "x@example.com");
    // With the e-mail address open, emptying the phone number keeps them too.
    Retype(IDC_MMS_PHONE, "");
    EXPECT_FALSE(ReadOnly(IDC_MMS_PHONE2));
    EXPECT_EQ(Text(IDC_MMS_PHONE2), "13900139000");
    EXPECT_EQ(Text(IDC_MMS_PHONE3), "x@example.com");
    // Without either, both close and lose their texts.
    Retype(IDC_MMS_EMAIL, "some");
    EXPECT_TRUE(ReadOnly(IDC_MMS_PHONE2));
    EXPECT_TRUE(ReadOnly(IDC_MMS_PHONE3));
    EXPECT_EQ(Text(IDC_MMS_PHONE2), "");
    EXPECT_EQ(Text(IDC_MMS_PHONE3), "");
    // An e-mail address of 5 or more characters opens the second only with an "@".
    Retype(IDC_MMS_EMAIL, "someone");
    EXPECT_TRUE(ReadOnly(IDC_MMS_PHONE2));
    QTest::keyClick(Edit(IDC_MMS_EMAIL), Qt::Key_At);
    EXPECT_FALSE(ReadOnly(IDC_MMS_PHONE2));
    EXPECT_TRUE(platform.messages.empty());
}

// --- folder, failures, leaving -------------------------------------------------------------------------

// The MMS dialog holds a typed folder at once: it survives a refresh by another control and is where the
// file goes. (The folder button, a typed folder and a failed write are tested for every dialog in
// shell/every_setup_dialog_test.cpp.)
TEST_F(MmsDialogTest, TypedFolderSurvivesARefreshAndIsWhereTheFileGoes) {
    testing::TempFolder typed;
    Open(ModelFamily::k8620);
    EXPECT_EQ(Text(IDC_MMS_FOLDER), folder.path());
    Retype(IDC_MMS_PHONE, "13800138000");
    Retype(IDC_MMS_FOLDER, QString::fromStdString(typed.path()));
    Choose(IDC_MMS_SEND, SmsPosition());
    EXPECT_EQ(Text(IDC_MMS_FOLDER), typed.path());
    ClearMessages();
    QTest::keyClick(Edit(IDC_MMS_FOLDER), Qt::Key_Return);
    EXPECT_EQ(platform.messages, std::vector<std::string>{Success(ModelFamily::k8620, typed.path())});
    EXPECT_EQ(testing::NamesIn(typed.path()), std::vector<std::string>{"setup.dat"});
    EXPECT_FALSE(SetupExists());
}

std::string FolderMessage(const std::string& kept) {
    return "A folder can be at most 80 characters long; the longer one was not taken. Files still go to " +
           kept + ".";
}

// The folder field takes 80 characters, whatever their bytes; a longer folder typed, pasted or chosen
// is refused at once and the field keeps its folder, so no later reading fails on it. setup.dat goes
// into the folder the field shows.
TEST_F(MmsDialogTest, FolderFieldTakesEightyCharactersAndFilesGoWhereItShows) {
    const std::string chinese = FolderOfLength(folder.path(), folder.path().size() + 1 + 40, "文");
    const std::string eighty = FolderOfLength(folder.path(), 80, "d");
    const std::string longer = FolderOfLength(folder.path(), 300, "e");
    struct Case {
        const char* name;
        std::function<void()> enter;
        std::string shown;  // what the field shows and where the file goes
        int refusals;
    };
    const std::vector<Case> cases = {
        {"40 Chinese characters pasted",
         [&] { Paste(Edit(IDC_MMS_FOLDER), QString::fromStdString(chinese)); }, chinese, 0},
        {"40 Chinese characters from an input method",
         [&] { RetypeByInputMethod(IDC_MMS_FOLDER, QString::fromStdString(chinese)); }, chinese, 0},
        {"typed five past 80", [&] { Retype(IDC_MMS_FOLDER, QString::fromStdString(eighty + "xxxxx")); },
         eighty, 5},
        {"300 characters pasted", [&] { Paste(Edit(IDC_MMS_FOLDER), QString::fromStdString(longer)); },
         folder.path(), 1},
        {"90 characters from the browser",
         [&] {
             platform.folderAnswers = {longer.substr(0, 90)};
             Click(IDC_MMS_FOLDER_BUTTON);
         },
         folder.path(), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform.preferenceKey.texts.erase("LastFolder");  // each case opens on the default folder
        Open(ModelFamily::k8520);
        Retype(IDC_MMS_PHONE, "13800138000");
        ClearMessages();
        c.enter();
        EXPECT_EQ(Text(IDC_MMS_FOLDER), c.shown);
        EXPECT_EQ(platform.messages,
                  std::vector<std::string>(static_cast<std::size_t>(c.refusals), FolderMessage(c.shown)));
        Retype(IDC_MMS_EMAIL, "a@b.c");
        EXPECT_TRUE(platform.frameworkMessages.empty()) << "readings of the form pass";
        ClearMessages();
        Click(IDOK);
        EXPECT_EQ(platform.messages, std::vector<std::string>{Success(ModelFamily::k8520, c.shown)});
        EXPECT_EQ(ReadBytes(c.shown + "/setup.dat").size(), 720u);
        for (const std::string& other : {folder.path(), chinese, eighty, longer}) {
            if (other != c.shown) {
                EXPECT_FALSE(std::filesystem::exists(other + "/setup.dat")) << other;
            }
        }
        std::filesystem::remove(c.shown + "/setup.dat");
    }
}

// Links placed in the folder never carry the texts anywhere: an mms.dat link is removed (its target keeps
// its bytes) and setup.dat is written; a link in place of the temporary file is refused and named.
TEST_F(MmsDialogTest, LinksInTheFolderAreNeverWrittenThrough) {
    TempFolder elsewhere;
    const std::string victim = elsewhere.File("victim");
    const Bytes victimBytes(100, 0x77);
    ASSERT_TRUE(WriteBytes(victim, victimBytes));

    ASSERT_EQ(::symlink(victim.c_str(), folder.File("mms.dat").c_str()), 0);
    Open(ModelFamily::k8620);
    Retype(IDC_MMS_PHONE, "13800138000");
    Retype(IDC_MMS_PASSWORD, "secret");
    ClearMessages();
    Click(IDOK);
    EXPECT_EQ(platform.messages, std::vector<std::string>{Success(ModelFamily::k8620)});
    EXPECT_EQ(ReadBytes(victim), victimBytes);
    EXPECT_EQ(NamesIn(folder.path()), std::vector<std::string>{"setup.dat"});

    const Bytes written = SetupFile();
    ASSERT_EQ(::symlink(victim.c_str(), folder.File("setup.dat.tmp").c_str()), 0);
    Open(ModelFamily::k8520);
    Retype(IDC_MMS_PHONE, "13800138000");
    ClearMessages();
    Click(IDOK);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find(folder.File("setup.dat.tmp")), std::string::npos)
        << platform.messages[0];
    EXPECT_EQ(ReadBytes(victim), victimBytes);
    EXPECT_EQ(SetupFile(), written);
}

TEST_F(MmsDialogTest, GeneratingTwiceGivesTheSameFileAndRemovesAStaleScratchFile) {
    Open(ModelFamily::k8620);
    ASSERT_TRUE(testing::WriteBytes(folder.File("mms.dat"), Bytes(100, 0x42)));
    Retype(IDC_MMS_PHONE, "13800138000");
    Click(IDOK);
    const Bytes first = SetupFile();
    Click(IDOK);
    EXPECT_EQ(SetupFile(), first);
    EXPECT_EQ(testing::NamesIn(folder.path()), std::vector<std::string>{"setup.dat"});
    EXPECT_EQ(platform.messages.size(), 2u);
}

// --- texts ---------------------------------------------------------------------------------------------

// What a user of each language reads, one row per language.
struct LanguageRow {
    int32_t language;
    const char* mode;       // 1039
    const char* send;       // 1040
    const char* pictures;   // 1059
    const char* note;       // 1075
    const char* country;    // 1043
    const char* operators;  // 1044
    const char* remote;     // 1084 / 1129
    const char* url;        // 1047
    const char* gateway;    // 1048
    const char* port;       // 1049
    const char* phone;      // 1050
    const char* email;      // 1051
    const char* account;    // 1052
    const char* password;   // 1053
    const char* recipient;  // 1054, 1055
    const char* folder;     // 1057
    const char* generate;   // 1
    const char* exit;       // 2
    const char* frame;      // 1058
    const char* hoursOff;   // hours list, last entry
    const char* autoMode;
    const char* manualMode;
    const char* sendOff;
    const char* domestic;
    const char* international;
    const char* country0;
    const char* operator0;
};

// clang-format off
const LanguageRow kLanguageRows[] = {
    {1, "MMS 模式", "MMS 发送", "拍摄张数/每天", "注： 0 = 无限制", "国家", "运营商", "短信远程控制", "彩信网址", "彩信网关",
     "彩信端口", "手机号码", "Email", "帐号", "密码", "手机号码或邮件", "选择目录", "生成配置文件", "退出", "彩信", "关闭",
     "自动", "手动", "关闭", "国内", "国际", "中国", "中国移动"},
    {2, "MMS Mode", "MMS Status", "Picture No./ day", "Note: 0 = Unlimited", "Country", "Operator",
     "SMS Remote Control", "URL", "Gateway", "Port", "Phone No", "Email", "Account", "Password", "Phone or Email",
     "Select", "Generate", "Exit", "MMS", "Off", "Auto", "Manual", "Off", "Domestic ", "International", "China",
     "China Mobile"},
    {3, "MMS Modus", "MMS Einstellung", "Bilderanzahl/Tag", "Hinweis: 0 = Unlimited", "Land", "Operateur",
     "SMS Remote Control", "URL", "Gateway", "Port", "Telefonnummer", "Email", "Konto", "Passwort", "Tel. oder Email",
     "Auswahl", "Generieren", "Back", "MMS", "Aus", "Auto", "Manuell", "Aus", "Domestic ", "International", "China",
     "China Mobile"},
    {4, "MMS valikot", "MMS-tila", "kuvien maara / paiva", "huom! 0 = rajaton", "maa", "operaattorit",
     "SMS Remote Control", "URL", "gateway", "port", "puhelinnumero", "Sahkoposti", "tili", "salasana",
     "gsm / sahkoposti", "valitse", "luo", "poistu", "MMS", "pois", "autom", "manuaali", "pois", "Domestic ",
     "International", "China", "China Mobile"},
    {5, "Modo MMS", "stato MMS", "N. immagine/data", "Nota: -00- = illimitato", "Nazione", "Operatori",
     "SMS Remote Control", "URL", "GateWay", "PORTA", "No. Telefono", "Email", "Account", "Password", "Tel. o mail",
     "Seleziona", "Genera", "Indiet", "MMS", "OFF", "Auto", "Manuale", "OFF", "Domestic ", "International", "China",
     "China Mobile"},
    {6, "MODE MMS", "Etat MMS", "Image No/jour", "Remarque -00- = illimite", "Pays", "Operateurs",
     "SMS Remote Control", "URL", "GateWay", "Port", "No telephone", "Email", "Compte", "Mot de passe",
     "Tel. ou e-mail", "Choix", "Creer", "Retour", "MMS", "Arret", "Auto", "Manuel", "Arret", "Domestic ",
     "International", "China", "China Mobile"},
    {7, "MMS Mod", "MMS oll.", "Kepsz./ nap", "Megj. -00- = korlutlan", "Orszag", "Kezelok", "SMS Remote Control",
     "URL", "Atjaro", "Port", "Telefonsz.", "Email", "Fiok", "Jelszo", "Tel.vagy e-level", "Kivalaszt", "Letrehoz",
     "Vissz.", "MMS", "Off", "Auto", "Kezi", "Ki", "Domestic ", "International", "China", "China Mobile"},
    {8, "Nacin MMS", "Status MMS", "Slika stev./dan", "Navodilo -00-=neomejeno", "Drzava", "Operater",
     "SMS Remote Control", "URL", "Prehod", "VRATA", "Telefonska stev.", "Email", "Racun", "Geslo", "Tel./ e-posta",
     "Izberi", "Generiraj", "Nazaj", "MMS", "Izklop", "Samodejno", "Rocno", "Izklop", "Domestic ", "International",
     "China", "China Mobile"},
    {9, "Rezim MMS", "Status MMS", "Snimku za den", "Pozor:0=neomezene", " Zeme", "Operater", "SMS Remote Control",
     "URL", "GateWay", "Port", "Tel. Cislo", "Email", "Ucet", "Heslo", "Telefon / Email", "Select", "Generovat",
     "Vystup", "MMS", "Vypnuto", "Automaticky", "Rucne", "Vypnuto", "Domaci ", "Mezinarodni", "China",
     "China Mobile"},
    {10, "MMS モード", "MMSステータス", "撮影数/1日", "注意：0=制限なし", "国名", "通信会社", "SMS Remote Control", "URL",
     "ゲートウェイ", "ポート", "電話", "Eメール", "アカウント", "パスワード", "電話orEメール", "フォルダ選択", "ファイル作成", "終了",
     "MMS", "オフ", "オート", "マニュアル", "オフ", "Domestic ", "International", "China", "China Mobile"},
};
// clang-format on

TEST_F(MmsDialogTest, EveryControlShowsItsLanguagesTextInBothVariants) {
    std::vector<LanguageRow> rows(std::begin(kLanguageRows), std::end(kLanguageRows));
    LanguageRow outside = kLanguageRows[1];  // values outside 1..10 show English
    for (int32_t language : {0, 11}) {
        outside.language = language;
        rows.push_back(outside);
    }
    for (const LanguageRow& row : rows) {
        for (ModelFamily family : kBoth) {
            SCOPED_TRACE(std::to_string(row.language) + " " + Name(family));
            Open(family, row.language);
            const MmsFamilyIds& ids = MmsIdsOf(family);
            const std::pair<int, const char*> captions[] = {
                {IDC_MMS_MODE_LABEL, row.mode},
                {IDC_MMS_SEND_LABEL, row.send},
                {IDC_MMS_PICTURES_LABEL, row.pictures},
                {IDC_MMS_PICTURES_NOTE, row.note},
                {IDC_MMS_COUNTRY_LABEL, row.country},
                {IDC_MMS_OPERATOR_LABEL, row.operators},
                {ids.hoursLabel, row.remote},
                {IDC_MMS_URL_LABEL, row.url},
                {IDC_MMS_GATEWAY_LABEL, row.gateway},
                {IDC_MMS_PORT_LABEL, row.port},
                {IDC_MMS_PHONE_LABEL, row.phone},
                {IDC_MMS_EMAIL_LABEL, row.email},
                {IDC_MMS_ACCOUNT_LABEL, row.account},
                {IDC_MMS_PASSWORD_LABEL, row.password},
                {IDC_MMS_PHONE2_LABEL, row.recipient},
                {IDC_MMS_PHONE3_LABEL, row.recipient},
                {IDC_MMS_FOLDER_BUTTON, row.folder},
                {IDOK, row.generate},
                {IDCANCEL, row.exit},
                {IDC_MMS_FRAME, row.frame},
            };
            for (const auto& [id, text] : captions) {
                EXPECT_EQ(Text(id), text) << id;
            }
            if (family == ModelFamily::k8620) {
                EXPECT_EQ(Text(ids.hoursUnit), "H");
            }
            EXPECT_EQ(dialog->GetWindowText(),
                      family == ModelFamily::k8620 ? "Corvane 8620" : "Corvane 8520");

            std::vector<std::string> hours;
            for (int h = 0; h <= 24; ++h) {
                hours.push_back(std::to_string(h));
            }
            hours.push_back(row.hoursOff);
            EXPECT_EQ(Entries(List(ids.hoursList)), hours);
            EXPECT_EQ(Entries(List(IDC_MMS_MODE)), (std::vector<std::string>{row.autoMode, row.manualMode}));
            std::vector<std::string> send = {row.sendOff, "VGA", "QVGA", "SMS"};
            if (family == ModelFamily::k8620) {
                send.erase(send.begin() + 2);
            }
            EXPECT_EQ(Entries(List(IDC_MMS_SEND)), send);
            EXPECT_EQ(Entries(List(IDC_MMS_PHONE_TYPE)),
                      (std::vector<std::string>{row.domestic, row.international}));
            EXPECT_EQ(Entries(List(IDC_MMS_APN_TYPE)), std::vector<std::string>{"APN"});
            const std::vector<std::string> countries = Entries(List(IDC_MMS_COUNTRY));
            ASSERT_EQ(countries.size(), 42u);
            EXPECT_EQ(countries[0], row.country0);
            EXPECT_EQ(countries[41], "Cayman Islands");
            EXPECT_EQ(Entries(List(IDC_MMS_OPERATOR))[0], row.operator0);

            Choose(IDC_MMS_MODE, 1);
            EXPECT_EQ(Entries(List(IDC_MMS_COUNTRY)), std::vector<std::string>{"Other"});
            EXPECT_EQ(Entries(List(IDC_MMS_APN_TYPE)), (std::vector<std::string>{"APN", "CSD"}));
        }
    }
}

TEST_F(MmsDialogTest, InitialSelections) {
    for (ModelFamily family : kBoth) {
        SCOPED_TRACE(Name(family));
        Open(family);
        EXPECT_EQ(dialog->objectName(), family == ModelFamily::k8620 ? "142" : "130");
        const std::pair<int, int> selections[] = {
            {IDC_MMS_MODE, 0},     {IDC_MMS_SEND, 1},       {IDC_MMS_COUNTRY, 0}, {IDC_MMS_OPERATOR, 0},
            {IDC_MMS_APN_TYPE, 0}, {IDC_MMS_PHONE_TYPE, 0}, {HoursList(), 25},
        };
        for (const auto& [id, index] : selections) {
            EXPECT_EQ(List(id)->currentIndex(), index) << id;
        }
        EXPECT_EQ(Text(IDC_MMS_PICTURES), "0");
        for (int id : kTextIds) {
            EXPECT_EQ(Text(id), "") << id;
        }
    }
}

// --- templates -----------------------------------------------------------------------------------------

// Controls a user works with never overlap, labels lie clear of them, everything lies inside the dialog;
// ids are unique.
TEST(MmsTemplates, ControlsFitAndDoNotOverlap) {
    for (ModelFamily family : kBoth) {
        SCOPED_TRACE(Name(family));
        const DialogTemplate& t = MmsDialogTemplate(family);
        EXPECT_EQ(t.id, family == ModelFamily::k8620 ? 142 : 130);
        ExpectControlsFitAndDoNotOverlap(t);
        const MmsFamilyIds& familyIds = MmsIdsOf(family);
        for (int id : {familyIds.hoursList, familyIds.hoursLabel}) {
            EXPECT_NE(FindControl(t, id), nullptr) << id;
        }
    }
}

}  // namespace
}  // namespace corvane
