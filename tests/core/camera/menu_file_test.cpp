#include "core/camera/menu_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "core/camera/menu_record.h"
#include "core/models/app_settings.h"
#include "support/fault_injecting_file_system.h"
#include "support/real_file_system.h"
#include "support/test_folders.h"

namespace corvane {
namespace {

using namespace corvane::testing;

constexpr const char* k8620Normal = "Vyn 8620 Configuration file is generated";
constexpr const char* k8620NormalZh = "Vyn 8620 相机菜单设置文件已经生成";
constexpr const char* k8620Factory = "Vyn 8620 Camera menu factory settings file has been generated";
constexpr const char* k8620FactoryZh = "Vyn 8620 相机菜单出厂设置文件已经生成";
constexpr const char* k8520Normal = "Vyn 8520 Configuration file is generated";
constexpr const char* k8520NormalZh = "Vyn 8520 相机菜单设置文件已经生成";
constexpr const char* k8520Factory = "Vyn 8520 Camera menu factory settings file has been generated";
constexpr const char* k8520FactoryZh = "Vyn 8520 相机菜单出厂设置文件已经生成";

struct MessageCase {
    ModelFamily dialog;
    ModelId model;
    int32_t language;
    const char* normal;   // nullptr: no message
    const char* factory;  // nullptr: no message
};

TEST(MenuResultMessage, FollowsDialogModelAndLanguage) {
    constexpr auto k8620 = ModelFamily::k8620;
    constexpr auto k8520 = ModelFamily::k8520;
    const MessageCase cases[] = {
        {k8620, 2, kEnglish, k8620Normal, k8620Factory},
        {k8620, 4, kChinese, k8620NormalZh, k8620FactoryZh},
        {k8620, 4, kGerman, k8620Normal, k8620Factory},
        {k8620, 1, kEnglish, nullptr, nullptr},
        {k8620, 3, kChinese, nullptr, nullptr},
        {k8620, 0, kEnglish, nullptr, nullptr},
        {k8520, 1, kEnglish, k8520Normal, k8520Factory},
        {k8520, 3, kChinese, k8520NormalZh, k8520FactoryZh},
        {k8520, 3, kJapanese, k8520Normal, k8520Factory},
        {k8520, 2, kEnglish, k8620Normal, k8620Factory},
        {k8520, 4, kChinese, k8620NormalZh, k8620FactoryZh},
        {k8520, 0, kEnglish, nullptr, nullptr},
        {k8520, 5, kChinese, nullptr, nullptr},
        {k8520, -1, kEnglish, nullptr, nullptr},
        {k8520, 1, 0, k8520Normal, k8520Factory},  // a language outside 1..10 reads English
    };
    for (const MessageCase& c : cases) {
        const auto normal = MenuResultMessage(MenuRecordKind::kNormal, c.dialog, c.model, c.language);
        const auto factory = MenuResultMessage(MenuRecordKind::kFactory, c.dialog, c.model, c.language);
        const std::string where = std::string(c.dialog == k8620 ? "8620" : "8520") + " dialog, model " +
                                  std::to_string(c.model) + ", language " + std::to_string(c.language);
        EXPECT_EQ(normal, c.normal ? std::optional<std::string>(c.normal) : std::nullopt) << where;
        EXPECT_EQ(factory, c.factory ? std::optional<std::string>(c.factory) : std::nullopt) << where;
    }
}

TEST(WriteMenuFile, WritesTheRecordAndReturnsTheSuccessMessage) {
    TempFolder folder;
    RealFileSystem fs;
    ASSERT_TRUE(WriteBytes(folder.File("menu.dat"), Bytes(60, 0x77)));
    const MenuWriteOutcome outcome = WriteMenuFile(fs, folder.path(), BuildFactoryRecord(),
                                                   MenuRecordKind::kFactory, ModelFamily::k8520, 3, 1);
    EXPECT_TRUE(outcome.written);
    EXPECT_FALSE(outcome.failure);
    EXPECT_EQ(outcome.message, std::optional<std::string>(k8520FactoryZh));
    EXPECT_EQ(ReadBytes(folder.File("menu.dat")), Golden("menu_factory.dat"));
    EXPECT_EQ(NamesIn(folder.path()), std::vector<std::string>{"menu.dat"});
}

TEST(WriteMenuFile, FactoryFileIsTheSameInBothFamiliesAndEveryLanguage) {
    const Bytes golden = Golden("menu_factory.dat");
    ASSERT_EQ(golden.size(), 60u);
    RealFileSystem fs;
    for (ModelFamily family : {ModelFamily::k8520, ModelFamily::k8620}) {
        for (int32_t language = 1; language <= kLanguageCount; ++language) {
            TempFolder folder;
            const ModelId model = family == ModelFamily::k8620 ? 4 : 1;
            const MenuWriteOutcome outcome = WriteMenuFile(fs, folder.path(), BuildFactoryRecord(),
                                                           MenuRecordKind::kFactory, family, model, language);
            ASSERT_TRUE(outcome.written);
            EXPECT_EQ(ReadBytes(folder.File("menu.dat")), golden) << language;
        }
    }
}

TEST(WriteMenuFile, ARowWithoutMessageStillWritesTheFile) {
    TempFolder folder;
    RealFileSystem fs;
    const Record record = BuildFactoryRecord();
    const MenuWriteOutcome outcome =
        WriteMenuFile(fs, folder.path(), record, MenuRecordKind::kNormal, ModelFamily::k8620, 1, kEnglish);
    EXPECT_TRUE(outcome.written);
    EXPECT_FALSE(outcome.message);
    EXPECT_EQ(ReadBytes(folder.File("menu.dat")), ToBytes(record));
}

// Chinese chosen on a system that is not Chinese: English texts and message, Chinese in the file.
TEST(WriteMenuFile, ChineseEntryOnNonChineseSystem) {
    AppSettings app;
    app.language = kEnglish;
    app.model = 2;
    app.chineseEntrySelected = true;
    CameraMenuSettings s;
    s.videoLength = 10;
    const Record record = BuildMenuRecord(s, FamilyOfModel(app.model), FileLanguage(app), app.tvMode);
    TempFolder folder;
    RealFileSystem fs;
    const MenuWriteOutcome outcome = WriteMenuFile(fs, folder.path(), record, MenuRecordKind::kNormal,
                                                   FamilyOfModel(app.model), app.model, app.language);
    ASSERT_TRUE(outcome.written);
    EXPECT_EQ(outcome.message, std::optional<std::string>(k8620Normal));
    EXPECT_EQ(ReadBytes(folder.File("menu.dat")).at(29), 1);
}

TEST(WriteMenuFile, GeneratingTwiceGivesIdenticalFiles) {
    CameraMenuSettings s;
    s.videoLength = 30;
    s.interval = 5;
    s.serialEnabled = 1;
    s.serialChar1 = 12;
    s.cameraClock = {2019, 11, 3, 17, 5, 44};
    TempFolder folder;
    RealFileSystem fs;
    const Record record = BuildMenuRecord(s, ModelFamily::k8520, kGerman, 0);
    ASSERT_TRUE(
        WriteMenuFile(fs, folder.path(), record, MenuRecordKind::kNormal, ModelFamily::k8520, 1, 3).written);
    const Bytes first = ReadBytes(folder.File("menu.dat"));
    ASSERT_TRUE(WriteMenuFile(fs, folder.path(), BuildMenuRecord(s, ModelFamily::k8520, kGerman, 0),
                              MenuRecordKind::kNormal, ModelFamily::k8520, 1, 3)
                    .written);
    EXPECT_EQ(ReadBytes(folder.File("menu.dat")), first);
    EXPECT_EQ(first, ToBytes(record));
}

TEST(WriteMenuFile, MissingFolderGivesAnErrorMessageAndNoSuccess) {
    struct Case {
        int32_t language;
        std::string start;
    };
    for (const Case& c : {Case{kEnglish, "The file "}, Case{kChinese, "无法写入文件 "}}) {
        TempFolder root;
        RealFileSystem fs;
        const std::string folder = root.File("no-card");
        const MenuWriteOutcome outcome = WriteMenuFile(
            fs, folder, BuildFactoryRecord(), MenuRecordKind::kNormal, ModelFamily::k8620, 2, c.language);
        EXPECT_FALSE(outcome.written);
        ASSERT_TRUE(outcome.failure);
        EXPECT_EQ(outcome.failure->error, ENOENT);
        ASSERT_TRUE(outcome.message);
        EXPECT_EQ(*outcome.message, DescribeWriteFailure(*outcome.failure, c.language));
        EXPECT_EQ(outcome.message->rfind(c.start + folder + "/menu.dat", 0), 0u) << *outcome.message;
        EXPECT_TRUE(NamesIn(root.path()).empty());
    }
}

TEST(WriteMenuFile, FailureAtAnyStepShowsTheErrorNotTheSuccess) {
    RealFileSystem real;
    TempFolder clean;
    FaultInjectingFileSystem counter(real);
    ASSERT_TRUE(WriteMenuFile(counter, clean.path(), BuildFactoryRecord(), MenuRecordKind::kNormal,
                              ModelFamily::k8620, 2, kEnglish)
                    .written);
    const int steps = counter.operationCount();
    ASSERT_GE(steps, 7);  // open, write, flush, sync, close, rename, sync folder
    const Bytes previous(60, 0x42);
    for (int step = 1; step <= steps; ++step) {
        TempFolder folder;
        ASSERT_TRUE(WriteBytes(folder.File("menu.dat"), previous));
        FaultInjectingFileSystem fs(real);
        fs.FailAt(step, ENOSPC);
        const MenuWriteOutcome outcome =
            WriteMenuFile(fs, folder.path(), BuildFactoryRecord(), MenuRecordKind::kNormal,
                          ModelFamily::k8620, 2, kEnglish);
        if (WriteSurvivesFailureOf(fs.log().at(static_cast<std::size_t>(step - 1)))) {
            EXPECT_TRUE(outcome.written) << step;
            EXPECT_EQ(outcome.message, k8620Normal) << step;
            EXPECT_EQ(NamesIn(folder.path()), std::vector<std::string>{"menu.dat"}) << step;
            continue;
        }
        EXPECT_FALSE(outcome.written) << step;
        ASSERT_TRUE(outcome.message) << step;
        EXPECT_NE(*outcome.message, k8620Normal) << step;
        EXPECT_NE(outcome.message->find(folder.File("menu.dat")), std::string::npos) << *outcome.message;
        EXPECT_EQ(NamesIn(folder.path()), std::vector<std::string>{"menu.dat"}) << step;
        if (step < steps) {
            EXPECT_EQ(ReadBytes(folder.File("menu.dat")), previous) << step;
        }
    }
}

}  // namespace
}  // namespace corvane
