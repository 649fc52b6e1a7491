// Where the three setup dialogs write: the memory card when one is mounted, else the folder last written
// to, the folder browser's start, the path in the result message, and a card that went away. Driven as a
// user does, with the volumes the platform fake reports.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/files/write_sequence.h"
#include "core/l10n/card_texts.h"
#include "core/l10n/folder_texts.h"
#include "core/l10n/read_back_texts.h"
#include "dialogs/camera/camera_setup_dlg.h"
#include "dialogs/mms/mms_setup_dlg.h"
#include "dialogs/res/camera_templates.h"
#include "dialogs/res/mms_templates.h"
#include "dialogs/res/smtp_templates.h"
#include "dialogs/shell/setup_dialog.h"
#include "dialogs/smtp/smtp_setup_dlg.h"
#include "support/dialog_test_support.h"
#include "support/read_back_test_support.h"
#include "support/setup_dialog_kinds.h"

namespace corvane {
namespace {

using namespace corvane::testing;
namespace fs = std::filesystem;

// The three dialogs of the 8620 family.
using Kind = SetupDialogKind;
std::vector<Kind> Kinds() {
    return SetupDialogKinds(ModelFamily::k8620);
}

// A FAT card in a reader, mounted at `root`.
Volume CardAt(const std::string& root) {
    return {root,          "CAM01", "vfat", "/dev/sdb1", 8'000'000'000,
            7'000'000'000, false,   true,   true,        VolumeFormat::kFat};
}
Volume SystemDisk() {
    return {"/", "", "ext4", "/dev/sda2", 100'000'000'000, 1, false, false};
}

class OutputFolderTest : public SetupDialogTest<CSetupDialog> {
  protected:
    void SetUp() override {
        settings.model = 4;
        settings.language = kEnglish;
        platform.defaultOutputFolder = home.path();
    }
    void Open(const Kind& kind) {
        dialog = kind.open(settings, platform, fs);
        Show();
    }
    void Generate(const Kind& kind) {
        for (const auto& [id, text] : kind.passingForm) {
            Retype(id, text);
        }
        ClearMessages();
        Click(kind.generate);
    }

    TempFolder home;
    TempFolder card;  // the card's mount folder
    TempFolder other;
};

TEST_F(OutputFolderTest, TheFolderFieldStartsOnTheOnlyCardElseTheLastFolderElseHome) {
    TempFolder second;
    const std::string gone = other.path() + "/gone";
    struct Case {
        const char* what;
        std::vector<Volume> volumes;
        std::string lastFolder;  // "" = none remembered
        std::string start;
    };
    const Case cases[] = {
        {"one card", {SystemDisk(), CardAt(card.path())}, other.path(), card.path()},
        {"two cards: the last folder",
         {SystemDisk(), CardAt(card.path()), CardAt(second.path())},
         other.path(),
         other.path()},
        {"no card: the last folder", {SystemDisk()}, other.path(), other.path()},
        {"the last folder is gone: home", {SystemDisk()}, gone, home.path()},
        {"nothing remembered: home", {SystemDisk()}, "", home.path()},
    };
    for (const Kind& kind : Kinds()) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(kind.name) + ": " + c.what);
            platform.volumes = c.volumes;
            if (c.volumes.size() > 2) {
                platform.volumes.back().device = "/dev/sdc1";  // a second reader
            }
            platform.preferenceKey.texts.erase("LastFolder");
            if (!c.lastFolder.empty()) {
                platform.preferenceKey.texts["LastFolder"] = c.lastFolder;
            }
            Open(kind);
            EXPECT_EQ(Text(kind.folderField), c.start);
            EXPECT_EQ(dialog->StartFolder(), c.start);
        }
    }
}

TEST_F(OutputFolderTest, BrowserOpensAtTheFieldOrTheCardAndACancelGoesBackToTheStart) {
    for (const Kind& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        platform.volumes = {SystemDisk(), CardAt(card.path())};
        platform.folderStarts.clear();
        Open(kind);
        ASSERT_EQ(Text(kind.folderField), card.path());

        platform.folderAnswers = {other.path(), "", ""};
        Click(kind.folderButton);
        EXPECT_EQ(Text(kind.folderField), other.path());
        Retype(kind.folderField, QString::fromStdString(home.path()));
        Click(kind.folderButton);  // cancelled
        EXPECT_EQ(Text(kind.folderField), card.path()) << "back to the start folder, not home";
        Retype(kind.folderField, "");
        Click(kind.folderButton);  // cancelled
        platform.homeFolder = home.path();
        Retype(kind.folderField, "~/cards");
        Click(kind.folderButton);  // cancelled
        Retype(kind.folderField, "cards");
        Click(kind.folderButton);  // cancelled
        EXPECT_EQ(platform.folderStarts, (std::vector<std::string>{card.path(), home.path(), card.path(),
                                                                   home.path() + "/cards", card.path()}))
            << "the field's folder (~ in the home folder), or the card's root for an empty field, or the "
               "start "
               "for a relative folder";
    }
}

TEST_F(OutputFolderTest, TheResultNamesTheWrittenFileAndItsFolderIsRemembered) {
    for (const int32_t language : {kEnglish, kChinese, kGerman}) {
        for (const Kind& kind : Kinds()) {
            SCOPED_TRACE(std::string(kind.name) + " " + std::to_string(language));
            settings.language = language;
            platform.volumes = {SystemDisk()};
            platform.preferenceKey.texts.erase("LastFolder");
            Open(kind);
            Retype(kind.folderField, QString::fromStdString(other.path() + "/"));
            Generate(kind);
            ASSERT_EQ(platform.messages.size(), 1u);
            const std::string& message = platform.messages[0];
            const std::string pathLine = WrittenToText(language, other.path() + "/" + kind.fileName);
            EXPECT_EQ(message.substr(message.size() - pathLine.size()), pathLine) << message;
            EXPECT_EQ(message.find('\n'), message.size() - pathLine.size() - 1)
                << "the sentence, then the path";
            if (language != kChinese) {
                EXPECT_EQ(message, std::string(kind.sentence) + "\n" + pathLine);
            }
            EXPECT_TRUE(fs::exists(other.File(kind.fileName)));
            EXPECT_EQ(platform.preferences.ReadLastFolder(), other.path() + "/");
            EXPECT_EQ(platform.preferenceKey.numbers.count("language"), 0u) << "no other entry is touched";

            Open(kind);  // the next dialog opens where the last file went
            EXPECT_EQ(Text(kind.folderField), other.path() + "/");
        }
    }
}

TEST_F(OutputFolderTest, AFailedWriteIsNotRemembered) {
    for (const Kind& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        platform.preferenceKey.texts["LastFolder"] = other.path();
        Open(kind);
        Retype(kind.folderField, QString::fromStdString(home.path() + "/missing"));
        Generate(kind);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_NE(platform.messages[0].find(home.path() + "/missing/" + kind.fileName), std::string::npos);
        EXPECT_EQ(platform.preferences.ReadLastFolder(), other.path());
    }
}

// The card was the folder; it is pulled out and its mount folder stays behind on the system disk: Generate
// says so and writes nothing there, in every dialog. Put back, the same dialog writes onto it.
TEST_F(OutputFolderTest, ACardThatWentAwayIsNamedAndNothingIsWritten) {
    struct Case {
        const char* what;
        bool chosenInBrowser;
        int32_t language;
    };
    const Case cases[] = {
        {"opened on the card", false, kEnglish},
        {"card chosen in the browser", true, kEnglish},
        {"Chinese", false, kChinese},
        {"Japanese", true, kJapanese},
    };
    for (const Kind& kind : Kinds()) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(kind.name) + ": " + c.what);
            settings.language = c.language;
            platform.volumes = {SystemDisk()};
            if (!c.chosenInBrowser) {
                platform.volumes.push_back(CardAt(card.path()));
            }
            platform.preferenceKey.texts.erase("LastFolder");
            Open(kind);
            if (c.chosenInBrowser) {
                platform.volumes.push_back(CardAt(card.path()));
                platform.folderAnswers = {card.path()};
                Click(kind.folderButton);
            }
            ASSERT_EQ(Text(kind.folderField), card.path());

