#include "samplegame/SoundGen.h"

#include "samplegame/Bytes.h"
#include "samplegame/Random.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace quillon::samplegame {

namespace {

constexpr double Pi = 3.14159265358979323846;

enum SoundKind { Engine, Gunshot, Explosion, Beep, Drum, SoundKindCount };

std::vector<double> synthesise(SoundKind kind, double seconds, double pitch, Random& random) {
    const int count = int(seconds * SoundSampleRate);
    std::vector<double> samples(std::size_t(count), 0.0);
    double lowPass = 0.0;
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / SoundSampleRate;
        const double noise = random.signedUnit();
        double value = 0.0;
        switch (kind) {
        case Engine: { // sawtooth rumble with a slow throb
            const double phase = std::fmod(t * 55.0 * pitch, 1.0);
            value = (2.0 * phase - 1.0) * (0.6 + 0.2 * std::sin(2 * Pi * 6.0 * t)) + 0.15 * noise;
            break;
        }
        case Gunshot: // sharp noise burst
            value = noise * std::exp(-t * 25.0 / pitch);
            break;
        case Explosion: // low-passed noise, slow decay
            lowPass += (noise - lowPass) * 0.08 * pitch;
            value = 3.0 * lowPass * std::exp(-t * 5.0);
            break;
        case Beep:
            value = 0.5 * std::sin(2 * Pi * 880.0 * pitch * t);
            break;
        default: { // drum beats
            const double beat = std::fmod(t, 0.15);
            value = (0.7 * std::sin(2 * Pi * 90.0 * pitch * beat) + 0.3 * noise) *
                    std::exp(-beat * 30.0);
            break;
        }
        }
        // Short fades keep the ends free of clicks.
        const double fade = std::min({1.0, t / 0.005, (seconds - t) / 0.02});
        samples[std::size_t(i)] = value * fade;
    }
    return samples;
}

} // namespace

QByteArray soundFileBytes(int index, unsigned seed) {
    Random random(std::uint64_t(seed) * 7919u + std::uint64_t(index));
    const SoundKind kind = SoundKind(index % SoundKindCount);
    const double seconds = 0.3 + 0.05 * random.between(0, 6);
    const double pitch = 0.8 + 0.1 * random.between(0, 4);
    QByteArray bytes("MEL1", 4);
    appendU32(bytes, SoundSampleRate);
    bytes.append(QByteArray(SoundHeaderSize - 8, '\0'));
    for (double sample : synthesise(kind, seconds, pitch, random))
        appendU16(bytes, int(std::lround(std::clamp(sample, -1.0, 1.0) * 24000.0)));
    return bytes;
}

} // namespace quillon::samplegame
