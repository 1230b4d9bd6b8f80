#pragma once

#include "datasheet/FilterCondition.h"
#include "datasheet/ShownRows.h"

#include <QSortFilterProxyModel>
#include <vector>

namespace quillon {

class Datasheet;
class DatasheetModel;

// The rows of the datasheet that the filter shows, in datasheet order: the
// grid's model. It keeps no copy of the units; the datasheet stays their
// only store. Edits do not re-filter (a pasted value that no longer matches
// stays on show until the filter changes), so what the user works on does
// not vanish under the mouse; a reordering of all rows (a save sorts them)
// does.
class DatasheetFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit DatasheetFilter(DatasheetModel& source, QObject* parent = nullptr);

    // Takes a new filter and re-filters every row in one step.
    void setFilter(UnitFilter filter);
    const UnitFilter& filter() const { return filter_; }
    bool active() const { return filter_.isActive(); }

    // Datasheet rows <-> rows of the grid (-1 where a unit is hidden).
    int viewRow(int sheetRow) const;
    int sheetRow(int viewRow) const;
    // The first grid row at or below datasheet row `sheetRow`, the last at or
    // above it; -1 when there is none.
    int viewRowFrom(int sheetRow) const;
    int viewRowUpTo(int sheetRow) const;
    std::vector<int> shownRows() const;
    // Empty while no filter is active.
    RowShown rowShown() const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    Datasheet& sheet_;
    UnitFilter filter_;
};

} // namespace quillon
