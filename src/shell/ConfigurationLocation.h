#pragma once

#include <QString>

namespace quillon {

struct EditorState;

// Which KorEquipEdit.ini the editor reads and writes. The file beside the
// program is used while it exists and can be replaced there (a copy of the
// editor kept in a folder of its own); otherwise the user's configuration
// folder holds it, so that an installed program in a folder the user cannot
// write still remembers the setup.
struct ConfigurationFacts {
    bool besideProgram = false;         // an ini beside the program
    bool besideProgramWritable = false; // ... that can be replaced there
    bool inUserFolder = false;          // an ini in the user's folder
    bool userFolderKnown = false;
};
enum class ConfigurationPlace { None, ProgramFolder, UserFolder };
struct ConfigurationChoice {
    ConfigurationPlace read = ConfigurationPlace::None;
    ConfigurationPlace write = ConfigurationPlace::ProgramFolder;
};
ConfigurationChoice ChooseConfigurationPlaces(const ConfigurationFacts& facts);

// The file to read; empty when there is none.
QString ConfigurationFileToRead(const EditorState& state);
// The file to write (its folder is created when missing).
QString ConfigurationFileToWrite(const EditorState& state);
// The folder the configuration is written to, ending in a separator: the
// program's own files (the temporary wave file) go there too.
QString OwnFilesFolder(const EditorState& state);

// QStandardPaths' AppConfigLocation, ending in a separator.
QString UserConfigurationFolder();

} // namespace quillon
