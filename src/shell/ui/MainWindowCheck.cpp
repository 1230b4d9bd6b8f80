// The unit check's window and the comparison with another equipment file:
// its tint in the datasheet, its list, and taking the other file's values.
#include "check/TakeValues.h"
#include "check/UnitCheck.h"
#include "check/ui/CheckWindow.h"
#include "check/ui/CompareWindow.h"
#include "datasheet/CellNumber.h"
#include "datasheet/UnitEditing.h"
#include "datasheet/ui/DatasheetFilter.h"
#include "datasheet/ui/DatasheetModel.h"
#include "datasheet/ui/DatasheetPage.h"
#include "datasheet/ui/DatasheetView.h"
#include "equipment/EquipmentFiles.h"
#include "formview/ui/FormView.h"
#include "gamedata/TextLists.h"
#include "i18n/Messages.h"
#include "platform/Dialogs.h"
#include "shell/ui/FolderDialogs.h"
#include "shell/ui/MainWindow.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QUndoStack>

namespace quillon {

namespace {

int UnitNumber(const Datasheet& sheet, int row) {
    return int(RoundHalfEven(CellNumber(sheet.cell(row, 0))));
}

// The row that holds unit `unit`: `row` when it still does, else the first
// that does; 0 when none.
int RowOfNumber(const Datasheet& sheet, int row, int unit) {
    if (row >= 1 && row < sheet.rows() && UnitNumber(sheet, row) == unit)
        return row;
    for (int r = 1; r < sheet.rows(); ++r)
        if (UnitNumber(sheet, r) == unit)
            return r;
    return 0;
}

QStringList Headings(const Datasheet& sheet) {
    const Datasheet::Row& row = sheet.rowCells(0);
    QStringList headings;
    for (int col = 0; col < Datasheet::ColumnCount; ++col)
        headings.append(row[size_t(col)]);
    return headings;
}

DatasheetModel::CellTint TintOf(const check::Comparison& comparison) {
    DatasheetModel::CellTint tint;
    for (const check::UnitDifference& unit : comparison.units) {
        if (unit.rowA < 0)
            continue;
        auto& columns = tint[unit.rowA];
        columns.set(0); // the unit number marks every unit that differs
        if (unit.change == check::UnitPresence::OnlyInA)
            columns.set();
        for (const check::CellChange& cell : unit.cells)
            if (cell.column < Datasheet::ColumnCount)
                columns.set(size_t(cell.column));
    }
    return tint;
}

} // namespace

void MainWindow::buildCheckAndCompare(QMenu* edit) {
    edit->addSeparator();
    addMenuAction(edit, "mnu_check", QKeySequence(), std::bind_front(&MainWindow::runCheck, this));
    compareTimer_ = new QTimer(this);
    compareTimer_->setSingleShot(true);
    connect(compareTimer_, &QTimer::timeout, this, &MainWindow::refreshComparison);
    // Any change to the units, taken back or done again, moves the differences.
    connect(undoStack_, &QUndoStack::indexChanged, this, [this] {
        if (other_)
            compareTimer_->start(0);
    });
}

void MainWindow::runCheck() {
    if (!state_.FileLoaded)
        return;
    if (!checkWindow_) {
        checkWindow_ = new CheckWindow(this);
        checkWindow_->applyCaptions(state_.language());
        connect(checkWindow_, &CheckWindow::refreshRequested, this, &MainWindow::runCheck);
        connect(checkWindow_, &ReportWindow::entryChosen, this, [this](int entry) {
            const check::Problem& problem = checkWindow_->problem(entry);
            goToUnitCell(problem.row, problem.unit, problem.column);
        });
    }
    {
        platform::LongStep busy = longStep(i18n::msg::ProgressCheck);
        const check::CheckReport report =
            check::CheckUnits(state_.datasheet, check::ReferenceOf(state_), busy.progress());
        checkWindow_->showReport(report, Headings(state_.datasheet), state_.language());
    }
    checkWindow_->show();
    checkWindow_->raise();
    checkWindow_->activateWindow();
}

void MainWindow::goToUnitCell(int row, int unit, int column) {
    Datasheet& sheet = state_.datasheet;
    row = RowOfNumber(sheet, row, unit);
    if (row < 1)
        return;
    activateWindow();
    raise();
    if (!datasheetShown()) {
        formView_->commitAndShow(row);
        return;
    }
    // A filter that hides the unit is cleared; one that shows it stays.
    if (datasheetPage_->filter()->viewRow(row) < 0)
        datasheetPage_->filterField()->clear();
    // The description has no cell: the unit's name stands for it.
    const int col = column >= 1 && column < Datasheet::ColumnCount ? column : 1;
    sheet.select(row, col, row, col);
    datasheetView_->showCurrentCell();
    datasheetView_->setFocus();
}

void MainWindow::onCompare() {
    if (!state_.FileLoaded)
        return;
    openForCompare_ = true;
    openDialog_->showAt(openDialog_->chosenFolder());
}

void MainWindow::compareWith(const QString& folder) {
    platform::LongStep busy = longStep(i18n::msg::ProgressOpen);
    auto other = std::make_unique<OtherFile>();
    const LoadResult loaded =
        LoadEquipmentFiles(folder, other->sheet, state_.language(), busy.progress());
    if (!loaded.ok) {
        busy.release();
        dialogs_.inform(loaded.message);
        return;
    }
    other->path = loaded.equipmentPath;
    // Descriptions are compared when the game's data is there: the folder's
    // own container when a save wrote one there, else the game's.
    if (state_.ExtIndexFound && state_.PfpIndexFound) {
        const int units = other->sheet.rows() - 1;
        other->descriptions = check::ReadFolderDescriptions(folder, units);
        if (!other->descriptions)
            other->descriptions = check::ReadFolderDescriptions(state_.DataFolder, units);
    }
    other_ = std::move(other);
    if (!compareWindow_) {
        compareWindow_ = new CompareWindow(this);
        compareWindow_->applyCaptions(state_.language());
        connect(compareWindow_, &ReportWindow::closed, this, &MainWindow::endComparison);
        connect(compareWindow_, &CompareWindow::takeRequested, this, &MainWindow::takeOtherValues);
        connect(compareWindow_, &ReportWindow::entryChosen, this, [this](int entry) {
            const check::DifferencePick& pick = compareWindow_->pick(entry);
            const check::UnitDifference& unit = other_->comparison.units[size_t(pick.unit)];
            if (unit.rowA >= 0)
                goToUnitCell(unit.rowA, unit.unitA,
                             pick.cell >= 0 ? unit.cells[size_t(pick.cell)].column : 1);
        });
    }
    refreshComparison();
    busy.release();
    compareWindow_->show();
    compareWindow_->raise();
    compareWindow_->activateWindow();
}

void MainWindow::refreshComparison() {
    compareTimer_->stop();
    if (!other_ || !compareWindow_)
        return;
    const bool descriptions = other_->descriptions && state_.ExtIndexFound && state_.PfpIndexFound;
    other_->comparison = check::CompareUnits(state_.datasheet, other_->sheet,
                                             descriptions ? &state_.LongDescriptions : nullptr,
                                             descriptions ? &*other_->descriptions : nullptr);
    datasheetView_->datasheetModel()->setTint(TintOf(other_->comparison));
    compareWindow_->showComparison(other_->comparison, state_.datasheet, other_->sheet,
                                   Headings(state_.datasheet), state_.language(), other_->path);
}

void MainWindow::endComparison() {
    compareTimer_->stop();
    other_.reset();
    datasheetView_->datasheetModel()->setTint({});
}

void MainWindow::refreshReports() {
    if (checkWindow_) {
        checkWindow_->applyCaptions(state_.language());
        if (checkWindow_->isVisible() && state_.FileLoaded)
            checkWindow_->showReport(
                check::CheckUnits(state_.datasheet, check::ReferenceOf(state_)),
                Headings(state_.datasheet), state_.language());
    }
    if (compareWindow_) {
        compareWindow_->applyCaptions(state_.language());
        refreshComparison();
    }
}

// The cells first, while the rows stand where the comparison found them;
// then the units only the other file has, each inserted and filled. All of
// it is one step.
void MainWindow::takeOtherValues(const std::vector<check::DifferencePick>& picks) {
    if (!other_ || !state_.FileLoaded)
        return;
    // Picked from a list older than the last change to the units: the
    // entries may mean other cells now. The list is brought up to date to
    // pick from again.
    if (compareTimer_->isActive()) {
        refreshComparison();
        return;
    }
    const check::TakePlan plan = check::PlanTake(
        other_->comparison,
        other_->comparison.descriptionsCompared ? &*other_->descriptions : nullptr, picks);
    if (plan.empty())
        return;
    Datasheet& sheet = state_.datasheet;
    if (!plan.added.empty() && !InUnitNumberOrder(sheet)) {
        dialogs_.inform(i18n::Message(state_.language(), i18n::msg::TakeNeedsUnitOrder));
        return;
    }
    const bool inForm = !datasheetShown();
    commitShownUnit();
    int shown = formView_->shownRow();
    const CellRange selection = CellRange::selectedIn(sheet);
    auto chain = std::make_unique<ChainChange>();
    CellRange first;
    if (auto cells =
            CellsChange::setting(sheet, state_.LongDescriptions, plan.cells, plan.descriptions)) {
        cells->redo(sheet, state_.LongDescriptions);
        first = cells->redoneRange;
        chain->append(std::move(cells));
    }
    for (const check::TakePlan::Added& added : plan.added) {
        const int before = RowOfNumber(sheet, 0, added.unitA);
        const int at = before >= 1 ? before : sheet.rows() - 1;
        sheet.select(at, 1, at, 1);
        auto insert = UnitRowChange::run(before >= 1 ? UnitRowChange::Kind::InsertBefore
                                                     : UnitRowChange::Kind::InsertAfter,
                                         sheet, state_.LongDescriptions);
        if (!insert) {
            dialogs_.inform(i18n::Message(state_.language(), i18n::msg::UnitLimitReached));
            break;
        }
        const int row = insert->changedRow();
        shown += row <= shown;
        Datasheet::Row cells = other_->sheet.rowCells(added.rowB);
        cells[0] = sheet.cell(row, 0); // the number of its place here
        auto fill =
            CellsChange::setting(sheet, state_.LongDescriptions, CellsChange::rowEdits(row, cells),
                                 {{insert->unitNumber(), {}, added.description}});
        chain->append(std::move(insert));
        if (fill)
            fill->redo(sheet, state_.LongDescriptions);
        chain->append(std::move(fill));
        first = CellRange::cell(row, 1);
    }
    if (chain->empty())
        return;
    chain->undoneRange = selection;
    chain->redoneRange = first;
    pushUnitChange(std::move(chain), {i18n::msg::StepTakeValues}, true);
    if (inForm) {
        formView_->showFromDatasheet(std::clamp(shown, 1, state_.UnitCount()));
        formView_->setUndoEnabled(false);
    } else {
        first.selectIn(sheet);
        showCurrentUnitCell();
    }
    refreshComparison();
}

} // namespace quillon
