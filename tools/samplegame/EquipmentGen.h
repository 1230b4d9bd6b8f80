#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace quillon::samplegame {

constexpr int EquipmentRecordSize = 168;
constexpr int FirstSoundNumber = 1000;

struct GeneratedUnit {
    QString name;
    QByteArray record; // EquipmentRecordSize bytes
    int unitClass = 0;
    int nation = 0; // the first nation that fields it
    int yearAvailable = 39;
    int monthAvailable = 1;
};

// Sound files a unit may name: the `soundFiles` numbered ones plus the one
// written with an upper-case extension (see WriteSampleGame).
inline int usableSoundCount(int soundFiles) {
    return soundFiles > 0 ? soundFiles + 1 : 0;
}

// `icons` and `sounds` bound the icon ids and sound numbers the records use.
std::vector<GeneratedUnit> generateUnits(int units, int icons, int sounds, unsigned seed);

QByteArray equipmentFileBytes(const std::vector<GeneratedUnit>& units);
QByteArray unitNamesFileBytes(const std::vector<GeneratedUnit>& units);

// Which of the generated icon shapes suits a unit class; icon i has shape
// i % IconShapeCount.
enum IconShape {
    ShapeTank,
    ShapePlane,
    ShapeShip,
    ShapeSoldier,
    ShapeTruck,
    ShapeGun,
    IconShapeCount
};
IconShape iconShapeForClass(int unitClass);

} // namespace quillon::samplegame
