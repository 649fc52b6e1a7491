#pragma once

// Drives dialogs the way a user does, for the application shell's tests.

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "support/dialog_test_support.h"

namespace corvane::testing {

// Opens the list, moves to entry `index` and presses Enter, as a user choosing an entry.
inline void ChooseListEntry(QComboBox* list, int index) {
    list->showPopup();
    QAbstractItemView* view = list->view();
    view->setCurrentIndex(list->model()->index(index, 0));
    QTest::keyClick(view, Qt::Key_Return);
}

// Acts on each modal window as it comes up: step i runs once the i-th new modal window is on screen.
// Windows left open after the last step, or when the steps take too long, get Escape so no test hangs.
class ModalScript {
  public:
    explicit ModalScript(std::vector<std::function<void(QWidget*)>> steps) : steps_(std::move(steps)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
        timer_.start(5);
    }
    size_t StepsRun() const { return next_; }
    // objectName of every modal window seen, in order.
    const std::vector<std::string>& Seen() const { return seen_; }

  private:
    void Tick() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) {
            return;
        }
        if (modal != current_ || current_.isNull()) {
            current_ = modal;
            seen_.push_back(modal->objectName().toStdString());
            if (next_ < steps_.size()) {
                steps_[next_++](modal);
                return;
            }
        }
        if (next_ >= steps_.size() || ++ticks_ > 2000) {
            QTest::keyClick(modal, Qt::Key_Escape);
        }
    }

    std::vector<std::function<void(QWidget*)>> steps_;
    std::vector<std::string> seen_;
    size_t next_ = 0;
    int ticks_ = 0;
    QPointer<QWidget> current_;
    QTimer timer_;
};

}  // namespace corvane::testing
