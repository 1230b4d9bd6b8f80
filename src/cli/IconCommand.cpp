#include "cli/CliGameData.h"
#include "cli/Commands.h"
#include "cli/PngFile.h"

#include "gamedata/Graphics.h"
#include "i18n/Messages.h"
#include "platform/Files.h"
#include "shell/EditorState.h"
#include "shell/GameFolderCheck.h"

#include <algorithm>

namespace quillon::cli {

namespace {

constexpr int FlagsPerRow = 8;
constexpr int FlagGap = 2;
constexpr int MaxScale = 32;

// All flags in rows of eight, each in a cell as large as the largest flag;
// an invalid flag leaves its cell empty.
gamedata::Picture FlagSheet(const QVector<gamedata::Picture>& flags) {
    int cellWidth = 1;
    int cellHeight = 1;
    for (const gamedata::Picture& flag : flags) {
        cellWidth = std::max(cellWidth, flag.width());
        cellHeight = std::max(cellHeight, flag.height());
    }
    const int count = int(flags.size());
    const int columns = std::min(count, FlagsPerRow);
    const int rows = (count + FlagsPerRow - 1) / FlagsPerRow;
    gamedata::Picture sheet(columns * (cellWidth + FlagGap) - FlagGap,
                            rows * (cellHeight + FlagGap) - FlagGap);
    for (int f = 0; f < count; ++f)
        sheet.place(flags[f], (f % FlagsPerRow) * (cellWidth + FlagGap),
                    (f / FlagsPerRow) * (cellHeight + FlagGap));
    return sheet;
}

// The picture as PNG, written through QSaveFile like every other file.
bool WritePng(const gamedata::Picture& image, int scale, const QString& path) {
    const gamedata::Picture scaled = image.scaled(scale);
    return !scaled.isNull() && platform::writeWholeFile(path, EncodePng(scaled));
}

int UsageError(const QString& text) {
    PrintError(text + QStringLiteral("\nusage: quillon-cli ") + IconCommand().usage);
    return ExitUsage;
}

int runIcon(const CommandLine& line) {
    const bool flags = line.flags.contains(QStringLiteral("--flags"));
    if (flags == !line.positional.isEmpty())
        return UsageError(QStringLiteral("icon needs either an icon number or --flags"));
    const QString output = line.values.value(QStringLiteral("-o"));
    if (output.isEmpty())
        return UsageError(QStringLiteral("icon needs -o FILE"));
    bool scaleOk = true;
    const int scale = line.values.contains(QStringLiteral("--scale"))
                          ? line.values.value(QStringLiteral("--scale")).toInt(&scaleOk)
                          : 1;
    if (!scaleOk || scale < 1 || scale > MaxScale)
        return UsageError(
            QStringLiteral("--scale takes a whole number from 1 to %1").arg(MaxScale));
    bool numberOk = true;
    const int number = flags ? 0 : line.positional.first().toInt(&numberOk);
    if (!numberOk)
        return UsageError(QStringLiteral("%1 is not an icon number").arg(line.positional.first()));

    const CliSettings settings = SettingsFor(line);
    EditorState state;
    const QStringList messages = LoadGameData(settings, state);
    if (!GameDataAvailable(state)) {
        PrintError(NoGameDataMessage(settings, messages));
        return ExitFailure;
    }

    gamedata::Picture image;
    if (flags) {
        if (state.graphics.flags.isEmpty()) {
            PrintError(messages.join(QStringLiteral("\r\n")) +
                       i18n::Message(settings.language, i18n::msg::InvalidPicture));
            return ExitFailure;
        }
        image = FlagSheet(state.graphics.flags);
    } else {
        if (number < 0 || number >= state.graphics.IconCount) {
            PrintError(i18n::Message(settings.language, i18n::msg::IconNumber) +
                       QStringLiteral(" %1 (0-%2)").arg(number).arg(state.graphics.IconCount - 1));
            return ExitFailure;
        }
        const gamedata::UnitIcon icon =
            gamedata::ShowUnitIcon(state.DataFolder, state.graphics, number);
        if (icon.shpMissing) {
            PrintError(MissingDataFileMessage(
                state, platform::findNoCase(state.DataFolder, QStringLiteral("shp.pfp"))));
            return ExitFailure;
        }
        if (!icon.valid) {
            PrintError(i18n::Message(settings.language, i18n::msg::InvalidPicture));
            return ExitFailure;
        }
        image = icon.image;
    }
    if (!WritePng(image, scale, output)) {
        PrintError(i18n::Message(settings.language, i18n::msg::CannotWriteFile) + output);
        return ExitFailure;
    }
    return ExitOk;
}

} // namespace

Command IconCommand() {
    Command command{QStringLiteral("icon"),
                    QStringLiteral("icon (N | --flags) -o FILE.png [--scale K] [--game G]"),
                    {QStringLiteral("-o"), QStringLiteral("--scale"), QStringLiteral("--game")},
                    {QStringLiteral("--flags")},
                    0,
                    runIcon};
    command.optionalPositionals = 1;
    return command;
}

} // namespace quillon::cli
