#include "platform/linux/ini_preference_key.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace corvane::platform {
namespace {

namespace fs = std::filesystem;

class IniPreferenceKeyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "corvane-prefs-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        path_ = (dir_ / "Corvane" / "Corvane.conf").string();
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, ec);
        fs::remove_all(dir_, ec);
    }

    void WriteFile(const std::string& content) {
        fs::create_directories(fs::path(path_).parent_path());
        std::ofstream(path_, std::ios::binary | std::ios::trunc) << content;
    }
    std::string ReadFile() const {
        std::ifstream in(path_, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

    fs::path dir_;
    std::string path_;
};

TEST_F(IniPreferenceKeyTest, MissingFileIsAMissingKeyThatCreateMakesEmpty) {
    IniPreferenceKey key(path_);
    EXPECT_FALSE(key.Open());
    EXPECT_EQ(key.ReadNumber("language"), std::nullopt);
    EXPECT_FALSE(key.WriteNumber("language", 2));
    EXPECT_FALSE(fs::exists(path_)) << "a write never creates the key";

    EXPECT_TRUE(key.Create());
    EXPECT_TRUE(key.Open());
    EXPECT_EQ(ReadFile(), "");
    EXPECT_TRUE(key.WriteNumber("language", 2));
    EXPECT_TRUE(key.WriteText("Company", "Acme Co., Ltd."));
    EXPECT_EQ(ReadFile(), "language=2\nCompany=Acme Co., Ltd.\n");

    // Creating again leaves an existing file alone.
    EXPECT_TRUE(key.Create());
    EXPECT_EQ(key.ReadNumber("language"), 2u);
}

TEST_F(IniPreferenceKeyTest, DamagedFilesGiveUnreadableValuesAndKeepTheRestOnWrite) {
    const struct {
        const char* what;
        std::string content;
        std::optional<uint32_t> language, model, tvMode;
    } cases[] = {
        {"well formed", "language=3\nmodel=4\nTvMode=1\nCompany=X\n", 3u, 4u, 1u},
        {"truncated mid-line", "language=3\nmodel=4\nTvMo", 3u, 4u, std::nullopt},
        {"truncated mid-value", "language=3\nmodel=", 3u, std::nullopt, std::nullopt},
        {"wider than 32 bits", "language=4294967298\nmodel=4294967295\n", std::nullopt, 0xFFFFFFFFu,
         std::nullopt},
        {"not numbers", "language=two\nmodel=-1\nTvMode=0x1\n", std::nullopt, std::nullopt, std::nullopt},
        {"binary garbage", std::string("\x89PNG\r\n\x1a\n\0\0\nmodel=2\n\xff\xfe", 21), std::nullopt, 2u,
         std::nullopt},
        {"empty", "", std::nullopt, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFile(c.content);
        IniPreferenceKey key(path_);
        EXPECT_TRUE(key.Open());
        EXPECT_EQ(key.ReadNumber("language"), c.language);
        EXPECT_EQ(key.ReadNumber("model"), c.model);
        EXPECT_EQ(key.ReadNumber("TvMode"), c.tvMode);

        ASSERT_TRUE(key.WriteNumber("TvMode", 7));
        EXPECT_EQ(key.ReadNumber("TvMode"), 7u);
        EXPECT_EQ(key.ReadNumber("language"), c.language);
        EXPECT_EQ(key.ReadNumber("model"), c.model);
        // Every byte before the old TvMode line survives.
        const std::string after = ReadFile();
        const size_t tv = c.content.find("TvMode=");
        const std::string expectedKept = tv == std::string::npos ? c.content : c.content.substr(0, tv);
        EXPECT_EQ(after.substr(0, expectedKept.size()), expectedKept);
    }
}

TEST_F(IniPreferenceKeyTest, FilesThatAreNotPlainSmallFilesAreNeverRewritten) {
    // A folder in place of the file: the key cannot be opened or created.
    fs::create_directories(path_);
    IniPreferenceKey key(path_);
    EXPECT_FALSE(key.Open());
    EXPECT_FALSE(key.Create());
    EXPECT_FALSE(key.WriteNumber("model", 2));
    EXPECT_TRUE(fs::is_directory(path_));
    fs::remove(path_);

    // Something far too large to be ours: values unreadable, nothing written.
    std::string huge(1 << 20, 'x');
    huge += "\nmodel=2\n";
    WriteFile(huge);
    EXPECT_EQ(key.ReadNumber("model"), std::nullopt);
    EXPECT_FALSE(key.WriteNumber("model", 3));
    EXPECT_EQ(ReadFile(), huge);
}

TEST_F(IniPreferenceKeyTest, WritesGoThroughASymbolicLinkToItsTarget) {
    const fs::path real = dir_ / "dotfiles" / "corvane.conf";
    fs::create_directories(real.parent_path());
    std::ofstream(real) << "model=1\n";
    fs::create_directories(fs::path(path_).parent_path());
    fs::create_symlink(real, path_);

    IniPreferenceKey key(path_);
    EXPECT_TRUE(key.WriteNumber("model", 3));
    EXPECT_TRUE(fs::is_symlink(path_));
    EXPECT_EQ(ReadFile(), "model=3\n");
}

TEST_F(IniPreferenceKeyTest, TextsThatWouldNotReadBackAreRefused) {
    WriteFile("model=1\n");
    IniPreferenceKey key(path_);
    EXPECT_FALSE(key.WriteText("Company", "two\nlines"));
    EXPECT_FALSE(key.WriteText("Company", " padded "));
    EXPECT_EQ(ReadFile(), "model=1\n");
}

TEST_F(IniPreferenceKeyTest, HeldWritesReachTheFileTogetherAtRelease) {
    WriteFile("# kept\nmodel=1\n");
    const fs::file_time_type before = fs::last_write_time(path_);
    IniPreferenceKey key(path_);
    key.HoldWrites();
    EXPECT_TRUE(key.WriteNumber("language", 3));
    EXPECT_TRUE(key.WriteNumber("model", 4));
    EXPECT_TRUE(key.WriteText("Company", "X"));
    EXPECT_EQ(key.ReadNumber("model"), 4u) << "reads see held writes";
    EXPECT_EQ(key.ReadText("Company"), "X");
    EXPECT_EQ(ReadFile(), "# kept\nmodel=1\n") << "nothing written while held";
    EXPECT_EQ(fs::last_write_time(path_), before);

    EXPECT_TRUE(key.ReleaseWrites());
    EXPECT_EQ(ReadFile(), "# kept\nmodel=4\nlanguage=3\nCompany=X\n");
    EXPECT_TRUE(key.ReleaseWrites()) << "nothing held: nothing to do";

    // After the release every write goes to the file at once again.
    EXPECT_TRUE(key.WriteNumber("TvMode", 1));
    EXPECT_EQ(ReadFile(), "# kept\nmodel=4\nlanguage=3\nCompany=X\nTvMode=1\n");
}

TEST_F(IniPreferenceKeyTest, HeldWritesToAMissingKeyAreRefusedAndReleaseWritesNothing) {
    IniPreferenceKey key(path_);
    key.HoldWrites();
    EXPECT_FALSE(key.WriteNumber("language", 2));
    EXPECT_TRUE(key.ReleaseWrites());
    EXPECT_FALSE(fs::exists(path_));
}

// Folders hold any character a file name may: they read back exactly, beside the other entries.
TEST_F(IniPreferenceKeyTest, FolderNamesReadBackAsWritten) {
    WriteFile("language=9\nmodel=3\n");
    IniPreferenceKey key(path_);
    for (const std::string folder : {"/media/alice/CAM 01", "/mnt/a=b;c#d", "/media/алиса/カード", "E:\\"}) {
        EXPECT_TRUE(key.WriteText("LastFolder", folder)) << folder;
        EXPECT_EQ(key.ReadText("LastFolder"), folder);
        EXPECT_EQ(key.ReadNumber("language"), 9u);
        EXPECT_EQ(key.ReadNumber("model"), 3u);
    }
    EXPECT_EQ(ReadFile(), "language=9\nmodel=3\nLastFolder=E:\\\n");
}

// Read-only file in a read-only folder, checked as an unprivileged user (a child process drops root so
// the permissions actually hold).
TEST_F(IniPreferenceKeyTest, ReadOnlyFileIsReadButNeverChangedOrLost) {
    const std::string content = "language=9\nmodel=3\nTvMode=1\n";
    WriteFile(content);
    fs::permissions(path_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const fs::perms readOnlyDir = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                  fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec;
    fs::permissions(fs::path(path_).parent_path(), readOnlyDir);
    fs::permissions(dir_, readOnlyDir);

    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            ::_exit(10);
        }
        IniPreferenceKey key(path_);
        int failures = 0;
        failures += key.Open() ? 0 : 1;
        failures += key.ReadNumber("language") == 9u ? 0 : 2;
        failures += key.WriteNumber("language", 2) ? 4 : 0;
        failures += key.WriteText("Company", "X") ? 8 : 0;
        ::_exit(failures);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "bits: 1 open, 2 read, 4 write accepted, 8 text write accepted";
    EXPECT_EQ(ReadFile(), content);
    EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(path_).parent_path()), fs::directory_iterator()),
              1)
        << "no temporary file left behind";
}

TEST(PreferenceFilePath, XdgConfigHomeWhenAbsoluteElseHomeConfig) {
    const char* savedXdg = std::getenv("XDG_CONFIG_HOME");
    const char* savedHome = std::getenv("HOME");
    const std::string xdg = savedXdg ? savedXdg : "";
    const std::string home = savedHome ? savedHome : "";

    setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
    setenv("HOME", "/home/ann", 1);
    EXPECT_EQ(PreferenceFilePath(), "/tmp/cfg/Corvane/Corvane.conf");
    setenv("XDG_CONFIG_HOME", "relative/cfg", 1);
    EXPECT_EQ(PreferenceFilePath(), "/home/ann/.config/Corvane/Corvane.conf");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(PreferenceFilePath(), "/home/ann/.config/Corvane/Corvane.conf");
    unsetenv("HOME");
    EXPECT_EQ(PreferenceFilePath(), "");

    savedXdg ? setenv("XDG_CONFIG_HOME", xdg.c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
    savedHome ? setenv("HOME", home.c_str(), 1) : unsetenv("HOME");
}

}  // namespace
}  // namespace corvane::platform
