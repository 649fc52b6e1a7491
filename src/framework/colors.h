#pragma once

#include <cstdint>

namespace corvane {

// A colour as the dialogs name it, red, green and blue 0..255.
struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
};

}  // namespace corvane
