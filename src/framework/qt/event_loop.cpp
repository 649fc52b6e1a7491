#include "framework/event_loop.h"

#include <QApplication>

namespace corvane {

void RunEventLoop() {
    QApplication::exec();
}

}  // namespace corvane
