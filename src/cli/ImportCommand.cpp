#include "cli/CliGameData.h"
#include "cli/Commands.h"

#include "datasheet/CellNumber.h"
#include "datasheet/Datasheet.h"
#include "equipment/EquipmentFiles.h"
#include "i18n/Messages.h"
#include "platform/Files.h"
#include "shell/EditorState.h"

#include <algorithm>

namespace quillon::cli {

namespace {

// Every line needs the 74 cells of a unit, and all of them a 75th when the
// first one brings descriptions; the first line that does not fit is named.
QString TableShapeProblem(const QList<TableLine>& table, i18n::Language language,
                          const QString& tablePath) {
    const qsizetype wanted = table.first().cells.size() == Datasheet::ColumnCount + 1
                                 ? Datasheet::ColumnCount + 1
                                 : Datasheet::ColumnCount;
    for (const TableLine& line : table) {
        if (line.cells.size() != wanted) {
            return i18n::Message(language, i18n::msg::TableRowShape)
                       .arg(line.number)
                       .arg(line.cells.size())
                       .arg(wanted) +
                   tablePath;
        }
    }
    return {};
}

// Why the table cannot be imported, or nothing.
QString TableProblem(const QList<TableLine>& table, i18n::Language language,
                     const QString& tablePath) {
    // An empty table would make an equipment file that no load accepts.
    if (table.isEmpty())
        return i18n::Message(language, i18n::msg::BadUnitCount) + tablePath;
    if (table.size() > Datasheet::MaxUnits)
        return i18n::Message(language, i18n::msg::TableTooLong) + tablePath;
    return TableShapeProblem(table, language, tablePath);
}

int runImport(const CommandLine& line) {
    const CliSettings settings = SettingsFor(line);
    const QString folder = FolderArgument(line.positional[0]);
    const QString tablePath = line.positional[1];
    const std::optional<QByteArray> bytes = platform::readWholeFile(tablePath);
    if (!bytes) {
        PrintError(
            i18n::Message(settings.language, QString::fromLatin1(i18n::msg::CannotFindFile)) +
            tablePath);
        return ExitFailure;
    }

    QList<TableLine> table = ParseTable(*bytes);
    const QString unitHeading = EnglishHeadings().value(0).trimmed();
    if (!table.isEmpty() && table.first().cells.first().trimmed() == unitHeading)
        table.removeFirst();
    const QString problem = TableProblem(table, settings.language, tablePath);
    if (!problem.isEmpty()) {
        PrintError(problem);
        return ExitFailure;
    }

    // Descriptions are written in unit-number order, so the rows are put
    // into the order the save sorts them in, each keeping its description.
    const bool withDescriptions = table.first().cells.size() > Datasheet::ColumnCount;
    if (withDescriptions) {
        std::stable_sort(table.begin(), table.end(), [](const TableLine& a, const TableLine& b) {
            return CellNumber(a.cells.first()) < CellNumber(b.cells.first());
        });
    }

    std::vector<Datasheet::Row> rows;
    rows.reserve(size_t(table.size()));
    for (const TableLine& tableLine : table) {
        Datasheet::Row row;
        for (int c = 0; c < Datasheet::ColumnCount; ++c)
            row.setText(c, tableLine.cells[c]);
        rows.push_back(std::move(row));
    }
    EditorState game;
    Datasheet& sheet = game.datasheet;
    sheet.replaceUnitRows(std::move(rows));
    sheet.select(1, 0, 1, 0);
    // With the game's index the save rewrites the description container.
    const QStringList checkMessages = LoadGameData(settings, game);
    const bool gameData = GameDataAvailable(game);
    // Descriptions that cannot be saved refuse the import before anything is written.
    if (withDescriptions && !gameData) {
        PrintError(NoGameDataMessage(settings, checkMessages));
        return ExitFailure;
    }
    if (withDescriptions) {
        if (game.LongDescriptions.size() < table.size())
            game.LongDescriptions.resize(table.size());
        for (qsizetype j = 0; j < table.size(); ++j)
            game.LongDescriptions[j] = table[j].cells.value(Datasheet::ColumnCount);
    }

    SaveInputs inputs;
    inputs.equipmentFolder = folder;
    inputs.dataFolder = game.DataFolder;
    inputs.gameData = gameData;
    inputs.longDescriptions = &game.LongDescriptions;
    inputs.language = settings.language;
    inputs.descriptionsRequired = withDescriptions;
    const SaveResult saved = SaveEquipmentFiles(sheet, inputs);
    if (!saved.ok) {
        PrintError(saved.message);
        return ExitFailure;
    }
    PrintMessage(saved.message);
    // Without game data nobody expects the descriptions to be written.
    if (gameData && !saved.containerMessage.isEmpty())
        PrintError(saved.containerMessage);
    return ExitOk;
}

} // namespace

Command ImportCommand() {
    return {QStringLiteral("import"),
            QStringLiteral("import FOLDER FILE [--game G]"),
            {QStringLiteral("--game")},
            {},
            2,
            runImport};
}

} // namespace quillon::cli
