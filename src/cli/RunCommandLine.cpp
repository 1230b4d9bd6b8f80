#include "cli/Help.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace quillon::cli {

int RunCommandLine(const QStringList& arguments) {
    // Options before the command are the program's; everything after it is
    // the command's.
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(arguments)) {
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

} // namespace quillon::cli
