#pragma once

#include <QHash>
#include <QTableView>

namespace quillon {

class Datasheet;
class DatasheetFilter;
class DatasheetModel;

// The datasheet grid ("MSFlexGrid1"): unit cells in a QTableView whose
// horizontal header is the heading row and whose vertical header is the
// grey unit-number column. The view's selection and the datasheet's
// Row/Col/RowSel/ColSel are kept in step both ways: a click on a number
// cell selects columns 1..73 of that unit, a click on a heading that column
// for every unit, the corner button every unit, columns 1..73. The grid
// shows the rows its filter lets through.
class DatasheetView : public QTableView {
    Q_OBJECT
public:
    explicit DatasheetView(Datasheet& sheet, QWidget* parent = nullptr);

    Datasheet& sheet() const { return sheet_; }
    DatasheetModel* datasheetModel() const { return model_; }
    DatasheetFilter* filter() const { return filter_; }

    // Column widths (twips scaled by the screen's dpi) and the number
    // column's width from the headings now in row 0.
    void applyColumnLayout();
    int twipsToPixels(int twips) const;
    int columnPixels(int col) const; // the width column `col` is laid out with

    // Scrolls so that datasheet row `row` is the first visible row (when
    // the filter shows it).
    void scrollToRowTop(int row);
    // Scrolls as little as needed to show the current cell.
    void showCurrentCell();

signals:
    // Right mouse button pressed on the grid, with the keys held.
    void sortRequested(Qt::KeyboardModifiers modifiers);
    // Double-click on a unit cell, or Enter: show the current unit in the form.
    void unitChosen();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void takeSelectionFromView();
    void showSheetSelection();
    void selectAllUnits();
    bool paintCorner(QWidget* corner);

    Datasheet& sheet_;
    DatasheetModel* model_;
    DatasheetFilter* filter_;
    QWidget* corner_ = nullptr;
    bool syncing_ = false;
    bool rowsMoving_ = false;
    bool layingOut_ = false;
    QHash<int, int> userWidths_; // model column -> width the user dragged
    // Where the mouse selection being made began.
    enum class PressedOn { Cells, NumberCells, Headings };
    PressedOn pressedOn_ = PressedOn::Cells;
};

} // namespace quillon
