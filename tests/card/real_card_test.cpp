// The setup dialogs on a real FAT or exFAT memory card: run through tests/card/fat_card.sh, which mounts an
// image in this user's media folder and tells where. The dialogs see the system's real volumes; their
// messages are recorded as in every dialog test.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/files/output_folder.h"
#include "core/l10n/card_texts.h"
#include "dialogs/camera/camera_setup_dlg.h"
#include "dialogs/mms/mms_setup_dlg.h"
#include "dialogs/res/camera_templates.h"
#include "dialogs/res/mms_templates.h"
#include "dialogs/res/smtp_templates.h"
#include "dialogs/smtp/smtp_setup_dlg.h"
#include "platform/mounted_volumes.h"
#include "platform/posix/posix_file_system.h"
#include "support/dialog_test_support.h"
#include "support/fake_platform.h"
#include "support/test_folders.h"

namespace corvane {
namespace {

using namespace corvane::testing;
namespace fs = std::filesystem;

// Recorded messages as in every dialog test, but the volumes and the user of this system.
class RealVolumesPlatform : public platform::FakePlatform {
  public:
    // As the program reads them: one reader for the whole test, so that it sees the card come and go.
    std::vector<Volume> MountedVolumes() override { return volumes.Read(MediaUser()); }
    std::string MediaUser() override { return platform::CurrentUserName(); }
    platform::MountedVolumesReader volumes;
};

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

class RealCardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        card = Env("CORVANE_TEST_CARD");
        if (card.empty()) {
            GTEST_SKIP() << "no card: run through tests/card/fat_card.sh run";
        }
        platform.defaultOutputFolder = home.path();
        settings.model = 4;  // Vyn 8620MG: all three dialogs
        settings.language = kEnglish;
    }

    // Runs fat_card.sh with `args` (remount ro|rw, unmount).
    void Card(const std::string& args) {
        const std::string command = "'" + Env("CORVANE_TEST_CARD_SCRIPT") + "' " + args;
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }

    std::string OnCard(const char* name) const { return card + "/" + name; }

    // Opens a setup dialog the way the program does and makes it the active window.
    template <class Dialog>
    std::unique_ptr<Dialog> Open() {
        auto dialog = std::make_unique<Dialog>(ModelFamily::k8620, settings, platform, files);
        EXPECT_TRUE(dialog->Create());
        dialog->activateWindow();
        platform.messages.clear();
        return dialog;
    }

    static void Retype(QWidget* dialog, int id, const char* text) {
        QLineEdit* edit = ControlById<QLineEdit>(dialog, id);
        ASSERT_NE(edit, nullptr) << id;
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromUtf8(text));
    }

    // Generates each of the three files once; returns the messages shown.
    std::vector<std::string> GenerateAll() {
        std::vector<std::string> shown;
        {
            auto camera = Open<CCameraSetupDlg>();
            Click(camera.get(), IDOK);
            shown.insert(shown.end(), platform.messages.begin(), platform.messages.end());
        }
        {
            auto mms = Open<CMmsSetupDlg>();
            Retype(mms.get(), IDC_MMS_PHONE, "13800138000");
            Click(mms.get(), IDOK);
            shown.insert(shown.end(), platform.messages.begin(), platform.messages.end());
        }
        {
            auto smtp = Open<CSmtpSetupDlg>();
            Retype(smtp.get(), IDC_SMTP_SERVER, "smtp.example.com");
            Retype(smtp.get(), IDC_SMTP_PORT, "25");
            Retype(smtp.get(), IDC_SMTP_SENDER, "cam@example.com");
            Retype(smtp.get(), IDC_SMTP_SENDER_PASSWORD, "secret");
            Retype(smtp.get(), IDC_SMTP_RECIPIENT, "me@example.org");
            Click(smtp.get(), IDC_SMTP_GENERATE);
            shown.insert(shown.end(), platform.messages.begin(), platform.messages.end());
        }
        return shown;
    }

    // corvane-inspect on the card: its exit status and report.
    std::pair<int, std::string> Inspect() const {
        QProcess inspect;
        inspect.setProcessChannelMode(QProcess::MergedChannels);
        inspect.start(QStringLiteral(CORVANE_INSPECT), {QString::fromStdString(card)});
        inspect.waitForFinished(30000);
        return {inspect.exitStatus() == QProcess::NormalExit ? inspect.exitCode() : -1,
                inspect.readAll().toStdString()};
    }

    std::vector<Bytes> CardFiles() const {
        return {ReadBytes(OnCard("menu.dat")), ReadBytes(OnCard("setup.dat")), ReadBytes(OnCard("smtp.dat"))};
    }

    // Files on the card whose name ends in ".tmp" or is the scratch file.
    std::vector<std::string> Leftovers() const {
        std::vector<std::string> left;
        for (const std::string& name : NamesIn(card)) {
            if (name == "mms.dat" || (name.size() > 4 && name.compare(name.size() - 4, 4, ".tmp") == 0)) {
                left.push_back(name);
            }
        }
        return left;
    }

    std::string card;
    RealVolumesPlatform platform;
    TempFolder home;
    PosixFileSystem files;
    AppSettings settings;
};

