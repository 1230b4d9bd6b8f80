#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace quillon {

class Datasheet;

// Where a search stopped: the unit's row and the column of the cell that
// matched (1, the name, for a match in the long description), or row 0.
struct FoundUnit {
    int row = 0;
    int col = 0;
    bool wrapped = false; // went past the last unit (or the first, backwards)
};

// Finds the next unit after datasheet row `current` (the previous one
// backwards) among `rows`, the rows on show in display order, whose name
// holds `query` with case and accents ignored; with `everywhere`, whose
// unit cells (columns 1..73) or long description (by unit number) hold it.
// The search wraps round and ends with the current unit itself.
FoundUnit FindUnit(const Datasheet& sheet, const QStringList& descriptions, const QString& query,
                   bool everywhere, const std::vector<int>& rows, int current, bool backwards);

} // namespace quillon
