#pragma once

#include "platform/WavePlayer.h"

#include <QSoundEffect>

namespace quillon::platform {

// Plays wave files through Qt Multimedia. Without an audio device the
// effect simply stays silent.
class QtWavePlayer : public WavePlayer {
public:
    void stop() override;
    void play(const QString& wavePath) override;

private:
    QSoundEffect effect_;
};

} // namespace quillon::platform
