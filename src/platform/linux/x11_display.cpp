#include "platform/linux/x11_display.h"

#include <xcb/xcb.h>

namespace corvane::platform {

bool X11DisplayOpens(const std::string& display) {
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    const bool reached = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return reached;
}

}  // namespace corvane::platform
