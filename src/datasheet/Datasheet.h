#pragma once

#include "datasheet/DatasheetRow.h"
#include "platform/Progress.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <algorithm>
#include <array>
#include <vector>

namespace quillon {

// The grid of text cells that holds every unit while the editor runs:
// 74 columns, row 0 the headings, column 0 the unit number, rows 1..N the
// units in display order. It has the semantics of a flex grid (current cell,
// selected block, block text, add/remove row, sort) and no widgets; the UI
// shows it through an item model that listens to the signals below.
class Datasheet : public QObject {
    Q_OBJECT
public:
    static constexpr int ColumnCount = DatasheetRow::ColumnCount;
    static constexpr int MaxUnits = 32767;
    using Row = DatasheetRow;

    enum SortKind {
        NumericAscending = 3,
        NumericDescending = 4,
        TextAscending = 5,
        TextDescending = 6
    };

    explicit Datasheet(QObject* parent = nullptr); // one (heading) row

    int rows() const { return int(units_.size()) + 1; }
    void setRows(int count); // keeps existing cells; new rows are empty; at least 1

    QString cell(int row, int col) const;
    void setCell(int row, int col, const QString& text);
    const Row& rowCells(int row) const; // a row out of range reads as empty cells
    void setRowCells(int row, const Row& cells);
    // Lets `change(row, cells)` alter the cells of rows top..bottom in
    // place, then tells of it in one step.
    template <typename Change> void changeRows(int top, int bottom, Change change) {
        top = std::max(top, 0);
        bottom = std::min(bottom, rows() - 1);
        if (top > bottom)
            return;
        for (int row = top; row <= bottom; ++row)
            change(row, at(row));
        emit cellsChanged(top, 0, bottom, ColumnCount - 1);
    }
    // Writes texts[i] into cell (firstRow + i, col), in one step (renumbering).
    void setColumnTexts(int col, int firstRow, const QStringList& texts);
    // Replaces every row below the heading row in one step (loading); the
    // rows are taken over, not copied.
    void replaceUnitRows(std::vector<Row> unitRows);

    // Current cell and selected block. Setting Row or Col makes the selected
    // block that single cell; RowSel/ColSel move the block's second corner.
    int row() const { return row_; }
    int col() const { return col_; }
    int rowSel() const { return rowSel_; }
    int colSel() const { return colSel_; }
    void setRow(int row);
    void setCol(int col);
    void setRowSel(int row);
    void setColSel(int col);
    // Sets the current cell and the block's second corner in one step.
    void select(int row, int col, int rowSel, int colSel);

    // Text of the current cell.
    QString text() const { return cell(row_, col_); }
    void setText(const QString& text) { setCell(row_, col_, text); }

    // Block text: cells of a row joined by TAB, rows joined by CR, nothing
    // after the last cell or row. Setting it lays such a text onto the
    // selected block from its top-left cell; text beyond the block is
    // ignored, cells the text does not reach keep their contents.
    QString clip() const { return QString::fromUtf8(clipUtf8()); }
    void setClip(QStringView text) { setClipUtf8(text.toUtf8()); }
    // The same in UTF-8, as the clipboard holds it: made and read without a
    // UTF-16 copy of the whole text.
    QByteArray clipUtf8(const platform::Progress& progress = {}) const;
    void setClipUtf8(QByteArrayView text, const platform::Progress& progress = {});

    // Inserts a row at `index` whose cells are the TAB-separated pieces of
    // `text` from column 0 on (missing cells empty).
    void addItem(QStringView text, int index);
    void removeItem(int index);
    void clear(); // empties every cell, row count unchanged

    // Sorts the rows Row..RowSel (all unit rows when they are the same row)
    // on the key columns Col..ColSel, leftmost first. The heading row never
    // moves. Numeric kinds compare CellNumber, text kinds ignore case.
    void sort(SortKind kind);
    // The order sort(kind) gives the rows first..first + order.size() - 1,
    // without moving them: order[i] is the offset from `first` of the row
    // that comes to offset i. Empty when the range holds fewer than two rows.
    std::vector<int> sortOrder(SortKind kind, int& first) const;
    // Moves row first + order[i] to first + i for every i in one step, as a
    // sort does; nothing happens unless `order` is a permutation of the
    // offsets of unit rows.
    void permuteRows(int first, const std::vector<int>& order);

    // The current-unit mark (light blue): the unit cell (row >= 1, col >= 1)
    // that became current last, or -1/-1 once the mark was removed.
    int markedRow() const { return markedRow_; }
    int markedCol() const { return markedCol_; }
    void clearMark();

signals:
    void cellsChanged(int top, int left, int bottom, int right);
    void rowsInserted(int first, int count);
    void rowsRemoved(int first, int count);
    void rowsReordered();      // a sort
    void reset();              // row count changed by setRows/replaceUnitRows
    void currentCellChanged(); // also when only the mark moved or was removed

private:
    void updateMark();
    int clampRow(int row) const;
    static int clampCol(int col);
    // Emits currentCellChanged when the current cell, block or mark differ
    // from the given earlier state.
    void notifyIfMoved(const std::array<int, 6>& before);
    std::array<int, 6> cursorState() const;

    Row& at(int row) { return row == 0 ? headings_ : units_[size_t(row - 1)]; }
    const Row& at(int row) const { return row == 0 ? headings_ : units_[size_t(row - 1)]; }

    Row headings_;           // row 0
    std::vector<Row> units_; // rows 1..N
    int row_ = 0, col_ = 0, rowSel_ = 0, colSel_ = 0;
    int markedRow_ = -1, markedCol_ = -1;
};

} // namespace quillon
