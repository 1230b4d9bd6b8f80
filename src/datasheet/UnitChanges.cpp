#include "datasheet/UnitChanges.h"

#include "datasheet/CellNumber.h"
#include "datasheet/UnitEditing.h"

#include <algorithm>

namespace quillon {

namespace {

// Sets the texts of `edits` (their `after`, or their `before` walking
// backwards), one datasheet update per row.
template <typename Edits, typename Text>
void WriteEdits(Datasheet& sheet, const Edits& edits, Text text) {
    auto it = edits.begin();
    while (it != edits.end()) {
        const int row = it->row;
        Datasheet::Row cells = sheet.rowCells(row);
        for (; it != edits.end() && it->row == row; ++it)
            cells[size_t(it->col)] = text(*it);
        sheet.setRowCells(row, cells);
    }
}

void SetDescription(QStringList& descriptions, qsizetype index, const QString& text) {
    while (descriptions.size() <= index)
        descriptions.append(QString());
    descriptions[index] = text;
}

void SwapRow(Datasheet& sheet, RowEdit& edit) {
    Datasheet::Row shown = sheet.rowCells(edit.row);
    sheet.setRowCells(edit.row, edit.cells);
    edit.cells = std::move(shown);
}

QStringList CanonicalNumbers(int units) {
    QStringList numbers;
    numbers.reserve(units);
    for (int unit = 0; unit < units; ++unit)
        numbers.append(NumberText(unit));
    return numbers;
}

} // namespace

CellRange CellRange::selectedIn(const Datasheet& sheet) {
    return {sheet.row(), sheet.col(), sheet.rowSel(), sheet.colSel()};
}

void CellRange::selectIn(Datasheet& sheet) const {
    if (row >= 1)
        sheet.select(row, col, rowSel, colSel);
}

int UnitChange::rowAfter(int row, bool) const {
    return row;
}

// --- CellsChange ---------------------------------------------------------

std::unique_ptr<CellsChange> CellsChange::setting(const Datasheet& sheet,
                                                  const QStringList& descriptions,
                                                  std::vector<CellEdit> cells,
                                                  std::vector<DescriptionEdit> descriptionEdits) {
    std::unique_ptr<CellsChange> change(new CellsChange);
    for (CellEdit& edit : cells) {
        if (edit.row < 1 || edit.row >= sheet.rows() || edit.col < 0 ||
            edit.col >= Datasheet::ColumnCount)
            continue;
        edit.before = sheet.cell(edit.row, edit.col);
        if (edit.before != edit.after)
            change->cells_.push_back(std::move(edit));
    }
    std::stable_sort(change->cells_.begin(), change->cells_.end(),
                     [](const CellEdit& a, const CellEdit& b) { return a.row < b.row; });
    change->descriptionsBefore_ = change->descriptionsAfter_ = descriptions.size();
    for (DescriptionEdit& edit : descriptionEdits) {
        if (edit.index < 0)
            continue;
        edit.before = descriptions.value(edit.index);
        if (edit.before == edit.after)
            continue;
        change->descriptionsAfter_ = std::max(change->descriptionsAfter_, edit.index + 1);
        change->descriptions_.push_back(std::move(edit));
    }
    if (change->cells_.empty() && change->descriptions_.empty())
        return nullptr;
    if (!change->cells_.empty()) {
        const CellEdit& first = change->cells_.front();
        change->undoneRange = change->redoneRange =
            CellRange::cell(first.row, std::max(first.col, 1));
    }
    return change;
}

std::unique_ptr<CellsChange> CellsChange::done(int first, std::vector<int> order,
                                               std::vector<RowEdit> corrections) {
    bool moved = false;
    for (size_t i = 0; i < order.size() && !moved; ++i)
        moved = order[i] != int(i);
    if (!moved && corrections.empty())
        return nullptr;
    std::unique_ptr<CellsChange> change(new CellsChange);
    change->first_ = first;
    if (moved)
        change->order_ = std::move(order);
    change->rows_ = std::move(corrections);
    const auto byRow = [](const RowEdit& a, const RowEdit& b) { return a.row < b.row; };
    if (!std::is_sorted(change->rows_.begin(), change->rows_.end(), byRow))
        std::stable_sort(change->rows_.begin(), change->rows_.end(), byRow);
    return change;
}

std::vector<CellEdit> CellsChange::rowEdits(int row, const Datasheet::Row& cells) {
    std::vector<CellEdit> edits;
    edits.reserve(size_t(Datasheet::ColumnCount));
    for (int col = 0; col < Datasheet::ColumnCount; ++col)
        edits.push_back({row, col, {}, cells[size_t(col)]});
    return edits;
}

void CellsChange::redo(Datasheet& sheet, QStringList& descriptions) {
    if (!order_.empty())
        sheet.permuteRows(first_, order_);
    WriteEdits(sheet, cells_, [](const CellEdit& edit) { return edit.after; });
    for (RowEdit& edit : rows_)
        SwapRow(sheet, edit);
    for (const DescriptionEdit& edit : descriptions_)
        SetDescription(descriptions, edit.index, edit.after);
    while (descriptions.size() < descriptionsAfter_)
        descriptions.append(QString());
}

void CellsChange::undo(Datasheet& sheet, QStringList& descriptions) {
    // Backwards, so that two edits of one cell end on the first one's text.
    for (auto it = descriptions_.rbegin(); it != descriptions_.rend(); ++it)
        SetDescription(descriptions, it->index, it->before);
    if (descriptions.size() == descriptionsAfter_ && descriptionsBefore_ < descriptionsAfter_)
        descriptions.resize(descriptionsBefore_);
    for (auto it = rows_.rbegin(); it != rows_.rend(); ++it)
        SwapRow(sheet, *it);
    std::vector<CellEdit> backwards(cells_.rbegin(), cells_.rend());
    WriteEdits(sheet, backwards, [](const CellEdit& edit) { return edit.before; });
    if (!order_.empty()) {
        std::vector<int> inverse(order_.size());
        for (size_t i = 0; i < order_.size(); ++i)
            inverse[size_t(order_[i])] = int(i);
        sheet.permuteRows(first_, inverse);
    }
}

int CellsChange::rowAfter(int row, bool undone) const {
    const int offset = row - first_;
    if (order_.empty() || offset < 0 || size_t(offset) >= order_.size())
        return row;
    if (undone)
        return first_ + order_[size_t(offset)];
    const auto to = std::find(order_.begin(), order_.end(), offset);
    return first_ + int(to - order_.begin());
}

// --- BlockChange ---------------------------------------------------------

BlockChange::BlockChange(const Datasheet& sheet)
    : range_(CellRange::selectedIn(sheet)), top_(std::min(range_.row, range_.rowSel)),
      left_(std::min(range_.col, range_.colSel)), bottom_(std::max(range_.row, range_.rowSel)),
      right_(std::max(range_.col, range_.colSel)) {
    undoneRange = redoneRange = range_;
    other_.reserve(size_t(std::max(bottom_ - top_ + 1, 0)));
    for (int r = top_; r <= bottom_; ++r)
        other_.push_back(sheet.rowCells(r));
}

bool BlockChange::finish(const Datasheet& sheet) {
    size_t kept = 0;
    for (size_t i = 0; i < other_.size(); ++i) {
        const int row = top_ + int(i);
        if (sheet.rowCells(row) == other_[i])
            continue;
        changed_.push_back(row);
        if (kept != i)
            other_[kept] = std::move(other_[i]);
        ++kept;
    }
    other_.resize(kept);
    other_.shrink_to_fit();
    return !changed_.empty();
}

void BlockChange::swapBlock(Datasheet& sheet) {
    if (!changed_.empty()) {
        size_t next = 0;
        sheet.changeRows(changed_.front(), changed_.back(), [&](int row, Datasheet::Row& cells) {
            if (next == changed_.size() || changed_[next] != row)
                return;
            Datasheet::Row& other = other_[next++];
            Datasheet::Row shown = cells;
            cells.copyCells(other, left_, right_);
            other = std::move(shown);
        });
    }
    range_.selectIn(sheet);
}

void BlockChange::undo(Datasheet& sheet, QStringList&) {
    swapBlock(sheet);
}

void BlockChange::redo(Datasheet& sheet, QStringList&) {
    swapBlock(sheet);
}

// --- UnitRowChange -------------------------------------------------------

std::unique_ptr<UnitRowChange> UnitRowChange::run(Kind kind, Datasheet& sheet,
                                                  QStringList& descriptions) {
    std::unique_ptr<UnitRowChange> change(new UnitRowChange);
    change->kind_ = kind;
    change->selection_ = change->undoneRange = CellRange::selectedIn(sheet);
    const int row = sheet.row();
    const int units = sheet.rows() - 1;
    for (int r = 1; r <= units; ++r) {
        if (sheet.cell(r, 0) != NumberText(r - 1)) {
            for (int n = 1; n <= units; ++n)
                change->numbersBefore_.append(sheet.cell(n, 0));
            break;
        }
    }
    if (kind == Kind::Delete) {
        change->removed_ = sheet.rowCells(row);
        change->unitNumber_ = int(RoundHalfEven(CellNumber(sheet.cell(row, 0))));
    }
    const QStringList before = descriptions; // shared, not copied
    change->descriptionsSize_ = before.size();
    if (!change->perform(sheet, descriptions))
        return nullptr;
    change->redoneRange = CellRange::selectedIn(sheet);
    change->changedRow_ = kind == Kind::InsertAfter ? row + 1 : row;
    change->unitsAfter_ = sheet.rows() - 1;
    if (kind != Kind::Delete)
        change->unitNumber_ = change->changedRow_ - 1;

    // In unit-number order the descriptions only shift by one row; otherwise
    // they were rearranged by number, and the table is kept whole.
    const qsizetype shifted = change->changedRow_ - 1;
    change->keptDescription_ =
        before.value(kind == Kind::Delete ? shifted : qsizetype(change->unitsAfter_) - 1);
    QStringList back = descriptions;
    change->shiftBack(back, change->keptDescription_);
    if (back != before) {
        change->wholeTable_ = true;
        change->descriptionsBefore_ = before;
        change->keptDescription_.clear();
    }
    return change;
}

bool UnitRowChange::perform(Datasheet& sheet, QStringList& descriptions) const {
    switch (kind_) {
    case Kind::InsertAfter:
        return InsertUnitAfter(sheet, descriptions);
    case Kind::InsertBefore:
        return InsertUnitBefore(sheet, descriptions);
    case Kind::Delete:
        return DeleteUnit(sheet, descriptions);
    }
    return false;
}

void UnitRowChange::shiftBack(QStringList& descriptions, const QString& kept) const {
    const qsizetype at = changedRow_ - 1;
    if (kind_ == Kind::Delete) {
        descriptions.insert(std::min(at, descriptions.size()), kept);
        if (unitsAfter_ + 1 < descriptions.size())
            descriptions.removeAt(unitsAfter_ + 1);
    } else {
        if (at < descriptions.size())
            descriptions.removeAt(at);
        descriptions.insert(std::min(qsizetype(unitsAfter_) - 1, descriptions.size()), kept);
    }
    descriptions.resize(descriptionsSize_);
}

void UnitRowChange::undo(Datasheet& sheet, QStringList& descriptions) {
    if (kind_ == Kind::Delete) {
        sheet.addItem(QString(), changedRow_);
        sheet.setRowCells(changedRow_, removed_);
    } else {
        sheet.removeItem(changedRow_);
    }
    sheet.setColumnTexts(
        0, 1, numbersBefore_.isEmpty() ? CanonicalNumbers(sheet.rows() - 1) : numbersBefore_);
    if (wholeTable_)
        descriptions = descriptionsBefore_;
    else
        shiftBack(descriptions, keptDescription_);
    selection_.selectIn(sheet);
}

void UnitRowChange::redo(Datasheet& sheet, QStringList& descriptions) {
    selection_.selectIn(sheet);
    perform(sheet, descriptions);
}

// --- ChainChange ---------------------------------------------------------

void ChainChange::append(std::unique_ptr<UnitChange> change) {
    if (change)
        steps_.push_back(std::move(change));
}

void ChainChange::undo(Datasheet& sheet, QStringList& descriptions) {
    for (auto step = steps_.rbegin(); step != steps_.rend(); ++step)
        (*step)->undo(sheet, descriptions);
}

void ChainChange::redo(Datasheet& sheet, QStringList& descriptions) {
    for (const auto& step : steps_)
        step->redo(sheet, descriptions);
}

bool ChainChange::reorders() const {
    return std::any_of(steps_.begin(), steps_.end(),
                       [](const auto& step) { return step->reorders(); });
}

} // namespace quillon
