#include "gamedata/ui/PictureImage.h"

namespace quillon::gamedata {

QImage ToImage(const Picture& picture) {
    if (picture.isNull())
        return {};
    // Both hold 0xAARRGGBB words row after row; copy() detaches from the
    // picture's memory.
    return QImage(reinterpret_cast<const uchar*>(picture.row(0)), picture.width(), picture.height(),
                  qsizetype(picture.width()) * 4, QImage::Format_ARGB32)
        .copy();
}

} // namespace quillon::gamedata
