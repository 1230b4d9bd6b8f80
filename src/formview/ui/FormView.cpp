#include "formview/ui/FormView.h"

#include "formview/ui/AboutWindow.h"
#include "formview/ui/CountryFrame.h"
#include "formview/ui/FieldRules.h"
#include "formview/ui/FormFields.h"
#include "formview/ui/FormViewPrivate.h"
#include "formview/ui/HowToWindow.h"
#include "formview/ui/IconFrame.h"
#include "formview/ui/SoundFrame.h"
#include "formview/ui/ValueSymbols.h"
#include "i18n/Messages.h"
#include "shell/EditorState.h"
#include "sound/SoundLists.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quillon {

using namespace formview;

namespace {

const QString Form1 = QStringLiteral("Form1");
const char* const DefaultTargetTypes[] = {"Soft", "Hard", "Plane", "Naval", "Sub"};
constexpr int ValueBoxWidth = 46;

QGroupBox* frame(QWidget* parent, int number, QLayout* layout) {
    auto* box = new QGroupBox(parent);
    box->setObjectName(QStringLiteral("Frame%1").arg(number));
    box->setLayout(layout);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(3);
    return box;
}

} // namespace

void FormView::Private::buildControls() {
    for (int i = 1; i <= 28; ++i) {
        if (i == 3 || i == 27) // the description box and the icon frame's box
            continue;
        text[i] = new QLineEdit(q);
        text[i]->setObjectName(QStringLiteral("Text%1").arg(i));
    }
    // The unit number is the unit's position: shown, never typed.
    text[1]->setReadOnly(true);
    text[1]->setFocusPolicy(Qt::NoFocus);
    description = new QPlainTextEdit(q);
    description->setObjectName(QStringLiteral("Text3"));
    description->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A TAB would be saved into the game's text container.
    description->setTabChangesFocus(true);
    for (int i = 1; i <= 12; ++i) {
        if (i == 11 || (i >= 5 && i <= 7))
            continue;
        combo[i] = new QComboBox(q);
        combo[i]->setObjectName(QStringLiteral("Combo%1").arg(i));
        combo[i]->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo[i]->setMinimumContentsLength(12);
    }
    targetGroup = new QButtonGroup(q);
    for (int i = 1; i <= TargetTypeCount; ++i) {
        option[i] = new QRadioButton(QString::fromLatin1(DefaultTargetTypes[i - 1]), q);
        option[i]->setObjectName(QStringLiteral("Option%1").arg(i));
        targetGroup->addButton(option[i], i - 1);
    }
    for (int i : {1, 2, 3, 9}) {
        command[i] = new QPushButton(q);
        command[i]->setObjectName(QStringLiteral("Command%1").arg(i));
    }
    for (int t = FirstSymbolText; t <= LastSymbolText; ++t) {
        const int p = SymbolPictureFor(t);
        symbol[p] = new QLabel(q);
        symbol[p]->setObjectName(QStringLiteral("Picture%1").arg(p));
        symbol[p]->setPixmap(ValueSymbol(p));
        symbol[p]->setFixedSize(ValueSymbolSize, ValueSymbolSize);
        valueName[p] = new QLabel(q);
        valueName[p]->setObjectName(QStringLiteral("ValueName%1").arg(p));
        text[t]->setFixedWidth(ValueBoxWidth);
        text[t]->setAlignment(Qt::AlignRight);
    }
    for (int i : {24, 25, 26})
        text[i]->setFixedWidth(ValueBoxWidth);
    text[1]->setFixedWidth(56);
    text[28]->setFixedWidth(56);
    country = new CountryFrame(q);
    icon = new IconFrame(
        state, dialogs, [this] { enableUndo(); }, q);
    text[27] = icon->box();
    sounds = new SoundFrame(state, dialogs, player, q);
    for (int i = 0; i < SoundCount; ++i) {
        combo[size_t(5 + i)] = sounds->list(i);
        command[size_t(4 + i)] = sounds->playButton(i);
    }
    command[7] = icon->downButton();
    command[8] = icon->upButton();
}

