#pragma once

#include <string>

namespace corvane::platform {

struct UdisksUnmount {
    bool done = false;
    std::string reason;  // why not, when not done
};

// Unmounts the file system on `device` through udisks2 on the system bus (the desktop's own service, which
// lets the user unmount what the desktop mounted), so that the card can be pulled safely. Says why not when
// there is no system bus, no udisks2 on it, or udisks2 refuses. Needs no event loop.
UdisksUnmount UnmountThroughUdisks(const std::string& device);

}  // namespace corvane::platform
