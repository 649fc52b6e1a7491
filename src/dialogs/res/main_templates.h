#pragma once

#include "corvane_version.h"
#include "framework/dialog_template.h"

namespace corvane {

// Template 102: the main window with its language and model lists and the three setup buttons.
const DialogTemplate& MainDialogTemplate();
// Template 100: the about box.
const DialogTemplate& AboutDialogTemplate();

// Control ids of the main window and the about box.
inline constexpr int IDC_CAMERA_SETUP = 1000;
inline constexpr int IDC_MMS_SETUP = 1001;
inline constexpr int IDC_SMTP_SETUP = 1002;
inline constexpr int IDC_UPDATE_LINK = 1076;
inline constexpr int IDC_VERSION = 1077;
inline constexpr int IDC_LANGUAGE_LABEL = 1078;
inline constexpr int IDC_MODEL_LABEL = 1079;
inline constexpr int IDC_LANGUAGE_LIST = 1080;
inline constexpr int IDC_MODEL_LIST = 1081;
inline constexpr int IDC_ABOUT_ICON = 1046;
inline constexpr int IDC_ABOUT_WEB = 1047;

// Texts of the about box and its system-menu entry (string 101).
inline constexpr const char* kAboutNotice =
    "Corvane Setup " CORVANE_SHOWN_VERSION ", (C) Corvane Outdoor Imaging";
inline constexpr const char* kAboutWebAddress = "https://corvane.example.com";
inline constexpr const char* kAboutMenuText = "CopyRight";

}  // namespace corvane