QWidget* FormView::Private::buildLayout() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(4);

    auto* unitLayout = new QHBoxLayout;
    unitLayout->addWidget(text[1]);
    unitLayout->addWidget(text[2], 1);
    grid->addWidget(frame(page, 1, unitLayout), 0, 0, 1, 2);
    auto* classLayout = new QHBoxLayout;
    classLayout->addWidget(combo[12]);
    grid->addWidget(frame(page, 2, classLayout), 0, 2, 1, 2);

    // Value boxes with their symbol and name, in frames of five per column.
    auto valueColumn = [this](QGridLayout* layout, int firstText, int column) {
        for (int i = 0; i < 5; ++i) {
            const int t = firstText + i;
            const int p = SymbolPictureFor(t);
            layout->addWidget(symbol[p], i, column * 3);
            layout->addWidget(valueName[p], i, column * 3 + 1);
            layout->addWidget(text[t], i, column * 3 + 2);
        }
        layout->setColumnStretch(column * 3 + 1, 1);
    };
    auto* attack = new QGridLayout;
    valueColumn(attack, 4, 0);
    grid->addWidget(frame(page, 3, attack), 1, 0);
    auto* defence = new QGridLayout;
    valueColumn(defence, 9, 0);
    grid->addWidget(frame(page, 4, defence), 1, 1);
    auto* misc = new QGridLayout;
    valueColumn(misc, 14, 0);
    valueColumn(misc, 19, 1);
    misc->setColumnMinimumWidth(3, 14);
    grid->addWidget(frame(page, 5, misc), 1, 2, 1, 2);

    auto* target = new QVBoxLayout;
    for (int i = 1; i <= TargetTypeCount; ++i)
        target->addWidget(option[i]);
    grid->addWidget(frame(page, 11, target), 2, 0);

    auto* movement = new QVBoxLayout;
    movement->setSpacing(2);
    for (const auto& [frameNumber, list] : {std::pair{14, 8}, {13, 9}, {12, 10}}) {
        auto* one = new QHBoxLayout;
        one->addWidget(combo[list]);
        movement->addWidget(frame(page, frameNumber, one));
    }
    grid->addLayout(movement, 2, 1);

    auto* availability = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(page);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        availability->addWidget(label, i, 0);
        availability->addWidget(text[24 + i], i, 1);
    }
    availability->setRowStretch(3, 1);
    grid->addWidget(frame(page, 10, availability), 2, 2);

    auto* specials = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(QStringLiteral("#%1").arg(i + 1), page);
        label->setObjectName(QStringLiteral("Label%1").arg(4 + i));
        specials->addWidget(label, i, 0);
        specials->addWidget(combo[1 + i], i, 1);
    }
    specials->setColumnStretch(1, 1);
    grid->addWidget(frame(page, 6, specials), 2, 3);

    grid->addWidget(country, 3, 0, 1, 4);
    auto* descriptionLayout = new QVBoxLayout;
    descriptionLayout->addWidget(description);
    grid->addWidget(frame(page, 15, descriptionLayout), 4, 0, 1, 4);
    grid->setRowStretch(4, 1);

    // The right-hand column: moving between units, undo, finding a unit,
    // the icon and the sounds.
    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    auto* scroll = new QHBoxLayout;
    scroll->addWidget(command[1]);
    scroll->addWidget(command[2]);
    auto* scrollFrame = frame(page, 17, scroll);
    scrollFrame->setTitle(QStringLiteral("Unit Scroll"));
    right->addWidget(scrollFrame);
    auto* changes = new QHBoxLayout;
    changes->addWidget(command[3]);
    right->addWidget(frame(page, 16, changes));
    auto* find = new QHBoxLayout;
    find->addWidget(text[28]);
    find->addWidget(command[9], 1);
    auto* findFrame = frame(page, 18, find);
    findFrame->setTitle(QStringLiteral("Find Unit #"));
    right->addWidget(findFrame);
    right->addWidget(icon);
    right->addWidget(sounds);
    right->addStretch();
    auto* rightColumn = new QWidget(page);
    rightColumn->setLayout(right);
    rightColumn->setFixedWidth(250);
    right->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(rightColumn, 0, 4, 5, 1);
    return page;
}

