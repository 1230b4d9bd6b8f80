#pragma once

#include <QByteArray>

namespace quillon::samplegame {

// Layout of the sample palette: plain flag colours first, then ramps of
// sixteen shades (dark to light) for drawing units.
namespace colour {
constexpr int Black = 0;
constexpr int White = 1;
constexpr int Red = 2;
constexpr int Blue = 3;
constexpr int Green = 4;
constexpr int Yellow = 5;
constexpr int Orange = 6;
constexpr int NavyBlue = 7;
constexpr int DarkRed = 8;
constexpr int DarkGreen = 9;
constexpr int SkyBlue = 10;
constexpr int Purple = 11;
constexpr int Gold = 12;
constexpr int Teal = 13;
constexpr int Brown = 14;
constexpr int FlagColourCount = 14; // White .. Brown

constexpr int RampLength = 16;
enum Ramp {
    GreenRamp,
    BrownRamp,
    GreyRamp,
    BlueRamp,
    RedRamp,
    SandRamp,
    OliveRamp,
    SteelRamp,
    RampCount
};
constexpr int FirstRampIndex = 16;

constexpr int shade(Ramp ramp, int level) {
    return FirstRampIndex + ramp * RampLength + (level < 0 ? 0 : level > 15 ? 15 : level);
}
constexpr int PaletteWhite = 255;
} // namespace colour

// pal.pfp: 256 entries of blue, green, red, 0.
QByteArray paletteFileBytes();

} // namespace quillon::samplegame
