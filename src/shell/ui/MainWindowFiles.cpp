// Opening, saving and ending: the File menu and the open and save-as dialogs.
#include "datasheet/UnitChanges.h"
#include "datasheet/ui/DatasheetView.h"
#include "equipment/EquipmentFiles.h"
#include "formview/ui/FormView.h"
#include "gamedata/TextLists.h"
#include "i18n/Messages.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "shell/ui/FolderDialogs.h"
#include "shell/ui/MainWindow.h"

#include <QAction>
#include <QDir>
#include <QUndoStack>

namespace quillon {

namespace {

// The row that holds the unit with this number and name (the first such
// row), 0 when none does.
int RowOfUnit(const Datasheet& sheet, const QString& number, const QString& name) {
    for (int row = 1; row < sheet.rows(); ++row)
        if (sheet.cell(row, 0) == number && sheet.cell(row, 1) == name)
            return row;
    return 0;
}

} // namespace

void MainWindow::setFileActionsEnabled(bool on) {
    for (const char* name : {"mnu_spread", "mnu_save", "mnu_save_as", "mnu_check", "mnu_compare"})
        action(QString::fromLatin1(name))->setEnabled(on);
    formView_->setPrevEnabled(on);
    formView_->setNextEnabled(on);
    formView_->setSelectEnabled(on);
}

void MainWindow::commitShownUnit() {
    if (datasheetShown() || !state_.FileLoaded || formView_->shownRow() < 1)
        return;
    formView_->CommitFormToGrid();
    formView_->setUndoEnabled(false);
}

bool MainWindow::unsavedChanges() const {
    return state_.EquipmentChanged || (!datasheetShown() && formView_->hasUncommittedEdits());
}

void MainWindow::onOpen() {
    if (unsavedChanges() &&
        dialogs_.ask(i18n::Message(state_.language(), i18n::msg::SaveChangesFirst))) {
        // A save that failed keeps the changes in the editor: no other file
        // is loaded over them.
        if (!SaveEquipment())
            return;
    }
    openForCompare_ = false;
    if (!openDialog_->setFolder(state_.DataFolder))
        openDialog_->setFolder(QDir::rootPath());
    openDialog_->showAt(openDialog_->chosenFolder());
}

void MainWindow::onOpenConfirmed(const QString& folder) {
    if (std::exchange(openForCompare_, false)) {
        compareWith(folder);
        return;
    }
    platform::LongStep busy = longStep(i18n::msg::ProgressOpen);
    const LoadResult result =
        LoadEquipmentFiles(folder, state_.datasheet, state_.language(), busy.progress());
    if (!result.ok) {
        // The datasheet, the folder and the caption keep the file they held.
        busy.release();
        dialogs_.inform(result.message);
        return;
    }
    setFileActionsEnabled(true);
    state_.EquipmentFolder = folder;
    // The game folder check read the descriptions before this file was known.
    gamedata::CoverUnits(state_.LongDescriptions, state_.UnitCount());
    LoadEquipment();
    busy.release();
    setWindowTitle(i18n::EditorName() + QStringLiteral(" : ") + result.equipmentPath);
    undoStack_->clear(); // the steps belong to the file they were made on
    state_.EquipmentChanged = false;
    updateUndoActions();
    for (const QString& warning : result.warnings)
        dialogs_.inform(warning);
}

// What follows a load: headings, menu states, the first unit in the form.
void MainWindow::LoadEquipment() {
    ApplyLanguage();
    setInsertDeleteEnabled(datasheetShown());
    state_.datasheet.select(1, 1, 1, 1);
    formView_->setPrevEnabled(false);
    formView_->ShowUnitInForm(1);
    formView_->setUndoEnabled(false);
    state_.FileLoaded = true;
    datasheetView_->scrollToRowTop(1);
    emptyClipboard();
    showCurrentUnitCell();
}

platform::LongStep MainWindow::longStep(const char* message) {
    return {this, i18n::Message(state_.language(), message), progressDelay_};
}

void MainWindow::onSave() {
    SaveEquipment();
}

bool MainWindow::SaveEquipment() {
    commitShownUnit();
    SaveInputs inputs;
    inputs.equipmentFolder = state_.EquipmentFolder;
    inputs.dataFolder = state_.DataFolder;
    inputs.gameData = state_.ExtIndexFound && state_.PfpIndexFound;
    inputs.longDescriptions = &state_.LongDescriptions;
    inputs.language = state_.language();
    // The save sorts the rows; the form view must keep writing into the row
    // of the unit it shows, not into whatever lands on its old row.
    const int shown = formView_->shownRow();
    const bool following = shown >= 1 && shown <= state_.UnitCount();
    const QString shownNumber = following ? state_.datasheet.cell(shown, 0) : QString();
    const QString shownName = following ? state_.datasheet.cell(shown, 1) : QString();
    const CellRange selection = CellRange::selectedIn(state_.datasheet);
    platform::LongStep busy = longStep(i18n::msg::ProgressSave);
    inputs.progress = busy.progress();
    SaveResult result = SaveEquipmentFiles(state_.datasheet, inputs);
    busy.release();
    if (following)
        formView_->followShownUnit(RowOfUnit(state_.datasheet, shownNumber, shownName));
    showCurrentUnitCell();
    // The order and the corrections stay, saved or not: they are a step.
    if (auto change =
            CellsChange::done(1, std::move(result.order), std::move(result.corrections))) {
        change->undoneRange = selection;
        change->redoneRange = CellRange::selectedIn(state_.datasheet);
        pushUnitChange(std::move(change), {i18n::msg::StepSaveCorrections}, true);
    }
    if (result.ok) {
        undoStack_->setClean();
        state_.EquipmentChanged = false;
    }
    dialogs_.inform(result.message);
    if (!result.containerMessage.isEmpty())
        dialogs_.inform(result.containerMessage);
    return result.ok;
}

void MainWindow::onSaveAs() {
    saveAsDialog_->showAt(saveAsDialog_->chosenFolder());
}

void MainWindow::onSaveAsConfirmed(const QString& folder) {
    const QString previousFolder = state_.EquipmentFolder;
    const QString previousTitle = windowTitle();
    state_.EquipmentFolder = folder;
    setWindowTitle(i18n::EditorName() + QStringLiteral(" : ") + folder +
                   QStringLiteral("KOREQUIP.EQP"));
    if (!SaveEquipment()) {
        // Nothing was written there: Save keeps going to the folder it had.
        state_.EquipmentFolder = previousFolder;
        setWindowTitle(previousTitle);
    }
}

void MainWindow::onExit() {
    if (unsavedChanges() &&
        dialogs_.ask(i18n::Message(state_.language(), i18n::msg::SaveBeforeExit) +
                     state_.EquipmentFolder)) {
        // The user asked for the work to be kept: do not end when it was not.
        if (!SaveEquipment())
            return;
    }
    endProgram();
}

} // namespace quillon
