#pragma once

#include "platform/WavePlayer.h"

#include <QStringList>

namespace quillon::testing {

// Plays nothing; records the requests in order ("stop", "play <path>").
class SilentWavePlayer : public platform::WavePlayer {
public:
    void stop() override { calls.append(QStringLiteral("stop")); }
    void play(const QString& wavePath) override {
        calls.append(QStringLiteral("play ") + wavePath);
    }

    QStringList calls;
};

} // namespace quillon::testing
