#include "samplegame/GameLists.h"

namespace quillon::samplegame {

QStringList classNames() {
    return {"Infantry",    "Tank",         "Recon",           "Anti-Tank",    "Artillery",
            "Air Defence", "Fighter",      "Tactical Bomber", "Level Bomber", "Submarine",
            "Destroyer",   "Capital Ship", "Carrier",         "Transport",    "Fortification"};
}

QStringList nationNames() {
    return {"Aldoria",  "Borvia",     "Caldera",  "Drevnia", "Estmark",  "Fenlow",  "Galdor",
            "Helvan",   "Ilvara",     "Jarnholm", "Kestria", "Lorvania", "Mirenna", "Nordval",
            "Ostravia", "Pellin",     "Quessa",   "Rovenna", "Sarkand",  "Tolvany", "Ulmar",
            "Varnia",   "Westerholt", "Xandria",  "Ysolde",  "Zalvar",   "Arbenia", "Brennmark",
            "Corvane",  "Dalmoor",    "Eskara"};
}

QStringList nationLongNames() {
    static const char* const forms[] = {
        "Kingdom of %1",    "Republic of %1",     "Grand Duchy of %1",  "Empire of %1",
        "Federation of %1", "Principality of %1", "Commonwealth of %1", "United Provinces of %1"};
    QStringList longNames;
    const QStringList names = nationNames();
    for (int i = 0; i < names.size(); ++i)
        longNames << QString::fromLatin1(forms[(i * 3) % 8]).arg(names[i]);
    return longNames;
}

QStringList specialNames() {
    return {"None",
            "Bridging",
            "Engineer",
            "Recon Movement",
            "Camouflage",
            "Ignores Entrenchment",
            "Airborne",
            "Amphibious Assault",
            "Night Fighting",
            "Carrier Capable",
            "Fortress Buster",
            "Radar"};
}

// A group's items never contain the next group's marker text: the search for
// a marker starts by testing the last item taken before it.
QList<MiscGroup> miscGroups() {
    return {
        {"# Move methods: 11",
         {"Leg", "Wheeled", "Half-Tracked", "Tracked", "Towed", "Air", "Naval", "All Terrain",
          "Amphibious", "Mountain", "Static"}},
        {"# Target types: 5", {"Soft", "Hard", "Plane", "Naval", "Sub"}},
        {"# Defence pictures: 5",
         {"Ground Defence", "Air Defence", "Assault Defence", "Torpedo Defence",
          "Depth Charge Defence"}},
        {"# Transports: 4", {"None", "Truck", "Halftrack", "Railway"}},
        {"# Move media: 2", {"Land", "Sea"}},
    };
}

} // namespace quillon::samplegame
