// The history of changes to the units: the Edit menu's Undo and Redo over a
// QUndoStack whose steps hold the core's UnitChange records.
#include "datasheet/CellNumber.h"
#include "datasheet/UnitChanges.h"
#include "datasheet/UnitEditing.h"
#include "datasheet/ui/DatasheetView.h"
#include "formview/ui/FormView.h"
#include "i18n/Messages.h"
#include "platform/ui/BusyCursor.h"
#include "shell/ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QUndoStack>

namespace quillon {

namespace {

// Enough steps for a long session; each one holds only what it changed.
constexpr int StepLimit = 1000;

// One step of the history. The first redo is QUndoStack's push: it does a
// change that is not done yet and leaves the view alone.
class UnitStep : public QUndoCommand {
public:
    using Apply = std::function<void(UnitChange&, bool undo, bool quietly)>;
    UnitStep(std::unique_ptr<UnitChange> change, MainWindow::StepName name, bool done, Apply apply)
        : change_(std::move(change)), name_(name), pushed_(done), apply_(std::move(apply)) {}

    void undo() override { apply_(*change_, true, false); }
    void redo() override {
        if (first_) {
            first_ = false;
            if (!pushed_)
                apply_(*change_, false, true);
            return;
        }
        apply_(*change_, false, false);
    }

