// Workers nobody waits for, started in a burst as the drive reading starts them: each runs exactly once,
// also when it ends at the moment it is let go.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <stdexcept>
#include <thread>

#include "platform/windows/detached_worker.h"

namespace corvane::platform {
namespace {

TEST(DetachedWorker, EachOfABurstRunsOnceAndTheProcessGoesOn) {
    constexpr int kWorkers = 3000;
    // Shared with workers that may still be ending when the test is over.
    static std::atomic<int> ran{0};
    ran = 0;
    int started = 0;
    for (int i = 0; i < kWorkers; ++i) {
        started += StartDetachedWorker([] { ++ran; }) ? 1 : 0;
    }
    EXPECT_EQ(started, kWorkers);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (ran.load() < started && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_EQ(ran.load(), started);
}

TEST(DetachedWorker, AWorkerThatThrowsEndsAloneAndFreesItsWork) {
    static std::atomic<bool> ran{false};
    const auto held = std::make_shared<int>(7);
    ASSERT_TRUE(StartDetachedWorker([held] {
        ran = true;
        throw std::runtime_error("drive gone");
    }));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (held.use_count() > 1 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_TRUE(ran.load());
    EXPECT_EQ(held.use_count(), 1) << "the work and what it holds are freed when it ends";
}

}  // namespace
}  // namespace corvane::platform
