#pragma once

// Runs a dialog modally from a test without waiting on it.

#include <QObject>
#include <QTimer>
#include <functional>

#include "framework/cdialog.h"

namespace corvane::testing {

// Runs the dialog modally; the script starts from the event loop once the dialog runs. If the script
// leaves the dialog open, the dialog is ended with -1 so that a test never hangs. A dialog ended during
// OnInitDialog never runs the script. Returns DoModal's result.
inline int RunModalScripted(CDialog& dialog, const std::function<void(CDialog&)>& script) {
    // A timer of this call only: when the dialog ends before its loop starts, the script never runs later.
    QTimer start;
    start.setSingleShot(true);
    QObject::connect(&start, &QTimer::timeout, &dialog, [&dialog, &script] {
        script(dialog);
        if (!dialog.IsEnded()) {
            dialog.EndDialog(-1);
        }
    });
    start.start(0);
    const int result = dialog.DoModal();
    start.stop();
    return result;
}

}  // namespace corvane::testing
