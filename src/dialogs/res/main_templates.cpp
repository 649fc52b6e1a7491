#include "dialogs/res/main_templates.h"

namespace corvane {

const DialogTemplate& MainDialogTemplate() {
    static const DialogTemplate kTemplate{
        102,
        "Corvane",
        354,
        170,
        DialogStyle::kSysMenu | DialogStyle::kAppWindow,
        "SimSun",
        9,
        {
            {IDC_VERSION, ControlKind::kLabel, 112, 3, 108, 8, "Static", Style::kCenter},
            {kNoId, ControlKind::kSunkenFrame, 26, 19, 294, 45, "", 0},
            {IDC_LANGUAGE_LABEL, ControlKind::kLabel, 29, 37, 68, 8, "Static", Style::kCenter},
            {IDC_LANGUAGE_LIST, ControlKind::kDropDownList, 101, 34, 64, 118, "", Style::kVScroll},
            {IDC_MODEL_LABEL, ControlKind::kLabel, 172, 37, 72, 8, "Static", Style::kCenter},
            {IDC_MODEL_LIST, ControlKind::kDropDownList, 252, 33, 56, 112, "", Style::kVScroll},
            {kNoId, ControlKind::kSunkenFrame, 25, 80, 295, 63, "", 0},
            {IDC_CAMERA_SETUP, ControlKind::kPushButton, 36, 94, 84, 39, "Button1", 0},
            {IDC_MMS_SETUP, ControlKind::kPushButton, 132, 94, 84, 39, "Button2", 0},
            {IDC_SMTP_SETUP, ControlKind::kPushButton, 228, 93, 84, 39, "Button3", 0},
            {IDC_UPDATE_LINK, ControlKind::kPushButton, 69, 146, 201, 14, "Button4",
             Style::kCenter | Style::kVCenter},
        },
    };
    return kTemplate;
}

const DialogTemplate& AboutDialogTemplate() {
    static const DialogTemplate kTemplate{
        100,
        "About Setup",
        235,
        55,
        DialogStyle::kSysMenu,
        "SimSun",
        9,
        {
            {IDC_ABOUT_ICON, ControlKind::kIcon, 11, 11, 20, 20, "", 0},
            {kNoId, ControlKind::kLabel, 40, 15, 136, 8, kAboutNotice, 0},
            {IDOK, ControlKind::kDefPushButton, 178, 7, 50, 14, "OK", 0},
            {IDC_ABOUT_WEB, ControlKind::kLabel, 39, 33, 189, 8, kAboutWebAddress, 0},
        },
    };
    return kTemplate;
}

}  // namespace corvane
