#include "framework/after_first_paint.h"

#include <QEvent>
#include <QMetaObject>
#include <QWidget>
#include <utility>

namespace corvane {

AfterFirstPaint::AfterFirstPaint(QWidget& window, std::function<void()> action)
    : QObject(&window), action_(std::move(action)) {
    window.installEventFilter(this);
}

bool AfterFirstPaint::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && action_) {
        watched->removeEventFilter(this);
        QMetaObject::invokeMethod(this, std::exchange(action_, nullptr), Qt::QueuedConnection);
    }
    return false;
}

}  // namespace corvane
