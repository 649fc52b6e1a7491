#pragma once

#include <windows.h>

namespace corvane::platform {

// Keeps the system's "There is no disk in the drive" box away from this thread while a drive is asked: an
// empty card reader answers "not ready" instead.
class NoErrorBoxes {
  public:
    NoErrorBoxes() { ::SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previous_); }
    ~NoErrorBoxes() { ::SetThreadErrorMode(previous_, nullptr); }
    NoErrorBoxes(const NoErrorBoxes&) = delete;
    NoErrorBoxes& operator=(const NoErrorBoxes&) = delete;

  private:
    DWORD previous_ = 0;
};

}  // namespace corvane::platform
