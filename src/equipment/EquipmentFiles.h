#pragma once

#include "datasheet/Datasheet.h"
#include "gamedata/IndexFiles.h"
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
// datasheet has count + 1 rows (row 0 untouched), row 1 column 0 current.
LoadResult LoadEquipmentFiles(const QString& folder, Datasheet& sheet, i18n::Language language);

// What a save needs besides the datasheet.
struct SaveInputs {
    QString equipmentFolder;
    QString dataFolder;                         // the game's data folder
    const gamedata::GameIndex* index = nullptr; // null: no game data, no container rewrite
    const QStringList* longDescriptions = nullptr;
    i18n::Language language = i18n::Language::English;
};

struct SaveResult {
    bool ok = false;          // equipment files written
    QString message;          // the summary on success, the failure otherwise
    QString containerMessage; // why the description container was not written, if it was not
    bool containerWritten = false;
};

// Sorts by unit number, corrects cells, backs up and writes KorEquip.EQP and
// KorEquip.TXT, then rewrites the description container; reselects the unit
// that was current. On failure nothing on disk has changed.
SaveResult SaveEquipmentFiles(Datasheet& sheet, const SaveInputs& inputs);

} // namespace quillon
