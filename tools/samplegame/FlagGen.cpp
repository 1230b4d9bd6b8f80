#include "samplegame/Artwork.h"
#include "samplegame/Palette.h"

namespace quillon::samplegame {

namespace {

enum FlagPattern {
    HorizontalBands,
    VerticalBands,
    NordicCross,
    Disc,
    Canton,
    Diagonal,
    PatternCount
};

int flagColour(int n) {
    return 1 + n % colour::FlagColourCount;
}

} // namespace

Picture flagPicture(int nation) {
    Picture flag(FlagWidth, FlagHeight);
    // Steps of 3, 5 and 9 modulo 14 keep the three colours apart, and the
    // pattern changes whenever the colour triple repeats.
    const int first = flagColour(nation * 3);
    const int second = flagColour(nation * 3 + 5);
    const int third = flagColour(nation * 3 + 9);
    const int w = FlagWidth, h = FlagHeight;
    switch (nation % PatternCount) {
    case HorizontalBands:
        flag.fillRect(0, 0, w, h / 3 + 1, first);
        flag.fillRect(0, h / 3 + 1, w, h / 3, second);
        flag.fillRect(0, 2 * (h / 3) + 1, w, h - 2 * (h / 3) - 1, third);
        break;
    case VerticalBands:
        flag.fillRect(0, 0, w / 3, h, first);
        flag.fillRect(w / 3, 0, w / 3, h, second);
        flag.fillRect(2 * (w / 3), 0, w - 2 * (w / 3), h, third);
        break;
    case NordicCross:
        flag.fillRect(0, 0, w, h, first);
        flag.fillRect(6, 0, 5, h, second);
        flag.fillRect(0, 6, w, 5, second);
        flag.fillRect(7, 0, 3, h, third);
        flag.fillRect(0, 7, w, 3, third);
        break;
    case Disc:
        flag.fillRect(0, 0, w, h, first);
        flag.fillEllipse(w / 2, h / 2, 5, 5, second);
        flag.fillEllipse(w / 2, h / 2, 2, 2, third);
        break;
    case Canton:
        flag.fillRect(0, 0, w, h / 2, first);
        flag.fillRect(0, h / 2, w, h - h / 2, second);
        flag.fillRect(0, 0, w / 2 - 2, h / 2 + 1, third);
        break;
    default:
        flag.fillTrapezoid(0, h - 1, 0, w - 1, 0, w - 1, first);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (x * h > y * w + w)
                    flag.set(x, y, second);
        flag.line(0, 0, w - 1, h - 1, 3, third);
        break;
    }
    return flag;
}

} // namespace quillon::samplegame
