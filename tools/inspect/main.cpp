#include <iostream>
#include <string>
#include <vector>

#include "inspect/report.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return corvane::inspect::RunInspect(args, std::cout, std::cerr, nullptr);
}
