// The setup dialogs as a user fills them in, one set of cases for every window system: the camera, MMS
// and e-mail dialogs write the golden files' bytes, and a value typed out of range is held while typed
// and told when the field is left.

#include <string>
#include <vector>

#include "dialogs/camera/camera_setup_dlg.h"
#include "dialogs/mms/mms_setup_dlg.h"
#include "dialogs/res/camera_templates.h"
#include "dialogs/res/mms_templates.h"
#include "dialogs/res/smtp_templates.h"
#include "dialogs/smtp/smtp_setup_dlg.h"
#include "shared/shared_dialog_test.h"

namespace corvane {
namespace {

using namespace corvane::testing;

class CameraCases : public SharedDialogTest<CCameraSetupDlg> {
  protected:
    void Open(ModelFamily family, int32_t language = kEnglish) {
        SharedDialogTest::Open(family, language, [this](ModelFamily f) {
            return std::make_unique<CCameraSetupDlg>(f, settings, platform, *fs);
        });
    }
};

TEST_F(CameraCases, DefaultsWriteTheGoldenMenuFileByButtonAndByEnter) {
    struct Case {
        ModelFamily family;
        const char* golden;
        bool byEnter;
    };
    const Case cases[] = {
        {ModelFamily::k8620, "menu_8620_defaults.dat", false},
        {ModelFamily::k8620, "menu_8620_defaults.dat", true},
        {ModelFamily::k8520, "menu_8520_defaults.dat", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.golden) + (c.byEnter ? " Enter" : " button"));
        Open(c.family);
        if (c.byEnter) {
            driver->PressEnter(IDC_VIDEO_LENGTH);
        } else {
            driver->Click(IDOK);
        }
        EXPECT_EQ(Written("menu.dat"), GoldenFile(c.golden));
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].rfind("Vyn ", 0), 0u) << platform.messages[0];
        EXPECT_TRUE(platform.frameworkMessages.empty());
        EXPECT_FALSE(dialog->IsEnded()) << "generating never closes the dialog";
    }
}

TEST_F(CameraCases, TypedValueAndChosenEntryReachTheRecord) {
    Open(ModelFamily::k8620);
    driver->Type(IDC_VIDEO_LENGTH, "25");
    EXPECT_EQ(driver->Text(IDC_VIDEO_LENGTH), "25");
    driver->Choose(IDC_CAMERA_MODE, 1);
    const std::string mode = driver->Text(IDC_CAMERA_MODE);
    driver->Click(IDOK);
    const FileBytes written = Written("menu.dat");
    ASSERT_GT(written.size(), 4u);
    EXPECT_EQ(written[4], 24) << "seconds minus one";
    EXPECT_NE(written, GoldenFile("menu_8620_defaults.dat"));
    EXPECT_FALSE(mode.empty());
    EXPECT_TRUE(platform.frameworkMessages.empty());
}

TEST_F(CameraCases, OutOfRangeValueIsHeldWhileTypedAndToldWhenLeft) {
    Open(ModelFamily::k8520);
    driver->Type(IDC_VIDEO_LENGTH, "61");
    EXPECT_TRUE(platform.messages.empty()) << "nothing is told while the user types";
    EXPECT_EQ(driver->Text(IDC_VIDEO_LENGTH), "61");
    EXPECT_TRUE(driver->HasFocus(IDC_VIDEO_LENGTH));
    driver->LeaveField();
    EXPECT_EQ(platform.messages, std::vector<std::string>{"Please enter an integer between 1 and 60!"});
    EXPECT_EQ(driver->Text(IDC_VIDEO_LENGTH), "10");
}

TEST_F(CameraCases, EscapeLeavesWithoutWriting) {
    Open(ModelFamily::k8620);
    driver->PressEscape(IDC_VIDEO_LENGTH);
    EXPECT_TRUE(dialog->IsEnded());
    EXPECT_EQ(dialog->EndResult(), IDCANCEL);
    EXPECT_TRUE(Written("menu.dat").empty());
}

class MmsCases : public SharedDialogTest<CMmsSetupDlg> {
  protected:
    void Open(ModelFamily family, int32_t language = kEnglish) {
        SharedDialogTest::Open(family, language, [this](ModelFamily f) {
            return std::make_unique<CMmsSetupDlg>(f, settings, platform, *fs);
        });
    }
};

TEST_F(MmsCases, AutoModeWritesTheGoldenSetupFile) {
    Open(ModelFamily::k8620);
    driver->Type(IDC_MMS_PICTURES, "12");
    driver->Type(IDC_MMS_PHONE, "13800138000");
    driver->Type(IDC_MMS_EMAIL, "someone@example.com");
    driver->Click(IDOK);
    EXPECT_EQ(Written("setup.dat"), GoldenFile("mms_dialog_8620_auto.dat"));
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.frameworkMessages.empty());
}

class SmtpCases : public SharedDialogTest<CSmtpSetupDlg> {
  protected:
    void Open(ModelFamily family, int32_t language = kEnglish) {
        SharedDialogTest::Open(family, language, [this](ModelFamily f) {
            return std::make_unique<CSmtpSetupDlg>(f, settings, platform, *fs);
        });
    }
};

TEST_F(SmtpCases, AutoModeWritesTheGoldenMailFile) {
    Open(ModelFamily::k8620, kJapanese);
    driver->Type(IDC_SMTP_PICTURES, "7");
    driver->Choose(IDC_SMTP_OPERATOR, 1);  // China Unicom
    driver->Type(IDC_SMTP_SERVER, "smtp.example.com");
    driver->Type(IDC_SMTP_PORT, "25");
    driver->Type(IDC_SMTP_SENDER, "x@example.com");
    driver->Type(IDC_SMTP_SENDER_PASSWORD, "secret");
    driver->Type(IDC_SMTP_RECIPIENT, "me@example.org");
    driver->Click(IDC_SMTP_GENERATE);
    EXPECT_EQ(Written("smtp.dat"), GoldenFile("smtp_8620_auto.dat"));
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.frameworkMessages.empty());
}

}  // namespace
}  // namespace corvane
