#include "framework/event_loop.h"

#include "framework/cdialog.h"

namespace corvane {

void RunEventLoop() {
    RunMessageLoop();
}

}  // namespace corvane
