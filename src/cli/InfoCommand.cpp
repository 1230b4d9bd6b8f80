#include "cli/CliGameData.h"
#include "cli/Commands.h"

#include "gamedata/TextLists.h"
#include "shell/EditorState.h"

namespace quillon::cli {

namespace {

void AppendList(QString& out, const QString& label, const QStringList& items) {
    out += QStringLiteral("%1: %2\n").arg(label).arg(items.size());
    for (const QString& item : items)
        out += QStringLiteral("  ") + item + QLatin1Char('\n');
}

QString InfoText(const EditorState& state) {
    QString out;
    out += QStringLiteral("Game folder: %1\n").arg(state.GameFolder);
    out += QStringLiteral("Data folder: %1\n").arg(state.DataFolder);
    out += QStringLiteral("Sound folder: %1\n").arg(state.SoundFolder);
    if (state.ExtIndexFound)
        out += QStringLiteral("ext.idx records: %1\n").arg(state.index.ExtIndex.size());
    if (state.PfpIndexFound) {
        out += QStringLiteral("pfpdata.idx records: %1\n").arg(state.index.PfpIndex.size());
        out += QStringLiteral("Text container: %1\n").arg(state.TextContainerName);

        const gamedata::TextLists& lists = state.lists;
        const struct {
            const char* label;
            const QStringList& items;
        } sections[] = {
            {"Classes", lists.classes},
            {"Nations", lists.NationNames},
            {"Flag names", lists.flagTooltips},
            {"Special abilities", lists.specials},
            {"Movement methods", lists.moveMethods},
            {"Target types", lists.targetTypes},
            {"Defence types", lists.defenceTips},
            {"Transports", lists.transports},
            {"Movement media", lists.moveMedia},
        };
        for (const auto& section : sections)
            AppendList(out, QString::fromLatin1(section.label), section.items);

        qsizetype described = 0;
        for (qsizetype k = 0; k < state.LongDescriptions.size(); ++k)
            described += state.LongDescriptions[k] != gamedata::DescriptionPlaceholder(int(k));
        out += QStringLiteral("Unit descriptions: %1 of %2\n")
                   .arg(described)
                   .arg(state.LongDescriptions.size());
        out += QStringLiteral("Unit icons: %1\n").arg(state.graphics.IconCount);
        QStringList invalid;
        for (qsizetype f = 0; f < state.graphics.flags.size(); ++f)
            if (state.graphics.flags[f].isNull())
                invalid << QString::number(f + 1); // numbered from 1, as the check reports them
        out += QStringLiteral("Flags: %1\n").arg(state.graphics.flags.size());
        if (!invalid.isEmpty())
            out += QStringLiteral("Invalid flags: %1\n").arg(invalid.join(QStringLiteral(", ")));
    }
    AppendList(out, QStringLiteral("Sound files"), state.soundFiles);
    out.chop(1); // PrintMessage ends the last line
    return out;
}

int runInfo(const CommandLine& line) {
    const CliSettings settings = SettingsFor(line);
    EditorState state;
    const QStringList messages = LoadGameData(settings, state);
    PrintMessage(InfoText(state));
    if (!GameDataAvailable(state)) {
        PrintError(NoGameDataMessage(settings, messages));
        return ExitFailure;
    }
    for (const QString& message : messages)
        PrintError(message);
    return messages.isEmpty() ? ExitOk : ExitFailure;
}

} // namespace

Command InfoCommand() {
    return {QStringLiteral("info"),
            QStringLiteral("info [--game G]"),
            {QStringLiteral("--game")},
            {},
            0,
            runInfo};
}

} // namespace quillon::cli
