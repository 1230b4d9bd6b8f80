#include "cli/CliGameData.h"

#include "i18n/Messages.h"
#include "shell/EditorState.h"
#include "shell/GameFolderCheck.h"

namespace quillon::cli {

QStringList LoadGameData(const CliSettings& settings, EditorState& state) {
    state.GameFolder = settings.gameFolder;
    state.LanguageCode = i18n::LanguageCode(settings.language);
    return CheckGameFolder(state);
}

bool GameDataAvailable(const EditorState& state) {
    return state.ExtIndexFound && state.PfpIndexFound;
}

QString NoGameDataMessage(const CliSettings& settings, const QStringList& checkMessages) {
    if (!checkMessages.isEmpty())
        return checkMessages.join(QStringLiteral("\r\n"));
    return i18n::Message(settings.language, i18n::msg::GameFolderNotFound) + QStringLiteral(": ") +
           settings.gameFolder;
}

} // namespace quillon::cli
