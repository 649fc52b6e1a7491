// The setup dialogs' settings files, driven as a user: settings entered, Ctrl+S saves them, Generate writes
// the card's file, and corvane-write writes the same bytes from the saved settings file; a fresh dialog
// opens the file with Ctrl+O and shows what was entered. Files that are wrong change nothing.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QTest>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "dialogs/camera/camera_setup_dlg.h"
#include "dialogs/mms/mms_setup_dlg.h"
#include "dialogs/res/camera_templates.h"
#include "dialogs/res/mms_templates.h"
#include "dialogs/res/smtp_templates.h"
#include "dialogs/smtp/smtp_setup_dlg.h"
#include "support/dialog_test_support.h"
#include "support/read_back_test_support.h"
#include "tools/write_test_environment.h"
#include "write/write_command.h"

namespace corvane {
namespace {

using namespace corvane::testing;

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

unsigned Mode(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 0777u) : 0u;
}

// What each dialog needs in the shared steps below.
template <class Dialog>
class SettingsFileTest : public SetupDialogTest<Dialog> {
  protected:
    using Base = SetupDialogTest<Dialog>;

    void Open(ModelFamily family) {
        this->platform.defaultOutputFolder = this->folder.path();
        this->settings.language = kGerman;
        this->settings.tvMode = 1;
        this->settings.model = family == ModelFamily::k8620 ? 4 : 3;
        this->dialog = std::make_unique<Dialog>(family, this->settings, this->platform, this->fs);
        this->Show();
    }
    void Press(Qt::Key key) {
        // The commands are the window's shortcuts: they reach the active window (the offscreen platform
        // leaves a closed list's popup active, where a desktop gives the dialog back its activation).
        this->dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(this->dialog.get()));
        ASSERT_EQ(QApplication::activeWindow(), this->dialog.get());
        QTest::keyClick(this->dialog.get(), key, Qt::ControlModifier);
    }
    void SaveAs(const std::string& path, bool withPasswords) {
        this->platform.settingsFileAnswers = {path};
        this->platform.answers = {withPasswords};
        Press(Qt::Key_S);
    }
    void OpenFile(const std::string& path) {
        this->platform.settingsFileAnswers = {path};
        Press(Qt::Key_O);
    }
    std::string Messages() const {
        std::string all;
        for (const std::string& m : this->platform.messages) {
            all += m + "\n";
        }
        return all;
    }

    // Enter, save, generate, write with corvane-write, open in a fresh dialog: the same bytes and fields.
    void SaveGenerateWriteOpen(ModelFamily family, const std::function<void()>& enter, int generate,
                               const std::string& fileName, const std::string& clockField = "") {
        this->platform.now = {2024, 3, 4, 5, 6, 7};
        Open(family);
        enter();
        const FormState entered = Snapshot(this->dialog.get());
        this->ClearMessages();
        const std::string path = settingsFolder.File("cards.toml");
        SaveAs(path, true);
        ASSERT_EQ(this->platform.messages, std::vector<std::string>{"The settings were saved to " + path});
        EXPECT_EQ(this->platform.settingsFileRequests.back(), "save " + this->folder.path());

        this->ClearMessages();
        this->Click(generate);
        ASSERT_EQ(this->platform.messages.size(), 1u);
        const Bytes generated = ReadBytes(this->folder.File(fileName));
        ASSERT_FALSE(generated.empty()) << Messages();

        TempFolder written;
        TestWriteEnvironment env;
        env.now = {2024, 3, 4, 5, 6, 7};
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_EQ(write::RunWrite({path, written.path()}, out, err, env, "test"), 0)
            << err.str() << ReadText(path);
        EXPECT_EQ(ReadBytes(written.File(fileName)), generated) << ReadText(path);

        this->platform.now = {2025, 1, 1, 0, 0, 0};
        Open(family);
        this->ClearMessages();
        OpenFile(path);
        EXPECT_TRUE(this->platform.messages.empty()) << Messages();
        FormState shown = Snapshot(this->dialog.get());
        FormState expected = entered;
        if (!clockField.empty()) {
            expected.edits[clockField] = shown.edits[clockField];  // the time of opening
        }
        EXPECT_EQ(shown, expected);
    }

