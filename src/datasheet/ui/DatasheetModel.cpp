#include "datasheet/ui/DatasheetModel.h"

#include "datasheet/Datasheet.h"
#include "i18n/Language.h"

#include <QColor>

namespace quillon {

DatasheetModel::DatasheetModel(Datasheet& sheet, QObject* parent)
    : QAbstractTableModel(parent), sheet_(sheet), rows_(sheet.rows() - 1) {
    connect(&sheet_, &Datasheet::cellsChanged, this, &DatasheetModel::onCellsChanged);
    connect(&sheet_, &Datasheet::rowsInserted, this, &DatasheetModel::onRowsInserted);
    connect(&sheet_, &Datasheet::rowsRemoved, this, &DatasheetModel::onRowsRemoved);
    connect(&sheet_, &Datasheet::rowsReordered, this, &DatasheetModel::onRowsReordered);
    connect(&sheet_, &Datasheet::reset, this, &DatasheetModel::onReset);
    connect(&sheet_, &Datasheet::currentCellChanged, this, &DatasheetModel::onCurrentCellChanged);
    markRow_ = sheet_.markedRow();
    markCol_ = sheet_.markedCol();
}

QColor DatasheetModel::markColour() {
    return QColor(192, 255, 255);
}

QColor DatasheetModel::tintColour() {
    return QColor(255, 214, 153);
}

void DatasheetModel::setTint(CellTint tint) {
    if (tint_.isEmpty() && tint.isEmpty())
        return;
    tint_ = std::move(tint);
    // Repaints only: the views keep their selection and scroll position.
    if (rows_ > 0) {
        emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1), {Qt::BackgroundRole});
        emit headerDataChanged(Qt::Vertical, 0, rows_ - 1);
    }
}

void DatasheetModel::setHeadingTooltips(bool on) {
    headingTooltips_ = on;
}

int DatasheetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int DatasheetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Datasheet::ColumnCount - 1;
}

QVariant DatasheetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_)
        return {};
    const int row = index.row() + 1;
    const int col = index.column() + 1;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return sheet_.cell(row, col);
    case Qt::BackgroundRole:
        if (row == sheet_.markedRow() && col == sheet_.markedCol())
            return markColour();
        if (!tint_.isEmpty()) {
            const auto tinted = tint_.constFind(row);
            if (tinted != tint_.constEnd() && tinted->test(size_t(col)))
                return tintColour();
        }
        return {};
    case Qt::TextAlignmentRole: {
        const auto layout = i18n::ColumnLayoutFor(col, sheet_.cell(0, col));
        return int((layout.leftAligned ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    }
    default:
        return {};
    }
}

QVariant DatasheetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= columnCount())
            return {};
        // The full heading, as a narrow column cuts it short.
        if (role == Qt::DisplayRole || (role == Qt::ToolTipRole && headingTooltips_))
            return sheet_.cell(0, section + 1);
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        return {};
    }
    if (section < 0 || section >= rows_)
        return {};
    if (role == Qt::DisplayRole)
        return sheet_.cell(section + 1, 0);
    if (role == Qt::BackgroundRole && !tint_.isEmpty()) {
        const auto tinted = tint_.constFind(section + 1);
        if (tinted != tint_.constEnd() && tinted->test(0))
            return tintColour();
    }
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags DatasheetModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    // Cells are changed through the form view and paste, never typed in the grid.
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void DatasheetModel::onCellsChanged(int top, int left, int bottom, int right) {
    if (top > bottom || left > right)
        return;
    if (top == 0)
        emit headerDataChanged(Qt::Horizontal, qMax(left, 1) - 1, right - 1);
    if (left == 0 && bottom >= 1)
        emit headerDataChanged(Qt::Vertical, qMax(top, 1) - 1, qMin(bottom, rows_) - 1);
    const int firstRow = qMax(top, 1) - 1;
    const int lastRow = qMin(bottom, rows_) - 1;
    const int firstCol = qMax(left, 1) - 1;
    const int lastCol = right - 1;
    if (firstRow <= lastRow && firstCol <= lastCol)
        emit dataChanged(index(firstRow, firstCol), index(lastRow, lastCol),
                         {Qt::DisplayRole, Qt::EditRole});
    // A changed heading can change a column's alignment.
    if (top == 0 && rows_ > 0 && firstCol <= lastCol)
        emit dataChanged(index(0, firstCol), index(rows_ - 1, lastCol), {Qt::TextAlignmentRole});
}

void DatasheetModel::onRowsInserted(int first, int count) {
    if (count <= 0)
        return;
    const int at = qBound(0, first - 1, rows_);
    beginInsertRows({}, at, at + count - 1);
    rows_ += count;
    endInsertRows();
}

void DatasheetModel::onRowsRemoved(int first, int count) {
    if (count <= 0)
        return;
    const int at = qBound(0, first - 1, rows_ - 1);
    const int last = qMin(at + count, rows_) - 1;
    if (last < at)
        return;
    beginRemoveRows({}, at, last);
    rows_ -= last - at + 1;
    endRemoveRows();
}

void DatasheetModel::onRowsReordered() {
    // Positions keep their meaning through a sort (the current cell stays on
    // its row number), so only the texts change.
    if (rows_ <= 0)
        return;
    emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
    emit headerDataChanged(Qt::Vertical, 0, rows_ - 1);
}

void DatasheetModel::onReset() {
    beginResetModel();
    rows_ = sheet_.rows() - 1;
    endResetModel();
}

void DatasheetModel::refreshCell(int sheetRow, int sheetCol) {
    if (sheetRow < 1 || sheetCol < 1 || sheetRow > rows_)
        return;
    const QModelIndex cell = index(sheetRow - 1, sheetCol - 1);
    emit dataChanged(cell, cell, {Qt::BackgroundRole});
}

void DatasheetModel::onCurrentCellChanged() {
    if (markRow_ == sheet_.markedRow() && markCol_ == sheet_.markedCol())
        return;
    const int oldRow = markRow_, oldCol = markCol_;
    markRow_ = sheet_.markedRow();
    markCol_ = sheet_.markedCol();
    refreshCell(oldRow, oldCol);
    refreshCell(markRow_, markCol_);
}

} // namespace quillon
