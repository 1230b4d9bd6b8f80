#include "datasheet/ui/DatasheetView.h"

#include "datasheet/Datasheet.h"
#include "datasheet/ui/DatasheetFilter.h"
#include "datasheet/ui/DatasheetModel.h"
#include "i18n/Language.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

namespace quillon {

namespace {

// The current-unit mark must stay visible inside a selected block, so the
// marked cell is drawn unselected on its light-blue background.
class MarkDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.data(Qt::BackgroundRole).isValid())
            option->state &= ~QStyle::State_Selected;
    }
};

// A column the user narrowed shows its heading with an ellipsis (instead of
// losing both ends); the tooltip has it whole.
class HeadingRow : public QHeaderView {
public:
    explicit HeadingRow(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
        setSectionsClickable(true); // a heading click selects its column
    }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int section) const override {
        if (!rect.isValid())
            return;
        QStyleOptionHeader option;
        initStyleOption(&option);
        option.rect = rect;
        option.section = section;
        option.textAlignment = Qt::AlignCenter;
        const int margin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, &option, this);
        option.text =
            option.fontMetrics.elidedText(model()->headerData(section, Qt::Horizontal).toString(),
                                          Qt::ElideRight, rect.width() - margin);
        style()->drawControl(QStyle::CE_Header, &option, painter, this);
    }
};

constexpr int LastUnitColumn = Datasheet::ColumnCount - 1;

} // namespace

DatasheetView::DatasheetView(Datasheet& sheet, QWidget* parent)
    : QTableView(parent), sheet_(sheet), model_(new DatasheetModel(sheet, this)),
      filter_(new DatasheetFilter(*model_, this)) {
    setObjectName(QStringLiteral("MSFlexGrid1"));
    setHorizontalHeader(new HeadingRow(this));
    setModel(filter_);
    setItemDelegate(new MarkDelegate(this));
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setCornerButtonEnabled(true);

    // Uniform row heights keep 32767 rows cheap to lay out and scroll.
    QHeaderView* rowsHeader = verticalHeader();
    rowsHeader->setSectionResizeMode(QHeaderView::Fixed);
    rowsHeader->setDefaultSectionSize(std::max(twipsToPixels(240), fontMetrics().height() + 4));
    rowsHeader->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    rowsHeader->setHighlightSections(false);

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &DatasheetView::takeSelectionFromView);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            &DatasheetView::takeSelectionFromView);
    connect(&sheet_, &Datasheet::currentCellChanged, this, &DatasheetView::showSheetSelection);
    connect(&sheet_, &Datasheet::reset, this, &DatasheetView::showSheetSelection);
    // While rows come and go (or the filter changes) Qt moves its own
    // selection with them; the datasheet's block is what counts, so it is
    // shown again afterwards.
    for (auto about :
         {&QAbstractItemModel::rowsAboutToBeInserted, &QAbstractItemModel::rowsAboutToBeRemoved})
        connect(filter_, about, this, [this] { rowsMoving_ = true; });
    connect(filter_, &QAbstractItemModel::layoutAboutToBeChanged, this,
            [this] { rowsMoving_ = true; });
    for (auto done : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(filter_, done, this, [this] {
            rowsMoving_ = false;
            showSheetSelection();
        });
    connect(filter_, &QAbstractItemModel::layoutChanged, this, [this] {
        rowsMoving_ = false;
        showSheetSelection();
    });
    // A reset lays the headings out afresh; that is not the user's doing.
    connect(filter_, &QAbstractItemModel::modelAboutToBeReset, this, [this] { layingOut_ = true; });
    connect(filter_, &QAbstractItemModel::modelReset, this, [this] { layingOut_ = false; });
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int width) {
                if (!layingOut_)
                    userWidths_[section] = width;
            });

    corner_ = findChild<QAbstractButton*>();
    if (corner_) {
        corner_->installEventFilter(this);
        // The corner selects every unit, columns 1..73, with the first unit current.
        connect(static_cast<QAbstractButton*>(corner_), &QAbstractButton::clicked, this,
                &DatasheetView::selectAllUnits);
    }
    horizontalHeader()->viewport()->installEventFilter(this);
    verticalHeader()->viewport()->installEventFilter(this);
    applyColumnLayout();
}

