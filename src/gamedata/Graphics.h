#pragma once

#include "gamedata/Images.h"

#include <QStringList>
#include <QVector>

namespace quillon::gamedata {

// The form view has a flag picture for this many nations; later flags are
// never shown, so they are not decoded.
constexpr int ShownFlags = 32;

// Palette, flags and the unit icon directory of one game folder check.
struct Graphics {
    Palette palette = BlackPalette();
    QVector<Picture> flags;    // the first ShownFlags FLAGSLG images; null for an invalid one
    QVector<qint64> IconStart; // container position of every unit icon
    int IconCount = 0;
    bool IconsAvailable = false; // UNITICON was found at least once
};

// What LoadGraphics found, for the caller to report in order.
struct GraphicsReport {
    bool paletteMissing = false; // pal.pfp absent
    bool paletteShort = false;   // pal.pfp holds less than a palette
    bool shpMissing = false;     // shp.pfp absent while FLAGSLG or UNITICON is indexed
    QVector<int> invalidFlags;   // numbers (from 1) of the flags that cannot be shown
};

// Palette, then flags, then the unit icon directory, from the data folder.
GraphicsReport LoadGraphics(const QString& dataFolder, const GameIndex& index, Graphics& graphics);

// The unit icon `n` (0 <= n < IconCount) drawn from column 25; `valid` is
// false (and the image null) when its header is invalid or unreadable.
struct UnitIcon {
    Picture image;
    bool valid = false;
    bool shpMissing = false;
};
UnitIcon ShowUnitIcon(const QString& dataFolder, const Graphics& graphics, int n);

} // namespace quillon::gamedata
