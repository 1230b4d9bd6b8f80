#include "cli/Commands.h"

#include "datasheet/Datasheet.h"
#include "equipment/EquipmentFiles.h"
#include "i18n/Messages.h"
#include "platform/Files.h"

namespace quillon::cli {

namespace {

int runExport(const CommandLine& line) {
    const CliSettings settings = SettingsFor(line);
    Datasheet sheet;
    const LoadResult loaded =
        LoadEquipmentFiles(FolderArgument(line.positional[0]), sheet, settings.language);
    if (!loaded.ok) {
        PrintError(loaded.message);
        return ExitFailure;
    }

    QList<QStringList> lines;
    lines.reserve(sheet.rows());
    lines.append(EnglishHeadings());
    for (int r = 1; r < sheet.rows(); ++r) {
        const Datasheet::Row& cells = sheet.rowCells(r);
        lines.append(QStringList(cells.begin(), cells.end()));
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
            QStringLiteral("export FOLDER [--game G] [-o FILE]"),
            {QStringLiteral("--game"), QStringLiteral("-o")},
            {},
            1,
            runExport};
}

} // namespace quillon::cli
