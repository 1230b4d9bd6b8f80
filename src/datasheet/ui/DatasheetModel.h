#pragma once

#include "datasheet/DatasheetRow.h"

#include <QAbstractTableModel>
#include <QHash>
#include <bitset>

namespace quillon {

class Datasheet;

// Shows a Datasheet to a QTableView: model row r is datasheet row r + 1,
// model column c is datasheet column c + 1. Row 0 (the headings) is the
// horizontal header and column 0 (the unit numbers) the vertical header.
// Follows the datasheet's signals with the narrowest notification each
// needs, so that a single cell change never resets a 32767-row view.
class DatasheetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DatasheetModel(Datasheet& sheet, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    Datasheet& sheet() const { return sheet_; }

    static QColor markColour(); // light blue of the current-unit mark

    // Headings show their full text as a tooltip while tooltips are on.
    void setHeadingTooltips(bool on);

    // Cells shown tinted, by datasheet row: bit c for column c, bit 0 for
    // the unit number. The current-unit mark shows over the tint.
    using CellTint = QHash<int, std::bitset<DatasheetRow::ColumnCount>>;
    void setTint(CellTint tint);
    const CellTint& tint() const { return tint_; }
    static QColor tintColour();

private:
    void onCellsChanged(int top, int left, int bottom, int right);
    void onRowsInserted(int first, int count);
    void onRowsRemoved(int first, int count);
    void onRowsReordered();
    void onReset();
    void onCurrentCellChanged();
    void refreshCell(int sheetRow, int sheetCol);

    Datasheet& sheet_;
    // The row count the views know about: the datasheet has already changed
    // when it signals, so the model answers from this until it has told them.
    int rows_ = 0;
    int markRow_ = -1, markCol_ = -1;
    bool headingTooltips_ = true;
    CellTint tint_;
};

} // namespace quillon
