#include "framework/focus_frame.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QRegion>

namespace corvane {

FocusFrame::FocusFrame(QWidget* window) : QWidget(window) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { Follow(now); });
}

void FocusFrame::Follow(QWidget* focused) {
    QWidget* window = parentWidget();
    if (focused != nullptr && focused->window() != window) {
        return;  // another window (a message box, a list's drop-down) has it for now
    }
    if (target_ != nullptr) {
        target_->removeEventFilter(this);
    }
    target_ = (focused != nullptr && focused != window && window->isAncestorOf(focused)) ? focused : nullptr;
    if (target_ == nullptr) {
        hide();
        return;
    }
    target_->installEventFilter(this);
    Place();
}

void FocusFrame::Place() {
    if (target_ == nullptr || !target_->isVisible()) {
        hide();
        return;
    }
    const QRect control(target_->mapTo(parentWidget(), QPoint(0, 0)), target_->size());
    setGeometry(control.adjusted(-kMargin, -kMargin, kMargin, kMargin));
    // Only the ring belongs to the frame; the control inside paints and shows as before.
    setMask(QRegion(rect()).subtracted(QRegion(rect().adjusted(kMargin, kMargin, -kMargin, -kMargin))));
    show();
    raise();
    update();
}

bool FocusFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == target_) {
        switch (event->type()) {
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::Show:
            case QEvent::Hide:
                Place();
                break;
            default:
                break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusFrame::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    // An outer white line, then black up to the control.
    painter.fillRect(rect(), OuterColor());
    painter.fillRect(rect().adjusted(1, 1, -1, -1), InnerColor());
}

}  // namespace corvane
