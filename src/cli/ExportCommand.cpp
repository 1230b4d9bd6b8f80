#include "cli/CliGameData.h"
#include "cli/Commands.h"

#include "datasheet/Datasheet.h"
#include "equipment/EquipmentFiles.h"
#include "i18n/Messages.h"
#include "platform/TextCodec.h"
#include "shell/EditorState.h"

#include <QFile>
#include <QSaveFile>
#include <cstdio>

namespace quillon::cli {

namespace {

// Appends a unit's table line to `text`: its 74 cells and, when asked for,
// its description, TAB between them, CR LF at the end. A cell's own TAB, CR
// or LF becomes a blank so that the table stays a table.
void appendUnitLine(const Datasheet::Row& cells, bool withDescription, const QString& description,
                    QString& text) {
    qsizetype size = Datasheet::ColumnCount + 1 + (withDescription ? description.size() + 1 : 0);
    for (int c = 0; c < Datasheet::ColumnCount; ++c)
        size += cells.textSize(c);
    const qsizetype start = text.size();
    text.resize(start + size);
    QChar* out = text.data() + start;
    for (int c = 0; c < Datasheet::ColumnCount; ++c) {
        if (c > 0)
            *out++ = u'\t';
        QChar* cellStart = out;
        out = cells.writeText(c, out);
        if (cells.holdsText(c))
            BlankTableSeparators(cellStart, out);
    }
    if (withDescription) {
        *out++ = u'\t';
        QChar* cellStart = out;
        out = std::copy(description.cbegin(), description.cend(), out);
        BlankTableSeparators(cellStart, out);
    }
    *out++ = u'\r';
    *out++ = u'\n';
}

// Lines go out in pieces of about this many characters: few writes, and
// little memory.
constexpr qsizetype PieceSize = 1 << 16;

int runExport(const CommandLine& line) {
    const CliSettings settings = SettingsFor(line);
    const EquipmentInput input =
        ReadEquipmentFiles(FolderArgument(line.positional[0]), settings.language);
    if (!input.result.ok) {
        PrintError(input.result.message);
        return ExitFailure;
    }
    for (const QString& warning : input.result.warnings)
        PrintError(warning);

    // The game's nation names head the nation columns when the game is
    // there; only the descriptions need it. The game folder check reads a
    // description for every unit the datasheet has room for.
    const bool descriptions = line.flags.contains(QStringLiteral("--descriptions"));
    EditorState game;
    if (descriptions)
        game.datasheet.setRows(input.count + 1);
    const QStringList checkMessages = LoadGameData(settings, game);
    const bool gameData = GameDataAvailable(game);
    if (descriptions && !gameData) {
        PrintError(NoGameDataMessage(settings, checkMessages));
        return ExitFailure;
    }

    // The table goes out line by line as it is made, each unit's row made
    // from its record as loading makes it: neither the rows nor the table
    // ever stand whole in memory. A file is only replaced once every line
    // is written.
    const QString output = line.values.value(QStringLiteral("-o"));
    QSaveFile file(output);
    QFile standardOutput;
    const bool toFile = !output.isEmpty();
    QFileDevice& out = toFile ? static_cast<QFileDevice&>(file) : standardOutput;
    const bool opened = toFile ? file.open(QIODevice::WriteOnly)
                               : standardOutput.open(stdout, QIODevice::WriteOnly);
    QStringList headings = EnglishHeadings(gameData ? game.lists.NationNames : QStringList());
    if (descriptions)
        headings.append(QString::fromLatin1(DescriptionHeading));
    bool written = opened && out.write(TableText({headings})) >= 0;
    QString piece;
    piece.reserve(2 * PieceSize);
    for (int unit = 0; written && unit < input.count; ++unit) {
        const bool described = descriptions && unit < game.LongDescriptions.size();
        appendUnitLine(input.row(unit), descriptions,
                       described ? game.LongDescriptions[unit] : QString(), piece);
        if (piece.size() >= PieceSize || unit + 1 == input.count) {
            written = out.write(platform::toCp1252(piece)) >= 0;
            piece.resize(0);
        }
    }
    written = written && out.flush() && out.error() == QFileDevice::NoError;
    if (toFile && !(written && file.commit())) {
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
