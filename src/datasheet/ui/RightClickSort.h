#pragma once

#include "datasheet/ShownRows.h"

#include <Qt>

namespace quillon {

class Datasheet;

// The grid's right-click sort: a selection that reaches the last column is
// taken as a sort on the unit number (ColSel becomes 0); the name column
// sorts as text, any other as numbers; Shift alone sorts descending. The
// current-unit mark is removed. Returns whether inserting and deleting may
// be offered: the key ends at column 0 and no Shift, Ctrl or Alt is held.
// Under a filter only the rows on show change places.
bool RightClickSort(Datasheet& sheet, Qt::KeyboardModifiers modifiers, const RowShown& shown = {});

} // namespace quillon
