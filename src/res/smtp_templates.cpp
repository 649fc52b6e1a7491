#include "res/smtp_templates.h"

namespace corvane {
namespace {

ControlTemplate Label(int id, int x, int y, int w, int h, const char* text = "Static") {
    return {id, ControlKind::kLabel, x, y, w, h, text};
}
// The pictures-per-day label: two lines high, centred on the field's line, so that the longer captions
// ("kuvien maara / paiva", "N. immagine/data") wrap instead of being cut.
ControlTemplate PicturesLabel(int x, int y) {
    return {IDC_SMTP_PICTURES_LABEL, ControlKind::kLabel, x, y - 4, 53, 16, "Static", Style::kVCenter};
}
ControlTemplate List(int id, int x, int y, int w, int h) {
    return {id, ControlKind::kDropDownList, x, y, w, h, "", Style::kVScroll};
}
ControlTemplate Edit(int id, int x, int y, int w, int h, uint32_t style = 0) {
    return {id, ControlKind::kEdit, x, y, w, h, "", Style::kAutoHScroll | style};
}
ControlTemplate Group(int id, int x, int y, int w, int h, const char* text = "") {
    return {id, ControlKind::kGroupBox, x, y, w, h, text};
}
ControlTemplate Button(int id, int x, int y, int w, int h) {
    return {id, ControlKind::kPushButton, x, y, w, h, "Button"};
}

// Country and operator lists wider than the classic layout, the operator list moved left, so that the
// longest preset names ("Ceska republika", "Pannon (contract)") show whole with Qt's drop-down arrow.
constexpr int kCountryWidth = 70;
constexpr int kOperatorLabelX = 147;
constexpr int kOperatorX = 201;
constexpr int kOperatorWidth = 75;

constexpr uint32_t kNumberField = Style::kNumber | Style::kCenter;
constexpr uint32_t kSmtpDialogStyle = DialogStyle::kSysMenu | DialogStyle::kMaximizeBox;

}  // namespace

const DialogTemplate& Smtp8620DialogTemplate() {
    const SmtpFamilyIds& ids = kSmtp8620Ids;
    static const DialogTemplate kTemplate{
        143,
        "Corvane 8620",
        292,
        331,
        kSmtpDialogStyle,
        "SimSun",
        9,
        {
            Button(IDCANCEL, 176, 312, 50, 14),
            Button(IDC_SMTP_GENERATE, 55, 312, 50, 14),
            Button(IDC_SMTP_FOLDER_BUTTON, 16, 293, 50, 14),
            Edit(IDC_SMTP_FOLDER, 71, 293, 200, 14),
            Group(1094, 11, 0, 267, 27),
            Label(IDC_SMTP_MODE_LABEL, 18, 11, 51, 8),
            List(IDC_SMTP_MODE, 72, 9, 62, 30),
            Label(ids.statusLabel, 153, 12, 51, 8, "SMTP Status"),
            List(ids.status, 209, 10, 62, 80),
            Group(1095, 11, 24, 267, 24),
            PicturesLabel(17, 33),
            Edit(IDC_SMTP_PICTURES, 72, 32, 28, 14, kNumberField),
            Label(IDC_SMTP_NOTE, 119, 34, 107, 8),
            Group(1096, 12, 45, 266, 25),
            Label(IDC_SMTP_COUNTRY_LABEL, 20, 56, 50, 8),
            List(IDC_SMTP_COUNTRY, 73, 55, kCountryWidth, 112),
            Label(IDC_SMTP_OPERATOR_LABEL, kOperatorLabelX, 56, 52, 8),
            List(IDC_SMTP_OPERATOR, kOperatorX, 54, kOperatorWidth, 79),
            Group(kNoId, 12, 70, 266, 28),
            Label(ids.remoteControlLabel, 19, 80, 97, 8),
            List(ids.remoteControl, 120, 78, 62, 112),
            Label(kNoId, 185, 81, 8, 8, "H"),
            Group(kNoId, 13, 97, 265, 58, "GPRS Setting"),
            Label(IDC_SMTP_APN_LABEL, 19, 111, 48, 8, "APN"),
            Edit(IDC_SMTP_APN, 72, 106, 200, 14),
            Label(IDC_SMTP_ACCOUNT_LABEL, 19, 127, 48, 8),
            Edit(IDC_SMTP_ACCOUNT, 72, 122, 200, 14),
            Label(IDC_SMTP_GPRS_PASSWORD_LABEL, 19, 143, 50, 8),
            Edit(IDC_SMTP_GPRS_PASSWORD, 72, 139, 200, 14),
            Group(1104, 13, 157, 265, 75, "Sender"),
            Label(IDC_SMTP_SERVER_LABEL, 20, 168, 50, 8),
            Edit(IDC_SMTP_SERVER, 72, 165, 200, 14),
            Label(IDC_SMTP_PORT_LABEL, 19, 186, 50, 8),
            Edit(IDC_SMTP_PORT, 72, 182, 200, 14),
            Label(IDC_SMTP_SENDER_LABEL, 20, 201, 50, 8),
            Edit(IDC_SMTP_SENDER, 72, 198, 200, 14),
            Label(IDC_SMTP_SENDER_PASSWORD_LABEL, 19, 216, 50, 8),
            Edit(IDC_SMTP_SENDER_PASSWORD, 72, 214, 200, 14, Style::kPassword),
            Group(1105, 13, 232, 266, 30, "Recipients"),
            Label(IDC_SMTP_RECIPIENT_LABEL, 19, 247, 50, 8),
            Edit(IDC_SMTP_RECIPIENT, 71, 244, 200, 14),
            Group(kNoId, 13, 262, 266, 26, "SMS"),
            Label(ids.phoneLabel, 17, 272, 50, 8),
            Edit(ids.phone, 71, 269, 201, 14),
        },
    };
    return kTemplate;
}

const DialogTemplate& Smtp8520DialogTemplate() {
    const SmtpFamilyIds& ids = kSmtp8520Ids;
    static const DialogTemplate kTemplate{
        147,
        "Corvane 8520",
        286,
        343,
        kSmtpDialogStyle,
        "SimSun",
        9,
        {
            Button(IDCANCEL, 176, 327, 50, 14),
            Button(IDC_SMTP_GENERATE, 55, 327, 50, 14),
            Button(IDC_SMTP_FOLDER_BUTTON, 16, 303, 50, 14),
            Edit(IDC_SMTP_FOLDER, 71, 303, 200, 14),
            Group(1094, 11, 0, 267, 27),
            Label(IDC_SMTP_MODE_LABEL, 18, 11, 51, 8),
            List(IDC_SMTP_MODE, 72, 9, 62, 30),
            Group(1095, 11, 25, 267, 24),
            PicturesLabel(17, 34),
            Edit(IDC_SMTP_PICTURES, 72, 33, 28, 14, kNumberField),
            Label(IDC_SMTP_NOTE, 119, 35, 107, 8),
            Group(1096, 12, 48, 266, 25),
            Label(IDC_SMTP_COUNTRY_LABEL, 20, 58, 50, 8),
            List(IDC_SMTP_COUNTRY, 73, 57, kCountryWidth, 112),
            Label(IDC_SMTP_OPERATOR_LABEL, kOperatorLabelX, 58, 52, 8),
            List(IDC_SMTP_OPERATOR, kOperatorX, 56, kOperatorWidth, 79),
            Group(1131, 12, 72, 263, 24),
            Label(ids.remoteControlLabel, 15, 81, 73, 8),
            List(ids.remoteControl, 95, 78, 48, 105),
            Label(kNoId, 150, 82, 10, 8, "H"),
            Group(1107, 13, 99, 265, 63, "GPRS Setting"),
            Label(IDC_SMTP_APN_LABEL, 19, 117, 48, 8, "APN"),
            Edit(IDC_SMTP_APN, 72, 112, 200, 14),
            Label(IDC_SMTP_ACCOUNT_LABEL, 19, 133, 48, 8),
            Edit(IDC_SMTP_ACCOUNT, 72, 128, 200, 14),
            Label(IDC_SMTP_GPRS_PASSWORD_LABEL, 19, 149, 50, 8),
            Edit(IDC_SMTP_GPRS_PASSWORD, 72, 145, 200, 14),
            Group(1104, 13, 162, 265, 73, "Sender"),
            Label(IDC_SMTP_SERVER_LABEL, 20, 174, 50, 8),
            Edit(IDC_SMTP_SERVER, 72, 171, 200, 14),
            Label(IDC_SMTP_PORT_LABEL, 19, 192, 50, 8),
            Edit(IDC_SMTP_PORT, 72, 188, 200, 14),
            Label(IDC_SMTP_SENDER_LABEL, 20, 207, 50, 8),
            Edit(IDC_SMTP_SENDER, 72, 204, 200, 14),
            Label(IDC_SMTP_SENDER_PASSWORD_LABEL, 19, 223, 50, 8),
            Edit(IDC_SMTP_SENDER_PASSWORD, 72, 220, 200, 14, Style::kPassword),
            Group(1105, 13, 237, 266, 28, "Recipients"),
            Label(IDC_SMTP_RECIPIENT_LABEL, 19, 250, 50, 8),
            Edit(IDC_SMTP_RECIPIENT, 71, 247, 200, 14),
            Group(1083, 13, 266, 263, 28, "SMS"),
            Label(ids.phoneLabel, 18, 279, 51, 8),
            Edit(ids.phone, 73, 276, 196, 14),
        },
    };
    return kTemplate;
}

const DialogTemplate& SmtpDialogTemplate(ModelFamily family) {
    return family == ModelFamily::k8620 ? Smtp8620DialogTemplate() : Smtp8520DialogTemplate();
}

}  // namespace corvane