void FormView::Private::wireRules() {
    auto undo = [this] { enableUndo(); };
    for (const TextField& field : TextFields) {
        if (field.upper == NoLimit)
            QObject::connect(text[field.text], &QLineEdit::textChanged, q, undo);
        else
            InstallRangeRule(text[field.text], field.upper, field.lowerRule, undo);
    }
    QObject::connect(description, &QPlainTextEdit::textChanged, q, undo);
    for (const ListField& field : ListFields)
        QObject::connect(combo[field.combo], &QComboBox::currentIndexChanged, q, undo);
    for (int i = 0; i < SoundCount; ++i) {
        QObject::connect(sounds->list(i), &QComboBox::currentIndexChanged, q, undo);
        QObject::connect(sounds->list(i), &QComboBox::activated, q,
                         [this, i] { soundTouched[size_t(i)] = true; });
    }
    QObject::connect(targetGroup, &QButtonGroup::buttonToggled, q, undo);
    QObject::connect(targetGroup, &QButtonGroup::buttonClicked, q,
                     [this] { targetTouched = true; });
    for (QCheckBox* box : country->boxes())
        QObject::connect(box, &QCheckBox::toggled, q, undo);

    QObject::connect(command[1], &QPushButton::clicked, q, [this] { previous(); });
    QObject::connect(command[2], &QPushButton::clicked, q, [this] { next(); });
    QObject::connect(command[3], &QPushButton::clicked, q, [this] { this->undo(); });
    QObject::connect(command[9], &QPushButton::clicked, q, [this] { select(); });

    focus = new FieldFocusFilter(q);
    focus->selectOnFocus(text[2]);
    for (int t = 4; t <= 27; ++t)
        focus->selectOnFocus(text[t]);
    focus->selectOnClick(text[28]);
    focus->highlightWhileFocused(country->boxes(), country->cells(), CountryFrame::BoxCount - 1);
    for (int c : {1, 2, 7, 8})
        focus->clickOnEnter(command[c]);
    for (QComboBox* list : combo)
        if (list)
            focus->wheelOnlyWhenFocused(list);
    setTabOrder();
}