int DatasheetView::twipsToPixels(int twips) const {
    return qRound(twips / 15.0 * logicalDpiX() / 96.0);
}

// Widths are given for the design font, at 80 twips a character: this font
// gets them in proportion, and a heading never less than its own text.
int DatasheetView::columnPixels(int col) const {
    const QString heading = sheet_.cell(0, col);
    const double designCharacter = twipsToPixels(80);
    const double scale =
        std::max(1.0, horizontalHeader()->fontMetrics().averageCharWidth() / designCharacter);
    const int margins = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin) + 8;
    return std::max(qRound(twipsToPixels(i18n::ColumnLayoutFor(col, heading).widthTwips) * scale),
                    horizontalHeader()->fontMetrics().horizontalAdvance(heading) + margins);
}

void DatasheetView::applyColumnLayout() {
    layingOut_ = true;
    for (int col = 1; col < Datasheet::ColumnCount; ++col) // a dragged width stays
        setColumnWidth(col - 1, userWidths_.value(col - 1, columnPixels(col)));
    layingOut_ = false;
    verticalHeader()->setFixedWidth(std::max(columnPixels(0), 24));
    if (corner_)
        corner_->update();
}

void DatasheetView::scrollToRowTop(int row) {
    const int shown = filter_->viewRow(row);
    if (shown < 0)
        return;
    const int col = std::max(sheet_.col(), 1) - 1;
    scrollTo(filter_->index(shown, col), QAbstractItemView::PositionAtTop);
}

void DatasheetView::showCurrentCell() {
    if (currentIndex().isValid())
        scrollTo(currentIndex());
}

void DatasheetView::selectAllUnits() {
    const int shown = filter_->rowCount();
    if (shown > 0)
        sheet_.select(filter_->sheetRow(0), 1, filter_->sheetRow(shown - 1), LastUnitColumn);
}

// Qt's selection -> the datasheet's block. The view moves its current index
// with the mouse while the pressed cell stays the anchor; the datasheet's
// Row/Col is that anchor and RowSel/ColSel the moving corner.
void DatasheetView::takeSelectionFromView() {
    if (syncing_ || rowsMoving_)
        return;
    const QModelIndex current = currentIndex();
    const QItemSelection selection = selectionModel()->selection();
    if (!current.isValid() && selection.isEmpty())
        return;
    int top = INT_MAX, left = INT_MAX, bottom = -1, right = -1;
    for (const QItemSelectionRange& range : selection) {
        top = std::min(top, range.top());
        left = std::min(left, range.left());
        bottom = std::max(bottom, range.bottom());
        right = std::max(right, range.right());
    }
    if (bottom < 0) {
        top = bottom = current.row();
        left = right = current.column();
    }
    const int curRow = current.isValid() ? std::clamp(current.row(), top, bottom) : bottom;
    const int curCol = current.isValid() ? std::clamp(current.column(), left, right) : right;
    const int anchorRow = curRow == top ? bottom : top;
    const int anchorCol = curCol == left ? right : left;
    const int lastCol = filter_->columnCount() - 1;
    const auto unitRow = [this](int row) { return filter_->sheetRow(row); };
    syncing_ = true;
    // Only a press on the headers selects whole rows or columns; a drag over
    // the cells keeps the corner where it started, so its direction still
    // decides the sort kind.
    if (pressedOn_ == PressedOn::NumberCells && left == 0 && right == lastCol)
        // Whole rows (number cells): the block runs from column 1 to 73.
        sheet_.select(unitRow(anchorRow), 1, unitRow(curRow), LastUnitColumn);
    else if (pressedOn_ == PressedOn::Headings && top == 0 && bottom == filter_->rowCount() - 1)
        // Whole columns (headings): every unit, whatever row is scrolled to the top.
        sheet_.select(unitRow(0), anchorCol + 1, unitRow(bottom), curCol + 1);
    else
        sheet_.select(unitRow(anchorRow), anchorCol + 1, unitRow(curRow), curCol + 1);
    syncing_ = false;
}

