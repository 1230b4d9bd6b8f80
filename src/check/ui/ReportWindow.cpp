#include "check/ui/ReportWindow.h"

#include "i18n/ui/ApplyLanguageUi.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace quillon {

namespace {
constexpr int SortRole = Qt::UserRole + 1;
// Long texts (descriptions, unknown bytes) are cut in the list, whole in the tooltip.
constexpr int ShownLength = 80;
} // namespace

ReportWindow::ReportWindow(const char* objectName, QWidget* parent)
    : QWidget(parent, Qt::Window), summary_(new QLabel(this)), table_(new QTableView(this)),
      items_(new QStandardItemModel(this)), sorted_(new QSortFilterProxyModel(this)),
      buttons_(new QWidget(this)) {
    setObjectName(QString::fromLatin1(objectName));
    summary_->setObjectName(QStringLiteral("ReportSummary"));
    summary_->setWordWrap(true);
    table_->setObjectName(QStringLiteral("ReportList"));
    sorted_->setSortRole(SortRole);
    sorted_->setSortCaseSensitivity(Qt::CaseInsensitive);
    sorted_->setDynamicSortFilter(false);
    sorted_->setSourceModel(items_);
    table_->setModel(sorted_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(0, Qt::AscendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    connect(table_, &QTableView::activated, this, [this](const QModelIndex& index) {
        emit entryChosen(sorted_->mapToSource(index).row());
    });

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
    return items_->rowCount();
}

QString ReportWindow::entryText(int entry, int column) const {
    const QStandardItem* item = items_->item(entry, column);
    return item ? item->data(Qt::ToolTipRole).toString() : QString();
}

std::vector<int> ReportWindow::selectedEntries() const {
    std::vector<int> entries;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        entries.push_back(sorted_->mapToSource(index).row());
    std::sort(entries.begin(), entries.end());
    return entries;
}

void ReportWindow::applyCaptions(i18n::Language language) {
    i18n::ApplyCaptions(this, language, objectName());
}

void ReportWindow::setEntries(const QStringList& titles, const std::vector<Entry>& entries,
                              const QString& summary) {
    summary_->setText(summary);
    // Filled apart from the view, so that it is sorted once, not row by row.
    sorted_->setSourceModel(nullptr);
    items_->clear();
    items_->setHorizontalHeaderLabels(titles);
    items_->setRowCount(int(entries.size()));
    for (int r = 0; r < int(entries.size()); ++r) {
        const Entry& entry = entries[size_t(r)];
        for (int c = 0; c < entry.texts.size(); ++c) {
            QString shown = entry.texts[c];
            shown.replace(QLatin1Char('\n'), QLatin1Char(' ')).remove(QLatin1Char('\r'));
            if (shown.size() > ShownLength)
                shown = shown.left(ShownLength) + QStringLiteral("…");
            auto* item = new QStandardItem(shown);
            item->setData(entry.texts[c], Qt::ToolTipRole);
            const QVariant key = entry.sortKeys.value(c);
            item->setData(key.isValid() ? key : QVariant(shown), SortRole);
            items_->setItem(r, c, item);
        }
    }
    sorted_->setSourceModel(items_);
    const QHeaderView* header = table_->horizontalHeader();
    sorted_->sort(header->sortIndicatorSection(), header->sortIndicatorOrder());
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
