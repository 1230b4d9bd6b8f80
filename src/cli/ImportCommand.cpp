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

    QList<QStringList> table = ParseTable(*bytes);
    const QString unitHeading = EnglishHeadings().value(0).trimmed();
    if (!table.isEmpty() && table.first().first().trimmed() == unitHeading)
        table.removeFirst();
    // An empty table would make an equipment file that no load accepts.
    if (table.isEmpty() || table.size() > Datasheet::MaxUnits) {
        PrintError(i18n::Message(settings.language, QString::fromLatin1(i18n::msg::BadUnitCount)) +
                   tablePath);
        return ExitFailure;
    }

    // Descriptions are written in unit-number order, so the rows are put
    // into the order the save sorts them in, each keeping its description.
    const bool withDescriptions =
        std::any_of(table.cbegin(), table.cend(),
                    [](const QStringList& cells) { return cells.size() > Datasheet::ColumnCount; });
    if (withDescriptions) {
        std::stable_sort(table.begin(), table.end(),
                         [](const QStringList& a, const QStringList& b) {
                             return CellNumber(a.first()) < CellNumber(b.first());
                         });
    }

    std::vector<Datasheet::Row> rows;
    rows.reserve(size_t(table.size()));
    for (const QStringList& cells : table) {
        Datasheet::Row row;
        for (qsizetype c = 0; c < std::min<qsizetype>(cells.size(), Datasheet::ColumnCount); ++c)
            row.setText(int(c), cells[c]);
        rows.push_back(std::move(row));
    }
    EditorState game;
    Datasheet& sheet = game.datasheet;
    sheet.replaceUnitRows(std::move(rows));
    sheet.select(1, 0, 1, 0);
    // With the game's index the save rewrites the description container.
    const QStringList checkMessages = LoadGameData(settings, game);
    const bool gameData = GameDataAvailable(game);
    if (gameData && withDescriptions) {
        if (game.LongDescriptions.size() < table.size())
            game.LongDescriptions.resize(table.size());
        for (qsizetype j = 0; j < table.size(); ++j)
            game.LongDescriptions[j] = table[j].value(Datasheet::ColumnCount);
    }

    SaveInputs inputs;
    inputs.equipmentFolder = folder;
    inputs.dataFolder = settings.gameFolder.isEmpty() ? QString() : settings.gameFolder + "data/";
    inputs.language = settings.language;
    if (gameData) {
        inputs.dataFolder = game.DataFolder;
        inputs.index = &game.index;
        inputs.longDescriptions = &game.LongDescriptions;
    }
    const SaveResult saved = SaveEquipmentFiles(sheet, inputs);
    if (!saved.ok) {
        PrintError(saved.message);
        return ExitFailure;
    }
    PrintMessage(saved.message);
    if (!saved.containerMessage.isEmpty())
        PrintError(saved.containerMessage);
    // Descriptions that were given but could not be saved are a failure.
    if (withDescriptions && !gameData) {
        PrintError(NoGameDataMessage(settings, checkMessages));
        return ExitFailure;
    }
    return withDescriptions && !saved.containerWritten ? ExitFailure : ExitOk;
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
