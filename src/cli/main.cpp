// quillon-cli: the equipment files as text, for scripts, batch edits and
// version control.
#include "cli/Commands.h"

#include <QCoreApplication>

using namespace quillon::cli;

namespace {

QString usageText(const QList<Command>& commands) {
    QString text = QStringLiteral("usage:");
    for (const Command& command : commands)
        text += QStringLiteral("\n  quillon-cli ") + command.usage;
    return text;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QList<Command> commands = {
        ExportCommand(), ImportCommand(), InfoCommand(),
        IconCommand(),   CheckCommand(),  DiffCommand(),
    };

    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        PrintError(usageText(commands));
        return ExitUsage;
    }
    for (const Command& command : commands) {
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
    PrintError(QStringLiteral("unknown command %1\n").arg(args.first()) + usageText(commands));
    return ExitUsage;
}
