#pragma once

// For the tests of the setup dialogs' read button: everything a user sees in a dialog's fields and
// lists, to show that a refused file changes nothing and that a read file shows what was entered.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QWidget>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "core/l10n/read_back_texts.h"

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

// After a read that filled the form: the one message names the file read. Clears the messages.
inline void ExpectReadNote(std::vector<std::string>& messages, int32_t language, const std::string& path) {
    EXPECT_EQ(messages, std::vector<std::string>{ReadBackDoneMessage(language, path)});
    messages.clear();
}

// A refusal's message: for a missing file exactly the program's text; otherwise the program's words up to
// the finding, and the decoder's finding in parentheses.
inline void ExpectRefusalMessage(const std::string& message, int32_t language, const std::string& path,
                                 ReadBackProblem problem, const std::string& finding) {
    if (problem == ReadBackProblem::kMissing) {
        EXPECT_EQ(message, ReadBackRefusalMessage(language, path, problem, ""));
        return;
    }
    const std::string withFinding = ReadBackRefusalMessage(language, path, problem, "#");
    const std::string head = withFinding.substr(0, withFinding.find("(#)"));
    EXPECT_EQ(message.substr(0, head.size()), head);
    EXPECT_NE(message.find("(" + finding), std::string::npos) << message;
}

}  // namespace corvane::testing
