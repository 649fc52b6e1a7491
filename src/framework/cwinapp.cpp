#include "framework/cwinapp.h"

#include <QApplication>

namespace corvane {

namespace {

CWinApp* theApp = nullptr;
std::optional<DialogColors> dialogColors;

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
        QApplication::exec();
    }
    return ExitInstance();
}

void CWinApp::SetDialogBkColor(const QColor& background, const QColor& text) {
    dialogColors = DialogColors{background, text};
}

std::optional<DialogColors> CWinApp::GetDialogColors() {
    return dialogColors;
}

void CWinApp::ResetDialogColors() {
    dialogColors.reset();
}

CWinApp* AfxGetApp() {
    return theApp;
}

}  // namespace corvane
