#include "res/mms_templates.h"

namespace corvane {
namespace {

// Wider than the classic layout so that the Japanese mode label and the longest preset names ("Ceska
// republika", "Vodafone Prepay") show whole with Qt's drop-down arrow and the fallback fonts.
constexpr int kModeLabelWidth = 58;
constexpr int kCountryListWidth = 75;
constexpr int kOperatorListWidth = 72;
// The 8520 hours list, wide enough for "Vypnuto" beside Qt's arrow.
constexpr int kHoursList8520Width = 46;
// Account and password labels as wide as the other field labels ("Mot de passe").
constexpr int kFieldLabelWidth = 59;

ControlTemplate Label(int id, int x, int y, int w, int h, const char* text) {
    return {id, ControlKind::kLabel, x, y, w, h, text};
}
ControlTemplate List(int id, int x, int y, int w, int h) {
    return {id, ControlKind::kDropDownList, x, y, w, h, "", Style::kVScroll};
}
ControlTemplate Edit(int id, int x, int y, int w, int h) {
    return {id, ControlKind::kEdit, x, y, w, h, "", Style::kAutoHScroll};
}
ControlTemplate Frame(int id, int x, int y, int w, int h, const char* text = "") {
    return {id, ControlKind::kGroupBox, x, y, w, h, text};
}
ControlTemplate Button(int id, int x, int y, int w, int h, const char* text) {
    return {id, ControlKind::kPushButton, x, y, w, h, text};
}

// The rows from the URL to the folder and the buttons; `fields` moves the URL..Phone NO 03 rows, `folder`
// the folder row and `buttons` the two buttons (the 8520 template lies lower than the 8620 one).
void AddFieldRows(std::vector<ControlTemplate>& controls, int fields, int folder, int buttons) {
    const int f = fields;
    const std::vector<ControlTemplate> rows = {
        Label(IDC_MMS_URL_LABEL, 20, 109 + f, 37, 8, "URL"),
        Edit(IDC_MMS_URL, 81, 107 + f, 186, 14),
        List(IDC_MMS_APN_TYPE, 19, 127 + f, 51, 60),
        Edit(IDC_MMS_APN, 81, 127 + f, 186, 14),
        Label(IDC_MMS_GATEWAY_LABEL, 20, 149 + f, 59, 8, "GateWay"),
        Edit(IDC_MMS_GATEWAY, 81, 147 + f, 186, 14),
        Label(IDC_MMS_PORT_LABEL, 20, 169 + f, 59, 8, "Port"),
        Edit(IDC_MMS_PORT, 81, 167 + f, 186, 14),
        Label(IDC_MMS_PHONE_LABEL, 20, 189 + f, 61, 8, "Phone NO"),
        Edit(IDC_MMS_PHONE, 81, 187 + f, 118, 14),
        List(IDC_MMS_PHONE_TYPE, 206, 187 + f, 60, 60),
        Label(IDC_MMS_EMAIL_LABEL, 20, 209 + f, 59, 8, "Email"),
        Edit(IDC_MMS_EMAIL, 81, 207 + f, 186, 14),
        Label(IDC_MMS_ACCOUNT_LABEL, 20, 229 + f, kFieldLabelWidth, 8, "Account"),
        Edit(IDC_MMS_ACCOUNT, 81, 227 + f, 186, 14),
        Label(IDC_MMS_PASSWORD_LABEL, 20, 249 + f, kFieldLabelWidth, 8, "Password"),
        Edit(IDC_MMS_PASSWORD, 81, 247 + f, 186, 14),
        Label(IDC_MMS_PHONE2_LABEL, 20, 269 + f, 60, 8, "Phone NO 02"),
        Edit(IDC_MMS_PHONE2, 81, 267 + f, 186, 14),
        Label(IDC_MMS_PHONE3_LABEL, 20, 289 + f, 60, 8, "Phone NO 03"),  // clear of the field at 81
        Edit(IDC_MMS_PHONE3, 81, 287 + f, 186, 14),
        Button(IDC_MMS_FOLDER_BUTTON, 19, 306 + folder, 50, 14, "Button1"),
        Edit(IDC_MMS_FOLDER, 81, 307 + folder, 186, 14),
        {IDOK, ControlKind::kDefPushButton, 71, 326 + buttons, 50, 14, "OK"},
        Button(IDCANCEL, 174, 325 + buttons, 50, 14, "Cancel"),
    };
    controls.insert(controls.end(), rows.begin(), rows.end());
}

// The rows above the remote control row, the same in both templates.
void AddTopRows(std::vector<ControlTemplate>& controls) {
    const std::vector<ControlTemplate> rows = {
        Label(IDC_MMS_MODE_LABEL, 12, 14, kModeLabelWidth, 8, "MMS Mode"),
        List(IDC_MMS_MODE, 70, 12, 60, 60),
        Label(IDC_MMS_SEND_LABEL, 150, 14, 56, 8, "MMS Send"),
        List(IDC_MMS_SEND, 208, 12, 60, 60),
        Label(IDC_MMS_PICTURES_LABEL, 24, 37, 75, 8, "Picture No./ day"),
        {IDC_MMS_PICTURES, ControlKind::kEdit, 106, 34, 23, 14, "", Style::kCenter | Style::kAutoHScroll},
        Label(IDC_MMS_PICTURES_NOTE, 151, 35, 112, 8, "Static"),
        Label(IDC_MMS_COUNTRY_LABEL, 23, 59, 47, 8, "State"),
        List(IDC_MMS_COUNTRY, 71, 58, kCountryListWidth, 102),
        Label(IDC_MMS_OPERATOR_LABEL, 150, 59, 53, 8, "Operators"),
        List(IDC_MMS_OPERATOR, 206, 58, kOperatorListWidth, 128),
    };
    controls.insert(controls.end(), rows.begin(), rows.end());
}

constexpr uint32_t kMmsDialogStyle = DialogStyle::kSysMenu;

}  // namespace

const DialogTemplate& Mms8620DialogTemplate() {
    static const DialogTemplate kTemplate = [] {
        DialogTemplate t{142, "Corvane 8620", 292, 346, kMmsDialogStyle, "SimSun", 9, {}};
        // frames first, so that every control lies above them
        t.controls = {
            Frame(IDC_MMS_FRAME, 3, 3, 285, 340, "MMS"),
            Frame(kNoId, 12, 28, 269, 24),
            Frame(kNoId, 12, 49, 269, 28),
            Frame(1083, 12, 75, 269, 24),
            Frame(kNoId, 12, 98, 269, 206),
        };
        AddTopRows(t.controls);
        const MmsFamilyIds& ids = kMms8620Ids;
        t.controls.push_back(Label(ids.hoursLabel, 17, 85, 88, 12, "SMS Remote Control"));
        t.controls.push_back(List(ids.hoursList, 109, 82, 60, 102));
        t.controls.push_back(Label(ids.hoursUnit, 177, 84, 8, 8, "H"));
        AddFieldRows(t.controls, 0, 0, 0);
        return t;
    }();
    return kTemplate;
}

const DialogTemplate& Mms8520DialogTemplate() {
    static const DialogTemplate kTemplate = [] {
        DialogTemplate t{130, "Corvane 8520", 292, 358, kMmsDialogStyle, "SimSun", 9, {}};
        t.controls = {
            Frame(IDC_MMS_FRAME, 3, 3, 285, 353, "MMS"),
            Frame(kNoId, 12, 28, 269, 24),
            Frame(kNoId, 12, 49, 269, 28),
            Frame(kNoId, 12, 75, 268, 25),
            Frame(kNoId, 13, 99, 267, 210),
        };
        AddTopRows(t.controls);
        const MmsFamilyIds& ids = kMms8520Ids;
        t.controls.push_back(Label(ids.hoursLabel, 15, 86, 90, 8, "SMS Remote Control"));
        t.controls.push_back(Label(kNoId, 160, 86, 11, 8, "H"));
        t.controls.push_back(List(ids.hoursList, 111, 83, kHoursList8520Width, 97));
        AddFieldRows(t.controls, 2, 7, 9);
        return t;
    }();
    return kTemplate;
}

const DialogTemplate& MmsDialogTemplate(ModelFamily family) {
    return family == ModelFamily::k8620 ? Mms8620DialogTemplate() : Mms8520DialogTemplate();
}

}  // namespace corvane
