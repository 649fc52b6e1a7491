#include <QApplication>
#include <QCoreApplication>
#include <cstdio>
#include <string>

#include "app/command_line.h"
#include "app/setup_app.h"
#include "platform/desktop_platform.h"

int main(int argc, char** argv) {
    {
        // --help and --version must work without a display: the command line is read before any GUI
        // application object exists.
        QCoreApplication commandLine(argc, argv);
        const corvane::CommandLineOutcome outcome =
            corvane::ParseCommandLine(QCoreApplication::arguments(), QStringLiteral(CORVANE_VERSION));
        std::fputs(outcome.out.c_str(), stdout);
        std::fputs(outcome.err.c_str(), stderr);
        if (!outcome.startProgram) {
            return outcome.exitStatus;
        }
    }
    // Without a display it can reach Qt would abort with a stack of platform-plugin errors; say it plainly.
    if (const std::string problem = corvane::platform::DisplayProblem(); !problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        return 1;
    }
    QApplication app(argc, argv);
    // The window class and the desktop file name tie the windows to the launcher's desktop entry.
    QApplication::setApplicationName(QStringLiteral("corvane"));
    QApplication::setApplicationVersion(QStringLiteral(CORVANE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(CORVANE_APP_ID));
    corvane::CSetupApp setupApp;
    return setupApp.Run();
}
