#pragma once

#include "core/models/models.h"
#include "framework/dialog_template.h"

namespace corvane {

// Templates 142 (8620 family) and 130 (8520 family): the MMS setup dialog. Built on first use.
const DialogTemplate& MmsDialogTemplate(ModelFamily family);

// Control ids the two MMS templates share.
inline constexpr int IDC_MMS_URL = 1002;
inline constexpr int IDC_MMS_APN = 1003;
inline constexpr int IDC_MMS_GATEWAY = 1004;
inline constexpr int IDC_MMS_PORT = 1005;
inline constexpr int IDC_MMS_PHONE = 1006;
inline constexpr int IDC_MMS_EMAIL = 1007;
inline constexpr int IDC_MMS_ACCOUNT = 1008;
inline constexpr int IDC_MMS_PASSWORD = 1009;
inline constexpr int IDC_MMS_PHONE2 = 1010;
inline constexpr int IDC_MMS_PHONE3 = 1011;
inline constexpr int IDC_MMS_FOLDER = 1012;
inline constexpr int IDC_MMS_MODE_LABEL = 1039;
inline constexpr int IDC_MMS_SEND_LABEL = 1040;
inline constexpr int IDC_MMS_MODE = 1041;
inline constexpr int IDC_MMS_SEND = 1042;
inline constexpr int IDC_MMS_COUNTRY_LABEL = 1043;
inline constexpr int IDC_MMS_OPERATOR_LABEL = 1044;
inline constexpr int IDC_MMS_COUNTRY = 1045;
inline constexpr int IDC_MMS_OPERATOR = 1046;
inline constexpr int IDC_MMS_URL_LABEL = 1047;
inline constexpr int IDC_MMS_GATEWAY_LABEL = 1048;
inline constexpr int IDC_MMS_PORT_LABEL = 1049;
inline constexpr int IDC_MMS_PHONE_LABEL = 1050;
inline constexpr int IDC_MMS_EMAIL_LABEL = 1051;
inline constexpr int IDC_MMS_ACCOUNT_LABEL = 1052;
inline constexpr int IDC_MMS_PASSWORD_LABEL = 1053;
inline constexpr int IDC_MMS_PHONE2_LABEL = 1054;
inline constexpr int IDC_MMS_PHONE3_LABEL = 1055;
inline constexpr int IDC_MMS_APN_TYPE = 1056;
inline constexpr int IDC_MMS_FOLDER_BUTTON = 1057;
inline constexpr int IDC_MMS_FRAME = 1058;
inline constexpr int IDC_MMS_PICTURES_LABEL = 1059;
inline constexpr int IDC_MMS_PHONE_TYPE = 1060;
inline constexpr int IDC_MMS_PICTURES = 1074;
inline constexpr int IDC_MMS_PICTURES_NOTE = 1075;
inline constexpr int IDC_MMS_READ_FILE = 1190;  // reads setup.dat back from the folder

// The ids in which the two templates differ: the remote control row. kNoId where a variant has no such
// control (the 8520 template has its "H" fixed in an unnamed label).
struct MmsFamilyIds {
    int hoursList;
    int hoursLabel;
    int hoursUnit;
};

inline constexpr MmsFamilyIds kMms8620Ids{1061, 1084, 1085};
inline constexpr MmsFamilyIds kMms8520Ids{1134, 1129, kNoId};

constexpr const MmsFamilyIds& MmsIdsOf(ModelFamily family) {
    return family == ModelFamily::k8620 ? kMms8620Ids : kMms8520Ids;
}

}  // namespace corvane
