#include "datasheet/Datasheet.h"

#include "datasheet/CellNumber.h"
#include "datasheet/TextFolding.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <numeric>

namespace quillon {

namespace {

constexpr int MaxRows = Datasheet::MaxUnits + 1;

const Datasheet::Row& emptyRow() {
    static const Datasheet::Row empty{};
    return empty;
}

// Lays the TAB-separated pieces of a line (up to a CR or LF) onto columns
// left..right of a row, leaving out pieces beyond `right`.
void layLine(Datasheet::Row& row, int left, int right, QStringView line) {
    int col = left;
    qsizetype start = 0;
    for (qsizetype pos = 0; col <= right; ++pos) {
        const bool lineEnd = pos == line.size() || line[pos] == u'\r' || line[pos] == u'\n';
        if (!lineEnd && line[pos] != u'\t')
            continue;
        row.setText(col++, line.sliced(start, pos - start));
        if (lineEnd)
            return;
        start = pos + 1;
    }
}

} // namespace

Datasheet::Datasheet(QObject* parent) : QObject(parent) {}

int Datasheet::clampRow(int row) const {
    return std::clamp(row, 0, rows() - 1);
}

int Datasheet::clampCol(int col) {
    return std::clamp(col, 0, ColumnCount - 1);
}

std::array<int, 6> Datasheet::cursorState() const {
    return {row_, col_, rowSel_, colSel_, markedRow_, markedCol_};
}

void Datasheet::notifyIfMoved(const std::array<int, 6>& before) {
    if (before != cursorState())
        emit currentCellChanged();
}

void Datasheet::setRows(int count) {
    count = std::clamp(count, 1, MaxRows);
    if (count == rows())
        return;
    const auto before = cursorState();
    units_.resize(size_t(count - 1));
    row_ = clampRow(row_);
    rowSel_ = clampRow(rowSel_);
    if (markedRow_ >= count)
        markedRow_ = markedCol_ = -1;
    emit reset();
    notifyIfMoved(before);
}

QString Datasheet::cell(int row, int col) const {
    if (row < 0 || row >= rows())
        return {};
    return at(row).text(col);
}

const Datasheet::Row& Datasheet::rowCells(int row) const {
    if (row < 0 || row >= rows())
        return emptyRow();
    return at(row);
}

void Datasheet::setCell(int row, int col, const QString& text) {
    if (row < 0 || row >= rows() || col < 0 || col >= ColumnCount)
        return;
    if (at(row).setText(col, text))
        emit cellsChanged(row, col, row, col);
}

void Datasheet::setRowCells(int row, const Row& cells) {
    if (row < 0 || row >= rows())
        return;
    at(row) = cells;
    emit cellsChanged(row, 0, row, ColumnCount - 1);
}

void Datasheet::setColumnTexts(int col, int firstRow, const QStringList& texts) {
    if (col < 0 || col >= ColumnCount || texts.isEmpty())
        return;
    const int first = std::max(firstRow, 0);
    const int last = std::min(firstRow + int(texts.size()) - 1, rows() - 1);
    if (first > last)
        return;
    for (int r = first; r <= last; ++r)
        at(r).setText(col, texts[r - firstRow]);
    emit cellsChanged(first, col, last, col);
}

void Datasheet::replaceUnitRows(std::vector<Row> unitRows) {
    const auto before = cursorState();
    units_ = std::move(unitRows);
    row_ = clampRow(row_);
    rowSel_ = clampRow(rowSel_);
    // The marked cell now shows another unit's data.
    markedRow_ = markedCol_ = -1;
    emit reset();
    notifyIfMoved(before);
}

void Datasheet::updateMark() {
    if (row_ >= 1 && col_ >= 1) {
        markedRow_ = row_;
        markedCol_ = col_;
    } else {
        markedRow_ = markedCol_ = -1;
    }
}

void Datasheet::setRow(int row) {
    select(row, col_, row, col_);
}

void Datasheet::setCol(int col) {
    select(row_, col, row_, col);
}

void Datasheet::setRowSel(int row) {
    const auto before = cursorState();
    rowSel_ = clampRow(row);
    notifyIfMoved(before);
}

void Datasheet::setColSel(int col) {
    const auto before = cursorState();
    colSel_ = clampCol(col);
    notifyIfMoved(before);
}

void Datasheet::select(int row, int col, int rowSel, int colSel) {
    const auto before = cursorState();
    row_ = clampRow(row);
    col_ = clampCol(col);
    rowSel_ = clampRow(rowSel);
    colSel_ = clampCol(colSel);
    updateMark();
    notifyIfMoved(before);
}

void Datasheet::clearMark() {
    const auto before = cursorState();
    markedRow_ = markedCol_ = -1;
    notifyIfMoved(before);
}

QByteArray Datasheet::clipUtf8(const platform::Progress& progress) const {
    const int top = std::min(row_, rowSel_), bottom = std::max(row_, rowSel_);
    const int left = std::min(col_, colSel_), right = std::max(col_, colSel_);
    QStringEncoder toUtf8(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    // One pass for the room, so that the text is built without regrowing:
    // only a cell kept as a text can hold more than one byte a character.
    qsizetype room = qsizetype(bottom - top + 1) * (right - left + 1);
    for (int r = top; r <= bottom; ++r)
        for (int c = left; c <= right; ++c)
            room +=
                at(r).holdsText(c) ? toUtf8.requiredSpace(at(r).textSize(c)) : at(r).textSize(c);
    QByteArray text(room, Qt::Uninitialized);
    char* out = text.data();
    // Each row is written as UTF-16 into one reused line, then converted.
    QString line;
    for (int r = top; r <= bottom; ++r) {
        if (r > top)
            *out++ = '\r';
        const Row& row = at(r);
        qsizetype size = right - left;
        for (int c = left; c <= right; ++c)
            size += row.textSize(c);
        line.resize(size);
        QChar* lineEnd = line.data();
        for (int c = left; c <= right; ++c) {
            if (c > left)
                *lineEnd++ = u'\t';
            lineEnd = row.writeText(c, lineEnd);
        }
        out = toUtf8.appendToBuffer(out, line);
        platform::Report(progress, r - top + 1, bottom - top + 1);
    }
    text.truncate(out - text.constData());
    return text;
}

void Datasheet::setClipUtf8(QByteArrayView text, const platform::Progress& progress) {
    // Spreadsheets end a copied block with a line end and write CR LF; one
    // final CR LF or LF is dropped and LF after CR belongs to the line end, so
    // no cell gets a stray LF and no row below the text is blanked. A final
    // lone CR is this editor's own row separator before an empty last cell.
    if (text.endsWith("\r\n"))
        text.chop(2);
    else if (text.endsWith('\n'))
        text.chop(1);
    const int top = std::min(row_, rowSel_), bottom = std::max(row_, rowSel_);
    const int left = std::min(col_, colSel_), right = std::max(col_, colSel_);
    // Each line is decoded on its own into one reused buffer.
    QStringDecoder fromUtf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString line;
    qsizetype pos = 0;
    for (int r = top; r <= bottom; ++r) {
        const auto lineEnd = std::find_if(text.begin() + pos, text.end(),
                                          [](char c) { return c == '\r' || c == '\n'; });
        const QByteArrayView bytes(text.begin() + pos, lineEnd);
        line.resize(bytes.size());
        const QChar* end = fromUtf8.appendToBuffer(line.data(), bytes);
        layLine(at(r), left, right, QStringView(line.constData(), end));
        platform::Report(progress, r - top + 1, bottom - top + 1);
        if (lineEnd == text.end())
            break;
        pos = lineEnd - text.begin() + 1;
        if (*lineEnd == '\r' && pos < text.size() && text[pos] == '\n')
            ++pos;
    }
    emit cellsChanged(top, left, bottom, right);
}

void Datasheet::addItem(QStringView text, int index) {
    // The heading row stays on top.
    index = std::clamp(index, 1, rows());
    Row row;
    layLine(row, 0, ColumnCount - 1, text);
    const auto before = cursorState();
    units_.insert(units_.begin() + (index - 1), std::move(row));
    // The mark belongs to its cell and moves down with it.
    if (markedRow_ >= index)
        ++markedRow_;
    emit rowsInserted(index, 1);
    notifyIfMoved(before);
}

void Datasheet::removeItem(int index) {
    if (index < 1 || index >= rows())
        return;
    const auto before = cursorState();
    units_.erase(units_.begin() + (index - 1));
    if (markedRow_ == index)
        markedRow_ = markedCol_ = -1;
    else if (markedRow_ > index)
        --markedRow_;
    row_ = clampRow(row_);
    rowSel_ = clampRow(rowSel_);
    emit rowsRemoved(index, 1);
    notifyIfMoved(before);
}

void Datasheet::clear() {
    headings_ = Row();
    for (Row& row : units_)
        row = Row();
    emit cellsChanged(0, 0, rows() - 1, ColumnCount - 1);
}

void Datasheet::sort(SortKind kind) {
    int first = 0;
    const std::vector<int> order = sortOrder(kind, first);
    if (!order.empty())
        permuteRows(first, order);
}

std::vector<int> Datasheet::sortOrder(SortKind kind, int& first) const {
    if (kind != NumericAscending && kind != NumericDescending && kind != TextAscending &&
        kind != TextDescending)
        return {};
    first = std::min(row_, rowSel_);
    int last = std::max(row_, rowSel_);
    if (first == last) {
        first = 1;
        last = rows() - 1;
    }
    first = std::max(first, 1); // the heading row never moves
    if (last <= first)
        return {};
    const int left = std::min(col_, colSel_), right = std::max(col_, colSel_);
    const size_t count = size_t(last - first + 1);
    const Row* const block = &units_[size_t(first - 1)];
    const size_t keyCount = size_t(right - left + 1);

    // Keys are read once per row; the sort itself only moves row numbers.
    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    const bool numeric = kind == NumericAscending || kind == NumericDescending;
    const bool descending = kind == NumericDescending || kind == TextDescending;
    // `compare` gives negative, zero or positive for two keys of a column.
    auto sortOn = [&](auto key, auto compare) {
        std::vector<decltype(key(block[0], 0))> keys(count * keyCount);
        for (size_t i = 0; i < count; ++i)
            for (size_t k = 0; k < keyCount; ++k)
                keys[i * keyCount + k] = key(block[i], left + int(k));
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            for (size_t k = 0; k < keyCount; ++k) {
                const int c =
                    compare(keys[size_t(a) * keyCount + k], keys[size_t(b) * keyCount + k]);
                if (c != 0)
                    return descending ? c > 0 : c < 0;
            }
            return false;
        });
    };
    if (numeric)
        sortOn(
            [](const Row& row, int col) {
                const std::optional<std::int64_t> whole = row.wholeNumber(col);
                return whole ? double(*whole) : CellNumber(row.text(col));
            },
            [](double x, double y) { return int(x > y) - int(x < y); });
    else
        sortOn([](const Row& row, int col) { return TextSortKey(row.text(col)); },
               [](const QString& x, const QString& y) {
                   return QString::compare(x, y, Qt::CaseSensitive);
               });
    return order;
}

void Datasheet::permuteRows(int first, const std::vector<int>& order) {
    const size_t count = order.size();
    if (count == 0 || first < 1 || first + qsizetype(count) > rows())
        return;
    std::vector<bool> seen(count);
    for (const int from : order) {
        if (from < 0 || size_t(from) >= count || seen[size_t(from)])
            return;
        seen[size_t(from)] = true;
    }
    // Apply the permutation cycle by cycle: each row is moved once, without a
    // second table of rows.
    Row* const block = &units_[size_t(first - 1)];
    std::vector<int> pending = order;
    for (size_t start = 0; start < count; ++start) {
        if (size_t(pending[start]) == start)
            continue;
        Row held = std::move(block[start]);
        size_t to = start;
        while (size_t(pending[to]) != start) {
            const size_t from = size_t(pending[to]);
            block[to] = std::move(block[from]);
            pending[to] = int(to);
            to = from;
        }
        block[to] = std::move(held);
        pending[to] = int(to);
    }

    // The current cell keeps its position and now lies on another unit; it
    // stays unmarked until a cell is chosen again.
    const auto before = cursorState();
    markedRow_ = markedCol_ = -1;
    emit rowsReordered();
    notifyIfMoved(before);
}

} // namespace quillon
