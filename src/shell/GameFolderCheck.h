#pragma once

#include <QStringList>

namespace quillon {

struct EditorState;

// Derives DataFolder and SoundFolder, reads ext.idx, pfpdata.idx, the text
// lists and long descriptions, the palette, flags and unit icon directory and
// the sound file list into `state`, in this order, and returns the messages
// to show, in order, in the current language. Normalises LanguageCode first.
// Lists are rebuilt, not appended.
QStringList CheckGameFolder(EditorState& state);

// "I cannot find the file: " + path + CR LF + the data/sound folder text.
QString MissingDataFileMessage(const EditorState& state, const QString& path);
QString MissingSoundFileMessage(const EditorState& state, const QString& path);

} // namespace quillon
