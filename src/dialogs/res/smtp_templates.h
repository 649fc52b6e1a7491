#pragma once

#include "core/models/models.h"
#include "framework/dialog_template.h"

namespace corvane {

// Templates 143 (8620 family) and 147 (8520 family): the e-mail setup dialog. Built on first use.
const DialogTemplate& SmtpDialogTemplate(ModelFamily family);

// Control ids the two e-mail templates share.
inline constexpr int IDC_SMTP_PICTURES = 1002;
inline constexpr int IDC_SMTP_APN = 1003;
inline constexpr int IDC_SMTP_ACCOUNT = 1004;
inline constexpr int IDC_SMTP_GPRS_PASSWORD = 1005;
inline constexpr int IDC_SMTP_SERVER = 1006;
inline constexpr int IDC_SMTP_PORT = 1007;
inline constexpr int IDC_SMTP_SENDER_PASSWORD = 1008;
inline constexpr int IDC_SMTP_SENDER = 1009;
inline constexpr int IDC_SMTP_RECIPIENT = 1012;
inline constexpr int IDC_SMTP_FOLDER = 1017;
inline constexpr int IDC_SMTP_MODE_LABEL = 1086;
inline constexpr int IDC_SMTP_MODE = 1087;
inline constexpr int IDC_SMTP_COUNTRY = 1088;
inline constexpr int IDC_SMTP_PICTURES_LABEL = 1089;
inline constexpr int IDC_SMTP_NOTE = 1090;
inline constexpr int IDC_SMTP_COUNTRY_LABEL = 1091;
inline constexpr int IDC_SMTP_OPERATOR_LABEL = 1092;
inline constexpr int IDC_SMTP_OPERATOR = 1093;
inline constexpr int IDC_SMTP_APN_LABEL = 1097;
inline constexpr int IDC_SMTP_ACCOUNT_LABEL = 1098;
inline constexpr int IDC_SMTP_GPRS_PASSWORD_LABEL = 1099;
inline constexpr int IDC_SMTP_SERVER_LABEL = 1100;
inline constexpr int IDC_SMTP_PORT_LABEL = 1101;
inline constexpr int IDC_SMTP_SENDER_PASSWORD_LABEL = 1102;
inline constexpr int IDC_SMTP_SENDER_LABEL = 1103;
inline constexpr int IDC_SMTP_RECIPIENT_LABEL = 1106;
inline constexpr int IDC_SMTP_FOLDER_BUTTON = 1111;
inline constexpr int IDC_SMTP_READ_FILE = 1190;  // reads smtp.dat back from the folder
inline constexpr int IDC_SMTP_GENERATE = 1112;
// The test e-mail button and the line that shows its progress.
inline constexpr int IDC_SMTP_TEST_MAIL = 1150;
inline constexpr int IDC_SMTP_TEST_STATUS = 1151;

// The ids in which the two templates differ; kNoId where a variant has no such control.
struct SmtpFamilyIds {
    int statusLabel;  // "SMTP Status", 8620 only
    int status;       // SMTP status list, 8620 only
    int remoteControlLabel;
    int remoteControl;
    int phoneLabel;
    int phone;
};

inline constexpr SmtpFamilyIds kSmtp8620Ids{1113, 1114, 1107, 1115, 1116, 1117};
inline constexpr SmtpFamilyIds kSmtp8520Ids{kNoId, kNoId, 1132, 1135, 1114, 1113};

constexpr const SmtpFamilyIds& SmtpIdsOf(ModelFamily family) {
    return family == ModelFamily::k8620 ? kSmtp8620Ids : kSmtp8520Ids;
}

}  // namespace corvane
