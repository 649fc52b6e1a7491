#include <sys/stat.h>

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "inspect/export.h"
#include "inspect/preset_names.h"
#include "inspect/report.h"

namespace {

// A settings file with passwords is for its owner only: when the export goes into a file (the shell's
// redirection made it), that file is made readable by its owner only before anything is written.
void KeepSecretsPrivate(const std::vector<std::string>& args) {
    if (std::find(args.begin(), args.end(), "--show-secrets") == args.end()) {
        return;
    }
    struct stat st {};
    if (::fstat(1, &st) == 0 && S_ISREG(st.st_mode) && ::fchmod(1, S_IRUSR | S_IWUSR) != 0) {
        std::cerr
            << "corvane-inspect: warning: the output file could not be made readable by its owner only\n";
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    if (corvane::inspect::AsksForExport(args)) {
        KeepSecretsPrivate(args);
        return corvane::inspect::RunExport(args, std::cout, std::cerr);
    }
    corvane::inspect::BuiltInPresetNames names;
    return corvane::inspect::RunInspect(args, std::cout, std::cerr, &names, CORVANE_VERSION);
}
