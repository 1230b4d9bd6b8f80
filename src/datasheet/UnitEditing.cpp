#include "datasheet/UnitEditing.h"

#include "datasheet/CellNumber.h"
#include "datasheet/Datasheet.h"

#include <algorithm>

namespace quillon {

namespace {

// The game's description table has slots for unit numbers 0..2000
// (gamedata::MinDescriptions; not included, the datasheet library does not
// link the game data one).
constexpr qsizetype MinDescriptions = 2001;

// Rebuilds the description table by row position before renumbering: each
// unit row takes the description of the number its column 0 still holds, so
// descriptions move with their units. The inserted row (0 for none) gets an
// empty one; slots beyond the units keep what they held.
void carryDescriptions(const Datasheet& sheet, QStringList& descriptions, int insertedRow) {
    const int units = sheet.rows() - 1;
    QStringList moved = descriptions;
    const qsizetype size = std::max({MinDescriptions, qsizetype(units), descriptions.size()});
    moved.reserve(size);
    while (moved.size() < size)
        moved.append(QString());
    for (int r = 1; r <= units; ++r) {
        QString text;
        if (r != insertedRow) {
            const std::int64_t number = RoundHalfEven(CellNumber(sheet.cell(r, 0)));
            if (number >= 0 && number < descriptions.size())
                text = descriptions[qsizetype(number)];
        }
        moved[r - 1] = text;
    }
    descriptions = std::move(moved);
}

bool canInsert(const Datasheet& sheet) {
    return sheet.row() >= 1 && sheet.rows() - 1 < Datasheet::MaxUnits;
}

} // namespace

QString NewUnitText() {
    QString text = QStringLiteral("0\tI'm New\t");
    text.reserve(text.size() + 43 * 2);
    for (int i = 0; i < 43; ++i)
        text += u"0\t";
    return text;
}

void RenumberUnits(Datasheet& sheet, int currentUnit) {
    QStringList numbers;
    numbers.reserve(sheet.rows() - 1);
    for (int r = 1; r < sheet.rows(); ++r)
        numbers.append(NumberText(r - 1));
    sheet.setColumnTexts(0, 1, numbers);
    // Past the last unit (after deleting the last row) the new last one is current.
    const int row = std::min(std::max(currentUnit + 1, 1), sheet.rows() - 1);
    sheet.select(row, 1, row, 1);
}

bool InsertUnitAfter(Datasheet& sheet, QStringList& longDescriptions) {
    if (!canInsert(sheet))
        return false;
    const int currentUnit = sheet.row();
    sheet.addItem(NewUnitText(), currentUnit + 1);
    carryDescriptions(sheet, longDescriptions, currentUnit + 1);
    RenumberUnits(sheet, currentUnit);
    return true;
}

bool InsertUnitBefore(Datasheet& sheet, QStringList& longDescriptions) {
    if (!canInsert(sheet))
        return false;
    const int currentUnit = sheet.row() - 1;
    sheet.addItem(NewUnitText(), currentUnit + 1);
    carryDescriptions(sheet, longDescriptions, currentUnit + 1);
    RenumberUnits(sheet, currentUnit);
    return true;
}

bool DeleteUnit(Datasheet& sheet, QStringList& longDescriptions) {
    // Neither the heading row nor the last remaining unit is removed.
    if (sheet.row() < 1 || sheet.rows() <= 2)
        return false;
    const int currentUnit = sheet.row() - 1;
    sheet.removeItem(currentUnit + 1);
    carryDescriptions(sheet, longDescriptions, 0);
    RenumberUnits(sheet, currentUnit);
    return true;
}

bool SelectUnitCellsOnly(Datasheet& sheet) {
    const int last = sheet.rows() - 1;
    if (std::max(sheet.row(), sheet.rowSel()) < 1 || std::max(sheet.col(), sheet.colSel()) < 1 ||
        last < 1)
        return false;
    const auto unitRow = [last](int row) { return std::clamp(row, 1, last); };
    const auto unitCol = [](int col) { return std::max(col, 1); };
    const int row = unitRow(sheet.row()), col = unitCol(sheet.col());
    const int rowSel = unitRow(sheet.rowSel()), colSel = unitCol(sheet.colSel());
    if (row != sheet.row() || col != sheet.col() || rowSel != sheet.rowSel() ||
        colSel != sheet.colSel())
        sheet.select(row, col, rowSel, colSel);
    return true;
}

bool InUnitNumberOrder(const Datasheet& sheet) {
    for (int row = 2; row < sheet.rows(); ++row)
        if (CellNumber(sheet.cell(row, 0)) < CellNumber(sheet.cell(row - 1, 0)))
            return false;
    return true;
}

} // namespace quillon
