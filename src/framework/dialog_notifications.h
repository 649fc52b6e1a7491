#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "framework/dialog_template.h"

namespace corvane {

enum class Notification {
    kClicked,       // button clicked
    kSelChange,     // list selection changed by the user
    kSelEndCancel,  // list drop-down closed without a choice
    kEditChange,    // edit text changed
    kMaxText,       // a change of an edit field was refused because it passed the typing limit
};

// Commands with a standard shortcut key.
enum class CommandKey {
    kSave,  // Ctrl+S
    kOpen,  // Ctrl+O
};

// What a screen reader calls an edit field or list: the texts of these controls, in order (labels and
// buttons by their caption, lists by their current entry).
struct AccessibleNameSource {
    int controlId;
    std::vector<int> fromIds;
};

template <class D>
struct MessageEntry {
    int id;
    Notification code;
    void (D::*handler)();
};

// The handlers of one dialog's notifications, and what the dialog holds back while they run: nothing is
// delivered while its data exchange runs; while the user's typing is handled, a check that refuses a
// field's text holds the field (its text stays as shown), and the field typed in is left to be checked
// when the user leaves it.
class DialogNotifications {
  public:
    // Marks the data exchange for as long as it lives.
    class Exchange {
      public:
        explicit Exchange(DialogNotifications& notifications) : depth_(notifications.exchangeDepth_) {
            ++depth_;
        }
        ~Exchange() { --depth_; }
        Exchange(const Exchange&) = delete;
        Exchange& operator=(const Exchange&) = delete;

      private:
        int& depth_;
    };

    void Add(int id, Notification code, std::function<void()> handler);
    // Runs the handler added last for the control and notification. False when none has it, so that the
    // dialog's own default applies; true also when it is dropped (during the exchange, or no control).
    bool Deliver(int id, Notification code);
    // kEditChange of an edit; `typed` when the user's typing, pasting or input method changed it: the checks
    // are then held back while it is handled.
    void DeliverEditChange(int id, bool typed);

    bool InExchange() const { return exchangeDepth_ > 0; }
    // True while the notification of the user's typing is handled.
    bool HoldingChecks() const { return typingDepth_ > 0; }
    void HoldField(int id);
    bool IsFieldHeld(int id) const;

    // A pass that reads the fields with their checks decides anew about what it reads.
    void StartCheckedPass();
    // The field typed in whose text a held-back check refused, until it is checked; kNoId when none.
    int UncheckedField() const { return uncheckedId_; }
    int TakeUncheckedField() { return std::exchange(uncheckedId_, kNoId); }
    // The window is gone: no field waits for a check.
    void ForgetHeldFields();

  private:
    std::vector<std::pair<std::pair<int, Notification>, std::function<void()>>> handlers_;
    int exchangeDepth_ = 0;
    int typingDepth_ = 0;
    int typedId_ = kNoId;          // the field the user typed in, while its notification is handled
    int uncheckedId_ = kNoId;      // a typed field whose text failed a held-back check, until checked
    std::vector<int> heldFields_;  // controls a held-back check refused in the notification being handled
};

}  // namespace corvane
