// The MMS dialog's read button, driven as a user: settings entered, Generate, a fresh dialog reads
// setup.dat back and shows them, Generate again gives the same bytes; refused files change nothing.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/files/write_sequence.h"
#include "core/l10n/read_back_texts.h"
#include "dialogs/mms/mms_setup_dlg.h"
#include "dialogs/res/mms_templates.h"
#include "support/dialog_test_support.h"
#include "support/read_back_test_support.h"
#include "tools/inspect_files.h"

namespace corvane {
namespace {

using namespace corvane::testing;

class MmsReadBackTest : public SetupDialogTest<CMmsSetupDlg> {
  protected:
    void Open(ModelFamily family, int32_t language = kEnglish) {
        platform.defaultOutputFolder = folder.path();
        settings.language = language;
        settings.model = family == ModelFamily::k8620 ? 4 : 3;
        dialog = std::make_unique<CMmsSetupDlg>(family, settings, platform, fs);
        Show();
    }
    int HoursList() const { return MmsIdsOf(dialog->Family()).hoursList; }
    int SmsPosition() const { return dialog->Family() == ModelFamily::k8620 ? 2 : 3; }
    int Last(int id) const { return List(id)->count() - 1; }
    Bytes SetupFile() const { return ReadBytes(folder.File("setup.dat")); }
};

TEST_F(MmsReadBackTest, WhatWasEnteredComesBackAndGeneratesTheSameBytes) {
    struct Session {
        const char* name;
        std::function<void()> enter;
    };
    const Session sessions[] = {
        {"Auto, the last country and operator, International, every recipient",
         [this] {
             Choose(IDC_MMS_COUNTRY, Last(IDC_MMS_COUNTRY));
             Choose(IDC_MMS_OPERATOR, Last(IDC_MMS_OPERATOR));
             Choose(IDC_MMS_PHONE_TYPE, 1);
             Retype(IDC_MMS_PICTURES, "12");
             Retype(IDC_MMS_PHONE, "+491701234567");
             Retype(IDC_MMS_EMAIL, "cam@example.org");
             Retype(IDC_MMS_PHONE2, "+4930123456");
             Retype(IDC_MMS_PHONE3, "x@y.zz");
             Choose(HoursList(), 5);
         }},
        {"Manual with CSD, typed network, sending off",
         [this] {
             Choose(IDC_MMS_MODE, 1);
             Choose(IDC_MMS_APN_TYPE, 1);
             Choose(IDC_MMS_SEND, 0);
             Retype(IDC_MMS_URL, "http://mms.example.com/servlets/mms");
             Retype(IDC_MMS_APN, "internet");
             Retype(IDC_MMS_GATEWAY, "10.1.1.1");
             Retype(IDC_MMS_PORT, "8080");
             Retype(IDC_MMS_ACCOUNT, "user");
             Retype(IDC_MMS_PASSWORD, "secret");
             Retype(IDC_MMS_PHONE, "0123456789");
             Retype(IDC_MMS_PHONE2, "01701112222");
             Retype(IDC_MMS_PICTURES, "99");
         }},
        {"Auto, SMS only with remote control",
         [this] {
             Choose(IDC_MMS_SEND, SmsPosition());
             Retype(IDC_MMS_PHONE, "0123456789");
             Choose(HoursList(), 0);
         }},
    };
    for (ModelFamily family : kBoth) {
        for (const Session& session : sessions) {
            SCOPED_TRACE(std::string(Name(family)) + ": " + session.name);
            Open(family, kItalian);
            session.enter();
            const FormState entered = Snapshot(dialog.get());
            ClearMessages();
            Click(IDOK);
            ASSERT_EQ(platform.messages.size(), 1u);
            ASSERT_NE(platform.messages[0].find("has been generated"), std::string::npos)
                << platform.messages[0];
            const Bytes written = SetupFile();

            Open(family, kItalian);
            Click(IDC_MMS_READ_FILE);
            ExpectReadNote(platform.messages, kItalian, folder.File("setup.dat"));
            EXPECT_EQ(Snapshot(dialog.get()), entered);
            Click(IDOK);
            EXPECT_EQ(SetupFile(), written);
        }
    }
}

TEST_F(MmsReadBackTest, FilesOfTheIndependentGeneratorReadAndGenerateAgainByteForByte) {
    // Auto mode: the network fields stay empty and read-only, the preset row gives the same texts.
    ASSERT_TRUE(WriteBytes(folder.File("setup.dat"), Golden("mms_dialog_8620_auto.dat")));
    Open(ModelFamily::k8620);
    Click(IDC_MMS_READ_FILE);
    ExpectReadNote(platform.messages, kEnglish, folder.File("setup.dat"));
    EXPECT_EQ(List(IDC_MMS_MODE)->currentIndex(), 0);
    EXPECT_EQ(Text(IDC_MMS_PICTURES), "12");
    EXPECT_EQ(Text(IDC_MMS_PHONE), "13800138000");
    EXPECT_EQ(Text(IDC_MMS_EMAIL), "someone@example.com");
    for (int id :
         {IDC_MMS_URL, IDC_MMS_APN, IDC_MMS_GATEWAY, IDC_MMS_PORT, IDC_MMS_ACCOUNT, IDC_MMS_PASSWORD}) {
        EXPECT_EQ(Text(id), "") << id;
        EXPECT_TRUE(Edit(id)->isReadOnly()) << id;
    }
    EXPECT_FALSE(Edit(IDC_MMS_PHONE2)->isReadOnly());
    Click(IDOK);
    EXPECT_EQ(SetupFile(), Golden("mms_dialog_8620_auto.dat"));

    // Manual, International, Chinese program with the TV mode the file holds.
    ClearMessages();
    ASSERT_TRUE(WriteBytes(folder.File("setup.dat"), Golden("mms_dialog_8520_manual_international.dat")));
    settings.tvMode = 0x0101;
    Open(ModelFamily::k8520, kChinese);
    Click(IDC_MMS_READ_FILE);
    ExpectReadNote(platform.messages, kChinese, folder.File("setup.dat"));
    EXPECT_EQ(List(IDC_MMS_MODE)->currentIndex(), 1);
    EXPECT_EQ(List(IDC_MMS_APN_TYPE)->currentText(), "CSD");
    EXPECT_EQ(List(IDC_MMS_SEND)->currentText(), "QVGA");
    EXPECT_EQ(List(IDC_MMS_PHONE_TYPE)->currentIndex(), 1);
    EXPECT_EQ(List(HoursList())->currentIndex(), 0);
    EXPECT_EQ(Text(IDC_MMS_PASSWORD), "密码");
    EXPECT_EQ(Text(IDC_MMS_PHONE3), "b@example.org");
    EXPECT_FALSE(Edit(IDC_MMS_URL)->isReadOnly());
    EXPECT_FALSE(Edit(IDC_MMS_PHONE3)->isReadOnly());
    Click(IDOK);
    EXPECT_EQ(SetupFile(), Golden("mms_dialog_8520_manual_international.dat"));
}

// --- refusals ------------------------------------------------------------------------------------------

std::array<uint8_t, 50> AutoHeader(uint8_t country, uint8_t operatorIndex) {
    std::array<uint8_t, 50> h{};
    h[0] = 1;  // VGA
    h[1] = 2;
    h[5] = 2;
    h[8] = country;
    h[9] = operatorIndex;
    h[10] = 25;
    return h;
}

TEST_F(MmsReadBackTest, RefusedFilesShowWhyInTheDialogsLanguageAndChangeNothing) {
    struct Refused {
        const char* name;
        ModelFamily family;
        Bytes bytes;  // none: no file
        ReadBackProblem problem;
        const char* finding;
    };
    Bytes shortFile = Golden("mms_dialog_8620_auto.dat");
    shortFile.resize(719);
    Bytes badLength = Golden("mms_dialog_8620_auto.dat");
    badLength[60 + 57] = 3;
    Bytes changed = Golden("mms_dialog_8520_manual_international.dat");
    changed[122] ^= 0x01;  // a letter of the APN text
    const Refused cases[] = {
        {"no file", ModelFamily::k8620, {}, ReadBackProblem::kMissing, ""},
        {"an e-mail file", ModelFamily::k8620, Golden("smtp_8620_auto.dat"), ReadBackProblem::kOtherKind,
         "this is an e-mail settings file (smtp.dat), not an MMS settings file (setup.dat)"},
        {"a camera menu", ModelFamily::k8520, Golden("menu_8520_defaults.dat"), ReadBackProblem::kOtherKind,
         "this is a camera menu file (menu.dat)"},
        {"one byte short", ModelFamily::k8620, shortFile, ReadBackProblem::kWrongSize,
         "wrong size: 719 bytes, expected 720"},
        {"a length byte that disagrees", ModelFamily::k8620, badLength, ReadBackProblem::kBadFraming,
         "record 2: length byte 57 is 3 but the text has 25 bytes"},
        {"a changed text byte", ModelFamily::k8520, changed, ReadBackProblem::kBadChecksum,
         "checksum stored"},
        {"an operator the country does not have", ModelFamily::k8620,
         inspect::testfiles::MessageFile(AutoHeader(0, 8), 1, {"", "", "", "", "0123456789"}, 0),
         ReadBackProblem::kOutOfRange, "operator 8 is not in the list of 2 operators of country 0"},
        {"an 8520 file sending SMS", ModelFamily::k8620,
         Golden("inspect/seeds/setup/manual_domestic_8520.dat"), ReadBackProblem::kOtherFamily,
         "made for the 8520 family, not the 8620 family: send mode (byte 0) is 3"},
    };
    for (int32_t language : {kEnglish, kFrench}) {
        for (const Refused& r : cases) {
            SCOPED_TRACE(std::string(r.name) + " in language " + std::to_string(language));
            std::filesystem::remove(folder.File("setup.dat"));
            if (!r.bytes.empty()) {
                ASSERT_TRUE(WriteBytes(folder.File("setup.dat"), r.bytes));
            }
            Open(r.family, language);
            Choose(IDC_MMS_MODE, 1);
            Retype(IDC_MMS_URL, "http://typed.example.com");
            Retype(IDC_MMS_PHONE, "0123456");
            ClearMessages();
            const FormState before = Snapshot(dialog.get());
            Click(IDC_MMS_READ_FILE);
            const std::string path = PathInFolder(folder.path(), "setup.dat");
            ASSERT_EQ(platform.messages.size(), 1u);
            ExpectRefusalMessage(platform.messages[0], language, path, r.problem, r.finding);
            EXPECT_EQ(Snapshot(dialog.get()), before);
        }
    }
}

}  // namespace
}  // namespace corvane
