#include "datasheet/ui/RightClickSort.h"

#include "datasheet/Datasheet.h"

namespace quillon {

bool RightClickSort(Datasheet& sheet, Qt::KeyboardModifiers modifiers, const RowShown& shown) {
    sheet.clearMark();
    const bool wholeRows = sheet.colSel() == Datasheet::ColumnCount - 1;
    if (wholeRows)
        sheet.setColSel(0);
    const Qt::KeyboardModifiers shiftKeys =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const bool insertAllowed = sheet.colSel() == 0 && shiftKeys == Qt::NoModifier;
    const bool descending = shiftKeys == Qt::ShiftModifier;
    const Datasheet::SortKind kind =
        sheet.colSel() == 1
            ? (descending ? Datasheet::TextDescending : Datasheet::TextAscending)
            : (descending ? Datasheet::NumericDescending : Datasheet::NumericAscending);
    if (shown)
        SortShownRows(sheet, shown, kind);
    else
        sheet.sort(kind);
    // The block the user chose, not the hidden unit numbers, stays selected.
    if (wholeRows)
        sheet.setColSel(Datasheet::ColumnCount - 1);
    return insertAllowed;
}

} // namespace quillon
