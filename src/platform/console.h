#pragma once

// The command-line programs' side of the system: their arguments and their standard output, UTF-8 both.

#include <string>
#include <vector>

namespace corvane::platform {

// The program's arguments, without its own name, in UTF-8 (on Windows from the wide command line: argv
// holds them in the ANSI code page, which loses what it cannot show).
std::vector<std::string> CommandLineArguments(int argc, char** argv);

// Standard output and standard error carry the UTF-8 bytes as written: a console shows them as UTF-8, and
// line ends are not translated, so a report is the same bytes on every system.
void UseUtf8Output();

// When standard output goes into a file, makes that file readable and writable by its owner only; true
// when that is done or standard output is no file.
bool RestrictOutputFileToOwner();

}  // namespace corvane::platform
