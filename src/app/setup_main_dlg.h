#pragma once

#include <optional>

#include "app/setup_dialogs.h"
#include "core/l10n/language.h"
#include "core/models/app_settings.h"
#include "framework/cdialog.h"
#include "framework/cwnd.h"

namespace corvane {

// System command of the about entry: commands whose value with the low four bits cleared is this open it.
inline constexpr unsigned IDM_ABOUTBOX = 0x0010;

// The main window (template 102): language and model lists, stored at once on every change, and the three
// setup buttons. A setup button ends the window; the application then runs that setup dialog and, when it
// is left, a fresh main window.
class CSetupMainDlg : public CDialog {
  public:
    CSetupMainDlg(AppSettings& settings, platform::Platform& platform);

    // The setup dialog asked for by the button that ended the window; nothing when it was closed otherwise.
    std::optional<SetupKind> RequestedSetup() const { return requestedSetup_; }

    // The system menu holds the about entry.
    void OnSysCommand(unsigned command) override;

  protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;

  private:
    void OnSelchangeLanguage();
    void OnSelchangeModel();
    void OnCameraSetup();
    void OnMmsSetup();
    void OnSmtpSetup();
    void OnUpdateLink();
    void SetMainTexts();
    void FillLanguageList(int selected);
    void EndForSetup(SetupKind kind);

    AppSettings& settings_;
    CButton smtpButton_;
    CComboBox modelList_;
    CComboBox languageList_;
    std::optional<SetupKind> requestedSetup_;
};

// The about box (template 100): the program's icon, the maker's notice and web address, and OK.
class CAboutDlg : public CDialog {
  public:
    CAboutDlg(platform::Platform& platform, CDialog* owner);

  protected:
    bool OnInitDialog() override;
};

// The address opened by the update link.
const char* UpdateUrl();

}  // namespace corvane
