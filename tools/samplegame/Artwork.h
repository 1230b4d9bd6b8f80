#pragma once

#include "samplegame/Picture.h"

namespace quillon::samplegame {

constexpr int FlagWidth = 24;
constexpr int FlagHeight = 16;
constexpr int IconWidth = 40;
constexpr int IconHeight = 30;

// Flag of nation `nation`: a pattern and three colours that no other nation
// of the sample game shares.
Picture flagPicture(int nation);

// Unit icon `index`: a silhouette of shape index % IconShapeCount (see
// EquipmentGen.h), in a colour and size that vary with the index.
Picture unitIconPicture(int index, unsigned seed);

} // namespace quillon::samplegame
