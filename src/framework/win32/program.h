#pragma once

// The program's entry, called from main(): reads the command line first (no window), then makes and runs
// the application object.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/cwinapp.h"

namespace corvane {

struct ProgramIdentity {
    const char* name;       // the program's name, as in --help
    const char* version;    // the project's version
    const char* desktopId;  // the desktop entry's id (used on Linux)
};

// Arguments without the program name, UTF-8. Returns an exit status when the program is not to start
// (after printing --help/--version or an error), nothing to start it.
using CommandLineHandler = std::function<std::optional<int>(const std::vector<std::string>& arguments)>;

// On Windows the arguments come from the wide command line (argv is in the ANSI code page); output of the
// handler reaches the console the program was started from.
int RunProgram(int argc, char** argv, const ProgramIdentity& identity,
               const CommandLineHandler& handleArguments,
               const std::function<std::unique_ptr<CWinApp>()>& makeApp);

}  // namespace corvane
