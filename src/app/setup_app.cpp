#include "app/setup_app.h"

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "app/program_icon.h"
#include "app/setup_dialogs.h"
#include "app/setup_main_dlg.h"
#include "app/startup.h"
#include "framework/dialog_template.h"
#include "platform/preference_store.h"
#include "platform/system_file_system.h"
#include "platform/system_platform.h"

namespace corvane {
namespace {

// Names a certificate authority file for the test e-mail instead of the system's store, so that the
// program can be tried against a local mail server.
constexpr const char* kTestMailCaFileVariable = "CORVANE_SMTP_CA_FILE";

std::string TestMailCaFile() {
    const char* file = std::getenv(kTestMailCaFileVariable);
    return file != nullptr ? std::string(file) : std::string();
}

}  // namespace

CSetupApp::CSetupApp()
    : ownPlatform_(platform::MakeSystemPlatform(ProgramWindowIcon(), TestMailCaFile())),
      platform_(*ownPlatform_),
      ownFileSystem_(platform::MakeSystemFileSystem()),
      fs_(*ownFileSystem_) {}

CSetupApp::CSetupApp(platform::Platform& platform, FileSystem& fs) : platform_(platform), fs_(fs) {}

CSetupApp::~CSetupApp() = default;

bool CSetupApp::InitInstance() {
    // A first start stores four defaults. They go to the file in one replacement, once the main window is
    // on the screen: the wait for the disk would otherwise come before it. Stored or not, the next start
    // finds the same defaults.
    platform::PreferenceStore& store = platform_.Preferences();
    store.HoldWrites();
    bool released = false;
    const auto release = [&store, &released] {
        if (!released) {
            released = true;
            store.ReleaseWrites();
        }
    };
    settings_ = LoadStartupSettings(platform_.SystemLanguageId(), store);
    platform_.UseLanguage(settings_.language);
    // Every dialog shows it; the platform gives it to the message boxes and the folder browser.
    SetWindowIcon(ProgramWindowIcon());
    SetDialogBkColor({111, 153, 224}, {255, 255, 255});

    // Main window, setup dialog, fresh main window, ...: a loop, so the modal runs never nest. A main window
    // that a setup button ended is hidden at once but freed only when the setup dialog is on the screen:
    // freeing it first (about a millisecond) kept the dialog waiting.
    std::unique_ptr<CSetupMainDlg> endedMainWindow;
    for (;;) {
        std::optional<SetupKind> setup;
        {
            auto mainWindow = std::make_unique<CSetupMainDlg>(settings_, platform_);
            endedMainWindow.reset();
            if (!released) {
                mainWindow->AfterFirstPaint([this, &release] {
                    release();
                    // A setup dialog reads the mounted volumes as it opens. The whole list is read here,
                    // while the main window waits for the user (with the user database the first time); the
                    // dialog then asks only the space of the cards, unless something was mounted or
                    // unmounted meanwhile.
                    static_cast<void>(platform_.MountedVolumes());
                });
            }
            mainWindow->DoModal();
            release();  // a window closed before it was painted
            setup = mainWindow->RequestedSetup();
            endedMainWindow = std::move(mainWindow);
        }
        if (!setup) {
            return false;
        }
        if (RunSetupDialog(*setup, SetupFamily(*setup, settings_.model), settings_, platform_, fs_,
                           [&endedMainWindow] { endedMainWindow.reset(); }) != IDCANCEL) {
            return false;
        }
    }
}

}  // namespace corvane
