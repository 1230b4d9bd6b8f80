#pragma once

#include <QString>

namespace quillon {
struct EditorState;
namespace platform {
class Dialogs;
class WavePlayer;
} // namespace platform
} // namespace quillon

namespace quillon::sound {

// The temporary wave file every play writes again, beside the configuration.
inline constexpr char TemporaryWaveName[] = "test.wav";

// A play button: SoundPath = SoundFolder + the list text as shown. A text
// that does not name a ".mel" file (the no-sound entry) does nothing;
// otherwise PlaySound runs. Returns the SoundPath.
QString PlayListEntry(const EditorState& state, platform::Dialogs& dialogs,
                      platform::WavePlayer& player, const QString& listText);

// Converts the sound file into the temporary wave file and plays it. The
// player is stopped before the file is written; a missing or too short
// sound file, or a wave file that cannot be written, is reported and
// nothing is played.
void PlaySound(const EditorState& state, platform::Dialogs& dialogs, platform::WavePlayer& player,
               const QString& soundPath);

} // namespace quillon::sound
