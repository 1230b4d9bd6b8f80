#include "check/ui/ReportWindow.h"

#include "i18n/ui/ApplyLanguageUi.h"

#include <QAbstractTableModel>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

namespace quillon {

namespace {
// Long texts (descriptions, unknown bytes) are cut in the list, whole in the tooltip.
constexpr int ShownLength = 80;
} // namespace

// The entries as the table shows them, in the order the user sorted them.
// Lists of a hundred thousand problems stay quick: no item objects, and
// one sort of row numbers.
class ReportWindow::EntryModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setEntries(QStringList titles, std::vector<Entry> entries) {
        beginResetModel();
        titles_ = std::move(titles);
        entries_ = std::move(entries);
        order_.resize(entries_.size());
        std::iota(order_.begin(), order_.end(), 0);
        endResetModel();
    }
    const Entry& entry(int index) const { return entries_[size_t(index)]; }
    int count() const { return int(entries_.size()); }
    int entryAt(int row) const { return order_[size_t(row)]; }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : count();
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(titles_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
            return {};
        const QString text = entry(entryAt(index.row())).texts.value(index.column());
        if (role == Qt::ToolTipRole)
            return text;
        QString shown = text;
        shown.replace(QLatin1Char('\n'), QLatin1Char(' ')).remove(QLatin1Char('\r'));
        return shown.size() > ShownLength ? shown.left(ShownLength) + QStringLiteral("…") : shown;
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return titles_.value(section);
        return {};
    }
    void sort(int column, Qt::SortOrder order) override {
        if (column < 0 || column >= columnCount())
            return;
        emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        const auto key = [&](int e) { return entries_[size_t(e)].sortKeys[size_t(column)]; };
        const auto text = [&](int e) { return entries_[size_t(e)].texts[column]; };
        std::stable_sort(order_.begin(), order_.end(), [&](int x, int y) {
            const std::optional<qint64> a = key(x), b = key(y);
            const int c =
                a && b ? (*a > *b) - (*a < *b) : text(x).compare(text(y), Qt::CaseInsensitive);
            return order == Qt::AscendingOrder ? c < 0 : c > 0;
        });
        emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    }

private:
    QStringList titles_;
    std::vector<Entry> entries_;
    std::vector<int> order_; // table row -> entry
};

ReportWindow::ReportWindow(const char* objectName, QWidget* parent)
    : QWidget(parent, Qt::Window), summary_(new QLabel(this)), table_(new QTableView(this)),
      entries_(new EntryModel(this)), buttons_(new QWidget(this)) {
    setObjectName(QString::fromLatin1(objectName));
    summary_->setObjectName(QStringLiteral("ReportSummary"));
    summary_->setWordWrap(true);
    table_->setObjectName(QStringLiteral("ReportList"));
    table_->setModel(entries_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(0, Qt::AscendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    connect(table_, &QTableView::activated, this,
            [this](const QModelIndex& index) { emit entryChosen(entries_->entryAt(index.row())); });

    auto* row = new QHBoxLayout(buttons_);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch(1);
    connect(addButton("Close"), &QPushButton::clicked, this, &QWidget::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(table_, 1);
    layout->addWidget(buttons_);
    resize(900, 480);
}

QPushButton* ReportWindow::addButton(const char* objectName) {
    auto* button = new QPushButton(buttons_);
    button->setObjectName(QString::fromLatin1(objectName));
    auto* row = static_cast<QHBoxLayout*>(buttons_->layout());
    // Close stays last.
    row->insertWidget(row->count() - (row->count() > 1 ? 1 : 0), button);
    return button;
}

QString ReportWindow::summaryText() const {
    return summary_->text();
}

int ReportWindow::entryCount() const {
    return entries_->count();
}

QString ReportWindow::entryText(int entry, int column) const {
    return entries_->entry(entry).texts.value(column);
}

int ReportWindow::entryAt(int row) const {
    return entries_->entryAt(row);
}

std::vector<int> ReportWindow::selectedEntries() const {
    std::vector<int> entries;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        entries.push_back(entries_->entryAt(index.row()));
    std::sort(entries.begin(), entries.end());
    return entries;
}

void ReportWindow::applyCaptions(i18n::Language language) {
    i18n::ApplyCaptions(this, language, objectName());
}

void ReportWindow::setEntries(const QStringList& titles, std::vector<Entry> entries,
                              const QString& summary) {
    summary_->setText(summary);
    for (Entry& entry : entries)
        entry.sortKeys.resize(size_t(titles.size()));
    entries_->setEntries(titles, std::move(entries));
    const QHeaderView* header = table_->horizontalHeader();
    entries_->sort(header->sortIndicatorSection(), header->sortIndicatorOrder());
    table_->resizeColumnsToContents();
}

void ReportWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit closed();
}

void ReportWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace quillon
