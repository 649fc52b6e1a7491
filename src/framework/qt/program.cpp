#include "framework/program.h"

#include <QApplication>
#include <QCoreApplication>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/command_line.h"
#include "framework/cwinapp.h"
#include "platform/desktop_platform.h"

namespace corvane {

namespace {

std::vector<std::string>* heldMessages = nullptr;

// Qt's messages while the application object starts are held back: a display that cannot be opened ends
// in Qt's fatal message (after its plugin errors), and then one sentence naming the display is all the
// user reads. No connection is made ahead of Qt's own: an X server without other clients resets when the
// last one leaves, and refuses the connections that arrive meanwhile.
void HoldStartMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", platform::DisplayOpenFailure().c_str());
        std::fflush(stderr);
        std::_Exit(1);
    }
    heldMessages->push_back(qFormatLogMessage(type, context, message).toStdString());
}

}  // namespace

int RunProgram(int argc, char** argv, const ProgramIdentity& program,
               const std::function<std::unique_ptr<CWinApp>()>& makeApp) {
    {
        // --help and --version must work without a display: the command line is read before any GUI
        // application object exists.
        QCoreApplication commandLine(argc, argv);
        const CommandLineOutcome outcome = ParseCommandLine(QCoreApplication::arguments(), program);
        std::fputs(outcome.out.c_str(), stdout);
        std::fputs(outcome.err.c_str(), stderr);
        if (!outcome.startProgram) {
            return outcome.exitStatus;
        }
    }
    // Without a display Qt would abort with a stack of platform-plugin errors; say it plainly.
    if (const std::string problem = platform::DisplayProblem(); !problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        return 1;
    }
    std::vector<std::string> held;
    heldMessages = &held;
    const QtMessageHandler previous = qInstallMessageHandler(HoldStartMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    heldMessages = nullptr;
    for (const std::string& line : held) {
        std::fprintf(stderr, "%s\n", line.c_str());
    }
    // The window class and the desktop file name tie the windows to the launcher's desktop entry.
    QApplication::setApplicationName(QString::fromStdString(program.name));
    QApplication::setApplicationVersion(QString::fromStdString(program.version));
    QApplication::setDesktopFileName(QString::fromStdString(program.desktopId));
    const std::unique_ptr<CWinApp> theApp = makeApp();
    return theApp->Run();
}

}  // namespace corvane
