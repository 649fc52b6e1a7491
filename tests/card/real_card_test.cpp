// The setup dialogs on a real FAT, FAT32 or exFAT memory card: run through tests/card/fat_card.sh, which
// mounts an image in this user's media folder and tells where. The dialogs see the system's real volumes;
// their messages are recorded as in every dialog test.
#include <signal.h>
#include <sys/statvfs.h>

#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>
#include <QTest>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "core/files/output_folder.h"
#include "core/l10n/card_texts.h"
#include "dialogs/camera/camera_setup_dlg.h"
#include "dialogs/mms/mms_setup_dlg.h"
#include "dialogs/res/camera_templates.h"
#include "dialogs/res/mms_templates.h"
#include "dialogs/res/smtp_templates.h"
#include "dialogs/smtp/smtp_setup_dlg.h"
#include "platform/linux/posix_file_system.h"
#include "platform/mounted_volumes.h"
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
    bool IsMediaMountFolder(const std::string& folder) override {
        return platform::IsMediaMountFolder(folder, MediaUser());
    }
    static std::string MediaUser() { return platform::CurrentUserName(); }
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
    // How each card format shows in the mount table; exfat-fuse mounts as plain "fuseblk", and the format
    // comes from the device.
    const std::map<std::string, std::set<std::string>> mountedAs = {
        {"fat", {"vfat", "fuse.fusefat"}},
        {"fat32", {"vfat", "fuse.fusefat"}},
        {"exfat", {"fuseblk.exfat"}},
    };
    const std::vector<Volume> volumes = platform.MountedVolumes();
    const std::optional<Volume> found = SingleCameraCard(volumes);
    ASSERT_TRUE(found.has_value()) << "one camera card among " << volumes.size() << " volumes";
    EXPECT_EQ(found->rootPath, card);
    ASSERT_EQ(mountedAs.count(Env("CORVANE_TEST_CARD_FORMAT")), 1u) << Env("CORVANE_TEST_CARD_FORMAT");
    EXPECT_EQ(mountedAs.at(Env("CORVANE_TEST_CARD_FORMAT")).count(found->fileSystem), 1u)
        << found->fileSystem;
    EXPECT_EQ(found->format,
              Env("CORVANE_TEST_CARD_FORMAT") == "exfat" ? VolumeFormat::kExFat : VolumeFormat::kFat);
    EXPECT_TRUE(found->inUserMedia);
    EXPECT_EQ(found->device, Env("CORVANE_TEST_CARD_DEVICE"));
    EXPECT_EQ(found->label, fs::path(card).filename().string());
    EXPECT_TRUE(found->ready);
    EXPECT_FALSE(found->readOnly);
    // The size its driver reports, whatever it is: fusefat reports none for FAT32.
    struct statvfs space {};
    ASSERT_EQ(statvfs(card.c_str(), &space), 0) << std::strerror(errno);
    EXPECT_EQ(found->bytesTotal, static_cast<uint64_t>(space.f_blocks) * space.f_frsize);
    if (found->bytesTotal > 0) {
        EXPECT_GT(found->bytesTotal, 3'000'000u);
        EXPECT_GT(found->bytesFree, 0u);
        EXPECT_LE(found->bytesFree, found->bytesTotal);
    }
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
    // The free space the driver reports decides before writing; a driver that reports none (fusefat on
    // FAT32) gives its own reason when the write fails.
    const std::optional<Volume> full = SingleCameraCard(platform.MountedVolumes());
    ASSERT_TRUE(full.has_value());
    if (full->bytesTotal > 0) {
        EXPECT_NE(message.find(std::strerror(ENOSPC)), std::string::npos) << message;
    }
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
    const std::optional<Volume> found = SingleCameraCard(platform.MountedVolumes());
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

    const std::optional<Volume> found = SingleCameraCard(volumes);
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

