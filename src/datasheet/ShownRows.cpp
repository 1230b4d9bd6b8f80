#include "datasheet/ShownRows.h"

#include <algorithm>

namespace quillon {

namespace {

std::vector<int> ShownRowsBetween(const Datasheet& sheet, int first, int last,
                                  const RowShown& shown) {
    std::vector<int> rows;
    for (int row = std::max(first, 1); row <= last && row < sheet.rows(); ++row)
        if (!shown || shown(row))
            rows.push_back(row);
    return rows;
}

// The given rows as a datasheet of their own (rows 1..n), the block's
// columns selected on all of them, so that its own block text and sort serve.
void PickRows(const Datasheet& sheet, const std::vector<int>& rows, Datasheet& part) {
    std::vector<Datasheet::Row> cells;
    cells.reserve(rows.size());
    for (const int row : rows)
        cells.push_back(sheet.rowCells(row));
    part.replaceUnitRows(std::move(cells));
    part.select(1, sheet.col(), part.rows() - 1, sheet.colSel());
}

} // namespace

std::vector<int> ShownRowsOfBlock(const Datasheet& sheet, const RowShown& shown) {
    return ShownRowsBetween(sheet, std::min(sheet.row(), sheet.rowSel()),
                            std::max(sheet.row(), sheet.rowSel()), shown);
}

std::optional<QString> ShownClip(const Datasheet& sheet, const RowShown& shown) {
    if (!shown || BlockRowsShown(sheet, shown))
        return sheet.clip();
    const std::vector<int> rows = ShownRowsOfBlock(sheet, shown);
    if (rows.empty())
        return std::nullopt;
    Datasheet part;
    PickRows(sheet, rows, part);
    return part.clip();
}

bool BlockRowsShown(const Datasheet& sheet, const RowShown& shown) {
    const int first = std::min(sheet.row(), sheet.rowSel());
    const int last = std::max(sheet.row(), sheet.rowSel());
    return ShownRowsBetween(sheet, first, last, shown).size() == size_t(last - first + 1);
}

void SortShownRows(Datasheet& sheet, const RowShown& shown, Datasheet::SortKind kind) {
    int first = std::min(sheet.row(), sheet.rowSel());
    int last = std::max(sheet.row(), sheet.rowSel());
    if (first == last) {
        first = 1;
        last = sheet.rows() - 1;
    }
    const std::vector<int> rows = ShownRowsBetween(sheet, first, last, shown);
    if (rows.size() < 2)
        return;
    Datasheet part;
    PickRows(sheet, rows, part);
    part.sort(kind);
    for (size_t i = 0; i < rows.size(); ++i) {
        const Datasheet::Row& sorted = part.rowCells(int(i) + 1);
        if (sorted != sheet.rowCells(rows[i]))
            sheet.setRowCells(rows[i], sorted);
    }
}

} // namespace quillon