            platform.volumes = {SystemDisk()};
            Generate(kind);
            EXPECT_EQ(platform.messages, std::vector<std::string>{CardGoneText(c.language, card.path())});
            EXPECT_TRUE(NamesIn(card.path()).empty());
            EXPECT_FALSE(platform.preferences.ReadLastFolder().has_value());

            platform.volumes = {SystemDisk(), CardAt(card.path())};
            Generate(kind);
            ASSERT_EQ(platform.messages.size(), 1u);
            EXPECT_NE(platform.messages[0].find(WrittenToText(c.language, card.path() + "/" + kind.fileName)),
                      std::string::npos);
            EXPECT_EQ(NamesIn(card.path()), std::vector<std::string>{kind.fileName});
            fs::remove(card.File(kind.fileName));
        }
    }
}

// A card without room: the write error names the file and the full card, and the file already there stays.
// FUSE drivers report a full FAT card as anything from "no space" to "not permitted"; the free space the
// system reports decides before writing.
TEST_F(OutputFolderTest, AFullCardGivesTheWriteErrorAndKeepsThePreviousFile) {
    for (const int32_t language : {kEnglish, kChinese}) {
        for (const Kind& kind : Kinds()) {
            SCOPED_TRACE(std::string(kind.name) + " " + std::to_string(language));
            settings.language = language;
            const Bytes previous = {1, 2, 3};
            WriteBytes(card.File(kind.fileName), previous);
            Volume full = CardAt(card.path());
            full.bytesFree = 0;
            platform.volumes = {SystemDisk(), full};
            Open(kind);
            Generate(kind);
            const std::string target = card.path() + "/" + kind.fileName;
            EXPECT_EQ(platform.messages, std::vector<std::string>{DescribeWriteFailure(
                                             {target, card.path(), "free space", ENOSPC}, language)});
            EXPECT_NE(platform.messages.at(0).find(target), std::string::npos);
            EXPECT_EQ(ReadBytes(card.File(kind.fileName)), previous);
            EXPECT_EQ(NamesIn(card.path()), std::vector<std::string>{kind.fileName});

            platform.volumes.back().bytesFree = 1'000'000;  // room again
            Generate(kind);
            EXPECT_EQ(platform.messages.size(), 1u);
            EXPECT_NE(ReadBytes(card.File(kind.fileName)), previous);
            fs::remove(card.File(kind.fileName));
        }
    }
}

