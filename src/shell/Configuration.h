#pragma once

#include <QString>

namespace quillon {

struct EditorState;

inline constexpr char ConfigurationFileName[] = "KorEquipEdit.ini";
inline constexpr char GameExecutableName[] = "KORVATH.EXE";

// The executable's folder, blanks trimmed, ending in exactly one separator.
QString ProgramFolderFrom(const QString& applicationDirPath);

// The built-in default game folder: C:\korvath\ on Windows, elsewhere
// drive_c/korvath/ inside $WINEPREFIX (or ~/.wine).
QString DefaultGameFolder();

enum class ConfigurationSource { File, Default, None };

// Reads KorEquipEdit.ini (see ConfigurationLocation.h): keys "gamefolder=" and
// "nationalit=" recognised whatever their case and leading blanks, values
// trimmed (case kept), every line examined, the last value of a key wins.
// Windows-1252, or UTF-8 when the file starts with a byte order mark.
// Without the file, the default game folder is used (and the file written)
// when its game executable exists. Sets GameFolder, LanguageCode and
// ConfigLoaded.
ConfigurationSource ReadConfiguration(EditorState& state, const QString& defaultGameFolder);

// Writes the five lines (CR LF) in Windows-1252, or, when a value needs a
// character that code page lacks, in UTF-8 after a byte order mark (which
// the reader recognises). False when it cannot.
bool WriteConfiguration(const EditorState& state);

} // namespace quillon
