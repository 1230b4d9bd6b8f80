#pragma once

#include "i18n/Language.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <utility>

namespace quillon::formview {

// Where each field of the form reads its datasheet cell and what range its
// change rule holds it to. Index numbers are those of the control names
// (Text4, Combo12, ...).

constexpr int NoLimit = -1;

struct TextField {
    int text;       // TextN
    int column;     // datasheet column
    int upper;      // above it the text becomes the limit; NoLimit: no rule
    bool lowerRule; // 0 or below becomes "0"
};

// In the order ShowUnitInForm reads them (the icon id box comes through the
// icon frame, the unit number box on its own).
inline constexpr TextField TextFields[] = {
    {2, 1, NoLimit, false},                                             // name
    {4, 3, 255, false},     {5, 4, 255, false},   {6, 5, 255, false},   // attack
    {7, 6, 255, false},     {8, 7, 255, false},                         //
    {9, 8, 255, false},     {10, 9, 255, false},  {11, 10, 255, false}, // defence
    {12, 11, 255, false},   {13, 12, 255, false},                       //
    {15, 14, 255, false},   {14, 16, 255, false}, {17, 17, 255, false}, // bomber, initiative, range
    {18, 18, 255, false},                                               // spotting
    {16, 21, 31, false},    {22, 22, 255, false}, {21, 23, 255, false}, // move, fuel, ammo
    {20, 24, 15, false},    {19, 26, 255, true},                        // lives, prestige
    {24, 29, 12, true},     {25, 30, 99, true},   {26, 31, 99, true},   // availability
    {23, 33, 255, false},                                               // hangar
};

struct ListField {
    int combo;
    int column;
};
inline constexpr ListField ListFields[] = {
    {12, 2}, {8, 19}, {9, 20}, {10, 32}, {1, 66}, {2, 67}, {3, 68}, {4, 69},
};

inline constexpr int UnitNumberColumn = 0;
inline constexpr int TargetTypeColumn = 13;
inline constexpr int IconColumn = 27;
inline constexpr int FirstNationColumn = 34;
inline constexpr int NationCount = 32;
inline constexpr int FirstSoundColumn = 70;
inline constexpr int SoundCount = 3;
inline constexpr int TargetTypeCount = 5;
inline constexpr int LastCommittedColumn = 72;
// Columns without a field: a commit writes back what they held when shown.
inline constexpr int HiddenColumns[] = {15, 25, 28};

// The value box TextN has the symbol PictureN-1 beside it (Text4..Text23).
inline constexpr int FirstSymbolText = 4;
inline constexpr int LastSymbolText = 23;
constexpr int SymbolPictureFor(int text) {
    return text - 1;
}

// A number as plain decimal text without blanks ("12", "-3", "4.5").
QString PlainNumberText(double value);

// What the form calls the columns it shows, in `language`, with each
// column: the value names beside the boxes ("Hard Attack"), the
// availability labels and the frames of the lists ("Target Type").
QList<std::pair<QString, int>> FieldLabels(i18n::Language language);

} // namespace quillon::formview
