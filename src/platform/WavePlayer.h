#pragma once

#include <QString>

namespace quillon::platform {

// Plays a wave file asynchronously. play() stops whatever is still playing
// first; stop() releases the file so that it can be written again.
class WavePlayer {
public:
    virtual ~WavePlayer() = default;
    virtual void stop() = 0;
    virtual void play(const QString& wavePath) = 0;
};

} // namespace quillon::platform
