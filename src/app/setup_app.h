#pragma once

#include <memory>

#include "core/files/file_system.h"
#include "core/models/app_settings.h"
#include "framework/cwinapp.h"

namespace corvane {

namespace platform {
class Platform;
}

// The application object: fills the settings at start-up, then runs main window and setup dialogs in turn,
// one at a time, until a main window is closed without asking for a setup dialog or a setup dialog ends
// other than through its Exit action.
class CSetupApp : public CWinApp {
  public:
    // With the real platform and file system of this system.
    CSetupApp();
    // With another platform and file system (tests); both must outlive the application object.
    CSetupApp(platform::Platform& platform, FileSystem& fs);
    ~CSetupApp() override;

    // Always false: the program ends after the last main window.
    bool InitInstance() override;

    const AppSettings& Settings() const { return settings_; }

  private:
    std::unique_ptr<platform::Platform> ownPlatform_;
    platform::Platform& platform_;
    std::unique_ptr<FileSystem> ownFileSystem_;
    FileSystem& fs_;
    AppSettings settings_;
};

}  // namespace corvane
