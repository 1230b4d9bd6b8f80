#include "check/TakeValues.h"

#include <algorithm>
#include <set>

namespace quillon::check {

TakePlan PlanTake(const Comparison& comparison, const QStringList* descriptionsB,
                  const std::vector<DifferencePick>& picks) {
    TakePlan plan;
    std::set<std::pair<int, int>> taken; // the same cell picked twice is taken once
    std::set<int> addedUnits;
    for (const DifferencePick& pick : picks) {
        if (pick.unit < 0 || size_t(pick.unit) >= comparison.units.size())
            continue;
        const UnitDifference& unit = comparison.units[size_t(pick.unit)];
        if (unit.change == UnitPresence::OnlyInB) {
            addedUnits.insert(pick.unit);
            continue;
        }
        if (unit.change != UnitPresence::Changed)
            continue;
        const int first = pick.cell < 0 ? 0 : pick.cell;
        const int last = pick.cell < 0 ? int(unit.cells.size()) - 1 : pick.cell;
        for (int c = first; c <= last && size_t(c) < unit.cells.size(); ++c) {
            const CellChange& cell = unit.cells[size_t(c)];
            if (!taken.insert({unit.rowA, cell.column}).second)
                continue;
            if (cell.column == DescriptionColumn)
                plan.descriptions.push_back({unit.unitA, {}, cell.valueB});
            else
                plan.cells.push_back({unit.rowA, cell.column, {}, cell.valueB});
        }
    }
    std::sort(plan.cells.begin(), plan.cells.end(), [](const CellEdit& x, const CellEdit& y) {
        return std::pair(x.row, x.col) < std::pair(y.row, y.col);
    });
    // Units of B stand in B's order: inserted from the last, each before the
    // same unit of A, they come to stand in that order again.
    for (auto it = addedUnits.rbegin(); it != addedUnits.rend(); ++it) {
        const UnitDifference& unit = comparison.units[size_t(*it)];
        const int numberB = unit.unitB;
        const QString description = descriptionsB && numberB >= 0 && numberB < descriptionsB->size()
                                        ? (*descriptionsB)[numberB]
                                        : QString();
        plan.added.push_back({unit.unitA, unit.rowB, description});
    }
    return plan;
}

} // namespace quillon::check
