#include "cli/CliGameData.h"
#include "cli/Commands.h"

#include "check/UnitCompare.h"
#include "equipment/EquipmentFiles.h"
#include "gamedata/IndexFiles.h"
#include "i18n/ReportTexts.h"
#include "shell/EditorState.h"

#include <optional>

namespace quillon::cli {

namespace {

constexpr i18n::Language English = i18n::Language::English;
constexpr int UnknownBytesColumn = 73;

struct LoadedFolder {
    QString folder;
    QString equipmentPath;
    Datasheet sheet;
    QStringList descriptions;
};

QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString unitTitle(const check::UnitDifference& unit, const Datasheet& a, const Datasheet& b) {
    const bool inA = unit.rowA >= 0;
    QString title = i18n::Message(English, i18n::report::Unit) + QLatin1Char(' ') +
                    QString::number(inA ? unit.unitA : unit.unitB);
    if (inA && unit.rowB >= 0 && unit.unitB != unit.unitA) {
        title += QStringLiteral(" (") +
                 i18n::Message(English, i18n::report::NumberInB).arg(unit.unitB) + QLatin1Char(')');
    }
    const QString name = inA ? a.cell(unit.rowA, 1) : b.cell(unit.rowB, 1);
    return title + QLatin1Char(' ') + quoted(gamedata::TrimBlanks(name)) + QStringLiteral(": ") +
           check::ChangeText(unit.change, English);
}

QString cellLine(const check::CellChange& cell, const QStringList& headings) {
    const QString heading = check::FieldHeading(cell.column, headings, English);
    if (cell.column != UnknownBytesColumn) {
        return QStringLiteral("  %1: %2 -> %3")
            .arg(heading, quoted(gamedata::TrimBlanks(cell.valueA)),
                 quoted(gamedata::TrimBlanks(cell.valueB)));
    }
    // The unknown bytes are one cell of 120 values: only the ones that differ.
    QStringList bytes;
    for (const check::ByteChange& change : check::UnknownByteChanges(cell.valueA, cell.valueB)) {
        bytes.append(QStringLiteral("%1: %2 -> %3")
                         .arg(i18n::Message(English, i18n::report::Byte).arg(change.position),
                              quoted(change.valueA), quoted(change.valueB)));
    }
    return QStringLiteral("  %1: %2").arg(heading, bytes.join(QStringLiteral(", ")));
}

QString readableReport(const check::Comparison& comparison, const LoadedFolder& a,
                       const LoadedFolder& b, const QStringList& headings) {
    QString text = QStringLiteral("A: %1 (%2 units)\nB: %3 (%4 units)\n\n")
                       .arg(a.equipmentPath)
                       .arg(a.sheet.rows() - 1)
                       .arg(b.equipmentPath)
                       .arg(b.sheet.rows() - 1);
    for (const check::UnitDifference& unit : comparison.units) {
        text += unitTitle(unit, a.sheet, b.sheet) + QLatin1Char('\n');
        for (const check::CellChange& cell : unit.cells)
            text += cellLine(cell, headings) + QLatin1Char('\n');
    }
    if (!comparison.equal())
        text += QLatin1Char('\n');
    return text + check::DiffSummaryText(comparison, English);
}

QByteArray tableReport(const check::Comparison& comparison, const LoadedFolder& a,
                       const LoadedFolder& b, const QStringList& headings) {
    using namespace i18n::report;
    QList<QStringList> lines{{i18n::Message(English, Change), i18n::Message(English, UnitInA),
                              i18n::Message(English, UnitInB), headings[1],
                              i18n::Message(English, Column), i18n::Message(English, Heading),
                              i18n::Message(English, ValueInA), i18n::Message(English, ValueInB)}};
    for (const check::UnitDifference& unit : comparison.units) {
        const QString change = check::ChangeText(unit.change, English);
        const QString unitA = unit.rowA >= 0 ? QString::number(unit.unitA) : QString();
        const QString unitB = unit.rowB >= 0 ? QString::number(unit.unitB) : QString();
        const QString name =
            unit.rowA >= 0 ? a.sheet.cell(unit.rowA, 1) : b.sheet.cell(unit.rowB, 1);
        if (unit.cells.empty())
            lines.append({change, unitA, unitB, name, {}, {}, {}, {}});
        for (const check::CellChange& cell : unit.cells) {
            lines.append({change, unitA, unitB, name, QString::number(cell.column),
                          check::FieldHeading(cell.column, headings, English), cell.valueA,
                          cell.valueB});
        }
    }
    return TableText(lines);
}

// The descriptions of a folder: its own container when a save wrote one
// there, else the game's, which the editor shows for it.
std::optional<QStringList> descriptionsOf(const LoadedFolder& side, const EditorState& game,
                                          bool gameData) {
    const int units = side.sheet.rows() - 1;
    if (std::optional<QStringList> own = check::ReadFolderDescriptions(side.folder, units))
        return own;
    if (!gameData)
        return std::nullopt;
    QStringList descriptions = game.LongDescriptions;
    gamedata::CoverUnits(descriptions, units);
    return descriptions;
}

int runDiff(const CommandLine& line) {
    const CliSettings settings = SettingsFor(line);
    LoadedFolder sides[2];
    for (int i = 0; i < 2; ++i) {
        sides[i].folder = FolderArgument(line.positional[i]);
        const LoadResult loaded =
            LoadEquipmentFiles(sides[i].folder, sides[i].sheet, settings.language);
        if (!loaded.ok) {
            PrintError(loaded.message);
            return ExitFailure;
        }
        sides[i].equipmentPath = loaded.equipmentPath;
    }
    // The game's nation names head the nation columns when the game is there.
    EditorState game;
    game.datasheet.setRows(std::max(sides[0].sheet.rows(), sides[1].sheet.rows()));
    const QStringList checkMessages = LoadGameData(settings, game);
    const bool gameData = GameDataAvailable(game);

    const bool descriptions = line.flags.contains(QStringLiteral("--descriptions"));
    if (descriptions) {
        for (LoadedFolder& side : sides) {
            std::optional<QStringList> texts = descriptionsOf(side, game, gameData);
            if (!texts) {
                PrintError(NoGameDataMessage(settings, checkMessages));
                return ExitFailure;
            }
            side.descriptions = std::move(*texts);
        }
    }
    const check::Comparison comparison = check::CompareUnits(
        sides[0].sheet, sides[1].sheet, descriptions ? &sides[0].descriptions : nullptr,
        descriptions ? &sides[1].descriptions : nullptr);

    const QStringList headings = EnglishHeadings(gameData ? game.lists.NationNames : QStringList());
    if (line.flags.contains(QStringLiteral("--tsv")))
        WriteStdout(tableReport(comparison, sides[0], sides[1], headings));
    else
        PrintMessage(readableReport(comparison, sides[0], sides[1], headings));
    return comparison.equal() ? ExitOk : ExitFound;
}

} // namespace

Command DiffCommand() {
    return {QStringLiteral("diff"),
            QStringLiteral("diff FOLDER_A FOLDER_B [--game G] [--descriptions] [--tsv]"),
            {QStringLiteral("--game")},
            {QStringLiteral("--descriptions"), QStringLiteral("--tsv")},
            2,
            runDiff};
}

} // namespace quillon::cli
