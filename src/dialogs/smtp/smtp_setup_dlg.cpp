#include "dialogs/smtp/smtp_setup_dlg.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/l10n/read_back_texts.h"
#include "core/l10n/smtp_texts.h"
#include "core/models/app_settings.h"
#include "core/presets/presets.h"
#include "core/smtp/smtp_form.h"
#include "dialogs/smtp/smtp_test_mail.h"
#include "framework/data_exchange.h"

namespace corvane {
namespace {

constexpr int kInitialStatus = 1;  // "VGA"

// Typing and exchange limits in bytes.
constexpr int kGprsLimit = 32;
constexpr int kServerLimit = 40;
constexpr int kPortLimit = 10;
constexpr int kSenderPasswordLimit = 32;
constexpr int kPhoneLimit = 30;
constexpr int kAddressLimit8520 = 32;
constexpr int kAddressLimit8620 = 40;

uint8_t Selection(const CComboBox& list) {
    const int index = list.GetCurSel();
    return static_cast<uint8_t>(index < 0 ? 0 : index);
}

}  // namespace

CSmtpSetupDlg::CSmtpSetupDlg(ModelFamily family, const AppSettings& settings, platform::Platform& platform,
                             FileSystem& fs)
    : CSetupDialog(SmtpDialogTemplate(family), family, settings, platform, fs,
                   {IDC_SMTP_FOLDER, IDC_SMTP_FOLDER_BUTTON}, kSmtpFileName),
      ids_(SmtpIdsOf(family)) {
    using D = CSmtpSetupDlg;
    SetMessageMap<D>({
        {IDC_SMTP_MODE, Notification::kSelChange, &D::OnSelchangeMode},
        {IDC_SMTP_COUNTRY, Notification::kSelChange, &D::OnSelchangeCountry},
        {IDC_SMTP_GENERATE, Notification::kClicked, &D::OnGenerate},
        {IDC_SMTP_READ_FILE, Notification::kClicked, &D::OnReadFile},
    });
    AddHandler(IDC_SMTP_PICTURES, Notification::kEditChange,
               [this] { KeepPicturesPerDayInRange(picturesPerDay); });
    // Every typed change reads the whole form, the folder included.
    for (int id :
         {IDC_SMTP_APN, IDC_SMTP_ACCOUNT, IDC_SMTP_GPRS_PASSWORD, IDC_SMTP_SERVER, IDC_SMTP_PORT,
          IDC_SMTP_SENDER_PASSWORD, IDC_SMTP_SENDER, IDC_SMTP_RECIPIENT, IDC_SMTP_FOLDER, ids_.phone}) {
        AddHandler(id, Notification::kEditChange, [this] { ReadFields(); });
    }
    if (family_ == ModelFamily::k8520) {
        AddHandler(ids_.remoteControl, Notification::kSelEndCancel, [this] { ReadFields(); });
    }

    testMail_ = std::make_unique<SmtpTestMail>(*this, settings.language);
    AddHandler(IDC_SMTP_SENDER, Notification::kEditChange, [this] {
        ReadFields();
        testMail_->OnSenderChanged();
    });
    AddHandler(IDC_SMTP_TEST_MAIL, Notification::kClicked, [this] { testMail_->OnTestClicked(); });
}

CSmtpSetupDlg::~CSmtpSetupDlg() = default;

int CSmtpSetupDlg::AddressLimit() const {
    return family_ == ModelFamily::k8620 ? kAddressLimit8620 : kAddressLimit8520;
}

void CSmtpSetupDlg::DoDataExchange(CDataExchange& dx) {
    CSetupDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_SMTP_MODE, modeList_);
    DDX_Control(dx, IDC_SMTP_COUNTRY, countryList_);
    DDX_Control(dx, IDC_SMTP_OPERATOR, operatorList_);
    DDX_Control(dx, ids_.remoteControl, remoteControlList_);
    if (family_ == ModelFamily::k8620) {
        DDX_Control(dx, ids_.status, statusList_);
    }

    DDX_Text(dx, IDC_SMTP_PICTURES, picturesPerDay);
    DDV_MinMaxInt(dx, picturesPerDay, 0, kMaxPicturesPerDay);
    DDX_Text(dx, IDC_SMTP_RECIPIENT, recipient);
    DDV_MaxChars(dx, recipient, AddressLimit());
    DDX_Text(dx, IDC_SMTP_SENDER, senderAddress);
    DDV_MaxChars(dx, senderAddress, AddressLimit());
    DDX_Text(dx, IDC_SMTP_SENDER_PASSWORD, senderPassword);
    DDV_MaxChars(dx, senderPassword, kSenderPasswordLimit);
    DDX_Text(dx, IDC_SMTP_SERVER, smtpServer);
    DDV_MaxChars(dx, smtpServer, kServerLimit);
    DDX_Text(dx, IDC_SMTP_PORT, smtpPort);
    DDV_MaxChars(dx, smtpPort, kPortLimit);
    DDX_Text(dx, IDC_SMTP_ACCOUNT, account);
    DDV_MaxChars(dx, account, kGprsLimit);
    DDX_Text(dx, IDC_SMTP_APN, apn);
    DDV_MaxChars(dx, apn, kGprsLimit);
    DDX_Text(dx, IDC_SMTP_GPRS_PASSWORD, gprsPassword);
    DDV_MaxChars(dx, gprsPassword, kGprsLimit);
    DDX_Text(dx, IDC_SMTP_FOLDER, outputFolder);  // any length: the writer reports a path it cannot use
    DDX_Text(dx, ids_.phone, phone);
    DDV_MaxChars(dx, phone, kPhoneLimit);
}

