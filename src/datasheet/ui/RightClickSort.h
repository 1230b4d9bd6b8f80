#pragma once

#include "datasheet/ShownRows.h"

#include <Qt>
#include <vector>

namespace quillon {

// What a right-click sort did.
struct RightClickSortResult {
    // Inserting and deleting may be offered: the key ends at column 0 and no
    // Shift, Ctrl or Alt is held.
    bool insertAllowed = false;
    int keyColumn = 0; // the leftmost key column
    int first = 1;     // the rows first.. were put in this order (Datasheet::permuteRows)
    std::vector<int> order;
};

// The grid's right-click sort: a selection that reaches the last column is
// taken as a sort on the unit number (ColSel becomes 0); the name column
// sorts as text, any other as numbers; Shift alone sorts descending. The
// current-unit mark is removed. Under a filter only the rows on show change
// places.
RightClickSortResult RightClickSort(Datasheet& sheet, Qt::KeyboardModifiers modifiers,
                                    const RowShown& shown = {});

} // namespace quillon
