#include "framework/command_line.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <string>

namespace corvane {
namespace {

CommandLineOutcome Parse(QStringList args) {
    args.prepend(QStringLiteral("/some/where/corvane"));
    return ParseCommandLine(args,
                            {"corvane", "4.5.6", "Writes the settings files (menu.dat, ...).", "x.y.Z"});
}

bool Has(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

TEST(CommandLine, HelpAndVersionPrintAndExitZero) {
    for (const char* option : {"--help", "-h"}) {
        SCOPED_TRACE(option);
        const CommandLineOutcome help = Parse({QString::fromLatin1(option)});
        EXPECT_FALSE(help.startProgram);
        EXPECT_EQ(help.exitStatus, 0);
        EXPECT_EQ(help.out.rfind("Usage: corvane [options]\n", 0), 0u) << help.out;
        EXPECT_TRUE(Has(help.out, "--version")) << help.out;
        EXPECT_TRUE(Has(help.out, "menu.dat")) << help.out;
        // Qt's own options are accepted but not listed.
        EXPECT_FALSE(Has(help.out, "platformtheme")) << help.out;
        EXPECT_FALSE(Has(help.out, "<value>")) << help.out;
        EXPECT_EQ(help.err, "");
    }
    for (const char* option : {"--version", "-v"}) {
        SCOPED_TRACE(option);
        const CommandLineOutcome version = Parse({QString::fromLatin1(option)});
        EXPECT_FALSE(version.startProgram);
        EXPECT_EQ(version.exitStatus, 0);
        EXPECT_EQ(version.out, "corvane 4.5.6\n");
        EXPECT_EQ(version.err, "");
    }
}

TEST(CommandLine, UsageErrorsExitTwoWithAShortMessage) {
    struct Case {
        QStringList args;
        const char* message;
    };
    const Case cases[] = {
        {{"--no-such-option"}, "corvane: Unknown option 'no-such-option'."},
        {{"-x"}, "corvane: Unknown option 'x'."},
        {{"menu.dat"}, "corvane: unexpected argument 'menu.dat'"},
        {{"-style"}, "corvane: Missing value after '-style'."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CommandLineOutcome outcome = Parse(c.args);
        EXPECT_FALSE(outcome.startProgram);
        EXPECT_EQ(outcome.exitStatus, 2);
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err, std::string(c.message) + "\nTry 'corvane --help' for more information.\n");
    }
}

TEST(CommandLine, NothingOrQtsOwnOptionsStartTheProgram) {
    const QStringList cases[] = {
        {},
        {"-platform", "offscreen"},
        {"--platform", "xcb", "-style", "fusion"},
        {"-style=fusion", "-reverse"},
        {"-display", ":1", "-qwindowgeometry", "640x480+0+0"},
    };
    for (const QStringList& args : cases) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const CommandLineOutcome outcome = Parse(args);
        EXPECT_TRUE(outcome.startProgram);
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err, "");
    }
}

}  // namespace
}  // namespace corvane
