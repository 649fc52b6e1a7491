// What every setup dialog does the same way, run for the camera, MMS and e-mail dialogs of both families:
// leaving by Exit, Escape or the close box, the folder field and its button, and a write that fails.
// Driven as a user does, on the platform fake and real files in temporary folders.
#include <gtest/gtest.h>

#include <QString>
#include <filesystem>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "core/l10n/language.h"
#include "dialogs/shell/setup_dialog.h"
#include "support/dialog_test_support.h"
#include "support/fault_injecting_file_system.h"
#include "support/setup_dialog_kinds.h"

namespace corvane {
namespace {

using namespace corvane::testing;

// Which dialog (its place in SetupDialogKinds) of which family.
using Param = std::tuple<std::size_t, ModelFamily>;

class EverySetupDialogTest : public SetupDialogTest<CSetupDialog>,
                             public ::testing::WithParamInterface<Param> {
  protected:
    EverySetupDialogTest() : kind(SetupDialogKinds(std::get<1>(GetParam())).at(std::get<0>(GetParam()))) {}

    // Opens the dialog on the test's folder, writing through `fileSystem` (the real one when none).
    void Open(int32_t language = kEnglish, FileSystem* fileSystem = nullptr) {
        const ModelFamily family = std::get<1>(GetParam());
        platform.defaultOutputFolder = folder.path();
        platform.preferenceKey.texts.erase("LastFolder");
        settings.language = language;
        settings.model = family == ModelFamily::k8620 ? 4 : 3;
        dialog = kind.open(settings, platform, fileSystem ? *fileSystem : fs);
        Show();
    }
    void FillPassingForm() {
        for (const auto& [id, text] : kind.passingForm) {
            Retype(id, text);
        }
    }
    Bytes File() const { return ReadBytes(folder.File(kind.fileName)); }

    const SetupDialogKind kind;
};

TEST_P(EverySetupDialogTest, ExitButtonEscapeAndCloseBoxEndWithCancel) {
    for (Leaving how : kEveryWayOut) {
        SCOPED_TRACE(static_cast<int>(how));
        Open();
        FillPassingForm();
        Leave(how, kind.escapeField);
        ExpectCancelledWithoutWriting(kind.fileName);
    }
}

TEST_P(EverySetupDialogTest, FolderButtonTakesTheBrowsersChoiceOrTheDefault) {
    TempFolder other;
    Open();
    FillPassingForm();
    Retype(kind.keptField, kind.keptTyped);
    platform.folderAnswers = {other.path(), ""};
    Click(kind.folderButton);
    EXPECT_EQ(Text(kind.folderField), other.path());
    EXPECT_EQ(Text(kind.keptField), kind.keptShown) << "the refresh shows the stored values";
    Click(kind.generate);
    EXPECT_EQ(ReadBytes(other.File(kind.fileName)).size(), kind.fileSize);
    EXPECT_FALSE(std::filesystem::exists(folder.File(kind.fileName)));

    Click(kind.folderButton);  // cancelled
    EXPECT_EQ(Text(kind.folderField), folder.path());
    EXPECT_EQ(platform.folderRequests, 2);
}

// A typed folder is where each writing button writes, even when nothing read the form since.
TEST_P(EverySetupDialogTest, TypedFolderIsWhereTheFileGoes) {
    for (int button : kind.writeButtons) {
        SCOPED_TRACE(button);
        TempFolder typed;
        Open();
        FillPassingForm();
        Retype(kind.folderField, QString::fromStdString(typed.path()));
        ClearMessages();
        Click(button);
        EXPECT_EQ(NamesIn(typed.path()), std::vector<std::string>{kind.fileName});
        EXPECT_EQ(ReadBytes(typed.File(kind.fileName)).size(), kind.fileSize);
        EXPECT_FALSE(std::filesystem::exists(folder.File(kind.fileName)));
        EXPECT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(Text(kind.folderField), typed.path()) << "the field still shows where the file went";
        std::filesystem::remove(typed.File(kind.fileName));
        Click(kind.generate);
        EXPECT_EQ(ReadBytes(typed.File(kind.fileName)).size(), kind.fileSize);
    }
}

TEST_P(EverySetupDialogTest, WriteIntoAMissingFolderShowsTheErrorAndNoSuccess) {
    for (int32_t language : {kEnglish, kChinese}) {
        for (int button : kind.writeButtons) {
            SCOPED_TRACE(std::to_string(language) + ", button " + std::to_string(button));
            Open(language);
            FillPassingForm();
            const std::string missing = folder.path() + "/no-such-folder";
            Retype(kind.folderField, QString::fromStdString(missing));
            ClearMessages();
            Click(button);
            ASSERT_EQ(platform.messages.size(), 1u);
            EXPECT_NE(platform.messages[0].find(kind.fileName), std::string::npos) << platform.messages[0];
            EXPECT_EQ(platform.messages[0].find("generated"), std::string::npos) << platform.messages[0];
            EXPECT_EQ(platform.messages[0].find("已生成"), std::string::npos) << platform.messages[0];
            EXPECT_FALSE(std::filesystem::exists(missing));
        }
    }
}

// Each step of a write fails in turn: the message says so and the previous file stays, except where the
// write rightly goes on without the step.
TEST_P(EverySetupDialogTest, WriteFailureAtEachStepShowsTheErrorAndKeepsThePreviousFile) {
    // The file of the changed form, then the previous file, learning the steps of a clean run.
    Open();
    FillPassingForm();
    Retype(kind.changedField, kind.changedText);
    Click(kind.generate);
    const Bytes changed = File();
    FaultInjectingFileSystem counting(fs);
    Open(kEnglish, &counting);
    FillPassingForm();
    Click(kind.generate);
    dialog.reset();
    const Bytes previous = File();
    ASSERT_EQ(previous.size(), kind.fileSize);
    ASSERT_NE(changed, previous);
    const int steps = counting.operationCount();
    ASSERT_GT(steps, 5);

    for (int step = 1; step <= steps; ++step) {
        const std::string& operation = counting.log().at(static_cast<std::size_t>(step - 1));
        SCOPED_TRACE(std::to_string(step) + ": " + operation);
        FaultInjectingFileSystem failing(fs);
        failing.FailAt(step);
        Open(kEnglish, &failing);
        FillPassingForm();
        Retype(kind.changedField, kind.changedText);
        ClearMessages();
        Click(kind.generate);
        dialog.reset();  // before the file system it writes through
        ASSERT_EQ(platform.messages.size(), 1u);
        if (WriteSurvivesFailureOf(operation)) {
            EXPECT_EQ(platform.messages[0], WrittenMessage(kind.sentence, kind.fileName));
            EXPECT_EQ(File(), changed);
            EXPECT_EQ(NamesIn(folder.path()), std::vector<std::string>{kind.fileName});
            ASSERT_TRUE(WriteBytes(folder.File(kind.fileName), previous));  // for the next steps
            continue;
        }
        EXPECT_EQ(platform.messages[0].find("generated"), std::string::npos) << platform.messages[0];
        const Bytes file = File();
        if (operation.rfind("sync folder", 0) == 0) {
            // Once the new file has replaced the old one, only which of the two the medium keeps is open.
            EXPECT_TRUE(file == previous || file == changed);
            ASSERT_TRUE(WriteBytes(folder.File(kind.fileName), previous));
        } else {
            EXPECT_EQ(file, previous);
        }
        EXPECT_EQ(NamesIn(folder.path()), std::vector<std::string>{kind.fileName});
    }
}

std::string ParamName(const ::testing::TestParamInfo<Param>& info) {
    const ModelFamily family = std::get<1>(info.param);
    const std::string name = SetupDialogKinds(family).at(std::get<0>(info.param)).name;
    return (name == "e-mail" ? std::string("email") : name) + "_" + Name(family);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, EverySetupDialogTest,
                         ::testing::Combine(::testing::Values(std::size_t{0}, std::size_t{1}, std::size_t{2}),
                                            ::testing::ValuesIn(kBoth)),
                         ParamName);

}  // namespace
}  // namespace corvane