    // Opening `text` as a settings file shows a message holding `says` and changes no field.
    void ExpectRefused(const std::string& text, const std::string& says) {
        const std::string path = settingsFolder.File("wrong.toml");
        std::ofstream(path, std::ios::binary) << text;
        const FormState before = Snapshot(this->dialog.get());
        this->ClearMessages();
        OpenFile(path);
        ASSERT_EQ(this->platform.messages.size(), 1u) << says;
        EXPECT_NE(this->platform.messages[0].find("The settings file was not opened: " + path),
                  std::string::npos)
            << this->platform.messages[0];
        EXPECT_NE(this->platform.messages[0].find(says), std::string::npos) << this->platform.messages[0];
        EXPECT_EQ(Snapshot(this->dialog.get()), before);
    }

    TempFolder settingsFolder;
};

// A settings file with an e-mail section alone, in Manual mode, whose GPRS password was left out.
std::string EmailOnlySettings(const std::string& language) {
    return "format = 1\nmodel = \"Vyn 8620MG\"\nlanguage = \"" + language +
           "\"\ntv_mode = 0\n\n[email]\n"
           "mode = \"Manual\"\npictures_per_day = 3\nsmtp_status = \"VGA\"\n"
           "sms_remote_control = \"off\"\ngprs_apn = \"web\"\ngprs_account = \"\"\n"
           "smtp_server = \"smtp.example.com\"\nsmtp_port = \"25\"\n"
           "sender_email = \"a@example.com\"\nsender_password = \"pw\"\nsms_phone = \"\"\n"
           "recipient_email = \"b@example.com\"\n";
}

// --- camera ---------------------------------------------------------------------------------------------

using CameraDialogSettingsFileTest = SettingsFileTest<CCameraSetupDlg>;

TEST_F(CameraDialogSettingsFileTest, SavedSettingsWriteTheBytesOfGenerateAndOpenAsEntered) {
    for (ModelFamily family : kBoth) {
        SCOPED_TRACE(Name(family));
        SaveGenerateWriteOpen(
            family,
            [this, family] {
                const CameraFamilyIds& ids = CameraIdsOf(family);
                Choose(IDC_CAMERA_MODE, 2);
                Choose(IDC_IMAGE_SIZE, 1);
                Choose(IDC_SENSE_LEVEL, 3);
                Choose(IDC_TIMER1, 1);
                Choose(ids.timer2, 1);
                Choose(IDC_SERIAL, 1);
                Choose(IDC_SERIAL_CHAR1, 10);
                Choose(IDC_SERIAL_CHAR1 + 3, 7);
                Choose(IDC_TIME_LAPSE, 0);
                if (family == ModelFamily::k8620) {
                    Choose(ids.beep, 0);
                    Choose(ids.sdCycle, 1);
                }
                Retype(IDC_VIDEO_LENGTH, "42");
                Retype(IDC_INTERVAL, "17");
                Retype(IDC_TIMER1_START_HOUR, "6");
                Retype(IDC_TIMER1_STOP_MINUTE, "45");
                Retype(ids.timer2StopHour, "23");
                Retype(IDC_TIME_LAPSE_SECOND, "30");
            },
            IDOK, "menu.dat", std::to_string(IDC_CLOCK_TEXT));
    }
}

// The factory button switches the interval unit to minutes and keeps the value: 0 min is written, and a
// settings file holds it too.
TEST_F(CameraDialogSettingsFileTest, AnIntervalOfZeroMinutesAfterTheFactoryButtonIsKept) {
    SaveGenerateWriteOpen(
        ModelFamily::k8520,
        [this] {
            Choose(IDC_INTERVAL_UNIT, 0);
            Retype(IDC_INTERVAL, "0");
            Click(IDC_FACTORY_SETTINGS);
            ASSERT_EQ(Text(IDC_INTERVAL), "0");
            ASSERT_EQ(List(IDC_INTERVAL_UNIT)->currentIndex(), 1);
        },
        IDOK, "menu.dat", std::to_string(IDC_CLOCK_TEXT));
}

