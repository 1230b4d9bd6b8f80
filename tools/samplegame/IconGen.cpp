#include "samplegame/Artwork.h"
#include "samplegame/EquipmentGen.h"
#include "samplegame/Palette.h"
#include "samplegame/Random.h"

namespace quillon::samplegame {

namespace {

using colour::Ramp;
using colour::shade;

// A ramp and a size jitter per icon, so icons of one shape still differ.
struct Style {
    Ramp ramp;
    int size; // -2 .. 2
    Random& random;
    int tone(int level) const { return shade(ramp, level); }
};

const int wheelColour = colour::shade(colour::GreyRamp, 2);
const int skinColour = colour::shade(colour::SandRamp, 12);

void drawTank(Picture& p, const Style& s) {
    const int length = 28 + 2 * s.size;
    const int left = (IconWidth - length) / 2 - 2;
    p.fillRect(left + 2, 21, length - 4, 6, s.tone(2)); // tracks
    p.fillEllipse(left + 3, 24, 3, 3, s.tone(2));
    p.fillEllipse(left + length - 4, 24, 3, 3, s.tone(2));
    for (int x = left + 4; x < left + length - 3; x += 5)
        p.fillEllipse(x, 24, 2, 2, s.tone(6));
    p.fillTrapezoid(15, 20, left + 3, left + length - 2, left, left + length, s.tone(9));
    p.line(left + 3, 15, left + length - 2, 15, 1, s.tone(13));
    const int turretX = left + length / 2 - 6 + s.random.between(-2, 2);
    p.fillTrapezoid(9, 14, turretX + 2, turretX + 11, turretX, turretX + 13, s.tone(10));
    p.line(turretX + 2, 9, turretX + 11, 9, 1, s.tone(14));
    p.line(turretX + 13, 11, std::min(IconWidth - 1, turretX + 13 + 8 + s.size * 2), 11, 2,
           s.tone(4));
}

void drawPlane(Picture& p, const Style& s) {
    const int cx = IconWidth / 2;
    const int span = 16 + s.size;
    p.fillTrapezoid(10, 15, cx - 3, cx + 3, cx - span, cx + span, s.tone(8)); // wings
    p.fillTrapezoid(23, 26, cx - 2, cx + 2, cx - 7, cx + 7, s.tone(7));       // tailplane
    p.fillEllipse(cx, 15, 3, 13, s.tone(10));                                 // fuselage
    p.fillEllipse(cx, 8, 1, 3, colour::shade(colour::SteelRamp, 14));         // cockpit
    if (s.random.chance(40)) { // engines of a twin-engined type
        p.fillEllipse(cx - span / 2, 11, 2, 4, s.tone(5));
        p.fillEllipse(cx + span / 2, 11, 2, 4, s.tone(5));
    }
    const int marking = s.random.chance(50) ? colour::Red : colour::Blue;
    p.fillEllipse(cx - span + 4, 14, 2, 1, marking);
    p.fillEllipse(cx + span - 4, 14, 2, 1, marking);
}

void drawShip(Picture& p, const Style& s) {
    const int length = 34 + s.size;
    const int left = (IconWidth - length) / 2;
    p.fillTrapezoid(18, 25, left, left + length, left + 4, left + length - 3, s.tone(7));
    p.line(left, 18, left + length, 18, 1, s.tone(12)); // deck edge
    const int bridge = left + length / 2 - 4;
    p.fillRect(bridge, 11, 8, 7, s.tone(10));
    p.fillRect(bridge + 1, 12, 6, 1, colour::shade(colour::SteelRamp, 15));
    p.fillRect(bridge + 10, 12, 3, 6, s.tone(5));        // funnel
    p.line(bridge + 3, 3, bridge + 3, 10, 1, s.tone(4)); // mast
    for (int turret : {left + 5, left + length - 8}) {
        p.fillRect(turret, 15, 4, 3, s.tone(9));
        p.line(turret + (turret < bridge ? -3 : 4), 16, turret + (turret < bridge ? 0 : 7), 16, 1,
               s.tone(3));
    }
}

void drawSoldier(Picture& p, int x, const Style& s) {
    p.fillEllipse(x, 9, 2, 2, skinColour);
    p.fillEllipse(x, 7, 3, 2, s.tone(5)); // helmet
    p.fillRect(x - 3, 12, 7, 8, s.tone(9));
    p.line(x - 2, 20, x - 3, 27, 2, s.tone(6));
    p.line(x + 1, 20, x + 2, 27, 2, s.tone(6));
    p.line(x + 4, 22, x + 7, 5, 1, colour::shade(colour::BrownRamp, 3)); // rifle
}

void drawSoldiers(Picture& p, const Style& s) {
    const int count = 2 + (s.size > 0 ? 1 : 0);
    const int spacing = 11;
    const int first = IconWidth / 2 - (count - 1) * spacing / 2 - 2;
    for (int i = 0; i < count; ++i)
        drawSoldier(p, first + i * spacing, s);
}

void drawTruck(Picture& p, const Style& s) {
    const int bed = 22 + s.size * 2;
    const int left = (IconWidth - bed - 10) / 2;
    p.fillRect(left, 8, bed, 13, s.tone(11)); // canvas
    p.line(left, 8, left + bed - 1, 8, 1, s.tone(14));
    p.fillRect(left + bed + 1, 11, 9, 10, s.tone(8)); // cab
    p.fillRect(left + bed + 5, 12, 4, 4, colour::shade(colour::SteelRamp, 14));
    p.fillRect(left, 20, bed + 11, 3, s.tone(4)); // chassis
    for (int wheel : {left + 5, left + bed - 5, left + bed + 6}) {
        p.fillEllipse(wheel, 24, 3, 3, wheelColour);
        p.set(wheel, 24, colour::shade(colour::GreyRamp, 10));
    }
}

void drawGun(Picture& p, const Style& s) {
    const int barrel = 16 + 2 * s.size;
    p.line(6, 26, 18, 19, 2, s.tone(5)); // trail
    p.fillRect(16, 13, 4, 9, s.tone(9)); // shield
    p.line(19, 16, 19 + barrel, 16 - barrel / 2, 2, s.tone(4));
    p.fillEllipse(20, 23, 4, 4, wheelColour);
    p.fillEllipse(20, 23, 1, 1, colour::shade(colour::GreyRamp, 10));
}

Ramp rampFor(int shape, Random& random) {
    static const Ramp land[] = {colour::GreenRamp, colour::OliveRamp, colour::SandRamp,
                                colour::GreyRamp, colour::BrownRamp};
    static const Ramp air[] = {colour::GreyRamp, colour::GreenRamp, colour::SteelRamp,
                               colour::SandRamp, colour::BlueRamp};
    static const Ramp sea[] = {colour::SteelRamp, colour::GreyRamp, colour::BlueRamp};
    switch (shape) {
    case ShapePlane:
        return random.pick(air);
    case ShapeShip:
        return random.pick(sea);
    default:
        return random.pick(land);
    }
}

} // namespace

Picture unitIconPicture(int index, unsigned seed) {
    Random random(std::uint64_t(seed) * 100003u + std::uint64_t(index));
    const int shape = index % IconShapeCount;
    const Style style{rampFor(shape, random), random.between(-2, 2), random};
    Picture icon(IconWidth, IconHeight);
    switch (shape) {
    case ShapeTank:
        drawTank(icon, style);
        break;
    case ShapePlane:
        drawPlane(icon, style);
        break;
    case ShapeShip:
        drawShip(icon, style);
        break;
    case ShapeSoldier:
        drawSoldiers(icon, style);
        break;
    case ShapeTruck:
        drawTruck(icon, style);
        break;
    default:
        drawGun(icon, style);
        break;
    }
    return icon;
}

} // namespace quillon::samplegame
