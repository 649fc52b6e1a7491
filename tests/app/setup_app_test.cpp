#include "app/setup_app.h"

#include <gtest/gtest.h>

#include "app/program_icon.h"
#include "app/setup_dialogs.h"
#include "app/setup_main_dlg.h"
#include "core/models/app_settings.h"
#include "framework/cdialog.h"
#include "platform/linux/posix_file_system.h"
#include "platform/linux/qt_window_icon.h"
#include "support/dialog_test_support.h"
#include "support/fake_platform.h"
#include "support/modal_script.h"

namespace corvane {
namespace {

using testing::ChooseListEntry;
using testing::Click;
using testing::ModalScript;

int LiveMainWindows(bool visibleOnly = false) {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        count += dynamic_cast<CSetupMainDlg*>(w) != nullptr && (!visibleOnly || w->isVisible()) ? 1 : 0;
    }
    return count;
}

TEST(SetupRouting, EachButtonOpensItsFamilysDialog) {
    const struct {
        SetupKind kind;
        ModelId model;
        int templateId;
        const char* title;
    } cases[] = {
        {SetupKind::kCamera, 1, 129, "Corvane 8520"}, {SetupKind::kCamera, 2, 140, "Corvane 8620"},
        {SetupKind::kCamera, 3, 129, "Corvane 8520"}, {SetupKind::kCamera, 4, 140, "Corvane 8620"},
        {SetupKind::kCamera, 9, 129, "Corvane 8520"}, {SetupKind::kMms, 1, 130, "Corvane 8520"},
        {SetupKind::kMms, 2, 142, "Corvane 8620"},    {SetupKind::kMms, 3, 130, "Corvane 8520"},
        {SetupKind::kMms, 4, 142, "Corvane 8620"},    {SetupKind::kMms, 0, 130, "Corvane 8520"},
        {SetupKind::kSmtp, 3, 147, "Corvane 8520"},   {SetupKind::kSmtp, 4, 143, "Corvane 8620"},
        {SetupKind::kSmtp, 2, 147, "Corvane 8520"},   {SetupKind::kSmtp, 1, 147, "Corvane 8520"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << static_cast<int>(c.kind) << " model " << c.model);
        platform::FakePlatform platform;
        PosixFileSystem fs;
        AppSettings settings;
        settings.model = c.model;
        std::string title;
        ModalScript script({[&](QWidget* dialog) {
            title = dialog->windowTitle().toStdString();
            Click(dialog, IDCANCEL);
        }});
        RunSetupDialog(c.kind, SetupFamily(c.kind, c.model), settings, platform, fs);
        ASSERT_EQ(script.Seen().size(), 1u);
        EXPECT_EQ(script.Seen()[0], std::to_string(c.templateId));
        EXPECT_EQ(title, c.title);
    }
}

// Every setup dialog, of either family, is left through its Exit action with the result that brings back
// a fresh main window.
TEST(SetupRouting, RunSetupDialogShowsTheTitleAndLeavesThroughExit) {
    for (const SetupKind kind : {SetupKind::kCamera, SetupKind::kMms, SetupKind::kSmtp}) {
        for (const ModelFamily family : {ModelFamily::k8520, ModelFamily::k8620}) {
            SCOPED_TRACE(::testing::Message()
                         << static_cast<int>(kind) << " 8620: " << (family == ModelFamily::k8620));
            platform::FakePlatform platform;
            PosixFileSystem fs;
            AppSettings settings;
            settings.model = family == ModelFamily::k8620 ? 4 : 3;
            std::string title;
            ModalScript script({[&](QWidget* dialog) {
                title = dialog->windowTitle().toStdString();
                Click(dialog, IDCANCEL);
            }});
            EXPECT_EQ(RunSetupDialog(kind, family, settings, platform, fs), IDCANCEL);
            ASSERT_EQ(script.Seen().size(), 1u);
            EXPECT_EQ(title, family == ModelFamily::k8620 ? "Corvane 8620" : "Corvane 8520");
        }
    }
}

// Main window, setup dialog, Exit, a fresh main window set from the settings, close: the program's whole
// cycle, with never more than one main window alive.
TEST(SetupApp, MainWindowAndSetupDialogsTakeTurnsUntilAMainWindowCloses) {
    platform::FakePlatform platform;
    PosixFileSystem fs;
    platform.systemLanguageId = 0x1407;
    platform.preferenceKey.exists = false;
    int mainWindowsShownWithSetup = -1;
    int mainWindowsDuringSetup = -1;
    int mainWindowsAtReturn = -1;
    int modelShownAgain = -1;
    int languageShownAgain = -1;
    std::string cameraAgain;
    ModalScript script({
        [&](QWidget* main) {
            ChooseListEntry(main->findChild<QComboBox*>("1081"), 3);
            Click(main, 1000);
        },
        [&](QWidget* setup) {
            // The ended main window is hidden at once and freed once the setup dialog has been painted.
            mainWindowsShownWithSetup = LiveMainWindows(true);
            static_cast<void>(QTest::qWaitFor([] { return LiveMainWindows() == 0; }, 2000));
            mainWindowsDuringSetup = LiveMainWindows();
            QTest::keyClick(setup, Qt::Key_Escape);
        },
        [&](QWidget* main) {
            mainWindowsAtReturn = LiveMainWindows();
            modelShownAgain = main->findChild<QComboBox*>("1081")->currentIndex();
            languageShownAgain = main->findChild<QComboBox*>("1080")->currentIndex();
            cameraAgain = main->findChild<QPushButton*>("1000")->text().toStdString();
            Click(main, 1002);
        },
        [&](QWidget* setup) { QTest::keyClick(setup, Qt::Key_Escape); },
        [&](QWidget* main) { QTest::keyClick(main, Qt::Key_Escape); },
    });
    CSetupApp app(platform, fs);
    EXPECT_FALSE(app.InitInstance());

    EXPECT_EQ(script.Seen(), (std::vector<std::string>{"102", "140", "102", "143", "102"}));
    EXPECT_EQ(mainWindowsShownWithSetup, 0);
    EXPECT_EQ(mainWindowsDuringSetup, 0);
    EXPECT_EQ(mainWindowsAtReturn, 1);
    EXPECT_EQ(modelShownAgain, 3);
    EXPECT_EQ(languageShownAgain, 2);
    EXPECT_EQ(cameraAgain, "Kamera Installation");
    EXPECT_EQ(app.Settings().model, 4);
    EXPECT_EQ(platform.preferenceKey.numbers.at("model"), 4u);
    EXPECT_EQ(platform.preferenceKey.numbers.at("language"), 3u);
    EXPECT_EQ(LiveMainWindows(), 0);
}

// A first start's four defaults are held while the main window is built and reach the key together once
// the window has been painted, with the window still open; a window closed at once releases them too.
TEST(SetupApp, FirstStartDefaultsReachTheKeyTogetherOnceTheMainWindowIsPainted) {
    for (const bool waitForPaint : {true, false}) {
        SCOPED_TRACE(waitForPaint ? "painted" : "closed at once");
        platform::FakePlatform platform;
        PosixFileSystem fs;
        platform.preferenceKey.exists = false;
        int releasesWhileOpen = -1;
        ModalScript script({[&](QWidget* main) {
            if (waitForPaint) {
                EXPECT_TRUE(QTest::qWaitForWindowExposed(main));
                EXPECT_TRUE(QTest::qWaitFor([&] { return platform.preferenceKey.releaseCalls > 0; }));
                releasesWhileOpen = platform.preferenceKey.releaseCalls;
            }
            QTest::keyClick(main, Qt::Key_Escape);
        }});
        CSetupApp app(platform, fs);
        EXPECT_FALSE(app.InitInstance());
        if (waitForPaint) {
            EXPECT_EQ(releasesWhileOpen, 1) << "released while the window is open";
        }
        EXPECT_EQ(platform.preferenceKey.heldWriteCalls, 4)
            << "language, model, TvMode and Company, together";
        EXPECT_EQ(platform.preferenceKey.releaseCalls, 1);
        EXPECT_FALSE(platform.preferenceKey.holding);
        EXPECT_EQ(platform.preferenceKey.numbers.at("language"), 2u);
        EXPECT_EQ(platform.preferenceKey.numbers.at("model"), 1u);
    }
}

// The user's choices in the main window are stored at once, never held.
TEST(SetupApp, ChoicesInTheMainWindowAreNotHeld) {
    platform::FakePlatform platform;
    PosixFileSystem fs;
    ModalScript script({[&](QWidget* main) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(main));
        EXPECT_TRUE(QTest::qWaitFor([&] { return platform.preferenceKey.releaseCalls > 0; }));
        const int heldBefore = platform.preferenceKey.heldWriteCalls;
        ChooseListEntry(main->findChild<QComboBox*>("1081"), 2);
        EXPECT_EQ(platform.preferenceKey.heldWriteCalls, heldBefore);
        EXPECT_EQ(platform.preferenceKey.numbers.at("model"), 3u);
        QTest::keyClick(main, Qt::Key_Escape);
    }});
    CSetupApp app(platform, fs);
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(script.StepsRun(), 1u);
}

