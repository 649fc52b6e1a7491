#pragma once

#include <cstdint>
#include <span>

namespace corvane::platform {

// One size of an icon: rows of 32-bit premultiplied 0xAARRGGBB words.
struct IconImage {
    int size;              // width and height in pixels
    const uint32_t* argb;  // size * size words
};

// The program icon for top-level windows and messages, in the forms the window systems take: the images
// (Qt paints from them), the X11 window property _NET_WM_ICON made ahead of time (for each size its width,
// its height, then its pixels row by row as straight 0xAARRGGBB words; it goes to the X server as it is),
// and on Windows the icon resource of the executable.
struct WindowIcon {
    std::span<const IconImage> images;
    std::span<const uint32_t> x11Property;
    int resourceId = 0;
};

}  // namespace corvane::platform
