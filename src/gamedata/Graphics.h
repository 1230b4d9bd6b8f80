#pragma once

#include "gamedata/Images.h"

#include <QImage>
#include <QStringList>
#include <QVector>

namespace quillon::gamedata {

// Palette, flags and the unit icon directory of one game folder check.
struct Graphics {
    Palette palette = BlackPalette();
    QVector<QImage> flags;     // one per FLAGSLG image; a null image for an invalid one
    QVector<qint64> IconStart; // container position of every unit icon
    int IconCount = 0;
    bool IconsAvailable = false; // UNITICON was found at least once
};

// What LoadGraphics found, for the caller to report in order.
struct GraphicsReport {
    bool paletteMissing = false; // pal.pfp absent
    bool shpMissing = false;     // shp.pfp absent while FLAGSLG or UNITICON is indexed
    int invalidFlags = 0;        // one "error in flag" each
};

// Palette, then flags, then the unit icon directory, from the data folder.
GraphicsReport LoadGraphics(const QString& dataFolder, const GameIndex& index, Graphics& graphics);

// The unit icon `n` (0 <= n < IconCount) drawn from column 25; `valid` is
// false (and the image null) when its header is invalid or unreadable.
struct UnitIcon {
    QImage image;
    bool valid = false;
    bool shpMissing = false;
};
UnitIcon ShowUnitIcon(const QString& dataFolder, const Graphics& graphics, int n);

} // namespace quillon::gamedata
