#pragma once

#include "check/UnitCompare.h"
#include "datasheet/UnitChanges.h"

#include <vector>

namespace quillon::check {

// An entry of a comparison's list: a unit's cell (or the unit whole, cell
// -1) by its index in Comparison::units and UnitDifference::cells.
struct DifferencePick {
    int unit = 0;
    int cell = -1;
};

// What taking the other file's (B's) values for some entries of a
// comparison writes into the open file (A).
struct TakePlan {
    std::vector<CellEdit> cells; // rows of A, in row and column order
    std::vector<DescriptionEdit> descriptions;
    // Units only in B, to insert before A's unit `unitA` (after A's last
    // unit when none has that number), in the order to insert them: the
    // last first, so that each one's place is still where it was found.
    struct Added {
        int unitA = 0;
        int rowB = 0;
        QString description; // empty when descriptions were not compared
    };
    std::vector<Added> added;

    bool empty() const { return cells.empty() && descriptions.empty() && added.empty(); }
};

// Units only in A are left alone: taking them would delete them.
TakePlan PlanTake(const Comparison& comparison, const QStringList* descriptionsB,
                  const std::vector<DifferencePick>& picks);

} // namespace quillon::check
