#include "app/setup_app.h"

#include "app/program_icon.h"
#include "app/setup_dialogs.h"
#include "app/setup_main_dlg.h"
#include "app/startup.h"
#include "framework/dialog_template.h"
#include "platform/desktop_platform.h"
#include "platform/system_file_system.h"

namespace corvane {

CSetupApp::CSetupApp()
    : ownPlatform_(std::make_unique<platform::DesktopPlatform>(ProgramIcon())),
      platform_(*ownPlatform_),
      ownFileSystem_(platform::MakeSystemFileSystem()),
      fs_(*ownFileSystem_) {}

CSetupApp::CSetupApp(platform::Platform& platform, FileSystem& fs) : platform_(platform), fs_(fs) {}

CSetupApp::~CSetupApp() = default;

bool CSetupApp::InitInstance() {
    settings_ = LoadStartupSettings(platform_.SystemLanguageId(), platform_.Preferences());
    SetDialogBkColor(QColor(111, 153, 224), QColor(255, 255, 255));

    // Main window, setup dialog, fresh main window, ...: a loop, so the modal runs never nest.
    for (;;) {
        std::optional<SetupKind> setup;
        {
            CSetupMainDlg mainWindow(settings_, platform_);
            mainWindow.DoModal();
            setup = mainWindow.RequestedSetup();
        }
        if (!setup) {
            return false;
        }
        if (RunSetupDialog(*setup, SetupFamily(*setup, settings_.model), settings_, platform_, fs_) !=
            IDCANCEL) {
            return false;
        }
    }
}

}  // namespace corvane
