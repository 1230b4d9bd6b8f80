#include "datasheet/ui/RightClickSort.h"

#include "datasheet/Datasheet.h"

namespace quillon {

bool RightClickSort(Datasheet& sheet, Qt::KeyboardModifiers modifiers) {
    sheet.clearMark();
    if (sheet.colSel() == Datasheet::ColumnCount - 1)
        sheet.setColSel(0);
    const Qt::KeyboardModifiers shiftKeys =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const bool insertAllowed = sheet.colSel() == 0 && shiftKeys == Qt::NoModifier;
    const bool descending = shiftKeys == Qt::ShiftModifier;
    if (sheet.colSel() == 1)
        sheet.sort(descending ? Datasheet::TextDescending : Datasheet::TextAscending);
    else
        sheet.sort(descending ? Datasheet::NumericDescending : Datasheet::NumericAscending);
    return insertAllowed;
}

} // namespace quillon
