#pragma once

#include "datasheet/Datasheet.h"
#include "equipment/SavePlan.h"
#include "i18n/Language.h"

#include <QString>
#include <QStringList>

namespace quillon {

// The game's spelling of the file names, used for new files; existing
// files are found without regard to case.
inline constexpr char EquipmentFileName[] = "KorEquip.EQP";
inline constexpr char UnitNamesFileName[] = "KorEquip.TXT";

struct LoadResult {
    bool ok = false;
    QString message;       // why the folder was refused, current language
    QString equipmentPath; // the KorEquip.EQP read
    QStringList warnings;  // signs that the folder's files come from different saves
};

// `folder`'s KorEquip.EQP and KorEquip.TXT, read and checked as a load
// checks them; the units' rows are made one at a time, so that a caller
// that only passes them on never holds them all.
struct EquipmentInput {
    LoadResult result;
    int count = 0;
    QByteArray eqp;
    QStringList names; // count names; missing lines are empty names

    // Unit `unit`'s row exactly as loading writes it.
    Datasheet::Row row(int unit) const;
};
EquipmentInput ReadEquipmentFiles(const QString& folder, i18n::Language language);

// Fills the unit rows of `sheet` from `folder`'s KorEquip.EQP and
// KorEquip.TXT. Everything is checked before the datasheet is touched: a
// missing file, a count of 0 or below, or a file shorter than its count
// says leaves `sheet` as it was and returns the message. On success the
// datasheet has count + 1 rows (row 0 untouched), row 1 column 0 current,
// and the warnings tell of a save that was interrupted, fewer names than
// units or a description index that does not fit its container, naming
// the "OLD_" files that hold the files as they were before. Temporary
// files left by a killed save are removed.
LoadResult LoadEquipmentFiles(const QString& folder, Datasheet& sheet, i18n::Language language,
                              const platform::Progress& progress = {});

struct SaveResult {
    bool ok = false;          // equipment files written
    QString message;          // the summary on success, the failure otherwise
    QString containerMessage; // why the description container was not written, if it was not
    bool containerWritten = false;
    // What the save did to the datasheet, done or not (see SavePlan).
    std::vector<int> order;
    std::vector<RowEdit> corrections;
};

// Plans the whole save (see PlanSave) and commits it in one step: the
// "OLD_" backups, KorEquip.EQP, KorEquip.TXT and, with the game's data, the
// description container and its indexes. Reselects the unit that was
// current. On failure every file is as it was, or the message names the
// files that could not be put back. A folder left half-saved by a crash
// is not saved into before the user has been told once.
SaveResult SaveEquipmentFiles(Datasheet& sheet, const SaveInputs& inputs);

} // namespace quillon
