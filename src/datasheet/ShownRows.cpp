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

std::optional<QByteArray> ShownClip(const Datasheet& sheet, const RowShown& shown,
                                    const platform::Progress& progress) {
    if (!shown || BlockRowsShown(sheet, shown))
        return sheet.clipUtf8(progress);
    const std::vector<int> rows = ShownRowsOfBlock(sheet, shown);
    if (rows.empty())
        return std::nullopt;
    Datasheet part;
    PickRows(sheet, rows, part);
    return part.clipUtf8(progress);
}

bool BlockRowsShown(const Datasheet& sheet, const RowShown& shown) {
    const int first = std::min(sheet.row(), sheet.rowSel());
    const int last = std::max(sheet.row(), sheet.rowSel());
    return ShownRowsBetween(sheet, first, last, shown).size() == size_t(last - first + 1);
}

std::vector<int> ShownSortOrder(const Datasheet& sheet, const RowShown& shown,
                                Datasheet::SortKind kind, int& first) {
    first = std::min(sheet.row(), sheet.rowSel());
    int last = std::max(sheet.row(), sheet.rowSel());
    if (first == last) {
        first = 1;
        last = sheet.rows() - 1;
    }
    first = std::max(first, 1);
    if (!shown)
        return sheet.sortOrder(kind, first);
    const std::vector<int> rows = ShownRowsBetween(sheet, first, last, shown);
    if (rows.size() < 2)
        return {};
    Datasheet part;
    PickRows(sheet, rows, part);
    int partFirst = 1;
    const std::vector<int> partOrder = part.sortOrder(kind, partFirst);
    // Hidden rows keep their places; the shown ones take each other's.
    std::vector<int> order(size_t(last - first + 1));
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    for (size_t i = 0; i < partOrder.size(); ++i)
        order[size_t(rows[i] - first)] = rows[size_t(partOrder[i])] - first;
    return order;
}

} // namespace quillon
