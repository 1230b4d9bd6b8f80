#include "samplegame/EquipmentGen.h"

#include "samplegame/Bytes.h"
#include "samplegame/GameLists.h"
#include "samplegame/Random.h"
#include "samplegame/SampleGame.h"

#include <QDir>
#include <QHash>
#include <QSet>
#include <algorithm>

namespace quillon::samplegame {

namespace {

const char* const romans[] = {"I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X"};

QString romanNumeral(Random& random) {
    return QString::fromLatin1(random.pick(romans));
}

QString variant(Random& random) {
    return QChar(char16_t('A' + random.between(0, 7))) + QString::number(random.between(1, 4));
}

QString calibre(Random& random) {
    static const int calibres[] = {20, 37, 40, 47, 50, 57, 75, 76, 88, 90, 105, 128, 150, 155};
    return QString::number(random.pick(calibres)) + QStringLiteral("mm");
}

QString year(Random& random) {
    return QString::number(random.between(39, 45));
}

QString fromPool(Random& random, std::initializer_list<const char*> pool) {
    return QString::fromUtf8(*(pool.begin() + random.between(0, int(pool.size()) - 1)));
}

// Names in the style of period unit lists; a few carry accented letters so
// that the Windows-1252 code page is exercised.
QString unitName(int unitClass, Random& random) {
    const QChar blank(u' ');
    switch (unitClass) {
    case Infantry:
        return fromPool(random,
                        {"Grenadiers", "Rifle Corps", "Fusiliers", "Jäger", "Chasseurs",
                         "Mountain Troops", "Paratroopers", "Militia", "Marines", "Pioneers"}) +
               blank + year(random);
    case Tank:
        return fromPool(random, {"Pz", "Kv", "Mk", "Tk", "Char", "Tarn", "Vanguard"}) + blank +
               romanNumeral(random) + blank + variant(random);
    case Recon:
        return fromPool(random, {"Scout Car", "Armoured Car", "Recon Bikes", "Späher", "Lynx"}) +
               blank + variant(random);
    case AntiTank:
        return fromPool(random, {"PaK", "AT Gun", "Tank Hunter", "Canon AC", "Sturmgeschütz"}) +
               blank + calibre(random);
    case Artillery:
        return fromPool(random, {"Howitzer", "Field Gun", "Mortar", "Rocket Battery", "Obusier"}) +
               blank + calibre(random);
    case AirDefence:
        return fromPool(random, {"Flak", "AA Gun", "Quad AA", "Skyguard"}) + blank +
               calibre(random);
    case Fighter:
        return fromPool(random,
                        {"Spitfire", "Hawk", "Falcon", "Kestrel", "Éclair", "Merlin", "Harrier"}) +
               QStringLiteral(" Mk ") + romanNumeral(random);
    case TacticalBomber:
        return fromPool(random, {"Stuka", "Havoc", "Vautour", "Typhon", "Sabre"}) + blank +
               variant(random);
    case LevelBomber:
        return fromPool(random, {"Lancer", "Fortress", "Condor", "Albatros", "Wellesley"}) + blank +
               variant(random);
    case Submarine:
        return QStringLiteral("Sub Type ") + romanNumeral(random) +
               QChar(char16_t('A' + random.between(0, 3)));
    case Destroyer:
        return fromPool(random,
                        {"Fletcher", "Tribal", "Narvik", "Maestrale", "Hélène", "Gallant"}) +
               QStringLiteral(" DD");
    case CapitalShip:
        return fromPool(random,
                        {"Sovereign", "Admiral", "Dreadful", "Résolue", "Ironside", "Monarch"}) +
               fromPool(random, {" BB", " CA", " BC"});
    case Carrier:
        return fromPool(random, {"Horizon", "Albion", "Skyhold", "Aurore", "Zenith"}) +
               QStringLiteral(" CV");
    case Transport:
        return fromPool(random, {"Truck", "Halftrack", "Lorry", "Transport Ship", "Tractor"}) +
               blank + year(random);
    default:
        return fromPool(random,
                        {"Bunker", "Pillbox", "Fortress Line", "Coastal Battery", "Blockhaus"});
    }
}

int targetTypeFor(int unitClass, Random& random) {
    switch (unitClass) {
    case Tank:
    case Recon:
    case AntiTank:
        return 1;
    case Artillery:
    case AirDefence:
        return random.between(0, 1);
    case Fighter:
    case TacticalBomber:
    case LevelBomber:
        return 2;
    case Submarine:
        return 4;
    case Destroyer:
    case CapitalShip:
    case Carrier:
        return 3;
    case Fortification:
        return 1;
    default:
        return 0;
    }
}

bool isAir(int c) {
    return c == Fighter || c == TacticalBomber || c == LevelBomber;
}
bool isNaval(int c) {
    return c >= Submarine && c <= Carrier;
}

int iconFor(int unitClass, int icons, Random& random) {
    if (icons <= 0)
        return 0;
    const int shape = iconShapeForClass(unitClass);
    if (icons <= shape)
        return random.between(0, icons - 1);
    const int sameShapeCount = (icons - 1 - shape) / IconShapeCount + 1;
    return shape + IconShapeCount * random.between(0, sameShapeCount - 1);
}

int soundFor(int sounds, Random& random) {
    if (sounds <= 0 || random.chance(15))
        return 0;
    return FirstSoundNumber + random.between(0, sounds - 1);
}

QByteArray makeRecord(int unitClass, int icons, int sounds, Random& random, GeneratedUnit& unit) {
    QByteArray r(EquipmentRecordSize, '\0');
    auto set = [&r](int offset, int value) { r[offset] = char(value & 0xFF); };
    const bool air = isAir(unitClass);
    const bool naval = isNaval(unitClass);
    set(0, unitClass);
    for (int offset = 1; offset <= 10; ++offset) // attacks and defences
        set(offset, random.between(0, 40));
    set(11, targetTypeFor(unitClass, random));
    set(12, unitClass == LevelBomber || unitClass == TacticalBomber ? random.between(1, 3) : 0);
    set(13, random.between(0, 3));
    set(14, random.between(1, 15));
    set(15, unitClass == Artillery || naval ? random.between(1, 4) : random.between(0, 1));
    set(16, random.between(1, 5));
    set(17, naval ? 1 : 0);
    set(18, air ? 5 : naval ? 6 : random.between(0, 10));
    set(19, unitClass == Fortification ? 0 : air ? random.between(8, 12) : random.between(1, 8));
    set(20, unitClass == Infantry || unitClass == Fortification ? 0 : random.between(20, 90));
    set(21, random.between(4, 20));
    set(22, random.between(10, 15));
    set(23, random.between(0, 3));
    set(24, random.between(5, 60));
    putU16(r, 25, iconFor(unitClass, icons, random));
    putU16(r, 27, random.between(0, 5));
    unit.monthAvailable = random.between(1, 12);
    unit.yearAvailable = random.between(39, 45);
    set(29, unit.monthAvailable);
    set(30, unit.yearAvailable);
    set(31, std::min(45, unit.yearAvailable + random.between(1, 6)));
    set(32, unitClass == Infantry || unitClass == AntiTank || unitClass == Artillery
                ? random.between(0, 3)
                : 0);
    set(33, unitClass == Carrier ? random.between(20, 60) : 0);
    std::uint32_t nations = 0;
    unit.nation = random.between(0, NationCount - 1);
    nations |= 1u << unit.nation;
    for (int extra = random.between(0, 3); extra > 0; --extra)
        nations |= 1u << random.between(0, NationCount - 1);
    putU32(r, 34, nations);
    const int specialCount = int(specialNames().size());
    for (int offset = 38; offset <= 41; ++offset)
        set(offset, random.chance(30) ? random.between(1, specialCount - 1) : 0);
    for (int offset = 42; offset <= 46; offset += 2)
        putU16(r, offset, soundFor(sounds, random));
    for (int offset = 48; offset < EquipmentRecordSize; ++offset)
        set(offset, random.between(0, 255));
    return r;
}

int randomClass(Random& random) {
    // Land units dominate real unit lists.
    static const int weights[UnitClassCount] = {14, 16, 6, 8, 8, 5, 9, 5, 4, 3, 4, 3, 2, 5, 4};
    int total = 0;
    for (int weight : weights)
        total += weight;
    int roll = random.between(0, total - 1);
    for (int c = 0; c < UnitClassCount; ++c) {
        if (roll < weights[c])
            return c;
        roll -= weights[c];
    }
    return Infantry;
}

// A clean file names every unit once (case ignored): a name drawn again
// gets the next free number in brackets.
void makeNamesUnique(std::vector<GeneratedUnit>& units) {
    QSet<QString> taken;
    QHash<QString, int> repeats;
    for (GeneratedUnit& unit : units) {
        const QString drawn = unit.name;
        while (taken.contains(unit.name.toCaseFolded()))
            unit.name = drawn + QStringLiteral(" (%1)").arg(++repeats[drawn] + 1);
        taken.insert(unit.name.toCaseFolded());
    }
}

} // namespace

IconShape iconShapeForClass(int unitClass) {
    switch (unitClass) {
    case Infantry:
        return ShapeSoldier;
    case Tank:
    case Recon:
        return ShapeTank;
    case Fighter:
    case TacticalBomber:
    case LevelBomber:
        return ShapePlane;
    case Submarine:
    case Destroyer:
    case CapitalShip:
    case Carrier:
        return ShapeShip;
    case Transport:
        return ShapeTruck;
    default:
        return ShapeGun;
    }
}

std::vector<GeneratedUnit> generateUnits(int units, int icons, int sounds, unsigned seed) {
    Random random(seed);
    std::vector<GeneratedUnit> result;
    units = std::clamp(units, 0, 32767);
    result.reserve(std::size_t(units));
    for (int i = 0; i < units; ++i) {
        GeneratedUnit unit;
        unit.unitClass = randomClass(random);
        unit.name = unitName(unit.unitClass, random);
        unit.record = makeRecord(unit.unitClass, icons, sounds, random, unit);
        result.push_back(unit);
    }
    makeNamesUnique(result);
    return result;
}

QByteArray equipmentFileBytes(const std::vector<GeneratedUnit>& units) {
    QByteArray bytes;
    bytes.reserve(2 + EquipmentRecordSize * int(units.size()));
    appendU16(bytes, int(units.size()));
    for (const GeneratedUnit& unit : units)
        bytes.append(unit.record);
    return bytes;
}

QByteArray unitNamesFileBytes(const std::vector<GeneratedUnit>& units) {
    QByteArray bytes;
    for (const GeneratedUnit& unit : units)
        bytes.append(toGameText(unit.name) + "\r\n");
    return bytes;
}

bool WriteEquipmentFiles(const QString& folder, int units, unsigned seed) {
    if (units < 1 || units > MaxEquipmentUnits)
        return false;
    const Options defaults;
    const std::vector<GeneratedUnit> generated =
        generateUnits(units, defaults.icons, usableSoundCount(defaults.sounds), seed);
    const QString base = QDir(folder).absolutePath() + QLatin1Char('/');
    return writeGameFile(base + QStringLiteral("KorEquip.EQP"), equipmentFileBytes(generated)) &&
           writeGameFile(base + QStringLiteral("KorEquip.TXT"), unitNamesFileBytes(generated));
}

} // namespace quillon::samplegame
