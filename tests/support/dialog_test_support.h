#pragma once

// Drives the setup dialogs as a user does, for their headless tests: controls found by their id, typing
// into fields, choosing list entries, clicking and leaving; the messages land in the platform fake.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/l10n/card_texts.h"
#include "core/l10n/language.h"
#include "core/models/app_settings.h"
#include "framework/cdialog.h"
#include "framework/dialog_template.h"
#include "platform/linux/posix_file_system.h"
#include "support/fake_platform.h"
#include "support/test_folders.h"

namespace corvane::testing {

inline constexpr ModelFamily kBoth[] = {ModelFamily::k8620, ModelFamily::k8520};

inline const char* Name(ModelFamily family) {
    return family == ModelFamily::k8620 ? "8620" : "8520";
}

// The framework's message for a number field that holds no integer, in an English dialog and in a Chinese
// one.
inline const std::string kIntegerExpected = "Please enter an integer.";
inline const std::string kIntegerExpectedChinese = "请键入一个整数。";

// The control of `dialog` with id `id` (controls are named by their id), or nullptr.
template <class Control>
Control* ControlById(const QWidget* dialog, int id) {
    return dialog->findChild<Control*>(QString::number(id));
}

inline void Click(QWidget* dialog, int id) {
    auto* button = ControlById<QPushButton>(dialog, id);
    ASSERT_NE(button, nullptr) << "button " << id;
    QTest::mouseClick(button, Qt::LeftButton);
}

// Opens the list, moves to entry `index` and presses Enter, as a user choosing an entry.
inline void ChooseListEntry(QComboBox* list, int index) {
    list->showPopup();
    QAbstractItemView* view = list->view();
    view->setCurrentIndex(list->model()->index(index, 0));
    QTest::keyClick(view, Qt::Key_Return);
}

// Replaces the field's text with `text` from the clipboard, as a user who selected it all and pressed Ctrl+V.
inline void Paste(QLineEdit* edit, const QString& text) {
    QApplication::clipboard()->setText(text);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

// The entries of a drop-down list, in order; none for a missing list.
inline std::vector<std::string> Entries(const QComboBox* list) {
    std::vector<std::string> entries;
    for (int i = 0; list != nullptr && i < list->count(); ++i) {
        entries.push_back(list->itemText(i).toStdString());
    }
    return entries;
}

template <class Container>
std::vector<std::string> Strings(const Container& texts) {
    return {texts.begin(), texts.end()};
}

// Everything of `t` lies inside the dialog, ids are unique, controls a user works with never overlap and
// no label overlaps one of them.
inline void ExpectControlsFitAndDoNotOverlap(const DialogTemplate& t) {
    std::vector<std::pair<int, QRect>> interactive;
    std::vector<int> ids;
    for (const ControlTemplate& c : t.controls) {
        const bool isList = c.kind == ControlKind::kDropDownList;
        const QRect r(c.x, c.y, c.width, isList ? 12 : c.height);  // a closed list's height
        EXPECT_TRUE(QRect(0, 0, t.width, t.height).contains(r)) << c.id << " " << c.text;
        if (c.id != kNoId) {
            EXPECT_EQ(std::count(ids.begin(), ids.end(), c.id), 0) << "duplicate id " << c.id;
            ids.push_back(c.id);
        }
        if (isList || c.kind == ControlKind::kEdit || c.kind == ControlKind::kPushButton ||
            c.kind == ControlKind::kDefPushButton) {
            for (const auto& [otherId, other] : interactive) {
                EXPECT_FALSE(r.intersects(other)) << c.id << " overlaps " << otherId;
            }
            interactive.emplace_back(c.id, r);
        }
    }
    for (const ControlTemplate& c : t.controls) {
        if (c.kind != ControlKind::kLabel) {
            continue;
        }
        for (const auto& [otherId, other] : interactive) {
            EXPECT_FALSE(QRect(c.x, c.y, c.width, c.height).intersects(other))
                << "label " << c.id << " " << c.text << " overlaps " << otherId;
        }
    }
}

// A folder path of exactly `characters` characters below `base` (created), made of `fill` characters in
// names of at most 50.
inline std::string FolderOfLength(const std::string& base, std::size_t characters, const QString& fill) {
    QString path = QString::fromStdString(base);
    int inName = 50;
    while (static_cast<std::size_t>(path.toUcs4().size()) < characters) {
        if (inName == 50 && static_cast<std::size_t>(path.toUcs4().size()) + 1 < characters) {
            path += "/";
            inName = 0;
        } else {
            path += fill;
            ++inName;
        }
    }
    std::filesystem::create_directories(path.toStdString());
    return path.toStdString();
}

// The ways a user leaves a dialog without generating.
enum class Leaving { kExitButton, kEscape, kCloseBox };
inline constexpr Leaving kEveryWayOut[] = {Leaving::kExitButton, Leaving::kEscape, Leaving::kCloseBox};

// A setup dialog of type `Dialog` on the platform fake, writing into a fresh folder through the real
// file system. The fixture of each dialog's tests opens it and then calls Show().
template <class Dialog>
class SetupDialogTest : public ::testing::Test {
  protected:
    // Creates the dialog made by the fixture, makes it the active window and forgets the messages so far.
    void Show() {
        ASSERT_TRUE(dialog->Create());
        dialog->activateWindow();
        ClearMessages();
    }

    QLineEdit* Edit(int id) const { return ControlById<QLineEdit>(dialog.get(), id); }
    QComboBox* List(int id) const { return ControlById<QComboBox>(dialog.get(), id); }
    QPushButton* Button(int id) const { return ControlById<QPushButton>(dialog.get(), id); }
    std::string Text(int id) const { return dialog->GetDlgItemText(id); }

    // Replaces the field's text by typing, as a user who selected it all.
    void Retype(int id, const QString& text) {
        QLineEdit* edit = Edit(id);
        ASSERT_NE(edit, nullptr) << id;
        edit->setFocus();
        edit->selectAll();
        if (text.isEmpty()) {
            QTest::keyClick(edit, Qt::Key_Backspace);
        } else {
            QTest::keyClicks(edit, text);
        }
    }
    void Retype(int id, const char* text) { Retype(id, QString::fromUtf8(text)); }
    // Leaves the focused field with Tab, as a user going on, and lets the dialog check the field left (it
    // does once the event loop is back).
    void LeaveField() {
        // Focus moves within the active window only; the offscreen platform activates none by itself.
        QApplication::setActiveWindow(dialog.get());
        QWidget* focused = dialog->focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClick(focused, Qt::Key_Tab);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    }
    // Picks an entry of a drop-down list as the user does: opens it, moves to the entry, presses Enter.
    void Choose(int id, int index) {
        QComboBox* list = List(id);
        ASSERT_NE(list, nullptr) << id;
        ASSERT_LT(index, list->count()) << id;
        ChooseListEntry(list, index);
    }
    void Click(int id) { testing::Click(dialog.get(), id); }
    // Leaves the dialog `how` says; Escape is pressed in the field `escapeField`.
    void Leave(Leaving how, int escapeField) {
        switch (how) {
            case Leaving::kExitButton:
                Click(IDCANCEL);
                break;
            case Leaving::kEscape:
                QTest::keyClick(Edit(escapeField), Qt::Key_Escape);
                break;
            case Leaving::kCloseBox:
                dialog->close();
                break;
        }
    }
    // The dialog ended with Cancel, showed no message and wrote no `fileName`.
    void ExpectCancelledWithoutWriting(const std::string& fileName) const {
        EXPECT_TRUE(dialog->IsEnded());
        EXPECT_EQ(dialog->EndResult(), IDCANCEL);
        EXPECT_FALSE(std::filesystem::exists(folder.File(fileName)));
        EXPECT_TRUE(platform.messages.empty());
    }
    // The result message of `fileName` written into `in` (the test's folder when empty): the program's
    // sentence, then the line naming the file, in `language`.
    std::string WrittenMessage(const std::string& sentence, const std::string& fileName,
                               int32_t language = kEnglish, const std::string& in = {}) const {
        return sentence + "\n" + WrittenToText(language, (in.empty() ? folder.path() : in) + "/" + fileName);
    }
    void ClearMessages() {
        platform.messages.clear();
        platform.frameworkMessages.clear();
    }

    platform::FakePlatform platform;
    TempFolder folder;
    PosixFileSystem fs;
    AppSettings settings;
    std::unique_ptr<Dialog> dialog;
};

}  // namespace corvane::testing
