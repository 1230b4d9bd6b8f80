#pragma once

#include "datasheet/Datasheet.h"
#include "datasheet/UnitChanges.h"
#include "i18n/Language.h"
#include "platform/FileCommit.h"
#include "platform/Progress.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace quillon {

// What a save needs besides the datasheet.
struct SaveInputs {
    QString equipmentFolder;
    QString dataFolder;    // the game's data folder
    bool gameData = false; // the game's index files were found: rewrite the description container
    const QStringList* longDescriptions = nullptr;
    i18n::Language language = i18n::Language::English;
    // The descriptions were asked for: a container that cannot be written
    // refuses the whole save instead of saving the equipment files alone.
    bool descriptionsRequired = false;
    // The corrections are kept for taking the save back; a save that
    // nobody can take back leaves them out.
    bool keepCorrections = true;
    platform::Progress progress{}; // through the units as their records are made
};

// A whole save, checked and built, with nothing on disk touched yet.
struct SavePlan {
    bool ok = false; // false: refused, and `message` says why
    QString message;
    QString folder;                           // EquipmentFolder
    std::vector<platform::PlannedFile> files; // KorEquip.EQP, KorEquip.TXT, then the container's
    QString containerMessage;                 // why the descriptions are not part of it
    // What planning did to the datasheet: rows from 1 on put in this order
    // (see Datasheet::permuteRows), then these cells corrected.
    std::vector<int> order;
    std::vector<RowEdit> corrections;
};

// Sorts the datasheet by unit number, then checks what can be checked
// before writing (the folder is there, every name and description can be
// stored by the game, the game's files allow a container rewrite) and
// builds every file's bytes, correcting out-of-range cells in place. A
// refusal leaves the cells as they were (the rows stay sorted).
SavePlan PlanSave(Datasheet& sheet, const SaveInputs& inputs);

} // namespace quillon
