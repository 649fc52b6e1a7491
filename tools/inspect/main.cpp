#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "inspect/export.h"
#include "inspect/preset_names.h"
#include "inspect/report.h"
#include "platform/console.h"

namespace {

// A settings file with passwords is for its owner only: when the export goes into a file (the shell's
// redirection made it), that file is made readable by its owner only before anything is written.
void KeepSecretsPrivate(const std::vector<std::string>& args) {
    if (std::find(args.begin(), args.end(), "--show-secrets") == args.end()) {
        return;
    }
    if (!corvane::platform::RestrictOutputFileToOwner()) {
        std::cerr
            << "corvane-inspect: warning: the output file could not be made readable by its owner only\n";
    }
}

}  // namespace

int main(int argc, char** argv) {
    corvane::platform::UseUtf8Output();
    const std::vector<std::string> args = corvane::platform::CommandLineArguments(argc, argv);
    if (corvane::inspect::AsksForExport(args)) {
        KeepSecretsPrivate(args);
        return corvane::inspect::RunExport(args, std::cout, std::cerr);
    }
    corvane::inspect::BuiltInPresetNames names;
    return corvane::inspect::RunInspect(args, std::cout, std::cerr, &names, CORVANE_VERSION);
}
