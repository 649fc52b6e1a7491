#pragma once

// For the tests of the setup dialogs' read button: everything a user sees in a dialog's fields and
// lists, to show that a refused file changes nothing and that a read file shows what was entered.

#include <QComboBox>
#include <QLineEdit>
#include <QWidget>
#include <map>
#include <string>
#include <tuple>

namespace corvane::testing {

struct FormState {
    // by control id: text, read-only
    std::map<std::string, std::tuple<std::string, bool>> edits;
    // by control id: selection, entries joined, enabled
    std::map<std::string, std::tuple<int, std::string, bool>> lists;

    bool operator==(const FormState&) const = default;
};

inline FormState Snapshot(const QWidget* dialog) {
    FormState state;
    for (const QLineEdit* edit : dialog->findChildren<QLineEdit*>()) {
        // a list's own line edit is the list's business
        if (qobject_cast<const QComboBox*>(edit->parent()) == nullptr) {
            state.edits[edit->objectName().toStdString()] = {edit->text().toStdString(), edit->isReadOnly()};
        }
    }
    for (const QComboBox* list : dialog->findChildren<QComboBox*>()) {
        std::string entries;
        for (int i = 0; i < list->count(); ++i) {
            entries += list->itemText(i).toStdString() + "|";
        }
        state.lists[list->objectName().toStdString()] = {list->currentIndex(), entries, list->isEnabled()};
    }
    return state;
}

// Zeroes bytes [from, from + count) of a copy of `bytes`.
template <class Container>
Container Without(Container bytes, std::size_t from, std::size_t count) {
    for (std::size_t i = from; i < from + count && i < bytes.size(); ++i) {
        bytes[i] = 0;
    }
    return bytes;
}

}  // namespace corvane::testing
