#pragma once

#include "framework/program.h"

namespace corvane {

// What the command line says of the program.
inline ProgramIdentity CorvaneProgram(const char* version, const char* desktopId) {
    return {
        "corvane", version,
        "Writes the settings files of Vyn trail cameras (menu.dat, setup.dat, smtp.dat) onto their memory "
        "card.\nStarts the main window, which chooses the language and the camera model and opens the "
        "camera, MMS and e-mail setup dialogs.",
        desktopId};
}

}  // namespace corvane
