#pragma once

#include "datasheet/Datasheet.h"
#include "gamedata/Graphics.h"
#include "gamedata/IndexFiles.h"
#include "gamedata/TextLists.h"
#include "i18n/Language.h"

#include <QString>
#include <QStringList>

namespace quillon {

// Everything the editor's windows share: settings, flags and the tables
// read from the game. One instance, owned by the main window and handed by
// reference to whoever needs it.
struct EditorState {
    // Settings (folders end with the native separator).
    QString ProgramFolder;
    QString UserConfigFolder; // the configuration when the program's folder cannot hold it
    QString GameFolder;
    QString LanguageCode; // "uk", "deu", "fra" once applied
    QString DataFolder;   // GameFolder + "data/"
    QString SoundFolder;  // GameFolder + "bnk/"
    QString EquipmentFolder;
    QString TextContainerName;

    // Flags.
    bool ConfigLoaded = false;
    bool ExtIndexFound = false;
    bool PfpIndexFound = false;
    bool FileLoaded = false;
    bool EquipmentChanged = false;
    bool TooltipsOn = true;

    // The units and their long descriptions (indexed by unit number).
    Datasheet datasheet;
    QStringList LongDescriptions;

    // Reference data of the last game folder check.
    gamedata::GameIndex index;
    gamedata::TextLists lists;
    gamedata::Graphics graphics;
    QStringList soundFiles; // "????.mel" names of the sound folder, sorted

    // The form view's private copy buffer for the long description.
    QString DescriptionBuffer;

    i18n::Language language() const { return i18n::LanguageFromCode(LanguageCode); }
    int UnitCount() const { return datasheet.rows() - 1; }
};

} // namespace quillon
