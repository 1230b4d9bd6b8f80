#pragma once

#include "samplegame/Picture.h"

#include <QByteArray>
#include <vector>

namespace quillon::samplegame {

// How an encoded picture is placed: its rows become rows firstRow .. lastRow
// of the image, its columns start at firstColumn.
struct ImagePlacement {
    int firstColumn = 0;
    int firstRow = 0;
};

// The rows of `picture` in the game's run-length code, each ended by 0.
QByteArray encodeRows(const Picture& picture);

// 24-byte header + encoded rows. Rows entirely transparent at the top and
// bottom are cropped and firstRow moves down accordingly, so the stored
// image is as small as the drawing.
QByteArray encodeImage(const Picture& picture, ImagePlacement placement);

// An image section: 4-byte tag, image count, (offset, 0) per image, images.
QByteArray imageSection(const char (&tag)[5], const std::vector<QByteArray>& images);

} // namespace quillon::samplegame
