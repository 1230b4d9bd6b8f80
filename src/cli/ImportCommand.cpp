#include "cli/CliGameData.h"
#include "cli/Commands.h"

#include "datasheet/CellNumber.h"
#include "datasheet/Datasheet.h"
#include "equipment/EquipmentFiles.h"
#include "i18n/Messages.h"
#include "platform/Files.h"
#include "platform/TextCodec.h"
#include "shell/EditorState.h"

#include <QFile>
#include <algorithm>
#include <numeric>

namespace quillon::cli {

namespace {

// The table as the import takes it: every data line's cells go straight into
// a unit row as they are read, so that neither the file nor its cells are
// ever held as texts of their own.
struct ImportTable {
    std::vector<Datasheet::Row> rows;
    QStringList descriptions; // the 75th cells, when the lines bring them
    std::vector<double> unitNumbers;
    qsizetype lines = 0; // data lines, also those past the limit
    qsizetype width = 0; // the cells every line needs
    int badLine = 0;     // the first line that does not have them, and its cells
    qsizetype badCells = 0;
    bool headingChecked = false;
};

QStringView firstCell(QStringView text) {
    const qsizetype tab = text.indexOf(u'\t');
    return tab < 0 ? text : text.first(tab);
}

// One line of the table (its line end removed): a heading line before the
// first unit is left out, empty lines too.
void takeLine(QStringView text, int number, const QString& unitHeading, ImportTable& table) {
    if (text.trimmed().isEmpty())
        return;
    if (!table.headingChecked) {
        table.headingChecked = true;
        if (firstCell(text).trimmed() == unitHeading)
            return;
    }
    const qsizetype cells = text.count(u'\t') + 1;
    if (table.lines++ == 0) {
        // Every line needs the 74 cells of a unit, and all of them a 75th
        // when the first one brings descriptions.
        table.width = cells == Datasheet::ColumnCount + 1 ? cells : Datasheet::ColumnCount;
    }
    if (cells != table.width && table.badLine == 0) {
        table.badLine = number;
        table.badCells = cells;
    }
    // Past a problem or the limit the import is refused: only count.
    if (table.badLine != 0 || table.lines > Datasheet::MaxUnits)
        return;
    Datasheet::Row row;
    qsizetype start = 0;
    for (int c = 0; c < table.width; ++c) {
        qsizetype end = text.indexOf(u'\t', start);
        if (end < 0)
            end = text.size();
        const QStringView cell = text.sliced(start, end - start);
        if (c < Datasheet::ColumnCount)
            row.setText(c, cell);
        else
            table.descriptions.append(cell.toString());
        start = end + 1;
    }
    if (table.width > Datasheet::ColumnCount)
        table.unitNumbers.push_back(CellNumber(firstCell(text)));
    table.rows.push_back(std::move(row));
}

// Reads the table at `path` line by line (LF or CR LF line ends, numbered
// from 1 as in the file); false when it cannot be read.
bool readTable(const QString& path, ImportTable& table) {
    QFile file(path);
    if (!platform::fileExists(path) || !file.open(QIODevice::ReadOnly))
        return false;
    // A unit's line has at least its 73 TABs and a line end.
    table.rows.reserve(size_t(std::min<qint64>(file.size() / 75 + 1, Datasheet::MaxUnits)));
    const QString unitHeading = EnglishHeadings().value(0).trimmed();
    QString text;
    for (int number = 1; !file.atEnd(); ++number) {
        QByteArray bytes = file.readLine();
        if (bytes.isEmpty() && file.error() != QFileDevice::NoError)
            return false;
        if (bytes.endsWith('\n'))
            bytes.chop(1);
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        platform::fromCp1252(bytes, text);
        takeLine(text, number, unitHeading, table);
    }
    return file.error() == QFileDevice::NoError;
}

// Why the table cannot be imported, or nothing.
QString TableProblem(const ImportTable& table, i18n::Language language, const QString& tablePath) {
    // An empty table would make an equipment file that no load accepts.
    if (table.lines == 0)
        return i18n::Message(language, i18n::msg::BadUnitCount) + tablePath;
    if (table.lines > Datasheet::MaxUnits)
        return i18n::Message(language, i18n::msg::TableTooLong) + tablePath;
    if (table.badLine != 0) {
        return i18n::Message(language, i18n::msg::TableRowShape)
                   .arg(table.badLine)
                   .arg(table.badCells)
                   .arg(table.width) +
               tablePath;
    }
    return {};
}

// Descriptions are written in unit-number order, so the rows are put into
// the order the save sorts them in, each keeping its description.
void sortByUnitNumber(ImportTable& table) {
    std::vector<int> order(table.rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return table.unitNumbers[size_t(a)] < table.unitNumbers[size_t(b)];
    });
    std::vector<Datasheet::Row> rows;
    rows.reserve(order.size());
    QStringList descriptions;
    descriptions.reserve(qsizetype(order.size()));
    for (const int i : order) {
        rows.push_back(std::move(table.rows[size_t(i)]));
        descriptions.append(std::move(table.descriptions[i]));
    }
    table.rows = std::move(rows);
    table.descriptions = std::move(descriptions);
}

int runImport(const CommandLine& line) {
    const CliSettings settings = SettingsFor(line);
    const QString folder = FolderArgument(line.positional[0]);
    const QString tablePath = line.positional[1];
    ImportTable table;
    if (!readTable(tablePath, table)) {
        PrintError(
            i18n::Message(settings.language, QString::fromLatin1(i18n::msg::CannotFindFile)) +
            tablePath);
        return ExitFailure;
    }
    const QString problem = TableProblem(table, settings.language, tablePath);
    if (!problem.isEmpty()) {
        PrintError(problem);
        return ExitFailure;
    }

    const bool withDescriptions = table.width > Datasheet::ColumnCount;
    if (withDescriptions)
        sortByUnitNumber(table);
    const qsizetype unitCount = qsizetype(table.rows.size());
    EditorState game;
    Datasheet& sheet = game.datasheet;
    sheet.replaceUnitRows(std::move(table.rows));
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
        if (game.LongDescriptions.size() < unitCount)
            game.LongDescriptions.resize(unitCount);
        for (qsizetype j = 0; j < unitCount; ++j)
            game.LongDescriptions[j] = table.descriptions[j];
    }

    SaveInputs inputs;
    inputs.equipmentFolder = folder;
    inputs.dataFolder = game.DataFolder;
    inputs.gameData = gameData;
    inputs.longDescriptions = &game.LongDescriptions;
    inputs.language = settings.language;
    inputs.descriptionsRequired = withDescriptions;
    inputs.keepCorrections = false;
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