bool CSmtpSetupDlg::OnInitDialog() {
    CSetupDialog::OnInitDialog();
    SetNetworkFieldsReadOnly(true);
    SetTexts();
    testMail_->SetTexts();
    return true;
}

void CSmtpSetupDlg::SetTexts() {
    const int32_t language = settings_.language;
    modeList_.AddStrings(SmtpModeEntries(language));
    modeList_.SetCurSel(kAutoMode);
    FillPresetLists(countryList_, operatorList_, PresetSet::kGprs, false);
    if (family_ == ModelFamily::k8620) {
        statusList_.AddStrings(SmtpStatusEntries(language));
        statusList_.SetCurSel(kInitialStatus);
    }

    const std::pair<int, SmtpCaption> captions[] = {
        {IDC_SMTP_MODE_LABEL, SmtpCaption::kModeLabel},
        {IDC_SMTP_PICTURES_LABEL, SmtpCaption::kPicturesLabel},
        {IDC_SMTP_NOTE, SmtpCaption::kNoLimitNote},
        {IDC_SMTP_COUNTRY_LABEL, SmtpCaption::kCountryLabel},
        {IDC_SMTP_OPERATOR_LABEL, SmtpCaption::kOperatorLabel},
        {IDC_SMTP_ACCOUNT_LABEL, SmtpCaption::kAccountLabel},
        {IDC_SMTP_GPRS_PASSWORD_LABEL, SmtpCaption::kGprsPasswordLabel},
        {IDC_SMTP_SERVER_LABEL, SmtpCaption::kServerLabel},
        {IDC_SMTP_PORT_LABEL, SmtpCaption::kPortLabel},
        {IDC_SMTP_SENDER_LABEL, SmtpCaption::kSenderLabel},
        {IDC_SMTP_SENDER_PASSWORD_LABEL, SmtpCaption::kSenderPasswordLabel},
        {IDC_SMTP_RECIPIENT_LABEL, SmtpCaption::kRecipientLabel},
        {ids_.phoneLabel, SmtpCaption::kPhoneLabel},
        {ids_.remoteControlLabel, SmtpCaption::kRemoteControlLabel},
        {IDC_SMTP_FOLDER_BUTTON, SmtpCaption::kFolderButton},
        {IDC_SMTP_GENERATE, SmtpCaption::kGenerateButton},
        {IDCANCEL, SmtpCaption::kExitButton},
    };
    for (const auto& [id, caption] : captions) {
        SetDlgItemText(id, std::string(SmtpCaptionText(caption, language)));
    }
    SetDlgItemText(IDC_SMTP_APN_LABEL, "APN");
    SetDlgItemText(IDC_SMTP_READ_FILE, std::string(ReadBackButtonCaption(language)));
    FillRemoteControlHours(remoteControlList_, SmtpRemoteControlOffEntry(language));
}

void CSmtpSetupDlg::SetNetworkFieldsReadOnly(bool readOnly) {
    SetReadOnly({IDC_SMTP_APN, IDC_SMTP_ACCOUNT, IDC_SMTP_GPRS_PASSWORD}, readOnly);
}

bool CSmtpSetupDlg::Manual() const {
    return modeList_.GetCurSel() == kManualMode;
}

void CSmtpSetupDlg::OnSelchangeMode() {
    UpdateData(true);
    recipient.clear();
    senderAddress.clear();
    senderPassword.clear();
    smtpServer.clear();
    smtpPort.clear();
    account.clear();
    apn.clear();
    gprsPassword.clear();
    SetNetworkFieldsReadOnly(!Manual());
    FillPresetLists(countryList_, operatorList_, PresetSet::kGprs, Manual());
    UpdateData(false);
}

void CSmtpSetupDlg::OnSelchangeCountry() {
    if (!Manual()) {
        FillOperators(operatorList_, PresetSet::kGprs, countryList_.GetCurSel());
    }
}

SmtpFileValues CSmtpSetupDlg::CurrentValues() const {
    SmtpFileValues v;
    v.family = family_;
    v.autoMode = !Manual();
    v.countryIndex = Selection(countryList_);
    v.operatorIndex = Selection(operatorList_);
    v.picturesPerDay = picturesPerDay;
    v.fileLanguage = FileLanguage(settings_);
    v.remoteControl = Selection(remoteControlList_);
    if (family_ == ModelFamily::k8620) {
        v.smtpStatus = Selection(statusList_);
    }
    v.apn = apn;
    v.account = account;
    v.password = gprsPassword;
    if (v.autoMode) {
        UseGprsPreset(v);
    }
    v.smtpServer = smtpServer;
    v.smtpPort = smtpPort;
    v.senderAddress = senderAddress;
    v.senderPassword = senderPassword;
    v.phone = phone;
    v.recipient = recipient;
    return v;
}

void CSmtpSetupDlg::OnGenerate() {
    // The file holds what the fields show: a field whose change could not be read (another field failed
    // its check meanwhile) is read now, and a form that does not pass writes nothing.
    if (!UpdateData(true)) {
        return;
    }
    const int32_t language = settings_.language;
    // Auto mode writes the access point of the chosen operator's preset.
    if (!Manual() && !PresetHasSettings(PresetSet::kGprs, modeList_, countryList_, operatorList_)) {
        return;
    }
    const SmtpFileValues values = CurrentValues();
    if (const std::optional<SmtpMessage> fault = CheckSmtpForm(values)) {
        Tell(SmtpMessageText(*fault, family_, language));
        return;
    }
    WriteMessageFile([&](const std::string& folder) { return WriteSmtpSettingsFile(fs_, folder, values); },
                     SmtpMessageText(SmtpMessage::kGenerated, family_, language));
}

}  // namespace corvane
