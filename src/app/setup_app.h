#pragma once

#include <memory>

#include "framework/cwinapp.h"
#include "l10n/language.h"

namespace corvane {

namespace platform {
class Platform;
}

// The application object: fills the settings at start-up, then runs main window and setup dialogs in turn,
// one at a time, until a main window is closed without asking for a setup dialog or a setup dialog ends
// other than through its Exit action.
class CSetupApp : public CWinApp {
  public:
    // With the real platform of this system.
    CSetupApp();
    // With another platform (tests); it must outlive the application object.
    explicit CSetupApp(platform::Platform& platform);
    ~CSetupApp() override;

    // Always false: the program ends after the last main window.
    bool InitInstance() override;

    const AppSettings& Settings() const { return settings_; }

  private:
    std::unique_ptr<platform::Platform> ownPlatform_;
    platform::Platform& platform_;
    AppSettings settings_;
};

}  // namespace corvane