// The program's working folder is `folder` while it lives.
class WorkingFolder {
  public:
    explicit WorkingFolder(const std::string& folder) : saved_(fs::current_path()) {
        fs::current_path(folder);
    }
    ~WorkingFolder() { fs::current_path(saved_); }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

  private:
    fs::path saved_;
};

// A typed folder is a full path: "~" and "~/..." are the home folder, and the message and the remembered
// folder hold the full path. Anything else relative would hang on the program's working folder: it is
// refused with a message, by Generate and by Read file alike, and nothing is written, read or remembered.
TEST_F(OutputFolderTest, ATypedFolderIsAFullPathOrInTheHomeFolder) {
    TempFolder working;
    fs::create_directory(working.File("reldir"));
    fs::create_directory(working.File("~"));
    const WorkingFolder inWorking(working.path());
    fs::create_directory(home.File("cards"));
    platform.homeFolder = home.path();
    struct Case {
        const char* typed;
        std::string folder;  // where the file goes; "" = refused
    };
    const Case cases[] = {
        {"~/cards", home.path() + "/cards"},
        {"~", home.path()},
        {"reldir", ""},
        {"~cards", ""},
        {"./reldir", ""},
        {"", ""},
    };
    for (const int32_t language : {kEnglish, kChinese}) {
        for (const Kind& kind : Kinds()) {
            for (const Case& c : cases) {
                SCOPED_TRACE(std::string(kind.name) + ", '" + c.typed + "', " + std::to_string(language));
                settings.language = language;
                platform.volumes = {SystemDisk()};
                platform.preferenceKey.texts.erase("LastFolder");
                Open(kind);
                Retype(kind.folderField, c.typed);
                Generate(kind);
                if (c.folder.empty()) {
                    EXPECT_EQ(platform.messages,
                              std::vector<std::string>{FolderNotAbsoluteMessage(language, c.typed)});
                    EXPECT_FALSE(platform.preferences.ReadLastFolder().has_value());
                    ClearMessages();
                    Click(kind.read);
                    EXPECT_EQ(platform.messages,
                              std::vector<std::string>{FolderNotAbsoluteMessage(language, c.typed)});
                } else {
                    const std::string file = c.folder + "/" + kind.fileName;
                    ASSERT_EQ(platform.messages.size(), 1u);
                    const std::string pathLine = WrittenToText(language, file);
                    EXPECT_EQ(platform.messages[0].substr(platform.messages[0].size() - pathLine.size()),
                              pathLine);
                    EXPECT_TRUE(fs::exists(file));
                    EXPECT_EQ(platform.preferences.ReadLastFolder(), c.folder);
                    ClearMessages();
                    Click(kind.read);
                    EXPECT_EQ(platform.messages,
                              std::vector<std::string>{ReadBackDoneMessage(language, file)});
                    fs::remove(file);
                }
                EXPECT_TRUE(NamesIn(working.File("reldir")).empty()) << "nothing in the working folder";
                EXPECT_TRUE(NamesIn(working.File("~")).empty()) << "nothing in the working folder";
                EXPECT_EQ(NamesIn(working.path()), (std::vector<std::string>{"reldir", "~"}));
            }
        }
    }
}

