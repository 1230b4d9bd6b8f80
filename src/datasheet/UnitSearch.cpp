#include "datasheet/UnitSearch.h"

#include "datasheet/CellNumber.h"
#include "datasheet/Datasheet.h"
#include "datasheet/TextFolding.h"

#include <algorithm>

namespace quillon {

namespace {

constexpr int NameColumn = 1;

struct Matcher {
    const Datasheet& sheet;
    const QStringList& descriptions;
    QString folded;
    bool everywhere;

    bool holds(const QString& text) const { return FoldedText(text).contains(folded); }

    // The column that matched, 0 for none.
    int column(int row) const {
        if (holds(sheet.cell(row, NameColumn)))
            return NameColumn;
        if (!everywhere)
            return 0;
        for (int col = NameColumn + 1; col < Datasheet::ColumnCount; ++col)
            if (holds(sheet.cell(row, col)))
                return col;
        const std::int64_t number = RoundHalfEven(CellNumber(sheet.cell(row, 0)));
        if (number >= 0 && number < descriptions.size() && holds(descriptions[qsizetype(number)]))
            return NameColumn;
        return 0;
    }
};

} // namespace

FoundUnit FindUnit(const Datasheet& sheet, const QStringList& descriptions, const QString& query,
                   bool everywhere, const std::vector<int>& rows, int current, bool backwards) {
    const Matcher matcher{sheet, descriptions, FoldedText(query.trimmed()), everywhere};
    const int count = int(rows.size());
    if (matcher.folded.isEmpty() || count == 0)
        return {};
    // Where the current unit stands among the rows (or would, when hidden).
    const auto at = std::lower_bound(rows.begin(), rows.end(), current);
    const int position = int(at - rows.begin());
    const bool onShow = at != rows.end() && *at == current;
    const int first = backwards ? position - 1 : (onShow ? position + 1 : position);
    for (int step = 0; step < count; ++step) {
        const int k = backwards ? first - step : first + step;
        const int index = ((k % count) + count) % count;
        if (const int col = matcher.column(rows[size_t(index)]))
            return {rows[size_t(index)], col, k < 0 || k >= count};
    }
    return {};
}

} // namespace quillon
