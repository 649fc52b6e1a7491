#include "app/setup_main_dlg.h"

#include "app/program_icon.h"
#include "core/l10n/main_texts.h"
#include "core/models/app_settings.h"
#include "dialogs/res/main_templates.h"
#include "framework/data_exchange.h"
#include "platform/platform.h"
#include "platform/preference_store.h"

namespace corvane {

const char* UpdateUrl() {
    return CORVANE_UPDATE_URL;
}

CSetupMainDlg::CSetupMainDlg(AppSettings& settings, platform::Platform& platform)
    : CDialog(MainDialogTemplate(), platform), settings_(settings) {
    SetMessageMap<CSetupMainDlg>({
        {IDC_CAMERA_SETUP, Notification::kClicked, &CSetupMainDlg::OnCameraSetup},
        {IDC_MMS_SETUP, Notification::kClicked, &CSetupMainDlg::OnMmsSetup},
        {IDC_UPDATE_LINK, Notification::kClicked, &CSetupMainDlg::OnUpdateLink},
        {IDC_LANGUAGE_LIST, Notification::kSelChange, &CSetupMainDlg::OnSelchangeLanguage},
        {IDC_MODEL_LIST, Notification::kSelChange, &CSetupMainDlg::OnSelchangeModel},
        {IDC_SMTP_SETUP, Notification::kClicked, &CSetupMainDlg::OnSmtpSetup},
    });
}

void CSetupMainDlg::DoDataExchange(CDataExchange& dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_SMTP_SETUP, smtpButton_);
    DDX_Control(dx, IDC_MODEL_LIST, modelList_);
    DDX_Control(dx, IDC_LANGUAGE_LIST, languageList_);
}

bool CSetupMainDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText("Corvane");
    if (CWnd* link = GetDlgItem(IDC_UPDATE_LINK)) {
        link->ShowWindow(SW_SHOW);
    }

    if (const std::string aboutText = kAboutMenuText; !aboutText.empty()) {
        AppendSystemMenuItem(IDM_ABOUTBOX, aboutText);
    }

    SetMainTexts();

    // "Chinese" chosen on a system that is not Chinese shows English but keeps entry 0 selected.
    const int32_t language = DisplayLanguage(settings_.language);
    FillLanguageList(language == kEnglish && settings_.chineseEntrySelected ? 0 : language - 1);

    modelList_.ResetContent();
    for (const Model& model : kModels) {
        modelList_.AddString(std::string(model.listName));
    }
    // A stored model outside 1..4 works as an 8520 model without e-mail, which is what entry 0 shows.
    const bool knownModel = FindModel(settings_.model) != nullptr;
    modelList_.SetCurSel(knownModel ? settings_.model - 1 : 0);

    smtpButton_.EnableWindow(ModelHasEmail(settings_.model));
    return true;
}

void CSetupMainDlg::FillLanguageList(int selected) {
    languageList_.ResetContent();
    for (int p = 0; p < kLanguageListSize; ++p) {
        languageList_.AddString(LanguageListEntry(p, settings_.language == kChinese));
    }
    languageList_.SetCurSel(selected);
}

void CSetupMainDlg::SetMainTexts() {
    const MainTexts texts = MainTextsFor(settings_.language);
    SetDlgItemText(IDC_CAMERA_SETUP, texts.cameraSetup);
    SetDlgItemText(IDC_MMS_SETUP, texts.mmsSetup);
    SetDlgItemText(IDC_UPDATE_LINK, texts.updateLink);
    SetDlgItemText(IDC_VERSION, texts.version);
    SetDlgItemText(IDC_LANGUAGE_LABEL, texts.languageLabel);
    SetDlgItemText(IDC_MODEL_LABEL, texts.modelLabel);
    SetDlgItemText(IDC_SMTP_SETUP, texts.smtpSetup);
}

void CSetupMainDlg::OnSelchangeLanguage() {
    const int p = languageList_.GetCurSel();
    if (p < 0) {
        return;
    }
    if (p == 0) {
        settings_.chineseEntrySelected = true;
        settings_.language = settings_.systemIsChinese ? kChinese : kEnglish;
    } else {
        settings_.chineseEntrySelected = false;
        settings_.language = p + 1;
    }
    FillLanguageList(p);
    SetMainTexts();
    GetPlatform().UseLanguage(settings_.language);
    GetPlatform().Preferences().WriteLanguage(settings_.chineseEntrySelected ? kChinese : settings_.language);
}

void CSetupMainDlg::OnSelchangeModel() {
    const int p = modelList_.GetCurSel();
    if (p < 0) {
        return;
    }
    settings_.model = kModels[p].id;
    GetPlatform().Preferences().WriteModel(settings_.model);
    smtpButton_.EnableWindow(ModelHasEmail(settings_.model));
    UpdateData(true);
}

void CSetupMainDlg::EndForSetup(SetupKind kind) {
    requestedSetup_ = kind;
    UpdateData(true);
    EndDialog(IDOK);
}

void CSetupMainDlg::OnCameraSetup() {
    EndForSetup(SetupKind::kCamera);
}

void CSetupMainDlg::OnMmsSetup() {
    EndForSetup(SetupKind::kMms);
}

void CSetupMainDlg::OnSmtpSetup() {
    EndForSetup(SetupKind::kSmtp);
}

void CSetupMainDlg::OnUpdateLink() {
    if (!GetPlatform().OpenUrl(UpdateUrl())) {
        GetPlatform().ShowMessage(NoBrowserMessage(settings_.language, UpdateUrl()));
    }
}

void CSetupMainDlg::OnSysCommand(unsigned command) {
    if ((command & 0xFFF0u) == IDM_ABOUTBOX) {
        CAboutDlg about(GetPlatform(), this);
        about.DoModal();
    }
}

CAboutDlg::CAboutDlg(platform::Platform& platform, CDialog* owner)
    : CDialog(AboutDialogTemplate(), platform, owner) {}

bool CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (CStatic* picture = GetStatic(IDC_ABOUT_ICON)) {
        picture->SetIcon(ProgramWindowIcon());
    }
    return true;
}

}  // namespace corvane