// Read file with the card pulled out says that the card is gone, as Generate does, and changes nothing;
// with the card back it reads the file and says which file it read.
TEST_F(OutputFolderTest, ReadingFromACardThatWentAwaySaysSo) {
    for (const int32_t language : {kEnglish, kChinese, kFinnish}) {
        for (const Kind& kind : Kinds()) {
            SCOPED_TRACE(std::string(kind.name) + " " + std::to_string(language));
            settings.language = language;
            platform.volumes = {SystemDisk(), CardAt(card.path())};
            Open(kind);
            ASSERT_EQ(Text(kind.folderField), card.path());
            Generate(kind);  // a file on the card to read back later
            ASSERT_EQ(platform.messages.size(), 1u);
            const Bytes written = ReadBytes(card.File(kind.fileName));
            fs::remove(card.File(kind.fileName));  // what the empty mount folder holds

            Open(kind);
            const FormState before = Snapshot(dialog.get());
            platform.volumes = {SystemDisk()};
            ClearMessages();
            Click(kind.read);
            const std::string path = card.path() + "/" + kind.fileName;
            EXPECT_EQ(platform.messages, std::vector<std::string>{ReadBackRefusalMessage(
                                             language, path, ReadBackProblem::kCardGone, "")});
            EXPECT_EQ(Snapshot(dialog.get()), before);

            WriteBytes(card.File(kind.fileName), written);
            platform.volumes = {SystemDisk(), CardAt(card.path())};
            ClearMessages();
            Click(kind.read);
            EXPECT_EQ(platform.messages, std::vector<std::string>{ReadBackDoneMessage(language, path)});
            fs::remove(card.File(kind.fileName));
        }
    }
}

// The camera dialog's factory button: a card that went away leaves the form as it was.
TEST_F(OutputFolderTest, FactorySettingsOnACardThatWentAwayChangeNothing) {
    platform.volumes = {SystemDisk(), CardAt(card.path())};
    dialog = std::make_unique<CCameraSetupDlg>(ModelFamily::k8620, settings, platform, fs);
    Show();
    Retype(IDC_VIDEO_LENGTH, "42");
    platform.volumes = {SystemDisk()};
    Click(IDC_FACTORY_SETTINGS);
    EXPECT_EQ(platform.messages, std::vector<std::string>{CardGoneText(kEnglish, card.path())});
    EXPECT_EQ(Text(IDC_VIDEO_LENGTH), "42");
    EXPECT_TRUE(NamesIn(card.path()).empty());
}

}  // namespace
}  // namespace corvane
