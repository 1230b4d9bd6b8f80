#include "datasheet/ui/RightClickSort.h"

#include "datasheet/Datasheet.h"

#include <algorithm>

namespace quillon {

RightClickSortResult RightClickSort(Datasheet& sheet, Qt::KeyboardModifiers modifiers,
                                    const RowShown& shown) {
    sheet.clearMark();
    const bool wholeRows = sheet.colSel() == Datasheet::ColumnCount - 1;
    if (wholeRows)
        sheet.setColSel(0);
    const Qt::KeyboardModifiers shiftKeys =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const bool descending = shiftKeys == Qt::ShiftModifier;
    RightClickSortResult result;
    result.insertAllowed = sheet.colSel() == 0 && shiftKeys == Qt::NoModifier;
    result.keyColumn = std::min(sheet.col(), sheet.colSel());
    Datasheet::SortKind kind =
        descending ? Datasheet::NumericDescending : Datasheet::NumericAscending;
    if (sheet.colSel() == 1)
        kind = descending ? Datasheet::TextDescending : Datasheet::TextAscending;
    result.order = ShownSortOrder(sheet, shown, kind, result.first);
    sheet.permuteRows(result.first, result.order);
    // The block the user chose, not the hidden unit numbers, stays selected.
    if (wholeRows)
        sheet.setColSel(Datasheet::ColumnCount - 1);
    return result;
}

} // namespace quillon
