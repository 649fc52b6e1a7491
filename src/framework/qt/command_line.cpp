#include "framework/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace corvane {

namespace {

constexpr int kUsageError = 2;

// The options QGuiApplication and QApplication take from the command line themselves; they are accepted
// here so that they reach the application object, and are left out of the help text.
void AddQtOptions(QCommandLineParser& parser) {
    const char* const withValue[] = {
        "platform",    "platformpluginpath", "platformtheme", "plugin",  "qmljsdebugger", "qwindowgeometry",
        "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",      "style",
        "stylesheet"};
    const char* const flags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    for (const char* name : withValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : flags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

CommandLineOutcome UsageError(const QString& name, const QString& message) {
    CommandLineOutcome outcome;
    outcome.startProgram = false;
    outcome.exitStatus = kUsageError;
    outcome.err =
        QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(name, message).toStdString();
    return outcome;
}

}  // namespace

CommandLineOutcome ParseCommandLine(const QStringList& arguments, const ProgramIdentity& program) {
    const QString name = QString::fromStdString(program.name);
    QCommandLineParser parser;
    // Qt's own options are single-dash words (-platform, -style).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QString::fromStdString(program.description) +
        QStringLiteral("\nQt's standard options (-platform, -style, -display, ...) "
                       "are accepted as well."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption showVersion({QStringLiteral("v"), QStringLiteral("version")},
                                         QStringLiteral("Show the program's version and exit."));
    parser.addOption(help);
    parser.addOption(showVersion);
    AddQtOptions(parser);

    if (!parser.parse(arguments)) {
        return UsageError(name, parser.errorText());
    }
    if (parser.isSet(help)) {
        // The usage line names the program, not the path it was started by.
        QString text = parser.helpText();
        const QString startedAs = QStringLiteral("Usage: ") + QCoreApplication::arguments().value(0);
        if (text.startsWith(startedAs)) {
            text.replace(0, startedAs.size(), QStringLiteral("Usage: ") + name);
        }
        CommandLineOutcome outcome;
        outcome.startProgram = false;
        outcome.out = text.toStdString();
        return outcome;
    }
    if (parser.isSet(showVersion)) {
        CommandLineOutcome outcome;
        outcome.startProgram = false;
        outcome.out =
            QStringLiteral("%1 %2\n").arg(name, QString::fromStdString(program.version)).toStdString();
        return outcome;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return UsageError(
            name, QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    }
    return {};
}

}  // namespace corvane
