#include <iostream>
#include <string>
#include <vector>

#include "inspect/export.h"
#include "inspect/preset_names.h"
#include "inspect/report.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    if (corvane::inspect::AsksForExport(args)) {
        return corvane::inspect::RunExport(args, std::cout, std::cerr);
    }
    corvane::inspect::BuiltInPresetNames names;
    return corvane::inspect::RunInspect(args, std::cout, std::cerr, &names, CORVANE_VERSION);
}
