#include "framework/program.h"

#include <cstdio>

#include "framework/wide.h"

#include "framework/win32_api.h"

#include <shellapi.h>

namespace corvane {

namespace {

std::vector<std::string> WideArguments() {
    std::vector<std::string> arguments;
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

// A GUI program has no console: the text of --help and --version goes to the console of the program
// that started it, if any, unless the output was redirected already.
void UseParentConsole() {
    const bool outputRedirected = GetFileType(GetStdHandle(STD_OUTPUT_HANDLE)) != FILE_TYPE_UNKNOWN;
    if (outputRedirected || !AttachConsole(ATTACH_PARENT_PROCESS)) {
        return;
    }
    FILE* stream = nullptr;
    freopen_s(&stream, "CONOUT$", "w", stdout);
    freopen_s(&stream, "CONOUT$", "w", stderr);
    SetConsoleOutputCP(CP_UTF8);
}

}  // namespace

int RunProgram(int /*argc*/, char** /*argv*/, const ProgramIdentity& /*identity*/,
               const CommandLineHandler& handleArguments,
               const std::function<std::unique_ptr<CWinApp>()>& makeApp) {
    UseParentConsole();
    if (const std::optional<int> status = handleArguments(WideArguments())) {
        std::fflush(stdout);
        std::fflush(stderr);
        return *status;
    }
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);
    const std::unique_ptr<CWinApp> app = makeApp();
    return app != nullptr ? app->Run() : 1;
}

}  // namespace corvane
