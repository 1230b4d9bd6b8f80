#include "cli/CliGameData.h"
#include "cli/Commands.h"

#include "datasheet/CellNumber.h"
#include "datasheet/Datasheet.h"
#include "equipment/EquipmentFiles.h"
#include "i18n/Messages.h"
#include "platform/Files.h"
#include "shell/EditorState.h"

namespace quillon::cli {

namespace {

int runExport(const CommandLine& line) {
    const CliSettings settings = SettingsFor(line);
    // The game folder check sizes the description table by the units loaded.
    EditorState game;
    Datasheet& sheet = game.datasheet;
    const LoadResult loaded =
        LoadEquipmentFiles(FolderArgument(line.positional[0]), sheet, settings.language);
    if (!loaded.ok) {
        PrintError(loaded.message);
        return ExitFailure;
    }
    for (const QString& warning : loaded.warnings)
        PrintError(warning);

    // The game's nation names head the nation columns when the game is
    // there; only the descriptions need it.
    const bool descriptions = line.flags.contains(QStringLiteral("--descriptions"));
    const QStringList checkMessages = LoadGameData(settings, game);
    const bool gameData = GameDataAvailable(game);
    if (descriptions && !gameData) {
        PrintError(NoGameDataMessage(settings, checkMessages));
        return ExitFailure;
    }

    QList<QStringList> lines;
    lines.reserve(sheet.rows());
    lines.append(EnglishHeadings(gameData ? game.lists.NationNames : QStringList()));
    if (descriptions)
        lines.first().append(QString::fromLatin1(DescriptionHeading));
    for (int r = 1; r < sheet.rows(); ++r) {
        const Datasheet::Row& cells = sheet.rowCells(r);
        lines.append(QStringList(cells.begin(), cells.end()));
        if (descriptions) {
            const qint64 unit = RoundHalfEven(CellNumber(cells[0]));
            lines.last().append(unit >= 0 && unit < game.LongDescriptions.size()
                                    ? game.LongDescriptions[qsizetype(unit)]
                                    : QString());
        }
    }
    const QByteArray text = TableText(lines);

    const QString output = line.values.value(QStringLiteral("-o"));
    if (output.isEmpty()) {
        WriteStdout(text);
        return ExitOk;
    }
    if (!platform::writeWholeFile(output, text)) {
        PrintError(
            i18n::Message(settings.language, QString::fromLatin1(i18n::msg::CannotWriteFile)) +
            output);
        return ExitFailure;
    }
    return ExitOk;
}

} // namespace

Command ExportCommand() {
    return {QStringLiteral("export"),
            QStringLiteral("export FOLDER [--game G] [--descriptions] [-o FILE]"),
            {QStringLiteral("--game"), QStringLiteral("-o")},
            {QStringLiteral("--descriptions")},
            1,
            runExport};
}

} // namespace quillon::cli
