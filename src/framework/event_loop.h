#pragma once

namespace corvane {

// The window system's event loop, until the program quits (each backend has its own).
void RunEventLoop();

}  // namespace corvane
