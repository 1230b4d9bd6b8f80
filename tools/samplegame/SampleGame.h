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

// Writes a complete game folder: KORVATH.EXE (empty marker), data/ext.idx,
// data/pfpdata.idx, data/txt.pfp, data/pal.pfp, data/shp.pfp,
// data/KorEquip.EQP, data/KorEquip.TXT and bnk/????.mel. False when a file
// cannot be written.
bool WriteSampleGame(const QString& gameFolder, const Options& options = {});

// Writes only KorEquip.EQP and KorEquip.TXT with `units` plausible units.
bool WriteEquipmentFiles(const QString& folder, int units, unsigned seed = 1);

} // namespace quillon::samplegame
