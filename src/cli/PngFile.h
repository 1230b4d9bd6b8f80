#pragma once

#include "gamedata/Picture.h"

#include <QByteArray>

namespace quillon::cli {

// The picture as a PNG file: 8-bit RGBA, unfiltered rows.
QByteArray EncodePng(const gamedata::Picture& picture);

} // namespace quillon::cli
