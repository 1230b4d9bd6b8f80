#include "cli/CliCommon.h"

#include "platform/Files.h"
#include "platform/TextCodec.h"
#include "shell/Configuration.h"
#include "shell/ConfigurationLocation.h"
#include "shell/EditorState.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

namespace quillon::cli {

bool ParseCommandLine(const Command& command, const QStringList& args, CommandLine& parsed,
                      QString& error) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (command.valueOptions.contains(arg)) {
            if (i + 1 >= args.size()) {
                error = QStringLiteral("%1 needs a value").arg(arg);
                return false;
            }
            parsed.values.insert(arg, args[++i]);
        } else if (command.flagOptions.contains(arg)) {
            parsed.flags.insert(arg);
        } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            error = QStringLiteral("unknown option %1").arg(arg);
            return false;
        } else {
            parsed.positional.append(arg);
        }
    }
    if (parsed.positional.size() < command.positionals ||
        parsed.positional.size() > command.positionals + command.optionalPositionals) {
        error =
            QStringLiteral("%1 expects %2 argument(s)").arg(command.name).arg(command.positionals);
        return false;
    }
    return true;
}

CliSettings SettingsFor(const CommandLine& line) {
    EditorState state;
    state.ProgramFolder = ProgramFolderFrom(QCoreApplication::applicationDirPath());
    state.UserConfigFolder = UserConfigurationFolder();
    ReadConfiguration(state, DefaultGameFolder());
    CliSettings settings;
    settings.language = state.language();
    settings.gameFolder = line.values.contains(QStringLiteral("--game"))
                              ? FolderArgument(line.values.value(QStringLiteral("--game")))
                              : state.GameFolder;
    return settings;
}

QString FolderArgument(const QString& argument) {
    return platform::withTrailingSeparator(QDir(argument.trimmed()).absolutePath());
}

QStringList EnglishHeadings(const QStringList& nationNames) {
    QStringList nations = nationNames;
    for (qsizetype n = nations.size(); n < 31; ++n)
        nations.append(QStringLiteral("Nation %1").arg(n));
    return i18n::ColumnHeadings(i18n::Language::English, nations);
}

QByteArray TableText(const QList<QStringList>& lines) {
    QString text;
    for (const QStringList& line : lines) {
        for (qsizetype c = 0; c < line.size(); ++c) {
            if (c > 0)
                text += QLatin1Char('\t');
            const qsizetype start = text.size();
            text += line[c];
            BlankTableSeparators(text.data() + start, text.data() + text.size());
        }
        text += QStringLiteral("\r\n");
    }
    return platform::toCp1252(text);
}

void WriteStdout(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void PrintMessage(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    WriteStdout(lines.toLocal8Bit() + '\n');
}

void PrintError(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QByteArray bytes = lines.toLocal8Bit() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

} // namespace quillon::cli
