#include "cli/CliGameData.h"
#include "cli/Commands.h"

#include "check/UnitCheck.h"
#include "equipment/EquipmentFiles.h"
#include "gamedata/IndexFiles.h"
#include "i18n/ReportTexts.h"
#include "shell/EditorState.h"

namespace quillon::cli {

namespace {

constexpr i18n::Language English = i18n::Language::English;

QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString problemLine(const check::Problem& problem, const QStringList& headings) {
    QString line = check::SeverityText(check::SeverityOf(problem.kind), English) +
                   QStringLiteral(": ") + i18n::Message(English, i18n::report::Unit) +
                   QLatin1Char(' ') + QString::number(problem.unit) + QLatin1Char(' ') +
                   quoted(gamedata::TrimBlanks(problem.name)) + QStringLiteral(", ") +
                   check::ProblemHeading(problem, headings, English);
    if (problem.kind != check::ProblemKind::NoNation)
        line += QLatin1Char(' ') + quoted(gamedata::TrimBlanks(problem.value));
    return line + QStringLiteral(": ") + check::ReasonText(problem, English);
}

QString readableReport(const check::CheckReport& report, const QStringList& headings,
                       const QString& equipmentPath, const QString& gameFolder) {
    QString text = QStringLiteral("Checked: %1\n").arg(equipmentPath);
    if (!gameFolder.isEmpty())
        text += QStringLiteral("Game: %1\n").arg(gameFolder);
    const QString notChecked = check::NotCheckedText(report, English);
    if (!notChecked.isEmpty())
        text += notChecked + QLatin1Char('\n');
    text += QLatin1Char('\n');
    for (const check::Problem& problem : report.problems)
        text += problemLine(problem, headings) + QLatin1Char('\n');
    if (!report.problems.empty())
        text += QLatin1Char('\n');
    return text + check::SummaryText(report, English);
}

QByteArray tableReport(const check::CheckReport& report, const QStringList& headings) {
    using namespace i18n::report;
    QList<QStringList> lines{{headings[0], headings[1], i18n::Message(English, Column),
                              i18n::Message(English, Heading), i18n::Message(English, Value),
                              i18n::Message(English, Severity), i18n::Message(English, Kind),
                              i18n::Message(English, Reason)}};
    for (const check::Problem& problem : report.problems) {
        lines.append({QString::number(problem.unit), problem.name, QString::number(problem.column),
                      check::ProblemHeading(problem, headings, English), problem.value,
                      check::SeverityText(check::SeverityOf(problem.kind), English),
                      check::KindId(problem.kind), check::ReasonText(problem, English)});
    }
    return TableText(lines);
}

int runCheck(const CommandLine& line) {
    const CliSettings settings = SettingsFor(line);
    EditorState game;
    const LoadResult loaded =
        LoadEquipmentFiles(FolderArgument(line.positional[0]), game.datasheet, settings.language);
    if (!loaded.ok) {
        PrintError(loaded.message);
        return ExitFailure;
    }
    // After the load, so that the descriptions cover every unit.
    const QStringList checkMessages = LoadGameData(settings, game);
    const bool gameData = GameDataAvailable(game);
    if (!gameData)
        PrintError(NoGameDataMessage(settings, checkMessages));

    const check::CheckReport report = check::CheckUnits(game.datasheet, check::ReferenceOf(game));
    const QStringList headings = EnglishHeadings(gameData ? game.lists.NationNames : QStringList());
    if (line.flags.contains(QStringLiteral("--tsv"))) {
        WriteStdout(tableReport(report, headings));
    } else {
        PrintMessage(readableReport(report, headings, loaded.equipmentPath,
                                    gameData ? game.GameFolder : QString()));
    }
    return report.problemsFound() ? ExitFound : ExitOk;
}

} // namespace

Command CheckCommand() {
    return {QStringLiteral("check"),
            QStringLiteral("check FOLDER [--game G] [--tsv]"),
            {QStringLiteral("--game")},
            {QStringLiteral("--tsv")},
            1,
            runCheck};
}

} // namespace quillon::cli
