#pragma once

#include "gamedata/IndexFiles.h"

#include <QStringList>

namespace quillon::gamedata {

// The names the form view offers, read from the game's text container.
struct TextLists {
    QStringList classes;        // CLASSES, Combo12
    QStringList NationNames;    // NATIONS, trimmed, at most 51
    QStringList nationTooltips; // NATIONS as read, tooltips of Check1 0..31
    QStringList flagTooltips;   // BIGNATS, tooltips of Picture2 0..31
    QStringList specials;       // SPECIALS, Combo1..Combo4
    QStringList moveMethods;    // MISC group 1 (11 lines), Combo9
    QStringList targetTypes;    // MISC group 2 (5 lines, trimmed), Option1..Option5
    QStringList defenceTips;    // MISC group 3 (5 lines, trimmed), Picture8..Picture12
    QStringList transports;     // MISC group 4 (4 lines), Combo10
    QStringList moveMedia;      // MISC group 5 (2 lines), Combo8
};

// At least 2001 descriptions (unit numbers 0..2000), more when the unit
// count or the index's description entries need them; missing ones hold the
// placeholder " <k>.txt".
constexpr int MinDescriptions = 2001;
QString DescriptionPlaceholder(int unitNumber);

// Makes a description table that was read from the game reach `unitCount`
// entries, with the placeholders the reader gives to numbers without an
// entry. An empty table (no game text read) stays empty.
void CoverUnits(QStringList& longDescriptions, int unitCount);

// Reads the lists and the long descriptions from the whole text container.
// The lists are rebuilt from scratch. Without CLASSES nothing is read (the
// lists come back empty, `longDescriptions` is left as it was); any other
// missing section is skipped. `longDescriptions` gets max(2001, minCount)
// entries, or more: one for every unit number up to the last description
// entry of the index.
void LoadTextLists(const QByteArray& container, const GameIndex& index, TextLists& lists,
                   QStringList& longDescriptions, int minCount = MinDescriptions);

} // namespace quillon::gamedata
