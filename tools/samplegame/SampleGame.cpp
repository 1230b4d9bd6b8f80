#include "samplegame/SampleGame.h"

namespace quillon::samplegame {

bool WriteSampleGame(const QString&, const Options&) {
    return false;
}

} // namespace quillon::samplegame
