// The Windows platform against the system it runs on (Wine in the build's tests): drives, folders, the
// language mapping, the clock and the test e-mail of this build. No test opens a modal window.
#include "platform/windows/windows_platform.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "core/files/output_folder.h"
#include "platform/volume_serial.h"
#include "platform/windows/drive_facts.h"
#include "platform/windows/system_language.h"

namespace corvane::platform {
namespace {

// A drive letter no drive uses now.
std::optional<char> UnusedDriveLetter() {
    const DWORD used = ::GetLogicalDrives();
    for (char letter = 'Z'; letter >= 'D'; --letter) {
        if ((used & (1u << (letter - 'A'))) == 0) {
            return letter;
        }
    }
    return std::nullopt;
}

class WindowsPlatformTest : public ::testing::Test {
  protected:
    WindowsPlatform platform{WindowIcon{}};
};

TEST_F(WindowsPlatformTest, ARootOfAMissingDriveIsAGoneCardAndNoFolder) {
    const std::optional<char> letter = UnusedDriveLetter();
    if (!letter) {
        GTEST_SKIP() << "every drive letter from D to Z is in use";
    }
    const std::string root = std::string(1, *letter) + ":\\";
    EXPECT_FALSE(platform.FolderExists(root));
    EXPECT_FALSE(platform.FolderExists(root + "DCIM"));
    EXPECT_TRUE(platform.IsMediaMountFolder(root));
    EXPECT_TRUE(platform.IsMediaMountFolder(std::string(1, static_cast<char>(*letter + ('a' - 'A'))) + ":/"));
    EXPECT_FALSE(platform.IsMediaMountFolder(root + "DCIM"));

    // What the setup dialog asks before it writes into a card's root chosen when the card was there.
    const std::vector<Volume> volumes = platform.MountedVolumes();
    EXPECT_TRUE(CardGone(volumes, root, root, platform.IsMediaMountFolder(root)));
    EXPECT_TRUE(CardGone(volumes, root, "", platform.IsMediaMountFolder(root))) << "typed by hand";
}

TEST_F(WindowsPlatformTest, ADriveThatGoesAwayLeavesAGoneCard) {
    const std::optional<char> letter = UnusedDriveLetter();
    if (!letter) {
        GTEST_SKIP() << "every drive letter from D to Z is in use";
    }
    // A drive letter for a folder stands for the card: there, then taken away.
    wchar_t temp[MAX_PATH] = {};
    ASSERT_GT(::GetTempPathW(MAX_PATH, temp), 0u);
    const std::wstring target =
        std::wstring(temp) + L"corvane-card-" + std::to_wstring(::GetCurrentProcessId());
    ASSERT_TRUE(::CreateDirectoryW(target.c_str(), nullptr) || ::GetLastError() == ERROR_ALREADY_EXISTS);
    const std::wstring device = std::wstring(1, static_cast<wchar_t>(*letter)) + L":";
    if (!::DefineDosDeviceW(0, device.c_str(), target.c_str())) {
        ::RemoveDirectoryW(target.c_str());
        GTEST_SKIP() << "this system lets no drive letter be defined for a folder";
    }
    const std::wstring wideRoot = device + L"\\";
    if (!DriveLetterInUse(*letter) || ::GetFileAttributesW(wideRoot.c_str()) == INVALID_FILE_ATTRIBUTES) {
        ::DefineDosDeviceW(DDD_REMOVE_DEFINITION, device.c_str(), nullptr);
        ::RemoveDirectoryW(target.c_str());
        GTEST_SKIP() << "a drive letter defined for a folder does not lead to the folder here (Wine)";
    }
    const std::string root = std::string(1, *letter) + ":\\";
    std::vector<Volume> volumes = platform.MountedVolumes();
    EXPECT_TRUE(
        std::any_of(volumes.begin(), volumes.end(), [&](const Volume& v) { return v.rootPath == root; }));
    EXPECT_TRUE(platform.FolderExists(root));
    EXPECT_FALSE(CardGone(volumes, root, root, platform.IsMediaMountFolder(root)));

    EXPECT_TRUE(::DefineDosDeviceW(DDD_REMOVE_DEFINITION, device.c_str(), nullptr));
    ::RemoveDirectoryW(target.c_str());
    volumes = platform.MountedVolumes();
    EXPECT_FALSE(
        std::any_of(volumes.begin(), volumes.end(), [&](const Volume& v) { return v.rootPath == root; }));
    EXPECT_FALSE(platform.FolderExists(root));
    EXPECT_TRUE(platform.IsMediaMountFolder(root));
    EXPECT_TRUE(CardGone(volumes, root, root, platform.IsMediaMountFolder(root)));
}

TEST_F(WindowsPlatformTest, TheSystemDriveIsListedAndStaysAFolder) {
    // On a busy machine the first answer can come after the window's time limit: read until it is there.
    std::vector<Volume> volumes;
    std::vector<Volume>::const_iterator system;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    do {
        volumes = platform.MountedVolumes();
        system = std::find_if(volumes.begin(), volumes.end(),
                              [](const Volume& volume) { return volume.rootPath == "C:\\"; });
    } while ((system == volumes.end() || !system->ready) && std::chrono::steady_clock::now() < deadline);
    ASSERT_NE(system, volumes.end());
    EXPECT_TRUE(system->ready);
    EXPECT_FALSE(system->removable);
    EXPECT_FALSE(system->fileSystem.empty());
    EXPECT_GT(system->bytesTotal, 0u);
    EXPECT_TRUE(platform.FolderExists("C:\\"));
    EXPECT_TRUE(platform.FolderExists("c:/windows"));
    EXPECT_FALSE(platform.IsMediaMountFolder("C:\\")) << "a fixed drive in use";
    EXPECT_FALSE(CardGone(volumes, "C:\\", "", platform.IsMediaMountFolder("C:\\")));
    EXPECT_FALSE(platform.FolderExists("C:\\windows\\win.ini")) << "a file is no folder";
    EXPECT_FALSE(platform.FolderExists(""));

    // Asked again at once, a drive answers from a fresh question.
    EXPECT_EQ(platform.MountedVolumes().size(), volumes.size());
}

TEST(DriveSerialTest, SerialNumberOfADriveAsWindowsShowsIt) {
    const std::string serial = VolumeSerialNumber("\\\\.\\C:");
    ASSERT_EQ(serial.size(), 9u) << serial;
    EXPECT_EQ(serial[4], '-');
    EXPECT_EQ(serial.find_first_not_of("0123456789ABCDEF-"), std::string::npos) << serial;
    EXPECT_EQ(VolumeSerialNumber("C:\\"), serial);
    if (const std::optional<char> letter = UnusedDriveLetter()) {
        EXPECT_EQ(VolumeSerialNumber(std::string("\\\\.\\") + *letter + ':'), "");
    }
    EXPECT_EQ(VolumeSerialNumber("/dev/sdb1"), "");
}

TEST_F(WindowsPlatformTest, HomeIsTheUsersProfileFolder) {
    const std::string home = platform.HomeFolder();
    EXPECT_FALSE(home.empty());
    EXPECT_TRUE(platform.FolderExists(home));
    EXPECT_EQ(platform.DefaultOutputFolder(), home);
    EXPECT_TRUE(AbsoluteFolder("~\\cards", home).has_value()) << home;
}

TEST_F(WindowsPlatformTest, LocalClock) {
    SYSTEMTIME before{};
    ::GetLocalTime(&before);
    const LocalTime now = platform.Now();
    EXPECT_GE(now.year, before.wYear);
    EXPECT_GE(now.month, 1);
    EXPECT_LE(now.month, 12);
    EXPECT_GE(now.day, 1);
    EXPECT_LE(now.day, 31);
    EXPECT_LE(now.hour, 23);
    EXPECT_LE(now.minute, 59);
    EXPECT_LE(now.second, 60);
}

TEST(SystemLanguageTest, WindowsLanguagesMapAsLocaleNamesDo) {
    struct Case {
        uint16_t windowsLanguage;
        uint16_t expected;
    };
    const Case cases[] = {
        {0x0804, 0x0804},  // Chinese (PRC)
        {0x0404, 0x0404},  // Chinese (Taiwan)
        {0x1407, 0x1407},  // German (Liechtenstein)
        {0x0407, 0x0407},  // German (Germany)
        {0x0807, 0x0807},  // German (Switzerland)
        {0x0409, 0x0409},  // English (United States)
        {0x0809, 0x0809},  // English (United Kingdom)
        {0x0411, 0x0411},  // Japanese
        {0x040C, 0x040C},  // French (France)
        {0x0405, 0x0405},  // Czech
        {0x0424, 0x0424},  // Slovenian
        {0x0C07, 0x0C07},  // German (Austria)
        {0x0419, 0x0419},  // Russian
        {0x0408, 0x0409},  // Greek: not among the mapped languages
        {0x0000, 0x0409},  // none
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.windowsLanguage);
        EXPECT_EQ(LanguageIdOfWindowsLanguage(c.windowsLanguage), c.expected);
    }
}

TEST(SystemLanguageTest, ProgramLanguagesAsWindowsLanguages) {
    EXPECT_EQ(WindowsLanguageOfProgramLanguage(1), 0x0804);
    EXPECT_EQ(WindowsLanguageOfProgramLanguage(2), 0x0409);
    EXPECT_EQ(WindowsLanguageOfProgramLanguage(3), 0x0407);
    EXPECT_EQ(WindowsLanguageOfProgramLanguage(10), 0x0411);
    EXPECT_EQ(WindowsLanguageOfProgramLanguage(0), 0);
    EXPECT_EQ(WindowsLanguageOfProgramLanguage(11), 0);
}

}  // namespace
}  // namespace corvane::platform