TEST_F(RealCardTest, TheCardIsFoundAsTheOnlyCameraCard) {
    const std::vector<Volume> volumes = platform.MountedVolumes();
    const std::optional<Volume> found = SingleCameraCard(volumes, platform.MediaUser());
    ASSERT_TRUE(found.has_value()) << "one camera card among " << volumes.size() << " volumes";
    EXPECT_EQ(found->rootPath, card);
    if (Env("CORVANE_TEST_CARD_FORMAT") == "exfat") {
        // exfat-fuse mounts it as plain "fuseblk"; the format comes from the device.
        EXPECT_EQ(found->fileSystem, "fuseblk.exfat");
    } else {
        EXPECT_TRUE(found->fileSystem == "vfat" || found->fileSystem == "fuse.fusefat") << found->fileSystem;
    }
    EXPECT_EQ(found->device, Env("CORVANE_TEST_CARD_DEVICE"));
    EXPECT_EQ(found->label, fs::path(card).filename().string());
    EXPECT_FALSE(found->readOnly);
    EXPECT_GT(found->bytesTotal, 3'000'000u);
    EXPECT_GT(found->bytesFree, 0u);
    EXPECT_LE(found->bytesFree, found->bytesTotal);
}

TEST_F(RealCardTest, DialogsStartOnTheCardAndWriteAllThreeFilesThere) {
    for (const int id : {IDC_OUTPUT_FOLDER, IDC_MMS_FOLDER, IDC_SMTP_FOLDER}) {
        SCOPED_TRACE(id);
        std::unique_ptr<CDialog> dialog;
        if (id == IDC_OUTPUT_FOLDER) {
            dialog = Open<CCameraSetupDlg>();
        } else if (id == IDC_MMS_FOLDER) {
            dialog = Open<CMmsSetupDlg>();
        } else {
            dialog = Open<CSmtpSetupDlg>();
        }
        EXPECT_EQ(dialog->GetDlgItemText(id), card);
    }

    const std::vector<std::string> shown = GenerateAll();
    const std::vector<std::string> expected = {
        "Vyn 8620 Configuration file is generated\n" + WrittenToText(kEnglish, OnCard("menu.dat")),
        "Vyn 8620 MMS configuration file (URL|APN|Gateway|Port ...) has been generated\n" +
            WrittenToText(kEnglish, OnCard("setup.dat")),
        "Vyn 8620 SMTP configuration file has been generated\n" + WrittenToText(kEnglish, OnCard("smtp.dat")),
    };
    EXPECT_EQ(shown, expected);
    EXPECT_TRUE(Leftovers().empty());

    const auto [status, report] = Inspect();
    EXPECT_EQ(status, 0) << report;
    for (const char* name : {"menu.dat", "setup.dat", "smtp.dat"}) {
        EXPECT_NE(report.find(name), std::string::npos) << report;
    }
    EXPECT_NE(report.find("smtp.example.com"), std::string::npos) << report;
    EXPECT_EQ(platform.preferences.ReadLastFolder(), card);
}

TEST_F(RealCardTest, AFullCardKeepsTheEarlierFiles) {
    GenerateAll();
    const std::vector<Bytes> before = CardFiles();
    ASSERT_EQ(before[0].size(), 60u);

    // Fill the card to the last byte.
    {
        std::ofstream filler(OnCard("FILLER.BIN"), std::ios::binary);
        const std::string block(4096, 'x');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size()))) {
        }
    }
    {
        std::ofstream last(OnCard("FILL2.BIN"), std::ios::binary);
        while (last.put('x')) {
        }
    }

    settings.language = kEnglish;
    auto camera = Open<CCameraSetupDlg>();
    Retype(camera.get(), IDC_VIDEO_LENGTH, "42");
    Click(camera.get(), IDOK);
    ASSERT_EQ(platform.messages.size(), 1u);
    const std::string& message = platform.messages[0];
    EXPECT_EQ(message.rfind("The file " + OnCard("menu.dat") + " could not be written: ", 0), 0u) << message;
    EXPECT_NE(message.find(std::strerror(ENOSPC)), std::string::npos) << message;
    EXPECT_EQ(CardFiles(), before) << "the earlier files stay as they were";
    EXPECT_TRUE(Leftovers().empty());
    EXPECT_EQ(Inspect().first, 0);

    fs::remove(OnCard("FILLER.BIN"));
    fs::remove(OnCard("FILL2.BIN"));
    platform.messages.clear();
    Click(camera.get(), IDOK);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find(WrittenToText(kEnglish, OnCard("menu.dat"))), std::string::npos);
    EXPECT_NE(ReadBytes(OnCard("menu.dat")), before[0]) << "with room again the new settings are written";
}

