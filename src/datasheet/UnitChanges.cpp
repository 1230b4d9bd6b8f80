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
    std::stable_sort(change->rows_.begin(), change->rows_.end(),
                     [](const RowEdit& a, const RowEdit& b) { return a.row < b.row; });
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
    for (const RowEdit& edit : rows_)
        sheet.setRowCells(edit.row, edit.after);
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
        sheet.setRowCells(it->row, it->before);
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
    textBefore_ = sheet.clip();
    // The block text reads back exactly when its separators are the block's own.
    qsizetype tabs = 0, returns = 0, feeds = 0;
    for (const QChar c : std::as_const(textBefore_)) {
        tabs += c == u'\t';
        returns += c == u'\r';
        feeds += c == u'\n';
    }
    const qsizetype rows = bottom_ - top_ + 1, cols = right_ - left_ + 1;
    if (tabs != rows * (cols - 1) || returns != rows - 1 || feeds != 0) {
        textBefore_.clear();
        rowsBefore_ = blockRows(sheet);
    }
}

std::vector<Datasheet::Row> BlockChange::blockRows(const Datasheet& sheet) const {
    std::vector<Datasheet::Row> rows;
    for (int r = top_; r <= bottom_; ++r)
        rows.push_back(sheet.rowCells(r));
    return rows;
}

bool BlockChange::finish(const Datasheet& sheet) {
    if (!rowsBefore_.empty()) {
        rowsAfter_ = blockRows(sheet);
        return rowsAfter_ != rowsBefore_;
    }
    // A paste lays no TAB, CR or LF into a cell: the text after reads back
    // too. Runs of changed rows keep their lines; unchanged rows nothing.
    QString after = sheet.clip();
    struct Span {
        qsizetype before, after;
    };
    std::vector<std::pair<Span, Span>> spans; // each run's start and end in both texts
    Span line{0, 0};
    for (int row = 0; row <= bottom_ - top_; ++row) {
        qsizetype beforeEnd = textBefore_.indexOf(u'\r', line.before);
        qsizetype afterEnd = after.indexOf(u'\r', line.after);
        beforeEnd = beforeEnd < 0 ? textBefore_.size() : beforeEnd;
        afterEnd = afterEnd < 0 ? after.size() : afterEnd;
        if (QStringView(textBefore_).sliced(line.before, beforeEnd - line.before) !=
            QStringView(after).sliced(line.after, afterEnd - line.after)) {
            if (runs_.empty() || runs_.back().first + runs_.back().count != row) {
                runs_.push_back({row, 0, {}, {}});
                spans.push_back({line, line});
            }
            ++runs_.back().count;
            spans.back().second = {beforeEnd, afterEnd};
        }
        line = {beforeEnd + 1, afterEnd + 1};
    }
    if (runs_.size() == 1 && runs_[0].count == bottom_ - top_ + 1) {
        runs_[0].before = std::move(textBefore_); // the whole block, not copied
        runs_[0].after = std::move(after);
        return true;
    }
    for (size_t i = 0; i < runs_.size(); ++i) {
        const auto& [from, to] = spans[i];
        runs_[i].before = textBefore_.sliced(from.before, to.before - from.before);
        runs_[i].after = after.sliced(from.after, to.after - from.after);
    }
    textBefore_.clear();
    return !runs_.empty();
}

void BlockChange::write(Datasheet& sheet, bool after) const {
    for (const Run& run : runs_) {
        sheet.select(top_ + run.first, left_, top_ + run.first + run.count - 1, right_);
        sheet.setClip(after ? run.after : run.before);
    }
    const std::vector<Datasheet::Row>& rows = after ? rowsAfter_ : rowsBefore_;
    for (size_t i = 0; i < rows.size(); ++i) {
        const int row = top_ + int(i);
        Datasheet::Row cells = sheet.rowCells(row);
        for (int col = left_; col <= right_; ++col)
            cells[size_t(col)] = rows[i][size_t(col)];
        sheet.setRowCells(row, cells);
    }
    range_.selectIn(sheet);
}

void BlockChange::undo(Datasheet& sheet, QStringList&) {
    write(sheet, false);
}

void BlockChange::redo(Datasheet& sheet, QStringList&) {
    write(sheet, true);
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

} // namespace quillon
