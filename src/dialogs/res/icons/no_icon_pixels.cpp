// Windows: the windows take the program icon from the executable's resources, so no pixels are compiled in.
#include "dialogs/res/icon_pixels.h"

namespace corvane {

std::span<const IconPixels> ProgramIconPixels() {
    return {};
}

std::span<const uint32_t> ProgramIconX11Property() {
    return {};
}

}  // namespace corvane