TEST_F(RealCardTest, AReadOnlyCardSaysSoAndKeepsItsFiles) {
    GenerateAll();
    const std::vector<Bytes> before = CardFiles();
    Card("remount ro");
    const std::optional<Volume> found = SingleCameraCard(platform.MountedVolumes(), platform.MediaUser());
    ASSERT_TRUE(found.has_value());
    EXPECT_TRUE(found->readOnly);

    std::vector<std::string> shown = GenerateAll();
    ASSERT_EQ(shown.size(), 3u);
    const char* names[] = {"menu.dat", "setup.dat", "smtp.dat"};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(shown[i].rfind("The file " + OnCard(names[i]) + " could not be written: ", 0), 0u)
            << shown[i];
        EXPECT_NE(shown[i].find(std::strerror(EROFS)), std::string::npos) << shown[i];
    }
    EXPECT_EQ(CardFiles(), before);
    Card("remount rw");
}

TEST_F(RealCardTest, ACardTakenOutIsNamedAndNothingIsWrittenInItsEmptyFolder) {
    auto camera = Open<CCameraSetupDlg>();
    auto mms = Open<CMmsSetupDlg>();
    Retype(mms.get(), IDC_MMS_PHONE, "13800138000");
    ASSERT_EQ(camera->GetDlgItemText(IDC_OUTPUT_FOLDER), card);
    Card("unmount");
    ASSERT_TRUE(fs::is_directory(card)) << "the empty mount folder stays, as when a reader is unplugged";

    for (CDialog* dialog : {static_cast<CDialog*>(camera.get()), static_cast<CDialog*>(mms.get())}) {
        platform.messages.clear();
        Click(dialog, IDOK);
        EXPECT_EQ(platform.messages, std::vector<std::string>{CardGoneText(kEnglish, card)});
    }
    EXPECT_TRUE(NamesIn(card).empty()) << "nothing written onto the system disk";
    Card("remount rw");
}

// Run through tests/card/udev_record.sh ID_FS_TYPE=<format>, as the COMMAND of `fat_card.sh run --exfat`:
// udev's record names the format, as on a desktop where udev runs, and its word comes before the
// superblock's.
class UdevRecordedCardTest : public RealCardTest {
  protected:
    void SetUp() override {
        RealCardTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        const std::string record = Env("CORVANE_TEST_UDEV_RECORD");
        if (record.rfind("ID_FS_TYPE=", 0) != 0) {
            GTEST_SKIP() << "no udev record: run through tests/card/udev_record.sh ID_FS_TYPE=...";
        }
        udevFormat = record.substr(std::strlen("ID_FS_TYPE="));
    }

    std::string udevFormat;
};

TEST_F(UdevRecordedCardTest, TheFormatComesFromUdevAndDecidesWhetherTheDialogsStartOnTheCard) {
    ASSERT_EQ(Env("CORVANE_TEST_CARD_FORMAT"), "exfat")
        << "a fuseblk mount: run with fat_card.sh run --exfat";
    const std::vector<Volume> volumes = platform.MountedVolumes();
    const auto mounted = std::find_if(volumes.begin(), volumes.end(),
                                      [&](const Volume& volume) { return volume.rootPath == card; });
    ASSERT_NE(mounted, volumes.end());
    EXPECT_EQ(mounted->fileSystem, "fuseblk." + udevFormat);

    const std::optional<Volume> found = SingleCameraCard(volumes, platform.MediaUser());
    auto camera = Open<CCameraSetupDlg>();
    if (udevFormat == "exfat") {
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(found->rootPath, card);
        EXPECT_EQ(camera->GetDlgItemText(IDC_OUTPUT_FOLDER), card);
    } else {
        // An NTFS stick mounted by ntfs-3g looks the same in the mount table: not a camera card.
        ASSERT_EQ(udevFormat, "ntfs");
        EXPECT_FALSE(found.has_value()) << found->rootPath;
        EXPECT_EQ(camera->GetDlgItemText(IDC_OUTPUT_FOLDER), home.path());
    }
}

}  // namespace
}  // namespace corvane
