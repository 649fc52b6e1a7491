#pragma once

#include <QObject>
#include <functional>

class QEvent;
class QWidget;

namespace corvane {

// Runs an action once, from the event loop, after the window's first paint has reached the screen.
// Owned by the window; the action runs only while the window exists.
class AfterFirstPaint : public QObject {
  public:
    AfterFirstPaint(QWidget& window, std::function<void()> action);
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void()> action_;
};

}  // namespace corvane
