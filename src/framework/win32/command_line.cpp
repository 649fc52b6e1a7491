#include "framework/command_line.h"

namespace corvane {

namespace {

constexpr int kUsageError = 2;

CommandLineOutcome UsageError(const std::string& name, const std::string& message) {
    CommandLineOutcome outcome;
    outcome.startProgram = false;
    outcome.exitStatus = kUsageError;
    outcome.err = name + ": " + message + "\nTry '" + name + " --help' for more information.\n";
    return outcome;
}

CommandLineOutcome Print(std::string text) {
    CommandLineOutcome outcome;
    outcome.startProgram = false;
    outcome.out = std::move(text);
    return outcome;
}

}  // namespace

CommandLineOutcome ParseCommandLine(const std::vector<std::string>& arguments,
                                    const ProgramIdentity& program) {
    for (const std::string& argument : arguments) {
        if (argument == "-h" || argument == "--help" || argument == "/?") {
            return Print("Usage: " + program.name + " [options]\n" + program.description +
                         "\n\nOptions:\n"
                         "  -h, --help     Show this help and exit.\n"
                         "  -v, --version  Show the program's version and exit.\n");
        }
        if (argument == "-v" || argument == "--version") {
            return Print(program.name + " " + program.version + "\n");
        }
        if (argument.size() > 1 && argument[0] == '-') {
            const size_t dashes = argument[1] == '-' ? 2 : 1;
            return UsageError(program.name, "Unknown option '" + argument.substr(dashes) + "'.");
        }
        return UsageError(program.name, "unexpected argument '" + argument + "'");
    }
    return {};
}

}  // namespace corvane
