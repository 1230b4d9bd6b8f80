// The datasheet view's commands: sorting, choosing a unit, switching views,
// copy and paste, inserting and deleting units, tooltips on and off.
#include "datasheet/UnitChanges.h"
#include "datasheet/UnitEditing.h"
#include "datasheet/ui/DatasheetView.h"
#include "datasheet/ui/RightClickSort.h"
#include "formview/ui/FormView.h"
#include "i18n/Messages.h"
#include "platform/Dialogs.h"
#include "platform/ui/BusyCursor.h"
#include "shell/ui/MainWindow.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace quillon {

void MainWindow::onSortRequested(Qt::KeyboardModifiers modifiers) {
    if (state_.UnitCount() < 1)
        return;
    platform::BusyCursor busy;
    const CellRange selection = CellRange::selectedIn(state_.datasheet);
    RightClickSortResult sorted = RightClickSort(state_.datasheet, modifiers, rowShown());
    setInsertDeleteEnabled(sorted.insertAllowed);
    // The form's unit is no longer the current row: the form view is reached
    // again by choosing a unit.
    action(QStringLiteral("mnu_spread"))->setEnabled(false);
    if (auto change = CellsChange::done(sorted.first, std::move(sorted.order), {})) {
        change->undoneRange = selection;
        change->redoneRange = CellRange::selectedIn(state_.datasheet);
        pushUnitChange(std::move(change), {i18n::msg::StepSort, -1, sorted.keyColumn}, true);
    }
    showCurrentUnitCell();
}

void MainWindow::showCurrentUnitCell() {
    Datasheet& sheet = state_.datasheet;
    if (state_.UnitCount() < 1)
        return;
    if (!SelectUnitCellsOnly(sheet))
        sheet.select(1, 1, 1, 1);
    datasheetView_->showCurrentCell();
}

// Double-click or Enter on the grid: the current unit in the form view.
void MainWindow::ShowChosenUnit() {
    const int row = state_.datasheet.row();
    if (row < 1 || row > state_.UnitCount())
        return;
    formView_->showFromDatasheet(row);
    action(QStringLiteral("mnu_spread"))->setEnabled(true);
    setInsertDeleteEnabled(false);
    showDatasheet(false);
}

void MainWindow::ToggleView() {
    platform::BusyCursor busy;
    if (!datasheetShown()) {
        action(QStringLiteral("mnu_spread"))->setEnabled(false);
        formView_->CommitFormToGrid();
        showDatasheet(true);
        setInsertDeleteEnabled(true);
        const int row = formView_->shownRow();
        if (row >= 1 && row <= state_.UnitCount())
            state_.datasheet.select(row, 1, row, 1);
        datasheetView_->setFocus();
        return;
    }
    ShowChosenUnit();
}

void MainWindow::onCopy() {
    if (!datasheetShown()) {
        formView_->copyDescription();
        return;
    }
    if (!SelectUnitCellsOnly(state_.datasheet))
        return;
    platform::LongStep busy = longStep(i18n::msg::ProgressCopy);
    // Under a filter only the rows on show. The text goes to the clipboard as
    // UTF-8, half the memory of the same text in UTF-16.
    const std::optional<QByteArray> text = ShownClip(state_.datasheet, rowShown(), busy.progress());
    if (!text)
        return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    auto* mime = new QMimeData;
    mime->setData(QStringLiteral("text/plain"), *text);
    clipboard->setMimeData(mime);
}

void MainWindow::onPaste() {
    if (!datasheetShown()) {
        formView_->pasteDescription();
        return;
    }
    if (!SelectUnitCellsOnly(state_.datasheet))
        return;
    // Under a filter a block of rows that stand together, none hidden.
    if (!BlockRowsShown(state_.datasheet, rowShown())) {
        dialogs_.inform(i18n::Message(state_.language(), i18n::msg::PasteReachesHidden));
        return;
    }
    platform::LongStep busy = longStep(i18n::msg::ProgressPaste);
    // This editor's own copy is taken as the bytes it put there; another
    // program's text is converted once.
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    const QByteArray text = mime ? mime->data(QStringLiteral("text/plain")) : QByteArray();
    // Pasted cells (even an empty text, which empties the first cell) are
    // unsaved work like a committed unit: Exit and Open ask.
    auto change = std::make_unique<BlockChange>(state_.datasheet);
    state_.datasheet.setClipUtf8(text, busy.progress());
    if (change->finish(state_.datasheet))
        pushUnitChange(std::move(change), {i18n::msg::StepPaste}, true);
}

// The three items never act on the heading row.
void MainWindow::changeUnitRows(UnitRowChange::Kind kind) {
    if (state_.datasheet.row() < 1)
        return;
    auto change = UnitRowChange::run(kind, state_.datasheet, state_.LongDescriptions);
    if (!change) {
        dialogs_.inform(i18n::Message(state_.language(), kind == UnitRowChange::Kind::Delete
                                                             ? i18n::msg::LastUnitKept
                                                             : i18n::msg::UnitLimitReached));
        return;
    }
    const int unit = change->unitNumber();
    pushUnitChange(std::move(change),
                   {kind == UnitRowChange::Kind::Delete ? i18n::msg::StepDeleteUnit
                                                        : i18n::msg::StepInsertUnit,
                    unit},
                   true);
    showCurrentUnitCell();
    datasheetView_->setFocus();
}

void MainWindow::onToggleTooltips() {
    state_.TooltipsOn = !state_.TooltipsOn;
    ApplyTooltipsEverywhere();
}

} // namespace quillon
