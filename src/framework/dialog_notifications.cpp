#include "framework/dialog_notifications.h"

#include <algorithm>

namespace corvane {

void DialogNotifications::Add(int id, Notification code, std::function<void()> handler) {
    handlers_.push_back({{id, code}, std::move(handler)});
}

bool DialogNotifications::Deliver(int id, Notification code) {
    if (exchangeDepth_ > 0 || id == kNoId) {
        return true;
    }
    for (auto it = handlers_.rbegin(); it != handlers_.rend(); ++it) {
        if (it->first.first == id && it->first.second == code) {
            const std::function<void()> handler = it->second;  // the handler may add handlers
            handler();
            return true;
        }
    }
    return false;
}

void DialogNotifications::DeliverEditChange(int id, bool typed) {
    if (!typed || exchangeDepth_ > 0) {
        Deliver(id, Notification::kEditChange);
        return;
    }
    struct TypingScope {
        DialogNotifications& notifications;
        int outerId;
        TypingScope(DialogNotifications& n, int id)
            : notifications(n), outerId(std::exchange(n.typedId_, id)) {
            ++notifications.typingDepth_;
        }
        ~TypingScope() {
            notifications.typedId_ = outerId;
            if (--notifications.typingDepth_ == 0) {
                notifications.heldFields_.clear();
            }
        }
        TypingScope(const TypingScope&) = delete;
        TypingScope& operator=(const TypingScope&) = delete;
    } scope(*this, id);
    Deliver(id, Notification::kEditChange);
}

void DialogNotifications::HoldField(int id) {
    if (!IsFieldHeld(id)) {
        heldFields_.push_back(id);
    }
    if (id == typedId_) {
        uncheckedId_ = id;
    }
}

bool DialogNotifications::IsFieldHeld(int id) const {
    return typingDepth_ > 0 && std::find(heldFields_.begin(), heldFields_.end(), id) != heldFields_.end();
}

void DialogNotifications::StartCheckedPass() {
    heldFields_.clear();
    if (typingDepth_ == 0 || uncheckedId_ == typedId_) {
        uncheckedId_ = kNoId;
    }
}

void DialogNotifications::ForgetHeldFields() {
    uncheckedId_ = kNoId;
    heldFields_.clear();
}

}  // namespace corvane
