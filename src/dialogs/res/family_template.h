#pragma once

// The setup dialogs exist in one variant per model family. Both variants of a dialog are written as one
// table with a row per control that carries the control's 8620 and 8520 id and place, so that a control
// both templates share is written once and the two templates can be read side by side:
//
//   //  kind                        ids                  8620 place          8520 place         text
//   Row{ControlKind::kLabel,        IDC_SET_CLOCK_LABEL, {14, 162, 51, 8},  {14, 143, 51, 8},  "Set Clock"},
//   Row{ControlKind::kDropDownList, {1042, kNoId},       {69, 136, 48, 60}, kAbsent},
//
// or, with the row makers below, Label(IDC_SET_CLOCK_LABEL, "Set Clock", {14, 162, 51, 8}, {14, 143, 51, 8}).
//
// The rows keep each template's creation (and tab) order; a variant skips the rows it lacks.

#include <cstddef>
#include <cstdint>
#include <span>

#include "core/models/models.h"
#include "framework/dialog_template.h"

namespace corvane::family_template {

// Where a control lies in one variant's template: x, y, width, height in dialog units; or nowhere; or, in
// the 8520 column only, where the 8620 template has it, moved down.
struct Where {
    enum class How { kAt, kAbsent, kMovedDown };

    constexpr Where(int x, int y, int width, int height)
        : how(How::kAt), x(x), y(y), width(width), height(height) {}
    static constexpr Where Absent() { return Where(How::kAbsent, 0); }
    static constexpr Where Down(int units) { return Where(How::kMovedDown, units); }

    How how;
    int x = 0;
    int y = 0;  // kMovedDown: the units moved down
    int width = 0;
    int height = 0;

  private:
    constexpr Where(How how, int down) : how(how), y(down) {}
};

// The variant has no such control.
inline constexpr Where kAbsent = Where::Absent();
// The 8520 template has the control where the 8620 template has it.
inline constexpr Where kSame = Where::Down(0);
// The 8520 place: the 8620 place moved `units` down.
constexpr Where Down(int units) {
    return Where::Down(units);
}

// A control's id in the two templates; a single id stands for both.
struct FamilyIds {
    constexpr FamilyIds(int both) : id8620(both), id8520(both) {}  // implicit: a plain id reads best
    constexpr FamilyIds(int id8620, int id8520) : id8620(id8620), id8520(id8520) {}

    int id8620;
    int id8520;
};

// One control of a dialog in both templates.
struct Row {
    ControlKind kind;
    FamilyIds ids;
    Where at8620;  // a place or kAbsent
    Where at8520;  // a place, kAbsent, kSame or Down(units)
    const char* text = "";
    uint32_t style = 0;
};

// Row makers for the controls every dialog has; a left-out 8520 place is the 8620 one.
constexpr Row Label(FamilyIds ids, const char* text, Where at8620, Where at8520 = kSame) {
    return {ControlKind::kLabel, ids, at8620, at8520, text};
}
constexpr Row List(FamilyIds ids, Where at8620, Where at8520 = kSame) {
    return {ControlKind::kDropDownList, ids, at8620, at8520, "", Style::kVScroll};
}
constexpr Row Edit(FamilyIds ids, Where at8620, Where at8520 = kSame) {
    return {ControlKind::kEdit, ids, at8620, at8520, "", Style::kAutoHScroll};
}
constexpr Row GroupBox(FamilyIds ids, const char* text, Where at8620, Where at8520 = kSame) {
    return {ControlKind::kGroupBox, ids, at8620, at8520, text};
}
constexpr Row Button(FamilyIds ids, const char* text, Where at8620, Where at8520 = kSame) {
    return {ControlKind::kPushButton, ids, at8620, at8520, text};
}
constexpr Row DefButton(FamilyIds ids, const char* text, Where at8620, Where at8520 = kSame) {
    return {ControlKind::kDefPushButton, ids, at8620, at8520, text};
}

// Number fields: digits only, centred.
inline constexpr uint32_t kNumberField = Style::kNumber | Style::kCenter;

// The ids of a control that differ between the families, taken from the dialog's two id tables:
//   constexpr PerFamily<CameraFamilyIds> Per{kCamera8620Ids, kCamera8520Ids};
//   Per(&CameraFamilyIds::beep)
template <class Ids>
struct PerFamily {
    const Ids& ids8620;
    const Ids& ids8520;
    constexpr FamilyIds operator()(int Ids::*id) const { return {ids8620.*id, ids8520.*id}; }
};

// True when every row makes sense: the 8620 column holds places or kAbsent, the 8520 column moves only a
// control the 8620 template has, an absent control has no id, and no id appears twice in one template.
constexpr bool RowsAreSound(std::span<const Row> rows) {
    for (const Row& row : rows) {
        if (row.at8620.how == Where::How::kMovedDown) {
            return false;
        }
        if (row.at8520.how == Where::How::kMovedDown && row.at8620.how == Where::How::kAbsent) {
            return false;
        }
        if ((row.at8620.how == Where::How::kAbsent && row.ids.id8620 != kNoId) ||
            (row.at8520.how == Where::How::kAbsent && row.ids.id8520 != kNoId)) {
            return false;
        }
    }
    for (size_t i = 0; i < rows.size(); ++i) {
        for (size_t j = i + 1; j < rows.size(); ++j) {
            if ((rows[i].ids.id8620 != kNoId && rows[i].ids.id8620 == rows[j].ids.id8620) ||
                (rows[i].ids.id8520 != kNoId && rows[i].ids.id8520 == rows[j].ids.id8520)) {
                return false;
            }
        }
    }
    return true;
}

// The template of `family`: `header` (id, caption, size, style, font) with the controls of the rows that
// family has, in row order. Takes rows that pass RowsAreSound.
DialogTemplate BuildTemplate(DialogTemplate header, std::span<const Row> rows, ModelFamily family);

}  // namespace corvane::family_template