TEST_F(CameraDialogSettingsFileTest, SavingIntoASettingsFileKeepsItsOtherSections) {
    const std::string path = settingsFolder.File("all.toml");
    std::ofstream(path) << EmailOnlySettings("Czech");
    Open(ModelFamily::k8620);
    SaveAs(path, true);
    const std::string text = ReadText(path);
    EXPECT_NE(text.find("[camera]"), std::string::npos) << text;
    EXPECT_NE(text.find("smtp_server = \"smtp.example.com\""), std::string::npos) << text;
    // The e-mail section keeps the language it was written with; the camera gets the program's.
    EXPECT_NE(text.find("language = \"German\""), std::string::npos) << text;
    EXPECT_NE(text.find("language = \"Czech\""), std::string::npos) << text;
}

// A kept section's left-out password stays left out: saving must not turn it into an empty password that
// corvane-write would then put on the card without a word.
TEST_F(CameraDialogSettingsFileTest, AKeptSectionsLeftOutPasswordStaysLeftOut) {
    const std::string path = settingsFolder.File("all.toml");
    std::ofstream(path) << EmailOnlySettings("English");
    Open(ModelFamily::k8620);
    SaveAs(path, true);
    const std::string text = ReadText(path);
    EXPECT_NE(text.find("[camera]"), std::string::npos) << text;
    EXPECT_NE(text.find("sender_password = \"pw\""), std::string::npos) << text;
    EXPECT_EQ(text.find("gprs_password = \"\""), std::string::npos) << text;
    EXPECT_NE(text.find("# gprs_password"), std::string::npos) << text;

    TempFolder written;
    TestWriteEnvironment env;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(write::RunWrite({path, written.path()}, out, err, env, "test"), 2) << text;
    EXPECT_NE(err.str().find("gprs_password"), std::string::npos) << err.str();
    EXPECT_FALSE(std::filesystem::exists(written.File("smtp.dat")));
}

TEST_F(CameraDialogSettingsFileTest, AWrongFileChangesNothingAndSaysWhy) {
    Open(ModelFamily::k8620);
    Choose(IDC_CAMERA_MODE, 1);
    const std::string top = "format = 1\nmodel = \"Vyn 8620M\"\nlanguage = \"English\"\ntv_mode = 0\n";
    ExpectRefused(top + "[camera]\ncamera_mode = \"Photo\"\n",
                  ":6: camera.camera_mode: \"Photo\" is not one of");
    ExpectRefused(top + "colour = 1\n", ":5: unknown key colour");
    ExpectRefused(top, "it holds no [camera] section");
    ExpectRefused("format = 1\nmodel = \"Vyn 8520M\"\nlanguage = \"English\"\ntv_mode = 0\n",
                  "The settings are for the Vyn 8520M; this dialog is for the 8620 family.");
    // Cancelling the browser does nothing.
    const FormState before = Snapshot(dialog.get());
    ClearMessages();
    OpenFile("");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(Snapshot(dialog.get()), before);
}

// --- MMS ------------------------------------------------------------------------------------------------

using MmsDialogSettingsFileTest = SettingsFileTest<CMmsSetupDlg>;

TEST_F(MmsDialogSettingsFileTest, SavedSettingsWriteTheBytesOfGenerateAndOpenAsEntered) {
    for (ModelFamily family : kBoth) {
        SCOPED_TRACE(Name(family));
        SaveGenerateWriteOpen(
            family,
            [this] {
                Choose(IDC_MMS_COUNTRY, List(IDC_MMS_COUNTRY)->count() - 1);
                Choose(IDC_MMS_OPERATOR, List(IDC_MMS_OPERATOR)->count() - 1);
                Choose(IDC_MMS_PHONE_TYPE, 1);
                Retype(IDC_MMS_PICTURES, "12");
                Retype(IDC_MMS_PHONE, "+491701234567");
                Retype(IDC_MMS_EMAIL, "cam@example.org");
                Retype(IDC_MMS_PHONE2, "+4930123456");
            },
            IDOK, "setup.dat");
        SaveGenerateWriteOpen(
            family,
            [this] {
                Choose(IDC_MMS_MODE, 1);
                Choose(IDC_MMS_APN_TYPE, 1);
                Retype(IDC_MMS_URL, "http://mms.example.com/servlets/mms");
                Retype(IDC_MMS_APN, "internet");
                Retype(IDC_MMS_GATEWAY, "10.1.1.1");
                Retype(IDC_MMS_PORT, "8080");
                Retype(IDC_MMS_ACCOUNT, "user");
                Retype(IDC_MMS_PASSWORD, "secret");
                Retype(IDC_MMS_PHONE, "0123456789");
            },
            IDOK, "setup.dat");
    }
}

