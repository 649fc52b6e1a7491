#include "framework/program.h"

#include <cstdio>
#include <string>
#include <vector>

#include "framework/command_line.h"
#include "framework/cwinapp.h"
#include "framework/wide.h"

#include "framework/win32_api.h"

#include <objbase.h>
#include <shellapi.h>

namespace corvane {

namespace {

// The arguments from the wide command line: argv holds them in the ANSI code page, which cannot hold
// every name. A start without arguments (the usual one) leaves the shell's library unloaded.
std::vector<std::string> WideArguments(int argc) {
    std::vector<std::string> arguments;
    if (argc <= 1) {
        return arguments;
    }
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) {
        return arguments;
    }
    for (int i = 1; i < count; ++i) {
        arguments.push_back(win32::FromWide(wide[i]));
    }
    LocalFree(wide);
    return arguments;
}

// A GUI program has no console of its own: what it prints goes to the console of the program that started
// it, if any, unless its output is redirected already (to a file or pipe).
void UseParentConsole() {
    const bool redirected = GetFileType(GetStdHandle(STD_OUTPUT_HANDLE)) != FILE_TYPE_UNKNOWN;
    if (redirected || !AttachConsole(ATTACH_PARENT_PROCESS)) {
        return;
    }
    FILE* stream = nullptr;
    freopen_s(&stream, "CONOUT$", "w", stdout);
    freopen_s(&stream, "CONOUT$", "w", stderr);
    SetConsoleOutputCP(CP_UTF8);
}

}  // namespace

int RunProgram(int argc, char** /*argv*/, const ProgramIdentity& program,
               const std::function<std::unique_ptr<CWinApp>()>& makeApp) {
    const CommandLineOutcome outcome = ParseCommandLine(WideArguments(argc), program);
    if (!outcome.out.empty() || !outcome.err.empty()) {
        UseParentConsole();
        std::fputs(outcome.out.c_str(), stdout);
        std::fputs(outcome.err.c_str(), stderr);
        std::fflush(stdout);
        std::fflush(stderr);
    }
    if (!outcome.startProgram) {
        return outcome.exitStatus;
    }
    // COM is started where it is needed (the system's file dialogs, the accessibility annotations after the
    // first paint), not here: starting it cost the main window time before it showed.
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);
    int status = 0;
    {
        const std::unique_ptr<CWinApp> theApp = makeApp();
        status = theApp->Run();
    }
    return status;
}

}  // namespace corvane
