#pragma once

#include "gamedata/Picture.h"

#include <QImage>

namespace quillon::gamedata {

// The picture as an image the widgets can draw; null for a null picture.
QImage ToImage(const Picture& picture);

} // namespace quillon::gamedata
