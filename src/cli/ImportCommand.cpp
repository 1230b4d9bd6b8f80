#include "cli/Commands.h"

#include "datasheet/Datasheet.h"
#include "equipment/EquipmentFiles.h"
#include "i18n/Messages.h"
#include "platform/Files.h"

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

    std::vector<Datasheet::Row> rows;
    rows.reserve(size_t(table.size()));
    for (const QStringList& cells : table) {
        Datasheet::Row row;
        std::copy_n(cells.begin(), std::min<qsizetype>(cells.size(), Datasheet::ColumnCount),
                    row.begin());
        rows.push_back(std::move(row));
    }
    Datasheet sheet;
    sheet.replaceUnitRows(std::move(rows));
    sheet.select(1, 0, 1, 0);

    SaveInputs inputs;
    inputs.equipmentFolder = folder;
    inputs.dataFolder = settings.gameFolder.isEmpty() ? QString() : settings.gameFolder + "data/";
    inputs.language = settings.language;
    const SaveResult saved = SaveEquipmentFiles(sheet, inputs);
    if (!saved.ok) {
        PrintError(saved.message);
        return ExitFailure;
    }
    PrintMessage(saved.message);
    if (!saved.containerMessage.isEmpty())
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
