#pragma once

#include <QStringList>

namespace quillon::samplegame {

// The invented reference lists of the sample game; the equipment generator
// and the text container share them so that classes, nations and specials
// named in descriptions match the records.
enum UnitClass {
    Infantry,
    Tank,
    Recon,
    AntiTank,
    Artillery,
    AirDefence,
    Fighter,
    TacticalBomber,
    LevelBomber,
    Submarine,
    Destroyer,
    CapitalShip,
    Carrier,
    Transport,
    Fortification,
    UnitClassCount
};

constexpr int NationCount = 31;

QStringList classNames();
QStringList nationNames();
QStringList nationLongNames();
QStringList specialNames();

// One counted group of the MISC entry: its marker line and its items.
struct MiscGroup {
    QString markerLine;
    QStringList items;
};
QList<MiscGroup> miscGroups();

} // namespace quillon::samplegame
