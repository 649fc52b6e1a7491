#pragma once

// Runs a piece of a test in a child process: to give it a deadline (a call that blocks for good ends the
// child, not the test run) or another user's rights. Plain C++; only for tests without a running Qt.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace corvane::testing {

struct ChildOutcome {
    bool finished = false;  // false: still running at the deadline, and killed
    std::string output;     // what `body` returned, when finished
};

// Runs `body` in a child process and waits for it up to `deadline`. With `asNobody`, a child started by
// root first becomes the unprivileged user 65534, so that file permissions hold for it.
inline ChildOutcome RunInChild(const std::function<std::string()>& body, std::chrono::seconds deadline,
                               bool asNobody = false) {
    int fds[2];
    if (::pipe(fds) != 0) {
        return {};
    }
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return {};
    }
    if (pid == 0) {
        ::close(fds[0]);
        if (asNobody && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            ::_exit(2);
        }
        const std::string out = body();
        std::size_t done = 0;
        while (done < out.size()) {
            const ssize_t n = ::write(fds[1], out.data() + done, out.size() - done);
            if (n <= 0) {
                ::_exit(3);
            }
            done += static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(fds[1]);
    ChildOutcome outcome;
    const auto end = std::chrono::steady_clock::now() + deadline;
    int status = 0;
    while (true) {
        const pid_t waited = ::waitpid(pid, &status, WNOHANG);
        if (waited == pid) {
            outcome.finished = WIFEXITED(status) && WEXITSTATUS(status) == 0;
            break;
        }
        if (std::chrono::steady_clock::now() >= end) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (outcome.finished) {
        char buffer[4096];
        ssize_t n = 0;
        while ((n = ::read(fds[0], buffer, sizeof buffer)) > 0) {
            outcome.output.append(buffer, static_cast<std::size_t>(n));
        }
    }
    ::close(fds[0]);
    return outcome;
}

}  // namespace corvane::testing
