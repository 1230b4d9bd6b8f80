#include "datasheet/ui/DatasheetFilter.h"

#include "datasheet/Datasheet.h"
#include "datasheet/ui/DatasheetModel.h"

namespace quillon {

DatasheetFilter::DatasheetFilter(DatasheetModel& source, QObject* parent)
    : QSortFilterProxyModel(parent), sheet_(source.sheet()) {
    setDynamicSortFilter(false);
    setSourceModel(&source);
    connect(&sheet_, &Datasheet::rowsReordered, this, [this] {
        if (active())
            invalidate();
    });
}

void DatasheetFilter::setFilter(UnitFilter filter) {
    const bool wasActive = active();
    filter_ = std::move(filter);
    // One layout change for the whole grid: row-by-row removals would cost
    // the view time in proportion to the rows times the gaps.
    if (wasActive || active())
        invalidate();
}

bool DatasheetFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    return filter_.matches(sheet_, sourceRow + 1);
}

int DatasheetFilter::viewRow(int sheetRow) const {
    if (sheetRow < 1 || sheetRow > sourceModel()->rowCount())
        return -1;
    return mapFromSource(sourceModel()->index(sheetRow - 1, 0)).row();
}

int DatasheetFilter::sheetRow(int viewRow) const {
    if (viewRow < 0 || viewRow >= rowCount())
        return -1;
    return mapToSource(index(viewRow, 0)).row() + 1;
}

// Grid rows keep the datasheet's order, so a binary search finds the place.
int DatasheetFilter::viewRowFrom(int sheetRow) const {
    int low = 0, high = rowCount();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (this->sheetRow(middle) < sheetRow)
            low = middle + 1;
        else
            high = middle;
    }
    return low < rowCount() ? low : -1;
}

int DatasheetFilter::viewRowUpTo(int sheetRow) const {
    const int from = viewRowFrom(sheetRow + 1);
    const int before = (from < 0 ? rowCount() : from) - 1;
    return before;
}

std::vector<int> DatasheetFilter::shownRows() const {
    std::vector<int> rows;
    rows.reserve(size_t(rowCount()));
    for (int row = 0; row < rowCount(); ++row)
        rows.push_back(sheetRow(row));
    return rows;
}

RowShown DatasheetFilter::rowShown() const {
    if (!active())
        return {};
    return [this](int row) { return viewRow(row) >= 0; };
}

} // namespace quillon
