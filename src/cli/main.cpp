// quillon-cli: the equipment files as text, for scripts, batch edits and
// version control.
#include "cli/Help.h"

#include <QCommandLineParser>
#include <QCoreApplication>

using namespace quillon::cli;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    // The editor's name: both programs find the same configuration folder.
    QCoreApplication::setApplicationName(QStringLiteral("Quillon"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILLON_VERSION));

    // Options before the command are the program's; everything after it is
    // the command's.
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(app.arguments())) {
        PrintError(parser.errorText() + QLatin1Char('\n') + UsageText());
        return ExitUsage;
    }
    if (parser.isSet(help)) {
        PrintMessage(HelpText());
        return ExitOk;
    }
    if (parser.isSet(version)) {
        PrintMessage(QStringLiteral("quillon-cli ") + QCoreApplication::applicationVersion());
        return ExitOk;
    }

    const QStringList args = parser.positionalArguments();
    if (args.isEmpty()) {
        PrintError(UsageText());
        return ExitUsage;
    }
    for (const Command& command : AllCommands()) {
        if (command.name != args.first())
            continue;
        CommandLine line;
        QString error;
        if (!ParseCommandLine(command, args.mid(1), line, error)) {
            PrintError(error + QStringLiteral("\nusage: quillon-cli ") + command.usage);
            return ExitUsage;
        }
        return command.run(line);
    }
    PrintError(QStringLiteral("unknown command %1\n").arg(args.first()) + UsageText());
    return ExitUsage;
}
