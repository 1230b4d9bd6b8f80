#pragma once

#include <QByteArray>

namespace quillon::samplegame {

constexpr int SoundSampleRate = 22050;
constexpr int SoundHeaderSize = 24;

// A .mel sound file: 24-byte header ("MEL1", sample rate, zeros) and 16-bit
// mono samples. The kind of sound (engine, gunshot, explosion, beep, march
// drum) follows `index`; pitch and length vary with it.
QByteArray soundFileBytes(int index, unsigned seed);

} // namespace quillon::samplegame
