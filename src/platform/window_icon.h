#pragma once

#include <QIcon>
#include <cstdint>
#include <span>

class QWidget;

namespace corvane::platform {

// A program icon for top-level windows, in the two forms the window systems take.
struct WindowIcon {
    QIcon icon;
    // The X11 window property _NET_WM_ICON: for each size its width, its height, then its pixels row by row
    // as straight (not premultiplied) 0xAARRGGBB words. Made ahead of time, it goes to the X server as it
    // is; Qt would convert every size from its pixmaps and send the result twice for each window.
    std::span<const uint32_t> x11Property;
};

// Gives `window`, a top-level window not yet shown, the icon: under X11 as one property request on its
// native window (made now if it does not exist yet), elsewhere through Qt.
void ShowWindowIcon(QWidget& window, const WindowIcon& icon);

}  // namespace corvane::platform
