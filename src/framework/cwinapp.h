#pragma once

// CWinApp: the application object. The program derives from it, overrides InitInstance, and RunProgram
// (program.h) makes it and calls Run().

#include <optional>

#include "framework/colors.h"
#include "platform/window_icon.h"

namespace corvane {

struct DialogColors {
    Rgb background;
    Rgb text;  // text of labels and group boxes; edits, lists and buttons keep theirs
};

class CWinApp {
  public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Prepares the program and usually runs its main dialog. false: no event loop is to run.
    virtual bool InitInstance() { return true; }
    // Called when the program ends; returns the exit code.
    virtual int ExitInstance() { return 0; }
    // InitInstance, then the window system's event loop when it returned true, then ExitInstance. Returns
    // the exit code.
    int Run();

    // Colours of every dialog built afterwards while this application object lives.
    void SetDialogBkColor(Rgb background = {192, 192, 192}, Rgb text = {0, 0, 0});
    // The colours the application object set, if there is one and it set any.
    static std::optional<DialogColors> GetDialogColors();

    // The icon of every dialog shown afterwards, for the whole program; none until set.
    static void SetWindowIcon(platform::WindowIcon icon);
    static const std::optional<platform::WindowIcon>& GetWindowIcon();

  private:
    std::optional<DialogColors> dialogColors_;
};

}  // namespace corvane
