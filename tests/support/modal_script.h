#pragma once

// The one modal driver of the tests: acts on each modal window as it comes up, so that no test waits on one.

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace corvane::testing {

// Acts on each modal window as it comes up: step i runs once the i-th new modal window is on screen.
// Windows left open after the last step, or when the steps take too long, get Escape so no test hangs.
class ModalScript {
  public:
    explicit ModalScript(std::vector<std::function<void(QWidget*)>> steps) : steps_(std::move(steps)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
        timer_.start(5);
    }
    size_t StepsRun() const { return next_; }
    // How often the script has looked for a modal window: once it has looked, a window that was there
    // would have been seen.
    int Looks() const { return looks_; }
    // objectName of every modal window seen, in order.
    const std::vector<std::string>& Seen() const { return seen_; }

  private:
    void Tick() {
        ++looks_;
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
    int looks_ = 0;
    QPointer<QWidget> current_;
    QTimer timer_;
};

}  // namespace corvane::testing
