#pragma once

#include "datasheet/Datasheet.h"

#include <QByteArray>
#include <functional>
#include <optional>
#include <vector>

namespace quillon {

// Whether a filter shows datasheet row `row`. An empty function shows every
// row, and the operations below are then the datasheet's own.
using RowShown = std::function<bool(int row)>;

// The shown rows of the selected block, top to bottom.
std::vector<int> ShownRowsOfBlock(const Datasheet& sheet, const RowShown& shown);

// Copy: the selected block's text (UTF-8) with only its shown rows; nothing
// when the block has no shown row.
std::optional<QByteArray> ShownClip(const Datasheet& sheet, const RowShown& shown,
                                    const platform::Progress& progress = {});

// Paste writes a block of rows that stand together: true when no row of the
// selected block is hidden.
bool BlockRowsShown(const Datasheet& sheet, const RowShown& shown);

// Sort: the shown rows of the sort range (Row..RowSel, every unit row when
// those are the same row) change places among themselves by the datasheet's
// own sort of that kind on Col..ColSel; hidden rows keep their places.
// Returns the order for Datasheet::permuteRows of the rows `first`.. (empty
// when nothing would move).
std::vector<int> ShownSortOrder(const Datasheet& sheet, const RowShown& shown,
                                Datasheet::SortKind kind, int& first);

} // namespace quillon
