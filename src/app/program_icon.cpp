#include "app/program_icon.h"

#include "dialogs/res/icon_pixels.h"

namespace corvane {

namespace {
constexpr int kProgramIconResource = 152;
}  // namespace

platform::WindowIcon ProgramWindowIcon() {
    return {ProgramIconPixels(), ProgramIconX11Property(), kProgramIconResource};
}

}  // namespace corvane
