#include "sound/ui/SoundPlayback.h"

#include "i18n/Messages.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/WavePlayer.h"
#include "shell/ConfigurationLocation.h"
#include "shell/EditorState.h"
#include "shell/GameFolderCheck.h"
#include "sound/WaveFile.h"

namespace quillon::sound {

QString PlayListEntry(const EditorState& state, platform::Dialogs& dialogs,
                      platform::WavePlayer& player, const QString& listText) {
    const QString soundPath = state.SoundFolder + listText;
    if (NamesSoundFile(soundPath.trimmed()))
        PlaySound(state, dialogs, player, soundPath);
    return soundPath;
}

void PlaySound(const EditorState& state, platform::Dialogs& dialogs, platform::WavePlayer& player,
               const QString& soundPath) {
    const i18n::Language language = state.language();
    if (!platform::fileExists(soundPath)) {
        dialogs.inform(MissingSoundFileMessage(state, soundPath));
        return;
    }
    // The player may still hold the wave file; release it before rewriting.
    player.stop();
    // Beside the configuration: an installed program's own folder is not writable.
    const QString wavePath = OwnFilesFolder(state) + QLatin1String(TemporaryWaveName);
    switch (ConvertSoundToWave(soundPath, wavePath)) {
    case WaveResult::Written:
        player.play(wavePath);
        return;
    case WaveResult::SoundMissing:
        dialogs.inform(MissingSoundFileMessage(state, soundPath));
        return;
    case WaveResult::SoundTooShort:
        dialogs.inform(i18n::Message(language, i18n::msg::SoundTooShort) + soundPath);
        return;
    case WaveResult::WriteFailed:
        dialogs.inform(i18n::Message(language, i18n::msg::CannotWriteFile) + wavePath);
        return;
    }
}

} // namespace quillon::sound
