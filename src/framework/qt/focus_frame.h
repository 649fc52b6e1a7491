#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

namespace corvane {

// A frame drawn around the control that has the keyboard focus, above every control of its window. The
// styles' own focus marks are drawn in the highlight colour, which disappears on the blue dialog
// background; this one is black inside a white line, so it shows on any background. It only paints:
// it takes no clicks and moves no control.
class FocusFrame : public QWidget {
    Q_OBJECT
  public:
    // Follows the focus among the descendants of window.
    explicit FocusFrame(QWidget* window);

    // The control it surrounds, or nullptr while hidden.
    QWidget* Target() const { return target_.data(); }

    static constexpr int kMargin = 3;  // pixels outside the control
    static QColor InnerColor() { return Qt::black; }
    static QColor OuterColor() { return Qt::white; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Follow(QWidget* focused);
    void Place();

    QPointer<QWidget> target_;
};

}  // namespace corvane
