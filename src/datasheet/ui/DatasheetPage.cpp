#include "datasheet/ui/DatasheetPage.h"

#include "datasheet/Datasheet.h"
#include "datasheet/ui/DatasheetFilter.h"
#include "datasheet/ui/DatasheetView.h"
#include "i18n/Messages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace quillon {

namespace {

const QColor ProblemColour(192, 0, 0);

const char* ProblemMessage(UnitFilter::Problem problem) {
    switch (problem) {
    case UnitFilter::Problem::None:
        break;
    case UnitFilter::Problem::UnknownColumn:
        return i18n::msg::FilterUnknownColumn;
    case UnitFilter::Problem::NoColumn:
        return i18n::msg::FilterNoColumn;
    case UnitFilter::Problem::NoValue:
        return i18n::msg::FilterNoValue;
    case UnitFilter::Problem::BadOperator:
        return i18n::msg::FilterBadOperator;
    case UnitFilter::Problem::NotANumber:
        return i18n::msg::FilterNotANumber;
    case UnitFilter::Problem::UnknownEntry:
        return i18n::msg::FilterUnknownEntry;
    case UnitFilter::Problem::OpenQuote:
        return i18n::msg::FilterOpenQuote;
    }
    return nullptr;
}

QLabel* NamedLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

DatasheetPage::DatasheetPage(Datasheet& sheet, QWidget* parent)
    : QWidget(parent), sheet_(sheet), view_(new DatasheetView(sheet, this)),
      field_(new QLineEdit(this)), problem_(NamedLabel("FilterProblem", this)),
      status_(NamedLabel("StatusLine", this)) {
    field_->setObjectName(QStringLiteral("FilterText"));
    field_->setClearButtonEnabled(true);
    QLabel* label = NamedLabel("FilterLabel", this);
    label->setText(i18n::Caption(i18n::Language::English, u"Form1", label->objectName()));
    label->setBuddy(field_);
    QPalette red = problem_->palette();
    red.setColor(QPalette::WindowText, ProblemColour);
    problem_->setPalette(red);
    fieldPalette_ = field_->palette();

    auto* filterRow = new QHBoxLayout;
    filterRow->setContentsMargins(4, 2, 4, 2);
    filterRow->addWidget(label);
    filterRow->addWidget(field_, 2);
    filterRow->addWidget(problem_, 3);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(filterRow);
    layout->addWidget(view_, 1);
    status_->setContentsMargins(4, 0, 4, 2);
    layout->addWidget(status_);

    connect(field_, &QLineEdit::textChanged, this, &DatasheetPage::refilter);
    // Enter hands the keys to the grid, to work on what is shown.
    connect(field_, &QLineEdit::returnPressed, view_, [this] { view_->setFocus(); });
    connect(&sheet_, &Datasheet::currentCellChanged, this, &DatasheetPage::scheduleStatus);
    connect(&sheet_, &Datasheet::cellsChanged, this, &DatasheetPage::scheduleStatus);
    for (auto rowsMoved : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(filter(), rowsMoved, this, &DatasheetPage::scheduleStatus);
    connect(filter(), &QAbstractItemModel::layoutChanged, this, &DatasheetPage::scheduleStatus);
    connect(filter(), &QAbstractItemModel::modelReset, this, &DatasheetPage::scheduleStatus);
    status_->setText(statusText());
}

DatasheetFilter* DatasheetPage::filter() const {
    return view_->filter();
}

QString DatasheetPage::problemText() const {
    return problem_->text();
}

void DatasheetPage::applyLanguage(i18n::Language language, FilterVocabulary vocabulary) {
    language_ = language;
    vocabulary_ = std::move(vocabulary);
    refilter();
}

void DatasheetPage::refilter() {
    const bool wasActive = filter()->active();
    UnitFilter parsed = UnitFilter::Parse(field_->text(), vocabulary_);
    QString reason;
    if (const char* message = ProblemMessage(parsed.problem())) {
        // All subjects in one pass: a "%2" typed by the user stays as typed.
        const QStringList subjects = parsed.problemSubjects();
        reason = i18n::Message(language_, message);
        if (subjects.size() == 1)
            reason = reason.arg(subjects[0]);
        else if (subjects.size() >= 2)
            reason = reason.arg(subjects[0], subjects[1]);
    }
    problem_->setText(reason);
    QPalette palette = fieldPalette_;
    if (!reason.isEmpty())
        palette.setColor(QPalette::Text, ProblemColour);
    field_->setPalette(palette);
    filter()->setFilter(std::move(parsed));
    keepCurrentUnitShown();
    scheduleStatus();
    if (wasActive || filter()->active())
        emit filterChanged();
}

// A unit the filter hides cannot stay current: the next one on show (or the
// last) takes its place. Either way the current unit is brought into sight.
void DatasheetPage::keepCurrentUnitShown() {
    const int row = sheet_.row();
    if (row >= 1 && filter()->viewRow(row) < 0) {
        int shown = filter()->viewRowFrom(row);
        if (shown < 0)
            shown = filter()->rowCount() - 1;
        if (shown >= 0) {
            const int unit = filter()->sheetRow(shown);
            const int col = std::max(sheet_.col(), 1);
            sheet_.select(unit, col, unit, col);
        }
    }
    view_->showCurrentCell();
}

// A sort or a paste changes many rows one by one: the line is written once
// when they are done.
void DatasheetPage::scheduleStatus() {
    if (statusPending_)
        return;
    statusPending_ = true;
    QTimer::singleShot(0, this, [this] {
        statusPending_ = false;
        const QString text = statusText();
        if (status_->text() != text)
            status_->setText(text);
    });
}

QString DatasheetPage::statusText() const {
    const int units = sheet_.rows() - 1;
    QStringList parts;
    parts.append(filter()->active() ? i18n::Message(language_, i18n::msg::StatusShownUnits)
                                          .arg(filter()->rowCount())
                                          .arg(units)
                                    : i18n::Message(language_, i18n::msg::StatusUnits).arg(units));
    const int row = sheet_.row();
    if (row >= 1 && row <= units) {
        const QString number = sheet_.cell(row, 0).trimmed();
        const QString name = sheet_.cell(row, 1);
        parts.append(i18n::Message(language_, i18n::msg::StatusUnit).arg(number, name));
    }
    if (filter()->active())
        parts.append(
            i18n::Message(language_, i18n::msg::StatusFilter).arg(field_->text().simplified()));
    else if (filter()->filter().problem() != UnitFilter::Problem::None)
        parts.append(i18n::Message(language_, i18n::msg::StatusFilterNotApplied));
    else
        parts.append(i18n::Message(language_, i18n::msg::StatusNoFilter));
    return parts.join(QStringLiteral("   |   "));
}

} // namespace quillon
