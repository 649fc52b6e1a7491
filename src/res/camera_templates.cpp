#include "res/camera_templates.h"

namespace corvane {
namespace {

constexpr uint32_t kNumberField = Style::kNumber | Style::kCenter;

ControlTemplate Label(int id, int x, int y, int w, int h, const char* text, uint32_t style = 0) {
    return {id, ControlKind::kLabel, x, y, w, h, text, style};
}
ControlTemplate List(int id, int x, int y, int w, int h) {
    return {id, ControlKind::kDropDownList, x, y, w, h, "", Style::kVScroll};
}
ControlTemplate Number(int id, int x, int y, int w, int h) {
    return {id, ControlKind::kEdit, x, y, w, h, "", kNumberField};
}
ControlTemplate Frame(int id, int x, int y, int w, int h) {
    return {id, ControlKind::kGroupBox, x, y, w, h, ""};
}
ControlTemplate Button(int id, int x, int y, int w, int h, const char* text) {
    return {id, ControlKind::kPushButton, x, y, w, h, text};
}
// A "Hour", "Min" or "Sec" label centred above the field at x, y with width w.
ControlTemplate UnitAbove(int id, int x, int fieldY, int w, const char* text) {
    return Label(id, x, fieldY - 10, w, 8, text, Style::kCenter);
}
ControlTemplate Colon(int x, int y) {
    return Label(kNoId, x, y, 6, 8, ":", Style::kCenter);
}

// Wider than the classic layout so that the longest entries of every language show whole with Qt's
// drop-down arrow and the wider fallback fonts ("Video-Kamera", "1440x1080", "01 Fenykep", "Vypnuto").
constexpr int kCameraModeWidth = 64;
constexpr int kPictureCountWidth = 56;
constexpr int kTimerListWidth = 45;

constexpr uint32_t kCameraDialogStyle = DialogStyle::kSysMenu | DialogStyle::kMaximizeBox;

}  // namespace

const DialogTemplate& Camera8620DialogTemplate() {
    const CameraFamilyIds& ids = kCamera8620Ids;
    static const DialogTemplate kTemplate{
        140,
        "Corvane 8620",
        289,
        355,
        kCameraDialogStyle,
        "SimSun",
        9,
        {
            // frames first, so that every control lies above them
            Frame(1065, 8, 9, 130, 22),
            Frame(1066, 156, 9, 125, 22),
            Frame(1067, 8, 34, 130, 22),
            Frame(1068, 156, 34, 125, 22),
            Frame(1069, 8, 59, 130, 22),
            Frame(1070, 156, 59, 125, 22),
            Frame(1071, 8, 84, 130, 22),
            Frame(1072, 156, 84, 125, 22),
            Frame(1073, 8, 109, 130, 22),
            Frame(1074, 156, 109, 125, 22),
            Frame(1075, 8, 132, 130, 22),
            Frame(1076, 156, 132, 125, 22),
            Frame(kNoId, 8, 156, 273, 22),
            Frame(kNoId, 8, 180, 273, 32),
            Frame(kNoId, 8, 216, 273, 34),
            Frame(kNoId, 8, 251, 273, 21),
            Frame(kNoId, 8, 276, 273, 33),

            Label(IDC_CAMERA_MODE_LABEL, 14, 16, 50, 8, "Camera Mode"),
            List(IDC_CAMERA_MODE, 69, 14, kCameraModeWidth, 60),
            Label(IDC_IMAGE_SIZE_LABEL, 163, 16, 57, 8, "Image Size"),
            List(IDC_IMAGE_SIZE, 221, 14, 48, 60),
            Label(IDC_VIDEO_SIZE_LABEL, 14, 42, 51, 8, "Video Size"),
            List(IDC_VIDEO_SIZE, 69, 39, kCameraModeWidth, 60),
            Label(IDC_PICTURE_COUNT_LABEL, 162, 42, 59, 8, "Picture No."),
            List(IDC_PICTURE_COUNT, 221, 39, kPictureCountWidth, 60),
            Label(IDC_TIME_STAMP_LABEL, 14, 68, 51, 8, "Time Stamp"),
            List(IDC_TIME_STAMP, 69, 64, 48, 60),
            Label(IDC_SENSE_LEVEL_LABEL, 163, 69, 51, 8, "Sense Level"),
            List(IDC_SENSE_LEVEL, 221, 64, 48, 60),
            Label(IDC_SIDE_PIR_LABEL, 14, 90, 51, 8, "Side Pir"),
            List(IDC_SIDE_PIR, 69, 89, 48, 60),
            Label(IDC_VIDEO_LENGTH_LABEL, 160, 92, 60, 8, "Video Length"),
            Number(IDC_VIDEO_LENGTH, 221, 89, 26, 12),
            Label(kNoId, 250, 91, 18, 8, "Sec"),
            Label(IDC_INTERVAL_LABEL, 14, 117, 51, 8, "Interval"),
            List(IDC_INTERVAL_UNIT, 69, 114, 29, 60),
            Number(IDC_INTERVAL, 101, 114, 19, 14),
            Label(IDC_DATE_FORMAT_LABEL, 161, 117, 58, 8, "Date Format"),
            List(IDC_DATE_FORMAT, 219, 114, 48, 60),
            Label(ids.beepLabel, 13, 139, 51, 8, "Beep Sound"),
            List(ids.beep, 69, 136, 48, 60),
            Label(ids.sdCycleLabel, 161, 139, 51, 8, "SD Cycle"),
            List(ids.sdCycle, 219, 137, 48, 60),

            Label(IDC_SET_CLOCK_LABEL, 14, 162, 51, 8, "Set Clock"),
            {IDC_CLOCK_TEXT, ControlKind::kEdit, 71, 160, 117, 14, "",
             Style::kReadOnly | Style::kAutoHScroll},
            Button(IDC_GET_TIME, 204, 160, 63, 14, "GetTime"),

            Label(IDC_TIMER1_LABEL, 14, 198, 54, 8, "Timer"),
            List(IDC_TIMER1, 70, 196, kTimerListWidth, 60),
            Label(IDC_TIMER1_START_LABEL, 91, 184, 27, 8, "Start:"),
            UnitAbove(1118, 117, 195, 23, "Hour"),
            Number(IDC_TIMER1_START_HOUR, 117, 195, 23, 14),
            Colon(142, 198),
            UnitAbove(1122, 150, 195, 21, "Min"),
            Number(IDC_TIMER1_START_MINUTE, 150, 195, 21, 14),
            Label(IDC_TIMER1_STOP_LABEL, 177, 184, 27, 8, "Stop:"),
            UnitAbove(1119, 207, 194, 24, "Hour"),
            Number(IDC_TIMER1_STOP_HOUR, 207, 194, 24, 14),
            Colon(233, 197),
            UnitAbove(1123, 241, 194, 20, "Min"),
            Number(IDC_TIMER1_STOP_MINUTE, 241, 194, 20, 14),

            Label(ids.timer2Label, 14, 235, 55, 8, "Timer"),
            List(ids.timer2, 70, 233, kTimerListWidth, 60),
            Label(IDC_TIMER2_START_LABEL, 91, 221, 24, 8, "Start:"),
            UnitAbove(1121, 117, 233, 23, "Hour"),
            Number(ids.timer2StartHour, 117, 233, 23, 14),
            Colon(142, 236),
            UnitAbove(1125, 150, 233, 21, "Min"),
            Number(ids.timer2StartMinute, 150, 233, 21, 14),
            Label(IDC_TIMER2_STOP_LABEL, 177, 221, 27, 8, "Stop:"),
            UnitAbove(1120, 207, 231, 24, "Hour"),
            Number(ids.timer2StopHour, 207, 231, 24, 14),
            Colon(233, 234),
            UnitAbove(1124, 241, 231, 20, "Min"),
            Number(ids.timer2StopMinute, 241, 231, 20, 14),

            Label(IDC_SERIAL_LABEL, 15, 257, 51, 8, "Serial No."),
            List(IDC_SERIAL, 71, 255, 48, 60),
            List(IDC_SERIAL_CHAR1, 123, 254, 21, 60),
            List(IDC_SERIAL_CHAR1 + 1, 151, 254, 21, 60),
            List(IDC_SERIAL_CHAR1 + 2, 180, 254, 21, 60),
            List(IDC_SERIAL_CHAR1 + 3, 208, 254, 21, 60),

            Label(IDC_TIME_LAPSE_LABEL, 15, 293, 51, 8, "Time Lapse"),
            List(IDC_TIME_LAPSE, 71, 292, 48, 60),
            UnitAbove(1126, 135, 292, 22, "Hour"),
            Number(IDC_TIME_LAPSE_HOUR, 135, 292, 22, 14),
            Colon(159, 295),
            UnitAbove(1127, 166, 292, 22, "Min"),
            Number(IDC_TIME_LAPSE_MINUTE, 166, 292, 22, 14),
            Colon(189, 295),
            UnitAbove(IDC_TIME_LAPSE_SECOND_LABEL, 196, 292, 22, "Sec"),
            Number(IDC_TIME_LAPSE_SECOND, 196, 292, 22, 14),

            Button(IDC_FOLDER_BUTTON, 12, 317, 50, 14, ""),
            {IDC_OUTPUT_FOLDER, ControlKind::kEdit, 73, 316, 194, 14, "", Style::kAutoHScroll},

            {IDOK, ControlKind::kDefPushButton, 20, 338, 60, 14, "OK"},
            Button(IDC_FACTORY_SETTINGS, 103, 338, 62, 14, "Button1"),
            Button(IDCANCEL, 185, 338, 60, 14, "Cancel"),
        },
    };
    return kTemplate;
}

const DialogTemplate& Camera8520DialogTemplate() {
    const CameraFamilyIds& ids = kCamera8520Ids;
    static const DialogTemplate kTemplate{
        129,
        "Corvane 8520",
        288,
        348,
        kCameraDialogStyle,
        "SimSun",
        9,
        {
            Frame(1065, 8, 9, 130, 22),
            Frame(1066, 156, 9, 124, 22),
            Frame(1067, 8, 34, 130, 22),
            Frame(1068, 156, 34, 124, 22),
            Frame(1069, 8, 59, 130, 22),
            Frame(1070, 156, 59, 124, 22),
            Frame(1071, 8, 84, 130, 22),
            Frame(1072, 156, 84, 124, 22),
            Frame(1073, 8, 109, 130, 22),
            Frame(1074, 156, 109, 124, 22),
            Frame(kNoId, 8, 135, 272, 23),
            Frame(kNoId, 8, 163, 272, 33),
            Frame(kNoId, 8, 201, 272, 35),
            Frame(kNoId, 8, 240, 272, 23),
            Frame(kNoId, 8, 269, 272, 34),

            Label(IDC_CAMERA_MODE_LABEL, 14, 16, 50, 8, "Camera Mode"),
            List(IDC_CAMERA_MODE, 69, 14, kCameraModeWidth, 60),
            Label(IDC_IMAGE_SIZE_LABEL, 163, 16, 57, 8, "Image Size"),
            List(IDC_IMAGE_SIZE, 221, 14, 48, 60),
            Label(IDC_VIDEO_SIZE_LABEL, 14, 42, 51, 8, "Video Size"),
            List(IDC_VIDEO_SIZE, 69, 39, kCameraModeWidth, 60),
            Label(IDC_PICTURE_COUNT_LABEL, 162, 42, 59, 8, "Picture No."),
            List(IDC_PICTURE_COUNT, 221, 39, kPictureCountWidth, 60),
            Label(IDC_TIME_STAMP_LABEL, 14, 68, 51, 8, "Time Stamp"),
            List(IDC_TIME_STAMP, 69, 64, 48, 60),
            Label(IDC_SENSE_LEVEL_LABEL, 163, 69, 51, 8, "Sense Level"),
            List(IDC_SENSE_LEVEL, 221, 64, 48, 60),
            Label(IDC_SIDE_PIR_LABEL, 14, 90, 51, 8, "Side Pir"),
            List(IDC_SIDE_PIR, 69, 89, 48, 60),
            Label(IDC_VIDEO_LENGTH_LABEL, 160, 92, 60, 8, "Video Length"),
            Number(IDC_VIDEO_LENGTH, 221, 89, 26, 12),
            Label(kNoId, 250, 91, 18, 8, "Sec"),
            Label(IDC_INTERVAL_LABEL, 14, 117, 51, 8, "Interval"),
            List(IDC_INTERVAL_UNIT, 69, 114, 29, 60),
            Number(IDC_INTERVAL, 101, 114, 19, 14),
            Label(IDC_DATE_FORMAT_LABEL, 161, 117, 58, 8, "Date Format"),
            List(IDC_DATE_FORMAT, 219, 114, 48, 60),

            Label(IDC_SET_CLOCK_LABEL, 14, 143, 51, 8, "Set Clock"),
            {IDC_CLOCK_TEXT, ControlKind::kEdit, 71, 141, 117, 14, "",
             Style::kReadOnly | Style::kAutoHScroll},
            Button(IDC_GET_TIME, 204, 141, 63, 14, "GetTime"),

            Label(IDC_TIMER1_LABEL, 13, 182, 55, 8, "Timer"),
            List(IDC_TIMER1, 70, 180, kTimerListWidth, 60),
            Label(IDC_TIMER1_START_LABEL, 96, 168, 27, 8, "Start:"),
            UnitAbove(1118, 123, 179, 23, "Hour"),
            Number(IDC_TIMER1_START_HOUR, 123, 179, 23, 14),
            Colon(148, 182),
            UnitAbove(1122, 156, 179, 21, "Min"),
            Number(IDC_TIMER1_START_MINUTE, 156, 179, 21, 14),
            Label(IDC_TIMER1_STOP_LABEL, 179, 168, 27, 8, "Stop:"),
            UnitAbove(1120, 207, 178, 24, "Hour"),
            Number(IDC_TIMER1_STOP_HOUR, 207, 178, 24, 14),
            Colon(233, 181),
            UnitAbove(1123, 241, 178, 20, "Min"),
            Number(IDC_TIMER1_STOP_MINUTE, 241, 178, 20, 14),

            Label(ids.timer2Label, 13, 221, 55, 8, "Timer"),
            List(ids.timer2, 70, 219, kTimerListWidth, 60),
            Label(IDC_TIMER2_START_LABEL, 96, 207, 27, 8, "Start:"),
            UnitAbove(1119, 123, 219, 23, "Hour"),
            Number(ids.timer2StartHour, 123, 219, 23, 14),
            Colon(148, 222),
            UnitAbove(1124, 156, 219, 21, "Min"),
            Number(ids.timer2StartMinute, 156, 219, 21, 14),
            Label(IDC_TIMER2_STOP_LABEL, 179, 207, 27, 8, "Stop:"),
            UnitAbove(1121, 207, 217, 24, "Hour"),
            Number(ids.timer2StopHour, 207, 217, 24, 14),
            Colon(233, 220),
            UnitAbove(1125, 241, 217, 20, "Min"),
            Number(ids.timer2StopMinute, 241, 217, 20, 14),

            Label(IDC_SERIAL_LABEL, 15, 250, 51, 8, "Serial No."),
            List(IDC_SERIAL, 71, 248, 48, 60),
            List(IDC_SERIAL_CHAR1, 123, 247, 21, 60),
            List(IDC_SERIAL_CHAR1 + 1, 151, 247, 21, 60),
            List(IDC_SERIAL_CHAR1 + 2, 180, 247, 21, 60),
            List(IDC_SERIAL_CHAR1 + 3, 208, 247, 21, 60),

            Label(IDC_TIME_LAPSE_LABEL, 15, 286, 51, 8, "Time Lapse"),
            List(IDC_TIME_LAPSE, 71, 285, 48, 60),
            UnitAbove(1126, 135, 285, 22, "Hour"),
            Number(IDC_TIME_LAPSE_HOUR, 135, 285, 22, 14),
            Colon(159, 288),
            UnitAbove(1127, 166, 285, 22, "Min"),
            Number(IDC_TIME_LAPSE_MINUTE, 166, 285, 22, 14),
            Colon(189, 288),
            UnitAbove(IDC_TIME_LAPSE_SECOND_LABEL, 196, 285, 22, "Sec"),
            Number(IDC_TIME_LAPSE_SECOND, 196, 285, 22, 14),

            Button(IDC_FOLDER_BUTTON, 12, 308, 50, 14, ""),
            {IDC_OUTPUT_FOLDER, ControlKind::kEdit, 73, 307, 194, 14, "", Style::kAutoHScroll},

            {IDOK, ControlKind::kDefPushButton, 20, 328, 60, 14, "OK"},
            Button(IDC_FACTORY_SETTINGS, 103, 328, 62, 14, "Button1"),
            Button(IDCANCEL, 185, 328, 60, 14, "Cancel"),
        },
    };
    return kTemplate;
}

const DialogTemplate& CameraDialogTemplate(ModelFamily family) {
    return family == ModelFamily::k8620 ? Camera8620DialogTemplate() : Camera8520DialogTemplate();
}

}  // namespace corvane
