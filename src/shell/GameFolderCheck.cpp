#include "shell/GameFolderCheck.h"

#include "i18n/Messages.h"
#include "platform/Files.h"
#include "shell/EditorState.h"
#include "sound/SoundLists.h"

#include <algorithm>
#include <optional>

namespace quillon {

namespace {

QString MissingFileMessage(const EditorState& state, const QString& path, const char* folderText) {
    const i18n::Language language = state.language();
    return i18n::Message(language, i18n::msg::CannotFindFile) + path + QStringLiteral("\r\n") +
           i18n::Message(language, folderText);
}

// A sub-folder of the game, found without regard to case, with its separator.
QString SubFolder(const QString& gameFolder, const QString& name) {
    if (gameFolder.isEmpty())
        return {};
    QString base = gameFolder;
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    return platform::findNoCase(base, name) + QLatin1Char('/');
}

// Reads a data file, or adds the missing-file message for it.
std::optional<QByteArray> ReadDataFile(const EditorState& state, const QString& name,
                                       QStringList& messages) {
    const QString path = platform::findNoCase(state.DataFolder, name);
    std::optional<QByteArray> bytes = platform::readWholeFile(path);
    if (!bytes)
        messages.append(MissingDataFileMessage(state, path));
    return bytes;
}

void LoadReferenceData(EditorState& state, QStringList& messages) {
    // The lists show what this check found, never an earlier game's items.
    state.lists = {};
    const std::optional<QByteArray> ext = ReadDataFile(state, QStringLiteral("ext.idx"), messages);
    state.ExtIndexFound = ext.has_value();
    // Without ext.idx an earlier run's pfpdata.idx must not count as found.
    state.PfpIndexFound = false;
    if (!ext)
        return;
    gamedata::ReadExtIndex(*ext, state.index);

    const std::optional<QByteArray> pfp =
        ReadDataFile(state, QStringLiteral("pfpdata.idx"), messages);
    state.PfpIndexFound = pfp.has_value();
    if (!pfp)
        return;
    gamedata::ReadPfpIndex(*pfp, state.index);

    state.TextContainerName = gamedata::TextContainerName(state.index);
    // The name comes from a file: it must not lead out of the data folder.
    const bool plainName = platform::isPlainFileName(state.TextContainerName);
    if (!plainName) {
        messages.append(i18n::Message(state.language(), i18n::msg::BadContainerName) +
                        state.TextContainerName);
    }
    const std::optional<QByteArray> container =
        plainName ? ReadDataFile(state, state.TextContainerName, messages) : std::nullopt;
    if (container) {
        gamedata::LoadTextLists(*container, state.index, state.lists, state.LongDescriptions,
                                std::max(gamedata::MinDescriptions, state.UnitCount()));
    }

    const gamedata::GraphicsReport report =
        gamedata::LoadGraphics(state.DataFolder, state.index, state.graphics);
    const QString palette = platform::findNoCase(state.DataFolder, QStringLiteral("pal.pfp"));
    if (report.paletteMissing)
        messages.append(MissingDataFileMessage(state, palette));
    else if (report.paletteShort)
        messages.append(i18n::Message(state.language(), i18n::msg::PaletteTooShort) + palette);
    if (report.paletteMissing || report.paletteShort)
        messages.append(QString::fromLatin1(i18n::msg::PaletteMissing));
    if (report.shpMissing) {
        messages.append(MissingDataFileMessage(
            state, platform::findNoCase(state.DataFolder, QStringLiteral("shp.pfp"))));
    }
    // One box for all flags that cannot be shown, not one each.
    if (!report.invalidFlags.isEmpty()) {
        QStringList numbers;
        for (const int flag : report.invalidFlags)
            numbers.append(QString::number(flag));
        messages.append(QString::fromLatin1(i18n::msg::ErrorInFlag) + QStringLiteral("\r\n") +
                        i18n::Message(state.language(), i18n::msg::FlagsNotShown) +
                        numbers.join(QStringLiteral(", ")));
    }
}

} // namespace

QStringList CheckGameFolder(EditorState& state) {
    QStringList messages;
    state.LanguageCode = i18n::LanguageCode(i18n::LanguageFromCode(state.LanguageCode));
    state.SoundFolder = SubFolder(state.GameFolder, QStringLiteral("bnk"));
    state.DataFolder = SubFolder(state.GameFolder, QStringLiteral("data"));

    if (platform::folderExists(state.GameFolder) && platform::folderExists(state.DataFolder))
        LoadReferenceData(state, messages);

    state.soundFiles = sound::ListSoundFiles(state.SoundFolder);
    return messages;
}

QString MissingDataFileMessage(const EditorState& state, const QString& path) {
    return MissingFileMessage(state, path, i18n::msg::InDataFolder);
}

QString MissingSoundFileMessage(const EditorState& state, const QString& path) {
    return MissingFileMessage(state, path, i18n::msg::InSoundFolder);
}

} // namespace quillon
