#include "samplegame/Palette.h"

#include <algorithm>

namespace quillon::samplegame {

namespace {

struct Rgb {
    int red, green, blue;
};

constexpr Rgb flagColours[] = {
    {0, 0, 0},       {255, 255, 255}, {206, 17, 38},  {0, 56, 168},  {0, 140, 69},
    {252, 209, 22},  {255, 130, 0},   {0, 32, 91},    {128, 0, 32},  {0, 82, 33},
    {108, 172, 228}, {102, 45, 145},  {212, 175, 55}, {0, 128, 128}, {120, 72, 32},
};

// Mid tones of the ramps; each ramp runs from a quarter of it to a light tint.
constexpr Rgb rampBases[] = {
    {70, 110, 50}, {125, 85, 50},   {125, 125, 125}, {60, 95, 160},
    {170, 50, 40}, {190, 165, 110}, {105, 105, 55},  {100, 115, 130},
};

void append(QByteArray& out, const Rgb& c) {
    out.append(char(c.blue));
    out.append(char(c.green));
    out.append(char(c.red));
    out.append('\0');
}

int mix(int from, int to, int step, int steps) {
    return from + (to - from) * step / steps;
}

} // namespace

QByteArray paletteFileBytes() {
    QByteArray bytes;
    bytes.reserve(1024);
    for (const Rgb& c : flagColours)
        append(bytes, c);
    append(bytes, {64, 64, 64}); // index 15: spare dark grey
    for (const Rgb& base : rampBases) {
        for (int level = 0; level < colour::RampLength; ++level) {
            const Rgb dark{base.red / 4, base.green / 4, base.blue / 4};
            const Rgb light{std::min(255, base.red + 90), std::min(255, base.green + 90),
                            std::min(255, base.blue + 90)};
            append(bytes,
                   {mix(dark.red, light.red, level, 15), mix(dark.green, light.green, level, 15),
                    mix(dark.blue, light.blue, level, 15)});
        }
    }
    // The rest: a grey scale ending in white at 255.
    const int firstGrey = colour::FirstRampIndex + colour::RampCount * colour::RampLength;
    for (int i = firstGrey; i < 256; ++i) {
        const int level = mix(0, 255, i - firstGrey, 255 - firstGrey);
        append(bytes, {level, level, level});
    }
    return bytes;
}

} // namespace quillon::samplegame
