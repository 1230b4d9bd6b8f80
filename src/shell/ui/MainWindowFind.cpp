// Finding units, the datasheet's filter and what it turns off.
#include "datasheet/UnitSearch.h"
#include "datasheet/ui/DatasheetFilter.h"
#include "datasheet/ui/DatasheetPage.h"
#include "datasheet/ui/DatasheetView.h"
#include "formview/ui/FormView.h"
#include "i18n/Messages.h"
#include "shell/ui/FilterVocabulary.h"
#include "shell/ui/FindBar.h"
#include "shell/ui/MainWindow.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <numeric>

namespace quillon {

void MainWindow::buildFindAndFilter(QMenu* edit) {
    edit->addSeparator();
    addMenuAction(edit, "mnu_find", QKeySequence(Qt::CTRL | Qt::Key_F),
                  [this] { findBar_->open(); });
    addMenuAction(edit, "mnu_find_next", QKeySequence(Qt::Key_F3), [this] { findUnit(false); });
    addMenuAction(edit, "mnu_find_prev", QKeySequence(Qt::SHIFT | Qt::Key_F3),
                  [this] { findUnit(true); });
    addMenuAction(edit, "mnu_filter", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F),
                  [this] { onFilterMenu(); });
    // Insert and delete say why they are off while a filter is on.
    edit->setToolTipsVisible(true);

    connect(findBar_, &FindBar::findRequested, this, &MainWindow::findUnit);
    connect(findBar_, &FindBar::closed, this, [this] {
        if (datasheetShown())
            datasheetView_->setFocus();
        else
            formView_->setFocus();
    });
    connect(datasheetPage_, &DatasheetPage::filterChanged, this,
            &MainWindow::applyInsertDeleteState);
}

// Looks from the current unit on: in the datasheet view among the units it
// shows, in the form view (which browses every unit) among all. The form
// view first takes in the shown unit's edits, as Next does.
void MainWindow::findUnit(bool backwards) {
    const QString query = findBar_->query().trimmed();
    if (query.isEmpty()) {
        findBar_->open();
        return;
    }
    findBar_->show();
    if (!state_.FileLoaded || state_.UnitCount() < 1)
        return;
    const bool inForm = !datasheetShown();
    const int current = inForm ? formView_->shownRow() : state_.datasheet.row();
    std::vector<int> rows;
    if (inForm) {
        rows.resize(size_t(state_.UnitCount()));
        std::iota(rows.begin(), rows.end(), 1);
    } else {
        rows = datasheetPage_->filter()->shownRows();
    }
    const FoundUnit found = FindUnit(state_.datasheet, state_.LongDescriptions, query,
                                     findBar_->everywhere(), rows, current, backwards);
    const i18n::Language language = state_.language();
    if (found.row < 1) {
        findBar_->setNote(i18n::Message(language, i18n::msg::FindNothing).arg(query), true);
        return;
    }
    findBar_->setNote(!found.wrapped ? QString()
                      : backwards    ? i18n::Message(language, i18n::msg::FindWrappedBackward)
                                     : i18n::Message(language, i18n::msg::FindWrappedForward));
    if (inForm) {
        formView_->commitAndShow(found.row);
        return;
    }
    state_.datasheet.select(found.row, found.col, found.row, found.col);
    datasheetView_->showCurrentCell();
}

// The filter field lives in the datasheet view; from the form view the
// menu item goes there as the view toggle does.
void MainWindow::onFilterMenu() {
    if (!datasheetShown()) {
        if (!state_.FileLoaded)
            return;
        ToggleView();
    }
    QLineEdit* field = datasheetPage_->filterField();
    field->setFocus(Qt::ShortcutFocusReason);
    field->selectAll();
}

void MainWindow::applyInsertDeleteState() {
    const bool filtered = datasheetPage_->filter()->active();
    const QString why = filtered && state_.TooltipsOn
                            ? i18n::Message(state_.language(), i18n::msg::FilterBlocksUnitEditing)
                            : QString();
    for (const char* name : {"mnu_ins_after", "mnu_ins_before", "del_unit"}) {
        QAction* item = action(QString::fromLatin1(name));
        item->setEnabled(insertDeleteWanted_ && !filtered);
        item->setToolTip(why);
    }
}

void MainWindow::applyFindAndFilterLanguage() {
    datasheetPage_->applyLanguage(state_.language(), FilterVocabularyFor(state_));
    findBar_->setNote(QString());
    applyInsertDeleteState();
}

RowShown MainWindow::rowShown() const {
    return datasheetPage_->filter()->rowShown();
}

} // namespace quillon