// --- e-mail ---------------------------------------------------------------------------------------------

using SmtpDialogSettingsFileTest = SettingsFileTest<CSmtpSetupDlg>;

TEST_F(SmtpDialogSettingsFileTest, SavedSettingsWriteTheBytesOfGenerateAndOpenAsEntered) {
    for (ModelFamily family : kBoth) {
        SCOPED_TRACE(Name(family));
        const auto sender = [this] {
            Retype(IDC_SMTP_SERVER, "smtp.example.com");
            Retype(IDC_SMTP_PORT, "587");
            Retype(IDC_SMTP_SENDER, "cam.one@example.com");
            Retype(IDC_SMTP_SENDER_PASSWORD, "pw");
            Retype(IDC_SMTP_RECIPIENT, "me@example.org");
        };
        SaveGenerateWriteOpen(
            family,
            [this, sender] {
                Choose(IDC_SMTP_COUNTRY, List(IDC_SMTP_COUNTRY)->count() - 1);
                Choose(IDC_SMTP_OPERATOR, List(IDC_SMTP_OPERATOR)->count() - 1);
                Retype(IDC_SMTP_PICTURES, "7");
                sender();
            },
            IDC_SMTP_GENERATE, "smtp.dat");
        SaveGenerateWriteOpen(
            family,
            [this, sender] {
                Choose(IDC_SMTP_MODE, 1);
                Retype(IDC_SMTP_APN, "internet");
                Retype(IDC_SMTP_ACCOUNT, "web");
                Retype(IDC_SMTP_GPRS_PASSWORD, "webpw");
                sender();
            },
            IDC_SMTP_GENERATE, "smtp.dat");
    }
}

TEST_F(SmtpDialogSettingsFileTest, PasswordsGoInOnlyWhenAskedAndThenForTheOwnerOnly) {
    Open(ModelFamily::k8620);
    Choose(IDC_SMTP_MODE, 1);
    Retype(IDC_SMTP_APN, "internet");
    Retype(IDC_SMTP_GPRS_PASSWORD, "gprs-secret");
    Retype(IDC_SMTP_SERVER, "smtp.example.com");
    Retype(IDC_SMTP_PORT, "587");
    Retype(IDC_SMTP_SENDER, "cam.one@example.com");
    Retype(IDC_SMTP_SENDER_PASSWORD, "mail-secret");
    Retype(IDC_SMTP_RECIPIENT, "me@example.org");

    const std::string without = settingsFolder.File("without.toml");
    SaveAs(without, false);
    ASSERT_EQ(platform.questions.size(), 1u);
    const std::string text = ReadText(without);
    EXPECT_EQ(text.find("mail-secret"), std::string::npos) << text;
    EXPECT_EQ(text.find("gprs-secret"), std::string::npos) << text;
    EXPECT_NE(text.find("smtp_server"), std::string::npos) << text;

    const std::string with = settingsFolder.File("with.toml");
    ::umask(022);
    SaveAs(with, true);
    const std::string secretText = ReadText(with);
    EXPECT_NE(secretText.find("sender_password = \"mail-secret\""), std::string::npos) << secretText;
    EXPECT_NE(secretText.find("gprs_password = \"gprs-secret\""), std::string::npos) << secretText;
    EXPECT_EQ(Mode(with), 0600u);
    EXPECT_EQ(Mode(without), 0644u);
}

}  // namespace
}  // namespace corvane
