// Showing a unit, writing it back, and moving between units.
#include "datasheet/CellNumber.h"
#include "datasheet/UnitChanges.h"
#include "formview/ui/CountryFrame.h"
#include "formview/ui/FieldRules.h"
#include "formview/ui/FormFields.h"
#include "formview/ui/FormViewPrivate.h"
#include "formview/ui/IconFrame.h"
#include "formview/ui/SoundFrame.h"
#include "gamedata/IndexFiles.h"
#include "shell/EditorState.h"
#include "sound/SoundLists.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>

namespace quillon {

using namespace formview;

namespace {

int ListIndex(const QString& cell) {
    const auto index = RoundHalfEven(CellNumber(cell));
    return index < 0 || index > std::numeric_limits<int>::max() ? -1 : int(index);
}

// The long description as one line: each line break becomes one blank.
QString OneLine(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

} // namespace

QString FormView::Private::descriptionText() const {
    // toPlainText() would turn no-break spaces into blanks and so change
    // descriptions nobody edited.
    QString raw = description->document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    raw.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return raw;
}

bool FormView::Private::hasShownRow() const {
    return shownRow >= 1 && shownRow < state.datasheet.rows();
}

int FormView::Private::lastRow() const {
    return state.datasheet.rows() - 1;
}

void FormView::Private::show(int row) {
    Datasheet& sheet = state.datasheet;
    if (row < 1 || row >= sheet.rows())
        return;
    shownRow = row;
    shownCells = sheet.rowCells(row);
    const Datasheet::Row& cells = shownCells;

    SetTextIfChanged(text[1], PlainNumberText(CellNumber(cells[UnitNumberColumn])));
    for (const TextField& field : TextFields)
        SetTextIfChanged(text[field.text], cells[size_t(field.column)]);
    for (const ListField& field : ListFields) {
        QComboBox* list = combo[field.combo];
        const int index = ListIndex(cells[size_t(field.column)]);
        // An index without an entry shows no selection; the commit then
        // writes the cell's own text back.
        list->setCurrentIndex(index < list->count() ? index : -1);
    }
    const double target = CellNumber(cells[TargetTypeColumn].trimmed());
    targetShown = false;
    targetTouched = false;
    for (int type = 0; type < TargetTypeCount; ++type) {
        if (target == type) {
            option[type + 1]->setChecked(true);
            targetShown = true;
        }
    }
    SetTextIfChanged(text[27], cells[IconColumn]);
    for (int i = 0; i < NationCount; ++i)
        country->box(i)->setChecked(cells[size_t(FirstNationColumn + i)].trimmed() ==
                                    QLatin1String("1"));
    for (int i = 0; i < SoundCount; ++i) {
        const QString& cell = cells[size_t(FirstSoundColumn + i)];
        const int entry = sound::SelectSoundEntry(sounds->entries(), cell);
        if (entry < sounds->list(i)->count())
            sounds->list(i)->setCurrentIndex(entry);
        soundKept[size_t(i)] = entry == 0 && !cell.trimmed().isEmpty();
        soundTouched[size_t(i)] = false;
    }
    const auto number = RoundHalfEven(CellNumber(cells[UnitNumberColumn]));
    const QString describe = number >= 0 && number < state.LongDescriptions.size()
                                 ? state.LongDescriptions[qsizetype(number)]
                                 : QString();
    if (descriptionText() != describe)
        description->setPlainText(describe);
    shownForm = formRow();
    shownDescription = descriptionText();
    pastedDescription.reset();
    forgetTyping();

    sheet.setRow(row);
    sheet.setCol(0);
    emit q->formChanged();
}

bool FormView::Private::onlyDescriptionPasted() const {
    return hasShownRow() && pastedDescription && formRow() == shownForm &&
           descriptionText() == *pastedDescription && *pastedDescription != shownDescription;
}

void FormView::Private::forgetTyping() {
    for (QLineEdit* box : text)
        if (box && (box->isUndoAvailable() || box->isRedoAvailable()))
            box->setText(box->text()); // the same text: no rule runs
    description->document()->clearUndoRedoStacks();
}

Datasheet::Row FormView::Private::formRow() const {
    // The unit number (a position) and column 73 stay as they are.
    Datasheet::Row row = state.datasheet.rowCells(shownRow);
    for (const TextField& field : TextFields)
        row[size_t(field.column)] = gamedata::TrimBlanks(text[field.text]->text());
    for (const ListField& field : ListFields) {
        const int index = combo[field.combo]->currentIndex();
        row[size_t(field.column)] =
            index >= 0 ? QString::number(index) : shownCells[size_t(field.column)];
    }
    const int target = targetGroup->checkedId();
    row[TargetTypeColumn] = target >= 0 && (targetShown || targetTouched)
                                ? QString::number(target)
                                : shownCells[TargetTypeColumn];
    for (int column : HiddenColumns)
        row[size_t(column)] = shownCells[size_t(column)];
    row[IconColumn] = gamedata::TrimBlanks(text[27]->text());
    for (int i = 0; i < NationCount; ++i)
        row[size_t(FirstNationColumn + i)] =
            country->box(i)->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    for (int i = 0; i < SoundCount; ++i) {
        const size_t column = size_t(FirstSoundColumn + i);
        const QComboBox* list = sounds->list(i);
        // A sound the lists do not offer stays as it was unless the user
        // chose an entry.
        const bool keep = list->count() == 0 || (soundKept[size_t(i)] && !soundTouched[size_t(i)]);
        row[column] = keep ? shownCells[column] : sound::SoundCellText(list->currentText());
    }
    // A value left as it was keeps its cell's own text (" 12" and "12" read
    // alike), so that a commit of an unedited unit changes nothing.
    for (size_t column = 0; column < size_t(Datasheet::ColumnCount); ++column)
        if (row[column] != shownCells[column] &&
            row[column] == gamedata::TrimBlanks(shownCells[column]))
            row[column] = shownCells[column];
    return row;
}

void FormView::Private::commit() {
    if (!hasShownRow())
        return;
    Datasheet& sheet = state.datasheet;
    const bool pasteOnly = onlyDescriptionPasted();
    const Datasheet::Row form = formRow();
    // A field the user left alone keeps its cell's own text, even where the
    // form shows it otherwise (a nation cell of 2 shows a clear box, 40 shows
    // the box's highest value): paging through units must not rewrite them.
    Datasheet::Row cells = form;
    for (size_t column = 0; column < size_t(Datasheet::ColumnCount); ++column)
        if (form[column] == shownForm[column])
            cells[column] = shownCells[column];
    const QString typed = descriptionText();
    std::vector<DescriptionEdit> descriptions;
    const QString unitNumber = gamedata::TrimBlanks(sheet.cell(shownRow, UnitNumberColumn));
    const auto number = RoundHalfEven(CellNumber(unitNumber));
    // Unit numbers never exceed the unit limit; anything else has no entry.
    if (!unitNumber.isEmpty() && number >= 0 &&
        number < std::max<qint64>(Datasheet::MaxUnits, state.LongDescriptions.size()))
        descriptions.push_back({qsizetype(number), {}, OneLine(typed)});
    std::unique_ptr<CellsChange> change =
        CellsChange::setting(sheet, state.LongDescriptions, CellsChange::rowEdits(shownRow, cells),
                             std::move(descriptions));
    shownForm = form;
    shownCells = cells;
    shownDescription = typed;
    pastedDescription.reset();
    if (change) {
        if (change->undoneRange.row < 1)
            change->undoneRange = change->redoneRange = CellRange::cell(shownRow, 1);
        state.EquipmentChanged = true;
        if (commitSink)
            commitSink(std::move(change), pasteOnly);
        else
            change->redo(sheet, state.LongDescriptions);
    }
    sheet.select(shownRow, 0, shownRow, Datasheet::ColumnCount - 1);
    QGuiApplication::clipboard()->clear();
    emit q->formChanged();
}

void FormView::Private::previous() {
    if (!hasShownRow() || shownRow <= 1)
        return;
    commitAndShow(shownRow - 1);
}

void FormView::Private::next() {
    if (!hasShownRow())
        return;
    commitAndShow(shownRow < lastRow() ? shownRow + 1 : shownRow);
}

void FormView::Private::commitAndShow(int row) {
    commit();
    show(row);
    command[1]->setEnabled(row != 1);
    command[2]->setEnabled(row != lastRow());
    emit q->scrollDatasheetTo(row);
    command[3]->setEnabled(false);
}

void FormView::Private::undo() {
    if (state.FileLoaded && hasShownRow())
        show(shownRow);
    command[3]->setEnabled(false);
}

void FormView::Private::select() {
    const int unitCount = state.UnitCount();
    if (unitCount < 1)
        return;
    QLineEdit* box = text[28];
    if (CellNumber(box->text()) < 0)
        box->setText(QStringLiteral("0"));
    if (CellNumber(box->text()) >= unitCount - 1)
        box->setText(QLatin1Char(' ') + QString::number(unitCount - 1));
    const double wanted = CellNumber(box->text());
    const Datasheet& sheet = state.datasheet;
    for (int row = 1; row < sheet.rows(); ++row) {
        if (CellNumber(sheet.cell(row, UnitNumberColumn)) != wanted)
            continue;
        show(row);
        command[2]->setEnabled(row != lastRow());
        command[1]->setEnabled(row != 1);
        emit q->scrollDatasheetTo(row);
        return;
    }
    // No unit has that number: the form keeps the unit it shows.
}

} // namespace quillon
