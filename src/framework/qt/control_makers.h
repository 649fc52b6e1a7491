#pragma once

// One maker per control kind: each builds the Qt widget of a template control on the dialog, wires its
// notifications to the dialog and returns the widget with its handle.

#include <QRect>
#include <memory>

#include "framework/cwnd.h"
#include "framework/dialog_template.h"
#include "framework/dialog_units.h"

namespace corvane {

struct MadeControl {
    QWidget* widget = nullptr;
    std::unique_ptr<CWnd> handle;
    bool isFrame = false;  // stays behind the controls it surrounds
};

// `geometry` is the control's place in pixels; a maker adjusts it where the widget differs from the
// template (a closed list is one line high, an icon without a size takes the icon's).
MadeControl MakeLabel(CDialog& dialog, const ControlTemplate& control, QRect& geometry);
MadeControl MakeGroupBox(CDialog& dialog, const ControlTemplate& control);
MadeControl MakeSunkenFrame(CDialog& dialog);
MadeControl MakePushButton(CDialog& dialog, const ControlTemplate& control);
MadeControl MakeDropDownList(CDialog& dialog, const ControlTemplate& control, const DialogBaseUnits& units,
                             QRect& geometry);
MadeControl MakeEdit(CDialog& dialog, const ControlTemplate& control);

// The maker of the control's kind.
MadeControl MakeControl(CDialog& dialog, const ControlTemplate& control, const DialogBaseUnits& units,
                        QRect& geometry);

}  // namespace corvane
