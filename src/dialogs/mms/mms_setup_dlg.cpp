#include "dialogs/mms/mms_setup_dlg.h"

#include <string>
#include <string_view>

#include "core/l10n/mms_texts.h"
#include "core/l10n/read_back_texts.h"
#include "core/models/app_settings.h"
#include "core/presets/presets.h"
#include "dialogs/shell/dialog_checks.h"
#include "framework/data_exchange.h"

namespace corvane {
namespace {

// Typing limits of the text fields, in bytes (the phone number's limit follows its type).
constexpr int kAccountLimit = 30;
constexpr int kUrlLimit = 50;
constexpr int kApnLimit = 30;
constexpr int kPasswordLimit = 30;
constexpr int kGatewayLimit = 20;
constexpr int kPortLimit = 10;
constexpr int kRecipientLimit = 32;
constexpr int kEmailLimit = 40;

constexpr int kSendVgaPosition = 1;

}  // namespace

CMmsSetupDlg::CMmsSetupDlg(ModelFamily family, const AppSettings& settings, platform::Platform& platform,
                           FileSystem& fs)
    : CSetupDialog(MmsDialogTemplate(family), family, settings, platform, fs,
                   {IDC_MMS_FOLDER, IDC_MMS_FOLDER_BUTTON, kFolderTypingLimit}, kMmsFileName),
      ids_(MmsIdsOf(family)) {
    using D = CMmsSetupDlg;
    SetMessageMap<D>({
        {IDC_MMS_MODE, Notification::kSelChange, &D::OnSelchangeMode},
        {IDC_MMS_COUNTRY, Notification::kSelChange, &D::OnSelchangeCountry},
        {IDC_MMS_SEND, Notification::kSelChange, &D::OnSelchangeSendMode},
        {IDC_MMS_PHONE_TYPE, Notification::kSelChange, &D::OnSelchangePhoneType},
        {IDC_MMS_PHONE, Notification::kEditChange, &D::OnUpdatePhone},
        {IDC_MMS_PHONE2, Notification::kEditChange, &D::OnUpdatePhone2},
        {IDC_MMS_EMAIL, Notification::kEditChange, &D::OnUpdateEmail},
        {IDC_MMS_URL, Notification::kEditChange, &D::ReadFields},
        {IDC_MMS_APN, Notification::kEditChange, &D::ReadFields},
        {IDC_MMS_GATEWAY, Notification::kEditChange, &D::ReadFields},
        {IDC_MMS_PORT, Notification::kEditChange, &D::ReadFields},
        {IDC_MMS_ACCOUNT, Notification::kEditChange, &D::ReadFields},
        {IDC_MMS_PASSWORD, Notification::kEditChange, &D::ReadFields},
        {IDC_MMS_PHONE3, Notification::kEditChange, &D::ReadFields},
        {IDC_MMS_OPERATOR, Notification::kSelChange, &D::ReadFields},
        {ids_.hoursList, Notification::kSelChange, &D::ReadFields},
        // A typed folder is held at once, so that no refresh puts the previous one back.
        {IDC_MMS_FOLDER, Notification::kEditChange, &D::TakeFolderFromField},
        {IDC_MMS_READ_FILE, Notification::kClicked, &D::OnReadFile},
    });
    // A count outside 0..99 goes back to 0, below the range as well: a negative count has no digits the
    // file could hold.
    AddHandler(IDC_MMS_PICTURES, Notification::kEditChange,
               [this] { KeepPicturesPerDayInRange(picturesPerDay); });
}

void CMmsSetupDlg::DoDataExchange(CDataExchange& dx) {
    CSetupDialog::DoDataExchange(dx);
    DDX_Control(dx, ids_.hoursList, hoursList_);
    DDX_Control(dx, IDC_MMS_PHONE_TYPE, phoneTypeList_);
    DDX_Control(dx, IDC_MMS_COUNTRY, countryList_);
    DDX_Control(dx, IDC_MMS_SEND, sendList_);
    DDX_Control(dx, IDC_MMS_OPERATOR, operatorList_);
    DDX_Control(dx, IDC_MMS_APN_TYPE, apnTypeList_);
    DDX_Control(dx, IDC_MMS_MODE, modeList_);

    // The exchange order is the order in which a reading of the form reports the first bad field.
    DDX_Text(dx, IDC_MMS_ACCOUNT, account);
    DDV_MaxChars(dx, account, kAccountLimit);
    DDX_Text(dx, IDC_MMS_FOLDER, outputFolder);
    DDV_MaxCharacters(dx, outputFolder, kFolderTypingLimit);
    DDX_Text(dx, IDC_MMS_URL, url);
    DDV_MaxChars(dx, url, kUrlLimit);
    DDX_Text(dx, IDC_MMS_APN, apn);
    DDV_MaxChars(dx, apn, kApnLimit);
    DDX_Text(dx, IDC_MMS_PASSWORD, password);
    DDV_MaxChars(dx, password, kPasswordLimit);
    DDX_Text(dx, IDC_MMS_GATEWAY, gateway);
    DDV_MaxChars(dx, gateway, kGatewayLimit);
    DDX_Text(dx, IDC_MMS_PORT, port);
    DDV_MaxChars(dx, port, kPortLimit);
    DDX_Text(dx, IDC_MMS_PHONE, phone);
    DDV_PhoneLength(dx, phone, MaxPhoneDigits(family_, phoneIsInternational), settings_.language);
    DDX_Text(dx, IDC_MMS_PHONE2, phone2);
    DDV_MaxChars(dx, phone2, kRecipientLimit);
    DDX_Text(dx, IDC_MMS_PHONE3, phone3);
    DDV_MaxChars(dx, phone3, kRecipientLimit);
    DDX_Text(dx, IDC_MMS_EMAIL, email);
    DDV_MaxChars(dx, email, kEmailLimit);
    DDX_Text(dx, IDC_MMS_PICTURES, picturesPerDay);
    DDV_IntRange(dx, picturesPerDay, 0, kMaxPicturesPerDay, settings_.language);
}

bool CMmsSetupDlg::OnInitDialog() {
    CSetupDialog::OnInitDialog();
    SetTexts();
    ApplyFieldStates();
    return true;
}

void CMmsSetupDlg::SetTexts() {
    const int32_t language = DisplayLanguage(settings_.language);
    const MmsTexts texts = MmsDialogTexts(language);
    const MmsCaptions& c = texts.captions;
    const std::pair<int, std::string_view> captions[] = {
        {IDC_MMS_MODE_LABEL, c.modeLabel},
        {IDC_MMS_PICTURES_LABEL, c.picturesLabel},
        {IDC_MMS_PICTURES_NOTE, c.picturesNote},
        {IDC_MMS_SEND_LABEL, c.sendLabel},
        {IDC_MMS_COUNTRY_LABEL, c.countryLabel},
        {IDC_MMS_OPERATOR_LABEL, c.operatorLabel},
        {IDC_MMS_URL_LABEL, c.urlLabel},
        {IDC_MMS_GATEWAY_LABEL, c.gatewayLabel},
        {IDC_MMS_PORT_LABEL, c.portLabel},
        {IDC_MMS_PHONE_LABEL, c.phoneLabel},
        {IDC_MMS_EMAIL_LABEL, c.emailLabel},
        {IDC_MMS_ACCOUNT_LABEL, c.accountLabel},
        {IDC_MMS_PASSWORD_LABEL, c.passwordLabel},
        {IDC_MMS_PHONE2_LABEL, c.recipientLabel},
        {IDC_MMS_PHONE3_LABEL, c.recipientLabel},
        {IDC_MMS_FOLDER_BUTTON, c.folderButton},
        {IDC_MMS_READ_FILE, ReadBackButtonCaption(language)},
        {IDOK, c.generate},
        {IDCANCEL, c.exit},
        {IDC_MMS_FRAME, c.frame},
        {ids_.hoursLabel, c.remoteControlLabel},
    };
    for (const auto& [id, text] : captions) {
        SetDlgItemText(id, std::string(text));
    }
    if (ids_.hoursUnit != kNoId) {
        SetDlgItemText(ids_.hoursUnit, std::string(kMmsHoursUnit));
    }

    FillRemoteControlHours(hoursList_, c.hoursOff);

    const MmsListTexts& lists = texts.lists;
    modeList_.AddString(std::string(lists.modeAuto));
    modeList_.AddString(std::string(lists.modeManual));
    modeList_.SetCurSel(kAutoMode);
    FillModeLists(false);

    sendList_.AddString(std::string(lists.sendOff));
    sendList_.AddString(std::string(kMmsSendVga));
    if (family_ == ModelFamily::k8520) {
        sendList_.AddString(std::string(kMmsSendQvga));
    }
    sendList_.AddString(std::string(kMmsSendSms));
    sendList_.SetCurSel(kSendVgaPosition);

    phoneTypeList_.AddString(std::string(lists.domestic));
    phoneTypeList_.AddString(std::string(lists.international));
    phoneTypeList_.SetCurSel(kPhoneDomestic);
}

// The country and operator lists of the mode, and "CSD" besides "APN" in Manual mode.
void CMmsSetupDlg::FillModeLists(bool manual) {
    listsMode_ = manual ? kManualMode : kAutoMode;
    FillPresetLists(countryList_, operatorList_, PresetSet::kMms, manual);
    apnTypeList_.ResetContent();
    apnTypeList_.AddString(std::string(kMmsApnTypeApn));
    if (manual) {
        apnTypeList_.AddString(std::string(kMmsApnTypeCsd));
    }
    apnTypeList_.SetCurSel(0);
}

bool CMmsSetupDlg::Manual() const {
    return modeList_.GetCurSel() == kManualMode;
}

bool CMmsSetupDlg::SmsOnly() const {
    return SmsOnlySend(family_, sendList_.GetCurSel());
}

void CMmsSetupDlg::ApplyFieldStates(bool lockRecipients) {
    const bool networkTyped = Manual() && !SmsOnly();
    SetReadOnly({IDC_MMS_URL, IDC_MMS_APN, IDC_MMS_GATEWAY, IDC_MMS_PORT, IDC_MMS_ACCOUNT, IDC_MMS_PASSWORD},
                !networkTyped);
    SetReadOnly({IDC_MMS_PHONE}, false);
    SetReadOnly({IDC_MMS_EMAIL}, SmsOnly());
    if (lockRecipients) {
        SetReadOnly({IDC_MMS_PHONE2, IDC_MMS_PHONE3}, true);
        return;
    }

    const bool secondOpen = SecondRecipientOpen(phone, email);
    if (!secondOpen) {
        phone2.clear();
    }
    const bool thirdOpen = ThirdRecipientOpen(secondOpen, phone2);
    if (!thirdOpen) {
        phone3.clear();
    }
    SetReadOnly({IDC_MMS_PHONE2}, !secondOpen);
    SetReadOnly({IDC_MMS_PHONE3}, !thirdOpen);
}

// A switch empties the network texts: Auto shows none, Manual starts from none rather than from a preset.
// The recipients are the user's whatever the mode and stay. Choosing the mode already shown changes
// nothing.
void CMmsSetupDlg::OnSelchangeMode() {
    if (modeList_.GetCurSel() == listsMode_) {
        return;
    }
    for (std::string* text : {&url, &apn, &gateway, &port, &account, &password}) {
        text->clear();
    }
    FillModeLists(Manual());
    if (Manual()) {
        mmsCountryCode = kManualCountryCode;
        mmsOperatorCode = 0;
    }
    ApplyFieldStates();
    UpdateData(false);
}

void CMmsSetupDlg::OnSelchangeCountry() {
    if (!Manual()) {
        FillOperators(operatorList_, PresetSet::kMms, countryList_.GetCurSel());
    }
    UpdateData(false);
}

// Texts already held in fields that lock stay in them. Choosing "SMS", and leaving it in Manual mode,
// locks the second and third recipients; leaving it in Auto mode opens what the recipient rules open.
void CMmsSetupDlg::OnSelchangeSendMode() {
    ApplyFieldStates(SmsOnly() || Manual());
    if (SmsOnly()) {
        UpdateData(false);
    } else {
        UpdateData(true);
    }
}

void CMmsSetupDlg::OnSelchangePhoneType() {
    phoneIsInternational = phoneTypeList_.GetCurSel() == kPhoneInternational;
    if (phoneIsInternational) {
        ShowText(MmsMessage::kInternationalNotShown);
    }
}

void CMmsSetupDlg::OnUpdatePhone() {
    UpdateData(true);
    if (phone.size() > static_cast<std::size_t>(MaxPhoneDigits(family_, phoneIsInternational))) {
        phone.clear();
    }
    ApplyFieldStates();
    UpdateData(false);
}

void CMmsSetupDlg::OnUpdatePhone2() {
    UpdateData(true);
    ApplyFieldStates();
    UpdateData(false);
}

void CMmsSetupDlg::OnUpdateEmail() {
    UpdateData(true);
    ApplyFieldStates();
    UpdateData(false);
}

MmsFileValues CMmsSetupDlg::FileValues() {
    MmsFileValues v;
    v.sendMode = static_cast<uint8_t>(sendList_.GetCurSel());
    v.apnType = static_cast<uint8_t>(apnTypeList_.GetCurSel());
    v.picturesPerDay = picturesPerDay;
    v.fileLanguage = FileLanguage(settings_);
    v.tvMode = settings_.tvMode;
    v.phoneIsInternational = phoneIsInternational;
    v.remoteControlHours = static_cast<uint8_t>(hoursList_.GetCurSel());
    v.mmsMode = static_cast<uint8_t>(Manual() ? kMmsModeManual : kMmsModeAuto);
    v.url = url;
    v.apn = apn;
    v.gateway = gateway;
    v.port = port;
    v.account = account;
    v.password = password;
    v.phone = phone;
    v.email = email;
    v.phone2 = phone2;
    v.phone3 = phone3;
    v.mmsCountryCode = mmsCountryCode;
    v.mmsOperatorCode = mmsOperatorCode;
    if (!Manual()) {
        UseMmsPreset(v, countryList_.GetCurSel(), operatorList_.GetCurSel());
        mmsCountryCode = v.mmsCountryCode;
        mmsOperatorCode = v.mmsOperatorCode;
    }
    return v;
}

int CMmsSetupDlg::FieldId(MmsField field) const {
    switch (field) {
        case MmsField::kPhone:
            return IDC_MMS_PHONE;
        case MmsField::kPhone2:
            return IDC_MMS_PHONE2;
        case MmsField::kPhone3:
            return IDC_MMS_PHONE3;
        case MmsField::kEmail:
            return IDC_MMS_EMAIL;
        case MmsField::kUrl:
            return IDC_MMS_URL;
        case MmsField::kApn:
            return IDC_MMS_APN;
        case MmsField::kGateway:
            return IDC_MMS_GATEWAY;
        case MmsField::kPort:
            return IDC_MMS_PORT;
    }
    return IDC_MMS_PHONE;
}

void CMmsSetupDlg::ShowText(MmsMessage message) {
    Tell(MmsMessageText(message, settings_.language));
}

void CMmsSetupDlg::OnGenerate() {
    // What the fields show is what is written: a failing field check stops here with its message.
    if (!UpdateData(true)) {
        return;
    }
    // Auto mode writes the MMS centre and access point of the chosen operator's preset.
    if (!Manual() && !PresetHasSettings(PresetSet::kMms, modeList_, countryList_, operatorList_)) {
        return;
    }
    const MmsFileValues values = FileValues();
    if (const std::optional<MmsFault> fault = CheckMmsFile(family_, values)) {
        ShowText(fault->message);
        if (CEdit* edit = GetEdit(FieldId(fault->field))) {
            edit->SetFocus();
            edit->SetSel(0, -1);
        }
        return;
    }
    WriteMessageFile([&](const std::string& folder) { return WriteMmsSettingsFile(fs_, folder, values); },
                     MmsMessageText(family_ == ModelFamily::k8620 ? MmsMessage::kGenerated8620
                                                                  : MmsMessage::kGenerated8520,
                                    settings_.language));
}

}  // namespace corvane