// The datasheet's block -> Qt's selection (after code moved the current
// cell: loading, renumbering, a commit, applying a language).
void DatasheetView::showSheetSelection() {
    if (syncing_)
        return;
    syncing_ = true;
    // The block's rows on show: from the first at or below its top to the
    // last at or above its bottom.
    const int top = filter_->viewRowFrom(std::max(std::min(sheet_.row(), sheet_.rowSel()), 1));
    const int bottom = filter_->viewRowUpTo(std::max(sheet_.row(), sheet_.rowSel()));
    const int left = std::max(std::min(sheet_.col(), sheet_.colSel()), 1);
    const int right = std::max(sheet_.col(), sheet_.colSel());
    QItemSelection selection;
    if (top >= 0 && top <= bottom && left <= right)
        selection.select(filter_->index(top, left - 1), filter_->index(bottom, right - 1));
    const int current = filter_->viewRow(sheet_.row());
    if (current >= 0 && sheet_.col() >= 1)
        selectionModel()->setCurrentIndex(filter_->index(current, sheet_.col() - 1),
                                          QItemSelectionModel::NoUpdate);
    else
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    syncing_ = false;
}

// Qt makes the first cell current when a view without a current index gets
// the focus; the datasheet's own current cell is the one that counts (a
// silent change would make another unit the target of insert and delete).
void DatasheetView::focusInEvent(QFocusEvent* event) {
    if (currentIndex().isValid()) {
        QTableView::focusInEvent(event);
        return;
    }
    syncing_ = true;
    QTableView::focusInEvent(event);
    syncing_ = false;
    showSheetSelection();
}

bool DatasheetView::event(QEvent* event) {
    // Copy and paste belong to the Edit menu (block text), not to the view's
    // own single-cell copy.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste)) {
            event->ignore();
            return true;
        }
    }
    return QTableView::event(event);
}

bool DatasheetView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == corner_ && event->type() == QEvent::Paint)
        return paintCorner(corner_);
    const bool onHeader =
        watched == horizontalHeader()->viewport() || watched == verticalHeader()->viewport();
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == verticalHeader()->viewport())
            pressedOn_ = PressedOn::NumberCells;
        else if (watched == horizontalHeader()->viewport())
            pressedOn_ = PressedOn::Headings;
    }
    // A double click on a unit's number cell chooses that unit, like one on
    // any of its cells.
    if (watched == verticalHeader()->viewport() && event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        emit unitChosen();
        return true;
    }
    if ((onHeader || watched == corner_) &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease ||
         event->type() == QEvent::MouseButtonDblClick)) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            // Right click sorts and never changes the selection.
            if (event->type() == QEvent::MouseButtonPress)
                emit sortRequested(mouse->modifiers());
            return true;
        }
    }
    return QTableView::eventFilter(watched, event);
}

bool DatasheetView::paintCorner(QWidget* corner) {
    QStyleOptionHeader option;
    option.initFrom(corner);
    option.rect = corner->rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.text = sheet_.cell(0, 0);
    option.textAlignment = Qt::AlignCenter;
    QPainter painter(corner);
    corner->style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
    return true;
}

void DatasheetView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        emit sortRequested(event->modifiers());
        event->accept();
        return;
    }
    pressedOn_ = PressedOn::Cells;
    QTableView::mousePressEvent(event);
}

void DatasheetView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTableView::mouseReleaseEvent(event);
}

void DatasheetView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
    if (indexAt(event->position().toPoint()).isValid())
        emit unitChosen();
}

void DatasheetView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit unitChosen();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

} // namespace quillon
