#pragma once

#include "core/models/models.h"
#include "framework/dialog_template.h"

namespace corvane {

// Control ids the two camera templates share.
inline constexpr int IDC_VIDEO_LENGTH = 1002;
inline constexpr int IDC_INTERVAL = 1003;
inline constexpr int IDC_CAMERA_MODE_LABEL = 1004;
inline constexpr int IDC_IMAGE_SIZE_LABEL = 1005;
inline constexpr int IDC_VIDEO_SIZE_LABEL = 1006;
inline constexpr int IDC_PICTURE_COUNT_LABEL = 1007;
inline constexpr int IDC_VIDEO_LENGTH_LABEL = 1008;
inline constexpr int IDC_INTERVAL_LABEL = 1009;
inline constexpr int IDC_SENSE_LEVEL_LABEL = 1010;
inline constexpr int IDC_TIME_STAMP_LABEL = 1011;
inline constexpr int IDC_SIDE_PIR_LABEL = 1012;
inline constexpr int IDC_CAMERA_MODE = 1013;
inline constexpr int IDC_IMAGE_SIZE = 1014;
inline constexpr int IDC_VIDEO_SIZE = 1015;
inline constexpr int IDC_PICTURE_COUNT = 1016;
inline constexpr int IDC_TIMER1_START_HOUR = 1017;
inline constexpr int IDC_SET_CLOCK_LABEL = 1018;
inline constexpr int IDC_TIMER1_LABEL = 1019;
inline constexpr int IDC_TIME_LAPSE_LABEL = 1020;
inline constexpr int IDC_SERIAL_LABEL = 1021;
inline constexpr int IDC_TIMER1_START_MINUTE = 1022;
inline constexpr int IDC_TIMER1_STOP_HOUR = 1023;
inline constexpr int IDC_TIMER1_STOP_MINUTE = 1024;
inline constexpr int IDC_TIMER1 = 1025;
inline constexpr int IDC_TIME_STAMP = 1026;
inline constexpr int IDC_SENSE_LEVEL = 1027;
inline constexpr int IDC_SIDE_PIR = 1028;
inline constexpr int IDC_INTERVAL_UNIT = 1029;
inline constexpr int IDC_CLOCK_TEXT = 1030;
inline constexpr int IDC_GET_TIME = 1031;
inline constexpr int IDC_SERIAL = 1032;
inline constexpr int IDC_TIME_LAPSE = 1033;
inline constexpr int IDC_SERIAL_CHAR1 = 1034;  // characters 2..4 follow: 1035, 1036, 1037
inline constexpr int IDC_TIME_LAPSE_HOUR = 1038;
inline constexpr int IDC_TIME_LAPSE_MINUTE = 1039;
inline constexpr int IDC_TIME_LAPSE_SECOND = 1040;
inline constexpr int IDC_DATE_FORMAT_LABEL = 1043;
inline constexpr int IDC_DATE_FORMAT = 1044;
inline constexpr int IDC_FOLDER_BUTTON = 1057;
inline constexpr int IDC_TIMER1_START_LABEL = 1059;
inline constexpr int IDC_TIMER1_STOP_LABEL = 1060;
inline constexpr int IDC_TIMER2_START_LABEL = 1061;
inline constexpr int IDC_FACTORY_SETTINGS = 1062;
inline constexpr int IDC_TIMER2_STOP_LABEL = 1063;
inline constexpr int IDC_OUTPUT_FOLDER = 1064;
inline constexpr int IDC_READ_FILE = 1190;         // reads menu.dat back from the folder
inline constexpr int IDC_FIRST_PAIR_FRAME = 1065;  // frames around the label-and-list pairs
// Small labels above the hour, minute and second fields; the sets are the same in both templates, only
// their assignment to the timer 2 fields differs.
inline constexpr int kHourLabelIds[] = {1118, 1119, 1120, 1121, 1126};
inline constexpr int kMinuteLabelIds[] = {1122, 1123, 1124, 1125, 1127};
inline constexpr int IDC_TIME_LAPSE_SECOND_LABEL = 1128;

// The ids in which the two templates differ. kNoId where a variant has no such control.
struct CameraFamilyIds {
    int beepLabel;
    int beep;
    int sdCycleLabel;
    int sdCycle;
    int timer2Label;
    int timer2;
    int timer2StartHour;
    int timer2StartMinute;
    int timer2StopHour;
    int timer2StopMinute;
};

inline constexpr CameraFamilyIds kCamera8620Ids{1041, 1042, 1045, 1046, 1047, 1052, 1048, 1049, 1050, 1051};
inline constexpr CameraFamilyIds kCamera8520Ids{kNoId, kNoId, kNoId, kNoId, 1041,
                                                1048,  1042,  1045,  1046,  1047};

constexpr const CameraFamilyIds& CameraIdsOf(ModelFamily family) {
    return family == ModelFamily::k8620 ? kCamera8620Ids : kCamera8520Ids;
}

// Templates 140 (8620 family) and 129 (8520 family): the camera setup dialog. Built on first use.
const DialogTemplate& CameraDialogTemplate(ModelFamily family);

}  // namespace corvane
