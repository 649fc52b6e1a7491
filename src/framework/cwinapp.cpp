#include "framework/cwinapp.h"

#include "framework/event_loop.h"

namespace corvane {

namespace {

// The one application object; the first one made while none lives.
CWinApp* theApp = nullptr;
std::optional<platform::WindowIcon> windowIcon;

}  // namespace

CWinApp::CWinApp() {
    if (theApp == nullptr) {
        theApp = this;
    }
}

CWinApp::~CWinApp() {
    if (theApp == this) {
        theApp = nullptr;
    }
}

int CWinApp::Run() {
    if (InitInstance()) {
        RunEventLoop();
    }
    return ExitInstance();
}

void CWinApp::SetDialogBkColor(Rgb background, Rgb text) {
    dialogColors_ = DialogColors{background, text};
}

std::optional<DialogColors> CWinApp::GetDialogColors() {
    return theApp != nullptr ? theApp->dialogColors_ : std::nullopt;
}

void CWinApp::SetWindowIcon(platform::WindowIcon icon) {
    windowIcon = icon;
}

const std::optional<platform::WindowIcon>& CWinApp::GetWindowIcon() {
    return windowIcon;
}

}  // namespace corvane
