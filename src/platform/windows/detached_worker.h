#pragma once

#include <functional>

namespace corvane::platform {

// Runs `work` on a thread of its own that nobody waits for; false when the system made no thread (`work`
// is then not run). A system thread, not std::thread plus detach(): when a thread ends just as it is
// detached, the Windows build's thread library (winpthreads) can hand the thread's record to a new thread
// while the ending one still changes it, and the new thread then crashes or never starts.
bool StartDetachedWorker(std::function<void()> work);

}  // namespace corvane::platform
