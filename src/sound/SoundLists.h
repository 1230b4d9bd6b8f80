#pragma once

#include <QString>
#include <QStringList>

namespace quillon::sound {

// The names of the files in `soundFolder` that are four characters followed
// by ".mel" (extension case ignored), sorted by name; empty when the folder
// is missing.
QStringList ListSoundFiles(const QString& soundFolder);

// The entries of each of the three sound lists: `noSoundEntry` first, then
// the sound files.
QStringList SoundListEntries(const QString& noSoundEntry, const QStringList& soundFiles);

// The entry whose trimmed text, upper case, equals the trimmed cell text +
// ".MEL" (upper case); 0 (the no-sound entry) when none matches or the cell
// is empty.
int SelectSoundEntry(const QStringList& entries, QStringView cellText);

// What a commit writes back: the first four characters of the trimmed list
// text ("1234.mel" -> "1234", "None" -> "None", "Keine" -> "Kein").
QString SoundCellText(QStringView listText);

} // namespace quillon::sound
