#pragma once

#include <QStringList>

namespace quillon {

class Datasheet;

// The text of a new unit row: "0", "I'm New", then "0" 43 times, each of
// these followed by a TAB (columns 2..44 "0", 45..73 empty).
QString NewUnitText();

// Rewrites column 0 of every unit row as " 0", " 1", ... and makes row
// currentUnit + 1, column 1 the current cell.
void RenumberUnits(Datasheet& sheet, int currentUnit);

// Insert and delete act on the current row and keep each unit's long
// description with it (a new unit gets an empty description; the table
// grows as needed). They refuse (return false, change nothing) while the
// heading row is current, beyond Datasheet::MaxUnits units, and when
// deleting the last remaining unit.
bool InsertUnitAfter(Datasheet& sheet, QStringList& longDescriptions);
bool InsertUnitBefore(Datasheet& sheet, QStringList& longDescriptions);
bool DeleteUnit(Datasheet& sheet, QStringList& longDescriptions);

// Cuts the current cell and the selected block back to unit cells (rows
// 1..N, columns 1..73), so that neither a paste nor a copy reaches the
// headings or the unit numbers. False, and nothing changed, when the block
// holds no unit cell at all.
bool SelectUnitCellsOnly(Datasheet& sheet);

// The unit numbers never fall from one row to the next (what insert and
// delete need to number the units by their places).
bool InUnitNumberOrder(const Datasheet& sheet);

} // namespace quillon
