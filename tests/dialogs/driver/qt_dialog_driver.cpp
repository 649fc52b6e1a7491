// The dialog driver over Qt: QTest's key and mouse events on the widgets (headless, offscreen platform).

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "driver/dialog_driver.h"
#include "framework/cdialog.h"

namespace corvane::testing {

namespace {

class QtDialogDriver : public DialogDriver {
  public:
    explicit QtDialogDriver(CDialog& dialog) : dialog_(dialog) { Activate(); }

    void Type(int id, const std::string& text) override {
        auto* edit = Find<QLineEdit>(id);
        if (edit == nullptr) {
            return;
        }
        Activate();
        edit->setFocus();
        edit->selectAll();
        if (text.empty()) {
            QTest::keyClick(edit, Qt::Key_Backspace);
        } else {
            QTest::keyClicks(edit, QString::fromStdString(text));
        }
    }
    void LeaveField() override {
        Activate();
        if (QWidget* focused = dialog_.focusWidget()) {
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    }
    void Choose(int id, int index) override {
        auto* list = Find<QComboBox>(id);
        if (list == nullptr || index >= list->count()) {
            ADD_FAILURE() << "no entry " << index << " in list " << id;
            return;
        }
        list->showPopup();
        QAbstractItemView* view = list->view();
        view->setCurrentIndex(list->model()->index(index, 0));
        QTest::keyClick(view, Qt::Key_Return);
    }
    void Click(int id) override {
        if (auto* button = Find<QPushButton>(id)) {
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }
    void PressEnter(int id) override { Press(id, Qt::Key_Return); }
    void PressEscape(int id) override { Press(id, Qt::Key_Escape); }

    std::string Text(int id) const override { return dialog_.GetDlgItemText(id); }
    bool IsEnabled(int id) const override {
        const CWnd* control = dialog_.GetDlgItem(id);
        return control != nullptr && control->IsWindowEnabled();
    }
    bool HasFocus(int id) const override {
        const QWidget* widget = Find<QWidget>(id);
        return widget != nullptr && widget->hasFocus();
    }

  private:
    template <class Widget>
    Widget* Find(int id) const {
        auto* widget = dialog_.findChild<Widget*>(QString::number(id));
        EXPECT_NE(widget, nullptr) << "control " << id;
        return widget;
    }
    // Focus moves within the active window only; the offscreen platform activates none by itself.
    void Activate() {
        dialog_.activateWindow();
        QApplication::setActiveWindow(&dialog_);
    }
    void Press(int id, Qt::Key key) {
        QWidget* widget = Find<QWidget>(id);
        if (widget == nullptr) {
            return;
        }
        Activate();
        widget->setFocus();
        QTest::keyClick(widget, key);
    }

    CDialog& dialog_;
};

}  // namespace

std::unique_ptr<DialogDriver> MakeDialogDriver(CDialog& dialog) {
    return std::make_unique<QtDialogDriver>(dialog);
}

}  // namespace corvane::testing
