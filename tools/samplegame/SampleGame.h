#pragma once

#include <QString>

namespace quillon::samplegame {

// Sizes of a synthetic game folder. Everything is generated from a seed, so
// the same options always give the same bytes.
struct Options {
    int units = 1100;
    int icons = 400;
    int sounds = 8;
    unsigned seed = 1;
};

// The sizes the editor reads completely. Its index holds at most 32767
// records, and a game indexes one description per unit beside 11 other
// entries; its icon table holds 10001 icons. An equipment file alone may
// hold up to 32767 units: beside a complete game it loads in full, with
// placeholders for the descriptions the game does not have.
inline constexpr int MaxIndexRecords = 32767;
inline constexpr int MaxGameUnits = MaxIndexRecords - 11;
inline constexpr int MaxIcons = 10001;
inline constexpr int MaxEquipmentUnits = 32767;

// Writes a complete game folder: KORVATH.EXE (empty marker), data/ext.idx,
// data/pfpdata.idx, data/txt.pfp, data/pal.pfp, data/shp.pfp,
// data/KorEquip.EQP, data/KorEquip.TXT and bnk/????.mel. False, with nothing
// written, for 1 > units > MaxGameUnits or 1 > icons > MaxIcons; false when
// a file cannot be written.
bool WriteSampleGame(const QString& gameFolder, const Options& options = {});

// Writes only KorEquip.EQP and KorEquip.TXT with `units` plausible units;
// false, with nothing written, for 1 > units > MaxEquipmentUnits.
bool WriteEquipmentFiles(const QString& folder, int units, unsigned seed = 1);

} // namespace quillon::samplegame
