#pragma once

#include <QStringList>
#include <string>

#include "framework/program.h"

namespace corvane {

// What the command line asks for. The program takes no arguments of its own beyond --help and --version;
// Qt's standard options (-platform, -style, -display, ...) pass through to the application object.
struct CommandLineOutcome {
    bool startProgram = true;
    int exitStatus = 0;  // when not starting: 0 after --help or --version, 2 for a usage error
    std::string out;     // for standard output
    std::string err;     // for standard error
};

// Needs a QCoreApplication (no display). arguments include the program name first.
CommandLineOutcome ParseCommandLine(const QStringList& arguments, const ProgramIdentity& program);

}  // namespace corvane
