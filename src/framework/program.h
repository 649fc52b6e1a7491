#pragma once

// The program's entry: main() hands over to RunProgram, which reads the command line before any window
// exists (--help and --version answer without a display), prepares the window system and runs the
// application object. Each backend implements it for its window system.

#include <functional>
#include <memory>
#include <string>

namespace corvane {

class CWinApp;

struct ProgramIdentity {
    std::string name;         // the command's name, for the usage line and messages
    std::string version;      // what --version prints after the name
    std::string description;  // the help text's description
    std::string desktopId;    // the desktop entry that the windows belong to (where the system has them)
};

// Returns the exit status.
int RunProgram(int argc, char** argv, const ProgramIdentity& program,
               const std::function<std::unique_ptr<CWinApp>()>& makeApp);

}  // namespace corvane
