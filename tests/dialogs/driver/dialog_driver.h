#pragma once

// A user at a dialog, whatever the window system: the shared dialog cases (tests/dialogs/shared) drive the
// setup dialogs through this interface, and each framework backend implements it with its own real input
// (QTest on Qt, the Windows message queue on Win32). Controls are named by their id; texts are UTF-8.

#include <memory>
#include <string>

namespace corvane {
class CDialog;
}

namespace corvane::testing {

class DialogDriver {
  public:
    virtual ~DialogDriver() = default;

    // Replaces the field's text by typing, as a user who selected it all (an empty text: Backspace).
    virtual void Type(int id, const std::string& text) = 0;
    // Leaves the focused field with Tab and lets the dialog check the field left.
    virtual void LeaveField() = 0;
    // Opens the drop-down list, moves to entry `index` and presses Enter.
    virtual void Choose(int id, int index) = 0;
    // Clicks the button.
    virtual void Click(int id) = 0;
    // Presses Enter, or Escape, in the control (which takes the focus first).
    virtual void PressEnter(int id) = 0;
    virtual void PressEscape(int id) = 0;

    // What the user sees: a field's text (a list's chosen entry), whether it is enabled, has the focus.
    virtual std::string Text(int id) const = 0;
    virtual bool IsEnabled(int id) const = 0;
    virtual bool HasFocus(int id) const = 0;
};

// The driver of this system's backend for a dialog shown with Create(); the dialog outlives the driver.
std::unique_ptr<DialogDriver> MakeDialogDriver(CDialog& dialog);

}  // namespace corvane::testing
