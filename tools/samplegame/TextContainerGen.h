#pragma once

#include "samplegame/EquipmentGen.h"
#include "samplegame/IndexWriter.h"

namespace quillon::samplegame {

// The text container "txt": CLASSES, NATIONS, BIGNATS, SPECIALS, MISC and
// one single-line description per unit ("0", "1", ...) last, every line
// ended by CR LF, exactly as the editor's own rewrite would store it.
Container textContainer(const std::vector<GeneratedUnit>& units);

QString unitDescription(const GeneratedUnit& unit);

} // namespace quillon::samplegame
