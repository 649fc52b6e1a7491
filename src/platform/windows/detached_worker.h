#pragma once

#include <functional>

namespace corvane::platform {

// Runs `work` on a thread of its own that nobody waits for; false when the system made no thread (`work`
// is then not run). A system thread, not std::thread plus detach(): the Windows build's thread library can
// free a detached thread's record twice when the thread ends just as it is detached, and the next threads
// then crash or never start.
bool StartDetachedWorker(std::function<void()> work);

}  // namespace corvane::platform
