#pragma once

#include <QStringView>
#include <cstdint>

namespace quillon {

// The lenient reading of a cell or field text as a number: blanks are
// skipped, an optional sign, digits, an optional decimal fraction and an
// optional exponent are read up to the first character that cannot continue
// the number; text without a number at its start reads as 0.
double CellNumber(QStringView text);

// True when the whole text, without leading and trailing blanks, is such a
// number ("12", " 12 ", "-3.5", "1e3"; not "", "12abc", "abc").
bool IsNumeric(QStringView text);

// Rounds to the nearest whole number, halves to the even neighbour
// (12.5 -> 12, 13.5 -> 14, -2.5 -> -2). Values beyond the 64-bit range are
// clamped to it.
std::int64_t RoundHalfEven(double value);

// Number text as loading and renumbering write it: one leading blank in the
// place of the sign for values that are not negative (" 12", " 0", "-3").
QString NumberText(std::int64_t value);

} // namespace quillon
