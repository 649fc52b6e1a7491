#pragma once

// The program icon (icon 152) in every size it comes in, decoded from src/res/icons/corvane-*.png at build
// time: rows of 32-bit premultiplied 0xAARRGGBB words (QImage::Format_ARGB32_Premultiplied), smallest
// size first.

#include <cstdint>
#include <span>

#include "platform/window_icon.h"

namespace corvane {

using IconPixels = platform::IconImage;

std::span<const IconPixels> ProgramIconPixels();

// The same sizes as the X11 window property _NET_WM_ICON: for each, its width, its height, then its pixels
// as straight (not premultiplied) 0xAARRGGBB words.
std::span<const uint32_t> ProgramIconX11Property();

}  // namespace corvane
