#pragma once

#include "datasheet/Datasheet.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace quillon {

// A current cell and the selected block's second corner, as the datasheet
// keeps them. Row 0 means none: nothing to select.
struct CellRange {
    int row = 0, col = 0, rowSel = 0, colSel = 0;
    static CellRange selectedIn(const Datasheet& sheet);
    static CellRange cell(int row, int col) { return {row, col, row, col}; }
    void selectIn(Datasheet& sheet) const;
    bool operator==(const CellRange&) const = default;
};

struct CellEdit {
    int row = 0;
    int col = 0;
    QString before;
    QString after;
};

// A whole row as it was before a change that is done: what a save
// corrects, often in every unit, kept without a text per cell.
struct RowEdit {
    int row = 0;
    Datasheet::Row cells;
};

// An entry of the long descriptions, by unit number.
struct DescriptionEdit {
    qsizetype index = 0;
    QString before;
    QString after;
};

// One change to the units that can be taken back and done again: their
// rows in the datasheet and their long descriptions. Undo restores exactly
// what was there before, redo exactly what was there after.
class UnitChange {
public:
    virtual ~UnitChange() = default;
    virtual void undo(Datasheet& sheet, QStringList& descriptions) = 0;
    virtual void redo(Datasheet& sheet, QStringList& descriptions) = 0;
    // The order of rows changes (and nothing else, for reordersOnly: what a
    // save writes stays the same).
    virtual bool reorders() const { return false; }
    virtual bool reordersOnly() const { return false; }
    // Where a unit that stood in `row` stands after undo (or redo).
    virtual int rowAfter(int row, bool undone) const;

    // The cells to make current once the change is undone or redone.
    CellRange undoneRange;
    CellRange redoneRange;
};

// Cells and descriptions set to new texts, after the rows first.. were
// reordered: a form commit, a sort, what a save corrects, any "set these
// cells" from elsewhere.
class CellsChange : public UnitChange {
public:
    // A change still to be done: every edit's `before` is read from the
    // current texts and edits that would change nothing are dropped. Null
    // when nothing would change. Its ranges show the first edited cell.
    static std::unique_ptr<CellsChange> setting(const Datasheet& sheet,
                                                const QStringList& descriptions,
                                                std::vector<CellEdit> cells,
                                                std::vector<DescriptionEdit> descriptionEdits);
    // A change already done: rows first.. put in `order` (as permuteRows
    // takes it), then the rows of `corrections` rewritten (their cells as
    // they were before). Null when nothing changed.
    static std::unique_ptr<CellsChange> done(int first, std::vector<int> order,
                                             std::vector<RowEdit> corrections);
    // Edits that set every cell of `row` to `cells`.
    static std::vector<CellEdit> rowEdits(int row, const Datasheet::Row& cells);

    void undo(Datasheet& sheet, QStringList& descriptions) override;
    void redo(Datasheet& sheet, QStringList& descriptions) override;
    bool reorders() const override { return !order_.empty(); }
    bool reordersOnly() const override {
        return cells_.empty() && rows_.empty() && descriptions_.empty();
    }
    int rowAfter(int row, bool undone) const override;

private:
    void writeCells(Datasheet& sheet, bool after) const;

    int first_ = 1;
    std::vector<int> order_; // empty: no reordering
    std::vector<CellEdit> cells_;
    // By row, after the cells: each row as it is on the other side of the
    // step, swapped with the datasheet's by undo and redo, so that one copy
    // of the rows serves both.
    std::vector<RowEdit> rows_;
    std::vector<DescriptionEdit> descriptions_;
    qsizetype descriptionsBefore_ = 0; // the table's size, which a new entry grows
    qsizetype descriptionsAfter_ = 0;
};

// A block of cells overwritten at once (a paste). Only the rows that
// changed are kept, in the datasheet's own compact form, and only as they
// are on the other side of the step: undo and redo swap them with the
// datasheet's. A paste over every unit costs a few hundred bytes a unit.
class BlockChange : public UnitChange {
public:
    // Before the selected block is written: keeps what it holds.
    explicit BlockChange(const Datasheet& sheet);
    // After it was written: keeps what changed. False when nothing did.
    bool finish(const Datasheet& sheet);

    void undo(Datasheet& sheet, QStringList& descriptions) override;
    void redo(Datasheet& sheet, QStringList& descriptions) override;

private:
    void swapBlock(Datasheet& sheet);

    CellRange range_;
    int top_ = 0, left_ = 0, bottom_ = 0, right_ = 0;
    // The changed rows, ascending, and their cells on the other side of the
    // step; until finish() `other_` holds every row of the block.
    std::vector<int> changed_;
    std::vector<Datasheet::Row> other_;
};

// A unit inserted before or after the current one, or the current one
// deleted, with the renumbering and the descriptions that move along.
class UnitRowChange : public UnitChange {
public:
    enum class Kind { InsertAfter, InsertBefore, Delete };
    // Does it on the current unit (as InsertUnitAfter and the others do) and
    // keeps what taking it back needs. Null when it was refused.
    static std::unique_ptr<UnitRowChange> run(Kind kind, Datasheet& sheet,
                                              QStringList& descriptions);

    void undo(Datasheet& sheet, QStringList& descriptions) override;
    void redo(Datasheet& sheet, QStringList& descriptions) override;

    Kind kind() const { return kind_; }
    int changedRow() const { return changedRow_; } // the row inserted or deleted
    int unitNumber() const { return unitNumber_; } // the unit inserted or deleted

private:
    bool perform(Datasheet& sheet, QStringList& descriptions) const;
    // The descriptions as they were, from the ones after, when only the
    // shift by one moved them; `kept` is the one text the shift loses.
    void shiftBack(QStringList& descriptions, const QString& kept) const;

    Kind kind_ = Kind::InsertAfter;
    CellRange selection_; // before the change
    int changedRow_ = 0;
    int unitNumber_ = 0;
    int unitsAfter_ = 0;
    Datasheet::Row removed_;
    QStringList numbersBefore_; // column 0, when it did not read " 0", " 1", ...
    QString keptDescription_;
    bool wholeTable_ = false; // descriptionsBefore_ holds the table whole
    QStringList descriptionsBefore_;
    qsizetype descriptionsSize_ = 0;
};

// Changes made one after another (each done before the next was made), taken
// back in reverse and done again in order as one step.
class ChainChange : public UnitChange {
public:
    void append(std::unique_ptr<UnitChange> change);
    bool empty() const { return steps_.empty(); }

    void undo(Datasheet& sheet, QStringList& descriptions) override;
    void redo(Datasheet& sheet, QStringList& descriptions) override;
    bool reorders() const override;

private:
    std::vector<std::unique_ptr<UnitChange>> steps_;
};

} // namespace quillon
