#pragma once

#include <string>
#include <vector>

#include "framework/program.h"

namespace corvane {

// What the command line asks for. The program takes no arguments of its own beyond --help and --version.
struct CommandLineOutcome {
    bool startProgram = true;
    int exitStatus = 0;  // when not starting: 0 after --help or --version, 2 for a usage error
    std::string out;     // for standard output
    std::string err;     // for standard error
};

// `arguments` without the program name, UTF-8.
CommandLineOutcome ParseCommandLine(const std::vector<std::string>& arguments,
                                    const ProgramIdentity& program);

}  // namespace corvane
