#include "cli/CliGameData.h"
#include "cli/Commands.h"

#include "datasheet/CellNumber.h"
#include "datasheet/Datasheet.h"
#include "equipment/EquipmentFiles.h"
#include "i18n/Messages.h"
#include "platform/Files.h"
#include "platform/TextCodec.h"
#include "shell/EditorState.h"

namespace quillon::cli {

namespace {

// A unit's table line: its 74 cells and, when asked for, its description,
// TAB between them, CR LF at the end.
void writeUnitLine(const Datasheet::Row& cells, bool withDescription, const QString& description,
                   QString& line) {
    line.truncate(0);
    for (int c = 0; c < Datasheet::ColumnCount; ++c) {
        if (c > 0)
            line += u'\t';
        const qsizetype start = line.size();
        cells.appendText(c, line);
        BlankTableSeparators(line, start);
    }
    if (withDescription) {
        line += u'\t';
        const qsizetype start = line.size();
        line += description;
        BlankTableSeparators(line, start);
    }
    line += u"\r\n";
}

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

    // The game's nation names head the nation columns when the game is
    // there; only the descriptions need it.
    const bool descriptions = line.flags.contains(QStringLiteral("--descriptions"));
    const QStringList checkMessages = LoadGameData(settings, game);
    const bool gameData = GameDataAvailable(game);
    if (descriptions && !gameData) {
        PrintError(NoGameDataMessage(settings, checkMessages));
        return ExitFailure;
    }

    // Straight from the datasheet's cells into the table's bytes, one line
    // at a time.
    QStringList headings = EnglishHeadings(gameData ? game.lists.NationNames : QStringList());
    if (descriptions)
        headings.append(QString::fromLatin1(DescriptionHeading));
    QByteArray text = TableText({headings});
    QString unitLine;
    for (int r = 1; r < sheet.rows(); ++r) {
        const Datasheet::Row& cells = sheet.rowCells(r);
        const qint64 unit = RoundHalfEven(CellNumber(cells.text(0)));
        const bool described = descriptions && unit >= 0 && unit < game.LongDescriptions.size();
        writeUnitLine(cells, descriptions, described ? game.LongDescriptions[unit] : QString(),
                      unitLine);
        text += platform::toCp1252(unitLine);
    }

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
