// The Windows program's command line: --help and --version print and end, anything else is a usage error
// with status 2, nothing starts the program.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/command_line.h"

namespace corvane {
namespace {

const ProgramIdentity kProgram{"corvane", "1.2.3", "Sets up trail cameras.", "org.example.corvane"};

struct Case {
    std::vector<std::string> arguments;
    bool starts;
    int status;
    std::string out;  // a part of standard output
    std::string err;  // a part of standard error
};

TEST(Win32CommandLineTest, EachCommandLineStartsOrEndsAsDocumented) {
    const Case cases[] = {
        {{}, true, 0, "", ""},
        {{"--version"}, false, 0, "corvane 1.2.3\n", ""},
        {{"-v"}, false, 0, "corvane 1.2.3\n", ""},
        {{"--help"}, false, 0, "Usage: corvane [options]\nSets up trail cameras.", ""},
        {{"/?"}, false, 0, "  -v, --version", ""},
        {{"--bogus"}, false, 2, "", "corvane: Unknown option 'bogus'.\nTry 'corvane --help'"},
        {{"card.dat"}, false, 2, "", "unexpected argument 'card.dat'"},
        {{"\xe4\xb8\xad"}, false, 2, "", "unexpected argument '\xe4\xb8\xad'"},
    };
    for (const Case& c : cases) {
        const CommandLineOutcome outcome = ParseCommandLine(c.arguments, kProgram);
        const std::string shown = c.arguments.empty() ? "(none)" : c.arguments.front();
        EXPECT_EQ(outcome.startProgram, c.starts) << shown;
        EXPECT_EQ(outcome.exitStatus, c.status) << shown;
        EXPECT_NE(outcome.out.find(c.out), std::string::npos) << shown << ": " << outcome.out;
        EXPECT_NE(outcome.err.find(c.err), std::string::npos) << shown << ": " << outcome.err;
        EXPECT_EQ(outcome.out.empty(), c.out.empty()) << shown;
        EXPECT_EQ(outcome.err.empty(), c.err.empty()) << shown;
    }
}

}  // namespace
}  // namespace corvane