bool SameIcon(const QIcon& a, const QIcon& b) {
    return !a.isNull() && a.pixmap(32, 32).toImage() == b.pixmap(32, 32).toImage();
}

// Start-up hands the stored language to the platform for Qt's own texts, and every window, the setup
// dialogs too, shows the program's icon.
TEST(SetupApp, QtTextsFollowTheStoredLanguageAndEveryWindowShowsTheIcon) {
    platform::FakePlatform platform;
    platform.preferenceKey.numbers["language"] = 6;
    platform.preferenceKey.numbers["model"] = 4;
    std::vector<std::string> withoutIcon;
    auto checkIcon = [&](QWidget* window) {
        if (!SameIcon(window->windowIcon(), platform::ToQIcon(ProgramWindowIcon()))) {
            withoutIcon.push_back(window->objectName().toStdString());
        }
    };
    ModalScript script({
        [&](QWidget* main) {
            checkIcon(main);
            Click(main, 1000);
        },
        [&](QWidget* setup) {
            checkIcon(setup);
            QTest::keyClick(setup, Qt::Key_Escape);
        },
        [&](QWidget* main) { Click(main, 1001); },
        [&](QWidget* setup) {
            checkIcon(setup);
            QTest::keyClick(setup, Qt::Key_Escape);
        },
        [&](QWidget* main) { Click(main, 1002); },
        [&](QWidget* setup) {
            checkIcon(setup);
            QTest::keyClick(setup, Qt::Key_Escape);
        },
        [&](QWidget* main) { QTest::keyClick(main, Qt::Key_Escape); },
    });
    PosixFileSystem fs;
    CSetupApp app(platform, fs);
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(script.Seen(), (std::vector<std::string>{"102", "140", "102", "142", "102", "143", "102"}));
    EXPECT_EQ(platform.languagesUsed, std::vector<int32_t>{6});
    EXPECT_EQ(withoutIcon, std::vector<std::string>{});
}

TEST(SetupApp, ASetupDialogEndedWithOkEndsTheProgram) {
    platform::FakePlatform platform;
    PosixFileSystem fs;
    ModalScript script({
        [](QWidget* main) { Click(main, 1001); },
        [](QWidget* setup) {
            auto* dialog = qobject_cast<CDialog*>(setup);
            ASSERT_NE(dialog, nullptr);
            dialog->EndDialog(IDOK);
        },
    });
    CSetupApp app(platform, fs);
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(script.Seen(), (std::vector<std::string>{"102", "130"}));
    EXPECT_EQ(LiveMainWindows(), 0);
}

}  // namespace
}  // namespace corvane