    const UnitChange& change() const { return *change_; }
    const MainWindow::StepName& name() const { return name_; }

private:
    std::unique_ptr<UnitChange> change_;
    MainWindow::StepName name_;
    bool pushed_;
    bool first_ = true;
    Apply apply_;
};

const UnitStep* StepAt(const QUndoStack* stack, int index) {
    return dynamic_cast<const UnitStep*>(stack->command(index));
}

// Takes back (or does again) the typing in a text field, if it has any.
bool FieldUndo(QObject* object, bool redo, bool perform) {
    if (auto* line = qobject_cast<QLineEdit*>(object); line && !line->isReadOnly()) {
        if (!(redo ? line->isRedoAvailable() : line->isUndoAvailable()))
            return false;
        if (perform)
            redo ? line->redo() : line->undo();
        return true;
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(object); plain && !plain->isReadOnly()) {
        const QTextDocument* document = plain->document();
        if (!(redo ? document->isRedoAvailable() : document->isUndoAvailable()))
            return false;
        if (perform)
            redo ? plain->redo() : plain->undo();
        return true;
    }
    return false;
}

} // namespace

void MainWindow::buildUndoActions(QMenu* edit) {
    undoStack_ = new QUndoStack(this);
    undoStack_->setUndoLimit(StepLimit);
    addMenuAction(edit, "mnu_undo", QKeySequence(Qt::CTRL | Qt::Key_Z),
                  std::bind_front(&MainWindow::onUndo, this));
    addMenuAction(edit, "mnu_redo", QKeySequence(Qt::CTRL | Qt::Key_Y),
                  std::bind_front(&MainWindow::onRedo, this))
        ->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    edit->addSeparator();
    connect(undoStack_, &QUndoStack::indexChanged, this, [this] {
        followSavedState();
        updateUndoActions();
    });
    connect(undoStack_, &QUndoStack::cleanChanged, this, [this] {
        followSavedState();
        updateUndoActions();
    });
    connect(formView_, &FormView::formChanged, this, &MainWindow::updateUndoActions);
    formView_->setCommitSink([this](std::unique_ptr<UnitChange> change, bool descriptionPasted) {
        const int row = formView_->shownRow();
        const StepName name{descriptionPasted ? i18n::msg::StepPasteDescription
                                              : i18n::msg::StepEditUnit,
                            int(RoundHalfEven(CellNumber(state_.datasheet.cell(row, 0))))};
        pushUnitChange(std::move(change), name, false);
    });
    updateUndoActions();
}

void MainWindow::pushUnitChange(std::unique_ptr<UnitChange> change, StepName name, bool done) {
    if (!change)
        return;
    undoStack_->push(new UnitStep(std::move(change), name, done,
                                  [this](UnitChange& step, bool undo, bool quietly) {
                                      if (undo)
                                          step.undo(state_.datasheet, state_.LongDescriptions);
                                      else
                                          step.redo(state_.datasheet, state_.LongDescriptions);
                                      if (!quietly)
                                          showStep(step, undo);
                                  }));
}

void MainWindow::onUndo() {
    if (FieldUndo(QApplication::focusWidget(), false, true) || !state_.FileLoaded)
        return;
    // The form's own edits are the newest change: taken in as a step and
    // taken back, so that Redo can bring them back.
    if (!datasheetShown() && formView_->hasUncommittedEdits())
        commitShownUnit();
    platform::BusyCursor busy;
    undoStack_->undo();
}

void MainWindow::onRedo() {
    if (FieldUndo(QApplication::focusWidget(), true, true) || !state_.FileLoaded)
        return;
    // Edits not yet taken in are newer than any step that could come back.
    if (!datasheetShown() && formView_->hasUncommittedEdits())
        return;
    platform::BusyCursor busy;
    undoStack_->redo();
}

void MainWindow::showStep(const UnitChange& change, bool undone) {
    const int units = state_.UnitCount();
    if (units < 1)
        return;
    const CellRange& range = undone ? change.undoneRange : change.redoneRange;
    if (datasheetShown()) {
        // Back in unit-number order (or out of it) after a sort was taken back.
        if (change.reorders())
            setInsertDeleteEnabled(InUnitNumberOrder(state_.datasheet));
        range.selectIn(state_.datasheet);
        showCurrentUnitCell();
        return;
    }
    // A new order leaves the form on the unit it shows; any other change
    // shows the unit it changed.
    int row = change.reordersOnly() ? change.rowAfter(formView_->shownRow(), undone) : range.row;
    row = std::clamp(row >= 1 ? row : formView_->shownRow(), 1, units);
    formView_->showFromDatasheet(row);
    formView_->setUndoEnabled(false);
    datasheetView_->scrollToRowTop(row);
}

void MainWindow::followSavedState() {
    // Only a change of content counts: a save writes the units in
    // unit-number order whatever order they are shown in.
    const int saved = undoStack_->cleanIndex();
    const int index = undoStack_->index();
    bool changed = saved < 0;
    for (int i = std::min(saved, index); !changed && i < std::max(saved, index); ++i) {
        const UnitStep* step = StepAt(undoStack_, i);
        changed = !step || !step->change().reordersOnly();
    }
    state_.EquipmentChanged = changed;
}

QString MainWindow::menuText(const char* control, const StepName* name) const {
    const i18n::Language language = state_.language();
    const QString caption =
        i18n::CaptionWithAccessKey(language, u"Form1", QString::fromLatin1(control));
    if (!name || !name->message)
        return caption;
    QString step = i18n::Message(language, name->message);
    if (name->unit >= 0 && step.contains(QLatin1String("%1"))) // a pasted description names none
        step = step.arg(name->unit);
    else if (name->column >= 0) // '&' would mark an access key
        step = step.arg(QString(state_.datasheet.cell(0, name->column))
                            .replace(QLatin1Char('&'), QLatin1String("&&")));
    return i18n::Message(language, i18n::msg::StepFormat).arg(caption, step);
}

void MainWindow::updateUndoActions() {
    QAction* undo = action(QStringLiteral("mnu_undo"));
    QAction* redo = action(QStringLiteral("mnu_redo"));
    if (!undo || !redo || !undoStack_)
        return;
    const bool formEdits =
        state_.FileLoaded && !datasheetShown() && formView_->hasUncommittedEdits();
    const int index = undoStack_->index();
    StepName formStep;
    const StepName* undoName = nullptr;
    const StepName* redoName = nullptr;
    if (formEdits) {
        const int row = formView_->shownRow();
        formStep = {formView_->onlyDescriptionPasted() ? i18n::msg::StepPasteDescription
                                                       : i18n::msg::StepEditUnit,
                    int(RoundHalfEven(CellNumber(state_.datasheet.cell(row, 0))))};
        undoName = &formStep;
    } else if (const UnitStep* step = index > 0 ? StepAt(undoStack_, index - 1) : nullptr) {
        undoName = &step->name();
    }
    if (const UnitStep* step = formEdits ? nullptr : StepAt(undoStack_, index))
        redoName = &step->name();
    undo->setEnabled(state_.FileLoaded && undoName);
    undo->setText(menuText("mnu_undo", undoName));
    redo->setEnabled(state_.FileLoaded && redoName);
    redo->setText(menuText("mnu_redo", redoName));
}

bool MainWindow::routeUndoKeys(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    if (!qobject_cast<QLineEdit*>(watched) && !qobject_cast<QPlainTextEdit*>(watched))
        return false;
    if (!isAncestorOf(static_cast<QWidget*>(watched)) || !undoStack_)
        return false;
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    const bool undo = action(QStringLiteral("mnu_undo"))->shortcuts().contains(pressed);
    const bool redo = action(QStringLiteral("mnu_redo"))->shortcuts().contains(pressed);
    if (!undo && !redo)
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // Accepted, the key goes to the field as a key press; ignored, to the menu item.
        event->setAccepted(FieldUndo(watched, redo, false));
        return true;
    }
    // The field's own keys differ between platforms (Ctrl+Y is not its redo
    // everywhere): it is done here, the same for all three.
    FieldUndo(watched, redo, true);
    return true;
}

} // namespace quillon