// Calls `rescue` when Done has not been called within `deadline`: a test that waits for a stopped driver
// then fails instead of hanging.
class Watchdog {
  public:
    Watchdog(std::chrono::seconds deadline, std::function<void()> rescue)
        : thread_([this, deadline, rescue = std::move(rescue)] {
              std::unique_lock lock(mutex_);
              if (!doneSignal_.wait_for(lock, deadline, [this] { return done_; })) {
                  fired_ = true;
                  rescue();
              }
          }) {}
    ~Watchdog() {
        Done();
        thread_.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    void Done() {
        const std::lock_guard lock(mutex_);
        done_ = true;
        doneSignal_.notify_all();
    }
    bool Fired() {
        const std::lock_guard lock(mutex_);
        return fired_;
    }

  private:
    std::mutex mutex_;
    std::condition_variable doneSignal_;
    bool done_ = false;
    bool fired_ = false;
    std::thread thread_;
};

// Run through tests/card/stalled_mounts.sh, as the COMMAND of `fat_card.sh run`: beside the card, two FAT
// volumes whose FUSE driver the test stops, as a hung driver or network mount; one in the media folder,
// where it is a second card while it answers, one elsewhere.
class StalledDriverTest : public RealCardTest {
  protected:
    void SetUp() override {
        RealCardTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        stalledCard = Env("CORVANE_TEST_STALL_MEDIA");
        stalledOther = Env("CORVANE_TEST_STALL_OTHER");
        drivers = {std::atoi(Env("CORVANE_TEST_STALL_MEDIA_PID").c_str()),
                   std::atoi(Env("CORVANE_TEST_STALL_OTHER_PID").c_str())};
        if (stalledCard.empty() || stalledOther.empty() || drivers[0] <= 0 || drivers[1] <= 0) {
            GTEST_SKIP() << "no stalled mounts: run through tests/card/stalled_mounts.sh";
        }
    }
    void TearDown() override { Signal(SIGCONT); }

    void Signal(int signal) {
        for (const pid_t driver : drivers) {
            ASSERT_EQ(kill(driver, signal), 0) << driver << ": " << std::strerror(errno);
        }
    }

    // A stop signal takes effect when the driver is next scheduled; until then it may still answer.
    static bool AllThreadsStopped(pid_t process) {
        std::error_code error;
        bool any = false;
        for (const fs::directory_entry& task :
             fs::directory_iterator("/proc/" + std::to_string(process) + "/task", error)) {
            std::ifstream statFile(task.path() / "stat");
            std::string stat;
            std::getline(statFile, stat);
            // pid (name) STATE ...: the name may hold spaces and parentheses, the state follows the last ')'.
            const std::size_t close = stat.rfind(')');
            if (close == std::string::npos || close + 2 >= stat.size() || stat[close + 2] != 'T') {
                return false;
            }
            any = true;
        }
        return any && !error;
    }

    void Stop() {
        Signal(SIGSTOP);
        for (const pid_t driver : drivers) {
            ASSERT_TRUE(QTest::qWaitFor([driver] { return AllThreadsStopped(driver); }, 10000)) << driver;
        }
    }

    static const Volume* MountedAt(const std::vector<Volume>& volumes, const std::string& folder) {
        const auto found = std::find_if(volumes.begin(), volumes.end(),
                                        [&](const Volume& volume) { return volume.rootPath == folder; });
        return found != volumes.end() ? &*found : nullptr;
    }

    std::string stalledCard;
    std::string stalledOther;
    std::vector<pid_t> drivers;
};

TEST_F(StalledDriverTest, AStoppedDriverHoldsNothingUpAndItsVolumeIsNotReady) {
    // While it answers, the volume in the media folder is a card too: no single card to start on.
    ASSERT_EQ(CameraCards(platform.MountedVolumes()).size(), 2u);

    Stop();
    std::vector<Volume> volumes;
    std::string startFolder;
    std::vector<std::string> shown;
    {
        Watchdog watchdog(std::chrono::seconds(30), [this] { Signal(SIGCONT); });
        volumes = platform.MountedVolumes();
        auto camera = Open<CCameraSetupDlg>();
        startFolder = camera->GetDlgItemText(IDC_OUTPUT_FOLDER);
        Click(camera.get(), IDOK);
        shown = platform.messages;
        watchdog.Done();
        ASSERT_FALSE(watchdog.Fired()) << "reading the volumes waited for a stopped driver";
    }

    const Volume* stalled = MountedAt(volumes, stalledCard);
    ASSERT_NE(stalled, nullptr) << "still mounted, so listed";
    EXPECT_FALSE(stalled->ready);
    EXPECT_TRUE(CanBeCameraCard(*stalled));
    EXPECT_FALSE(IsCameraCard(*stalled));
    EXPECT_NE(MountedAt(volumes, stalledOther), nullptr);
    const Volume* live = MountedAt(volumes, card);
    ASSERT_NE(live, nullptr);
    EXPECT_TRUE(live->ready);
    // The card that answers is the only one to start on and to write to.
    EXPECT_EQ(startFolder, card);
    EXPECT_EQ(shown, std::vector<std::string>{"Vyn 8620 Configuration file is generated\n" +
                                              WrittenToText(kEnglish, OnCard("menu.dat"))});

    // Once its driver goes on, the volume answers again and is a card once more.
    Signal(SIGCONT);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const std::vector<Volume> now = platform.MountedVolumes();
            const Volume* again = MountedAt(now, stalledCard);
            return again != nullptr && again->ready;
        },
        10000));
    EXPECT_EQ(CameraCards(platform.MountedVolumes()).size(), 2u);
}

}  // namespace
}  // namespace corvane
