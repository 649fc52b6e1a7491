#pragma once

// Dialog templates as plain data, so that a template reads like a table of controls:
//
//   const DialogTemplate kMain{102, "Corvane", 354, 170, DialogStyle::kSysMenu | DialogStyle::kAppWindow,
//       "SimSun", 9, {
//       {1077, ControlKind::kLabel, 112, 3, 108, 8, "Static", Style::kCenter},
//       {kNoId, ControlKind::kSunkenFrame, 26, 19, 294, 45},
//       {1080, ControlKind::kDropDownList, 101, 34, 64, 118, "", Style::kVScroll},
//       {1000, ControlKind::kPushButton, 36, 94, 84, 39, "Button1"},
//   }};
//
// Positions and sizes are dialog units; CDialog turns them into pixels with the dialog font's base units.
// No Qt here: templates may live anywhere.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace corvane {

// Control id of labels and frames that have none.
inline constexpr int kNoId = -1;

// Results of a modal run and the ids of the OK and Cancel buttons.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

enum class ControlKind {
    kLabel,          // static text; left-aligned unless Style::kCenter; wraps at word boundaries
    kGroupBox,       // frame with a caption (the template text)
    kSunkenFrame,    // grey static frame, sunken
    kPushButton,     // push button
    kDefPushButton,  // the dialog's default push button (Enter clicks it)
    kDropDownList,   // drop-down list without typing; its height is that of the opened list
    kEdit,           // single-line edit field
    kIcon,           // static icon; the dialog sets the picture with CStatic::SetIcon
};

// Control styles, combined with |.
struct Style {
    static constexpr uint32_t kCenter = 1u << 0;       // text centred horizontally (labels, edits, buttons)
    static constexpr uint32_t kVCenter = 1u << 1;      // text centred vertically (labels)
    static constexpr uint32_t kReadOnly = 1u << 2;     // edit: read-only
    static constexpr uint32_t kNumber = 1u << 3;       // edit: only the digits 0-9 can be typed
    static constexpr uint32_t kPassword = 1u << 4;     // edit: shows bullets instead of the text
    static constexpr uint32_t kDisabled = 1u << 5;     // created disabled
    static constexpr uint32_t kHidden = 1u << 6;       // created hidden
    static constexpr uint32_t kVScroll = 1u << 7;      // list: vertical scroll bar (Qt lists always scroll)
    static constexpr uint32_t kAutoHScroll = 1u << 8;  // edit: scrolls horizontally (Qt edits always do)
};

// Dialog window styles, combined with |.
struct DialogStyle {
    static constexpr uint32_t kSysMenu = 1u << 0;      // system menu and close box
    static constexpr uint32_t kMinimizeBox = 1u << 1;  // minimise box
    static constexpr uint32_t kMaximizeBox = 1u << 2;  // maximise box
    static constexpr uint32_t kAppWindow = 1u << 3;    // shows in the task bar
};

struct ControlTemplate {
    ControlTemplate() = default;
    // Text and style may be left out: {kNoId, ControlKind::kSunkenFrame, 26, 19, 294, 45}.
    ControlTemplate(int id, ControlKind kind, int x, int y, int width, int height, std::string text = {},
                    uint32_t style = 0)
        : id(id), kind(kind), x(x), y(y), width(width), height(height), text(std::move(text)), style(style) {}

    int id = kNoId;  // control id; kNoId for labels and frames nobody addresses
    ControlKind kind = ControlKind::kLabel;
    int x = 0;  // dialog units
    int y = 0;
    int width = 0;
    int height = 0;
    std::string text;    // UTF-8 template text (caption of labels, buttons, group boxes; initial edit text)
    uint32_t style = 0;  // Style flags
};

struct DialogTemplate {
    int id = 0;           // template number; becomes the dialog's objectName
    std::string caption;  // window title until the dialog sets its own
    int width = 0;        // client area in dialog units
    int height = 0;
    uint32_t style = DialogStyle::kSysMenu;  // DialogStyle flags
    std::string fontName = "SimSun";         // replaced by an installed CJK font when missing
    int fontPoints = 9;
    std::vector<ControlTemplate> controls;  // in creation (and tab) order
};

// The first control of the template with that id, or nullptr.
inline const ControlTemplate* FindControl(const DialogTemplate& dialog, int id) {
    for (const ControlTemplate& control : dialog.controls) {
        if (control.id == id) {
            return &control;
        }
    }
    return nullptr;
}

}  // namespace corvane
