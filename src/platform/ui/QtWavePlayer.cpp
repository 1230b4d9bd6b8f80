#include "platform/ui/QtWavePlayer.h"

#include <QUrl>

namespace quillon::platform {

void QtWavePlayer::stop() {
    effect_.stop();
    // Dropping the source releases the file, so the next sound can be
    // written over it, and forces a reload of the same path next time.
    effect_.setSource(QUrl());
}

void QtWavePlayer::play(const QString& wavePath) {
    stop();
    effect_.setSource(QUrl::fromLocalFile(wavePath));
    effect_.play(); // starts once the effect has loaded the file
}

} // namespace quillon::platform
