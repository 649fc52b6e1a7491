// The e-mail dialog's read button, driven as a user: settings entered, Generate, a fresh dialog reads
// smtp.dat back and shows them, Generate again gives the same bytes; refused files change nothing.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/files/write_sequence.h"
#include "core/l10n/read_back_texts.h"
#include "dialogs/res/smtp_templates.h"
#include "dialogs/smtp/smtp_setup_dlg.h"
#include "support/dialog_test_support.h"
#include "support/read_back_test_support.h"

namespace corvane {
namespace {

using namespace corvane::testing;

class SmtpReadBackTest : public SetupDialogTest<CSmtpSetupDlg> {
  protected:
    void Open(ModelFamily family, int32_t language = kEnglish) {
        platform.defaultOutputFolder = folder.path();
        settings.language = language;
        settings.model = family == ModelFamily::k8620 ? 4 : 3;
        dialog = std::make_unique<CSmtpSetupDlg>(family, settings, platform, fs);
        Show();
    }
    const SmtpFamilyIds& Ids() const { return SmtpIdsOf(dialog->Family()); }
    int Last(int id) const { return List(id)->count() - 1; }
    Bytes SmtpFile() const { return ReadBytes(folder.File("smtp.dat")); }
    void FillSender() {
        Retype(IDC_SMTP_SERVER, "smtp.example.com");
        Retype(IDC_SMTP_PORT, "587");
        Retype(IDC_SMTP_SENDER, "cam.one@example.com");
        Retype(IDC_SMTP_SENDER_PASSWORD, "pw");
        Retype(IDC_SMTP_RECIPIENT, "me@example.org");
    }
};

TEST_F(SmtpReadBackTest, WhatWasEnteredComesBackAndGeneratesTheSameBytes) {
    struct Session {
        const char* name;
        std::function<void()> enter;
    };
    const Session sessions[] = {
        {"Auto, the last country and operator, remote control and phone",
         [this] {
             Choose(IDC_SMTP_COUNTRY, Last(IDC_SMTP_COUNTRY));
             Choose(IDC_SMTP_OPERATOR, Last(IDC_SMTP_OPERATOR));
             if (dialog->Family() == ModelFamily::k8620) {
                 Choose(Ids().status, 2);
             }
             Retype(IDC_SMTP_PICTURES, "7");
             FillSender();
             Retype(Ids().phone, "01701234567");
             Choose(Ids().remoteControl, 3);
         }},
        {"Manual with typed GPRS settings",
         [this] {
             Choose(IDC_SMTP_MODE, 1);
             Retype(IDC_SMTP_APN, "internet");
             Retype(IDC_SMTP_ACCOUNT, "web");
             Retype(IDC_SMTP_GPRS_PASSWORD, "webpw");
             FillSender();
             Retype(IDC_SMTP_PICTURES, "99");
         }},
    };
    for (ModelFamily family : kBoth) {
        for (const Session& session : sessions) {
            SCOPED_TRACE(std::string(Name(family)) + ": " + session.name);
            Open(family, kSlovenian);
            session.enter();
            const FormState entered = Snapshot(dialog.get());
            ClearMessages();
            Click(IDC_SMTP_GENERATE);
            ASSERT_EQ(platform.messages.size(), 1u);
            ASSERT_NE(platform.messages[0].find("has been generated"), std::string::npos)
                << platform.messages[0];
            const Bytes written = SmtpFile();

            Open(family, kSlovenian);
            Click(IDC_SMTP_READ_FILE);
            ExpectReadNote(platform.messages, kSlovenian, folder.File("smtp.dat"));
            EXPECT_EQ(Snapshot(dialog.get()), entered);
            Click(IDC_SMTP_GENERATE);
            EXPECT_EQ(SmtpFile(), written);
        }
    }
}

TEST_F(SmtpReadBackTest, FilesOfTheIndependentGeneratorReadAndGenerateAgainByteForByte) {
    ASSERT_TRUE(WriteBytes(folder.File("smtp.dat"), Golden("smtp_8620_auto.dat")));
    Open(ModelFamily::k8620, kJapanese);
    Click(IDC_SMTP_READ_FILE);
    ExpectReadNote(platform.messages, kJapanese, folder.File("smtp.dat"));
    EXPECT_EQ(List(IDC_SMTP_MODE)->currentIndex(), 0);
    EXPECT_EQ(List(IDC_SMTP_OPERATOR)->currentIndex(), 1);
    EXPECT_EQ(Text(IDC_SMTP_PICTURES), "7");
    EXPECT_EQ(Text(IDC_SMTP_SENDER), "x@example.com");
    for (int id : {IDC_SMTP_APN, IDC_SMTP_ACCOUNT, IDC_SMTP_GPRS_PASSWORD}) {
        EXPECT_EQ(Text(id), "") << id;
        EXPECT_TRUE(Edit(id)->isReadOnly()) << id;
    }
    Click(IDC_SMTP_GENERATE);
    EXPECT_EQ(SmtpFile(), Golden("smtp_8620_auto.dat"));

    ClearMessages();
    ASSERT_TRUE(WriteBytes(folder.File("smtp.dat"), Golden("smtp_8520_manual.dat")));
    Open(ModelFamily::k8520, kChinese);
    Click(IDC_SMTP_READ_FILE);
    ExpectReadNote(platform.messages, kChinese, folder.File("smtp.dat"));
    EXPECT_EQ(List(IDC_SMTP_MODE)->currentIndex(), 1);
    EXPECT_EQ(List(IDC_SMTP_COUNTRY)->currentText(), "Other");
    EXPECT_EQ(List(Ids().remoteControl)->currentIndex(), 3);
    EXPECT_EQ(Text(IDC_SMTP_APN), "internet");
    EXPECT_FALSE(Edit(IDC_SMTP_APN)->isReadOnly());
    EXPECT_EQ(Text(Ids().phone), "01711234567");
    Click(IDC_SMTP_GENERATE);
    EXPECT_EQ(SmtpFile(), Golden("smtp_8520_manual.dat"));
}

TEST_F(SmtpReadBackTest, RefusedFilesShowWhyInTheDialogsLanguageAndChangeNothing) {
    struct Refused {
        const char* name;
        ModelFamily family;
        Bytes bytes;  // none: no file
        ReadBackProblem problem;
        const char* finding;
    };
    Bytes longFile = Golden("smtp_8620_auto.dat");
    longFile.push_back(0);
    Bytes noLineEnd = Golden("smtp_8520_manual.dat");
    noLineEnd[718] = 0x0A;
    Bytes changedChecksum = Golden("smtp_8620_auto.dat");
    changedChecksum[717] ^= 0x80;
    const Refused cases[] = {
        {"no file", ModelFamily::k8520, {}, ReadBackProblem::kMissing, ""},
        {"an MMS file", ModelFamily::k8620, Golden("mms_dialog_8620_auto.dat"), ReadBackProblem::kOtherKind,
         "this is an MMS settings file (setup.dat), not an e-mail settings file (smtp.dat)"},
        {"one byte too long", ModelFamily::k8620, longFile, ReadBackProblem::kWrongSize,
         "wrong size: 721 bytes, expected 720"},
        {"a broken line end", ModelFamily::k8520, noLineEnd, ReadBackProblem::kBadFraming,
         "bad framing at record 12: bytes 58-59 are 0x0A 0x0A"},
        {"a changed checksum", ModelFamily::k8620, changedChecksum, ReadBackProblem::kBadChecksum,
         "checksum stored"},
        {"a port longer than its field", ModelFamily::k8620, Golden("inspect/seeds/smtp/full_length.dat"),
         ReadBackProblem::kOutOfRange, "SMTP port (record 6) is 40 bytes, the field holds at most 10"},
        {"an 8620 file", ModelFamily::k8520, Golden("smtp_8620_auto.dat"), ReadBackProblem::kOtherFamily,
         "made for the 8620 family, not the 8520 family: header bytes 6-8 are 1, 25, 0"},
        {"an 8520 file", ModelFamily::k8620, Golden("smtp_8520_manual.dat"), ReadBackProblem::kOtherFamily,
         "made for the 8520 family, not the 8620 family: header bytes 6-8 are 1, 0, 3"},
    };
    for (int32_t language : {kEnglish, kJapanese}) {
        for (const Refused& r : cases) {
            SCOPED_TRACE(std::string(r.name) + " in language " + std::to_string(language));
            std::filesystem::remove(folder.File("smtp.dat"));
            if (!r.bytes.empty()) {
                ASSERT_TRUE(WriteBytes(folder.File("smtp.dat"), r.bytes));
            }
            Open(r.family, language);
            Choose(IDC_SMTP_MODE, 1);
            Retype(IDC_SMTP_APN, "typed.apn");
            Retype(IDC_SMTP_PICTURES, "5");
            ClearMessages();
            const FormState before = Snapshot(dialog.get());
            Click(IDC_SMTP_READ_FILE);
            const std::string path = PathInFolder(folder.path(), "smtp.dat");
            ASSERT_EQ(platform.messages.size(), 1u);
            ExpectRefusalMessage(platform.messages[0], language, path, r.problem, r.finding);
            EXPECT_EQ(Snapshot(dialog.get()), before);
        }
    }
}

}  // namespace
}  // namespace corvane