// Tab follows the form from the top left to the bottom right: the frames of
// the left-hand block row by row (a frame's boxes column by column), then
// the right-hand column from the unit buttons down to the sounds.
void FormView::Private::setTabOrder() {
    QList<QWidget*> chain = {text[2], combo[12]};
    for (int t = FirstSymbolText; t <= LastSymbolText; ++t)
        chain.append(text[t]);
    for (int i = 1; i <= TargetTypeCount; ++i)
        chain.append(option[i]);
    for (int i : {8, 9, 10})
        chain.append(combo[i]);
    for (int t : {24, 25, 26})
        chain.append(text[t]);
    for (int i = 1; i <= 4; ++i)
        chain.append(combo[i]);
    for (QCheckBox* box : country->boxes())
        chain.append(box);
    chain.append(description);
    for (int c : {1, 2, 3})
        chain.append(command[c]);
    chain.append(text[28]);
    chain.append(command[9]);
    chain.append(command[7]);
    chain.append(text[27]);
    chain.append(command[8]);
    for (int i = 0; i < SoundCount; ++i) {
        chain.append(combo[5 + i]);
        chain.append(command[4 + i]);
    }
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

// The form's own captions, so that it reads well before the window applies
// a language and when it is shown on its own.
void FormView::Private::applyOwnCaptions(i18n::Language language) {
    for (QWidget* widget : q->findChildren<QWidget*>()) {
        if (widget->window() != q->window()) // the help windows have names of their own
            continue;
        const QString name = widget->objectName();
        const QString caption = i18n::Caption(language, Form1, name);
        if (caption.isEmpty())
            continue;
        if (auto* box = qobject_cast<QGroupBox*>(widget))
            box->setTitle(caption);
        else if (auto* label = qobject_cast<QLabel*>(widget))
            label->setText(caption);
        else if (auto* button = qobject_cast<QAbstractButton*>(widget);
                 button && !qobject_cast<QRadioButton*>(widget))
            button->setText(caption);
    }
    for (int p = SymbolPictureFor(FirstSymbolText); p <= SymbolPictureFor(LastSymbolText); ++p)
        valueName[p]->setText(i18n::Tooltip(language, Form1, QStringLiteral("Picture%1").arg(p)));
    const QStringList headings = i18n::ColumnHeadings(language, {});
    for (int i = 0; i < SoundCount; ++i)
        sounds->label(i)->setText(headings.value(FirstSoundColumn + i));
}

void FormView::Private::enableUndo() {
    // Without a file there is nothing to go back to.
    command[3]->setEnabled(state.FileLoaded);
    emit q->formChanged();
}

FormView::FormView(EditorState& state, platform::Dialogs& dialogs, platform::WavePlayer& player,
                   QWidget* parent)
    : QWidget(parent), d(new Private(this, state, dialogs, player)) {
    d->buildControls();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(d->buildLayout());
    d->wireRules();
    d->applyOwnCaptions(i18n::Language::English);
    d->howTo = new HowToWindow(this);
}

FormView::~FormView() {
    delete d;
}

int FormView::shownRow() const {
    return d->shownRow;
}

void FormView::ShowUnitInForm(int row) {
    d->show(row);
}

void FormView::CommitFormToGrid() {
    d->commit();
}

bool FormView::hasUncommittedEdits() const {
    return d->hasShownRow() &&
           (d->formRow() != d->shownForm || d->descriptionText() != d->shownDescription);
}

bool FormView::onlyDescriptionPasted() const {
    return d->onlyDescriptionPasted();
}

void FormView::setCommitSink(CommitSink sink) {
    d->commitSink = std::move(sink);
}

void FormView::showFromDatasheet(int row) {
    if (row < 1 || row > d->lastRow())
        return;
    setPrevEnabled(row != 1);
    setNextEnabled(row != d->lastRow());
    d->show(row);
}

void FormView::commitAndShow(int row) {
    if (d->hasShownRow() && row >= 1 && row <= d->lastRow())
        d->commitAndShow(row);
}

void FormView::followShownUnit(int row) {
    if (!d->hasShownRow() || row < 1 || row > d->lastRow())
        return;
    d->shownRow = row;
    // The save may have corrected the row: a field left alone writes back
    // the corrected cell, not the one shown before.
    d->shownCells = d->state.datasheet.rowCells(row);
    setPrevEnabled(row != 1);
    setNextEnabled(row != d->lastRow());
}

void FormView::reloadReferenceData() {
    const gamedata::TextLists& lists = d->state.lists;
    const std::pair<int, const QStringList*> sources[] = {
        {12, &lists.classes},    {8, &lists.moveMedia}, {9, &lists.moveMethods},
        {10, &lists.transports}, {1, &lists.specials},  {2, &lists.specials},
        {3, &lists.specials},    {4, &lists.specials},
    };
    for (const auto& [number, entries] : sources) {
        QComboBox* list = d->combo[number];
        const int shown = list->currentIndex();
        const QSignalBlocker quiet(list);
        list->clear();
        list->addItems(*entries);
        list->setCurrentIndex(shown < list->count() ? shown : -1);
    }
    for (int i = 1; i <= TargetTypeCount; ++i) {
        const QString name = lists.targetTypes.value(i - 1);
        d->option[i]->setText(name.isEmpty() ? QString::fromLatin1(DefaultTargetTypes[i - 1])
                                             : name);
    }
    // Game names win over the table's tooltips until the language is applied again.
    for (int i = 0; i < 5; ++i) {
        if (!lists.defenceTips.value(i).isEmpty())
            d->symbol[8 + i]->setToolTip(lists.defenceTips[i]);
    }
    d->country->setFlags(d->state.graphics.flags);
    d->country->setTooltips(lists.nationTooltips, lists.flagTooltips);
    d->country->setNationNames(lists.NationNames);
    d->sounds->setEntries(sound::SoundListEntries(
        i18n::Message(d->state.language(), i18n::msg::NoSoundEntry), d->state.soundFiles));
    d->icon->reload(d->hasShownRow());
}

void FormView::setPrevEnabled(bool on) {
    d->command[1]->setEnabled(on);
}
void FormView::setNextEnabled(bool on) {
    d->command[2]->setEnabled(on);
}
void FormView::setUndoEnabled(bool on) {
    d->command[3]->setEnabled(on);
}
void FormView::setSelectEnabled(bool on) {
    d->command[9]->setEnabled(on);
}

void FormView::copyDescription() {
    d->state.DescriptionBuffer = d->descriptionText();
}

void FormView::pasteDescription() {
    d->description->setPlainText(d->state.DescriptionBuffer);
    d->pastedDescription = d->descriptionText();
    emit formChanged();
}

formview::HowToWindow* FormView::howTo() const {
    return d->howTo;
}

void FormView::showHowTo() {
    d->howTo->showWindow();
}

formview::AboutWindow* FormView::aboutWindow() const {
    return d->about;
}

void FormView::showAbout() {
    if (!d->about) {
        d->about = new AboutWindow(d->dialogs, this);
        d->aboutCreated = true;
    }
    d->about->show();
    d->about->raise();
    d->about->activateWindow();
}

void FormView::applyTooltips() {
    d->howTo->applyTooltip(d->state.language(), d->state.TooltipsOn);
}

void FormView::applyLanguage() {
    const i18n::Language language = d->state.language();
    d->applyOwnCaptions(language);
    d->howTo->applyLanguage(language, d->state.TooltipsOn);
    // The About window exists from the first application of a language until
    // OK discards it; a discarded one comes back only when it is opened.
    if (!d->about && !d->aboutCreated) {
        d->about = new AboutWindow(d->dialogs, this);
        d->aboutCreated = true;
    }
    if (d->about)
        d->about->applyLanguage(language);
    d->icon->refreshTooltip();
}

} // namespace quillon
