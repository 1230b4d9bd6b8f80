#pragma once

#include "platform/WavePlayer.h"

#include <QStringList>

namespace quillon::testing {

// Plays nothing; remembers what it was asked to play and how often to stop.
class SilentWavePlayer : public platform::WavePlayer {
public:
    void stop() override { ++stops; }
    void play(const QString& wavePath) override { played.append(wavePath); }

    QStringList played;
    int stops = 0;
};

} // namespace quillon::testing
