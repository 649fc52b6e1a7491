#include "platform/windows/detached_worker.h"

#include <windows.h>

#include <memory>
#include <utility>

namespace corvane::platform {
namespace {

DWORD WINAPI RunWork(void* context) {
    const std::unique_ptr<std::function<void()>> work(static_cast<std::function<void()>*>(context));
    try {
        (*work)();
    } catch (...) {
        // Nobody is there to hear of it; the asker goes on without this answer.
    }
    return 0;
}

}  // namespace

bool StartDetachedWorker(std::function<void()> work) {
    auto context = std::make_unique<std::function<void()>>(std::move(work));
    HANDLE thread = ::CreateThread(nullptr, 0, RunWork, context.get(), 0, nullptr);
    if (thread == nullptr) {
        return false;
    }
    context.release();  // the thread's now
    ::CloseHandle(thread);
    return true;
}

}  // namespace corvane::platform
