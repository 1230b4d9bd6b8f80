#include "equipment/RecordCodec.h"

#include "datasheet/CellNumber.h"
#include "gamedata/IndexFiles.h"

#include <QStringView>
#include <algorithm>
#include <optional>

namespace quillon {

namespace {

// How a numeric column is stored and what a save lets through.
enum class Width { Byte, Word }; // unsigned 8-bit, signed 16-bit
enum class Rule { Ranged, Sound };

struct NumericColumn {
    int column;
    int offset;
    Width width;
    Rule rule;
    int limit; // upper limit of a ranged column
};

constexpr int FirstNationColumn = 34;
constexpr int NationColumns = 32;
constexpr int NationOffset = 34;
constexpr int UnknownColumn = 73;

// Every numeric field of the record, in column order.
constexpr auto NumericColumns = [] {
    std::array<NumericColumn, 39> table{};
    int n = 0;
    for (int column = 2; column <= 26; ++column) {
        const int limit = column == 21 ? 31 : column == 24 ? 15 : 255;
        table[size_t(n++)] = {column, column - 2, Width::Byte, Rule::Ranged, limit};
    }
    table[size_t(n++)] = {27, 25, Width::Word, Rule::Ranged, 32767}; // Icon ID
    table[size_t(n++)] = {28, 27, Width::Word, Rule::Ranged, 255};   // U3
    for (int column = 29; column <= 33; ++column)
        table[size_t(n++)] = {column, column, Width::Byte, Rule::Ranged, 255};
    for (int column = 66; column <= 69; ++column)
        table[size_t(n++)] = {column, column - 28, Width::Byte, Rule::Ranged, 255};
    for (int column = 70; column <= 72; ++column)
        table[size_t(n++)] = {column, 42 + 2 * (column - 70), Width::Word, Rule::Sound, 0};
    return table;
}();

int readField(const EquipmentRecord& record, const NumericColumn& c) {
    if (c.width == Width::Byte)
        return record.bytes[size_t(c.offset)];
    const auto low = record.bytes[size_t(c.offset)];
    const auto high = record.bytes[size_t(c.offset) + 1];
    return std::int16_t(std::uint16_t(low | (high << 8)));
}

void writeField(EquipmentRecord& record, const NumericColumn& c, std::int64_t value) {
    const auto bits = std::uint16_t(value);
    record.bytes[size_t(c.offset)] = std::uint8_t(bits & 0xFF);
    if (c.width == Width::Word)
        record.bytes[size_t(c.offset) + 1] = std::uint8_t(bits >> 8);
}

// The number of a cell, read as a save reads it; nothing when the cell is
// not numeric. Cells in a kept whole-number form need no parsing.
std::optional<double> cellValue(const Datasheet::Row& cells, int col) {
    if (const std::optional<std::int64_t> whole = cells.wholeNumber(col))
        return double(*whole);
    const QString text = cells.text(col);
    return IsNumeric(text) ? std::optional<double>(CellNumber(text)) : std::nullopt;
}

// A ranged cell: not numeric or negative becomes " 0", above the limit the
// limit; the field is the corrected text's number rounded half to even.
std::int64_t correctRanged(Datasheet::Row& cells, int col, int limit) {
    const double value = cellValue(cells, col).value_or(-1);
    if (value < 0) {
        cells.setNumber(col, 0);
        return 0;
    }
    if (value > limit) {
        cells.setNumber(col, limit);
        return limit;
    }
    return RoundHalfEven(value);
}

// A sound cell keeps any number that fits 16 bits; a value beyond that
// range is clamped and the cell shows what was stored.
std::int64_t correctSound(Datasheet::Row& cells, int col) {
    const std::optional<double> value = cellValue(cells, col);
    if (!value) {
        cells.setNumber(col, 0);
        return 0;
    }
    const std::int64_t rounded = RoundHalfEven(*value);
    const std::int64_t clamped = std::clamp<std::int64_t>(rounded, -32768, 32767);
    if (clamped != rounded)
        cells.setNumber(col, clamped);
    return clamped;
}

// The value of one blank-separated piece of column 73; plain digits, the
// form loading writes, are read without the general number parser.
std::int64_t unknownByteValue(QStringView piece) {
    if (piece.size() <= 3) {
        int value = 0;
        bool digits = true;
        for (QChar c : piece) {
            digits = digits && c >= u'0' && c <= u'9';
            value = value * 10 + (c.unicode() - u'0');
        }
        if (digits)
            return value;
    }
    return IsNumeric(piece) ? RoundHalfEven(CellNumber(piece)) : 0;
}

// Column 73 back into the unknown bytes: decimals separated by blanks, in
// order; missing ones are 0, each clamped to a byte.
void readUnknownBytes(const Datasheet::Row& cells, EquipmentRecord& record) {
    std::uint8_t* unknown = record.bytes.data() + EquipmentRecord::UnknownOffset;
    if (const Datasheet::Row::Bytes* bytes = cells.bytes()) {
        std::copy(bytes->begin(), bytes->end(), unknown);
        return;
    }
    const QString cell = cells.text(UnknownColumn);
    qsizetype pos = 0;
    for (int i = 0; i < EquipmentRecord::UnknownSize; ++i) {
        while (pos < cell.size() && cell[pos] == u' ')
            ++pos;
        if (pos >= cell.size())
            break;
        qsizetype end = cell.indexOf(u' ', pos);
        if (end < 0)
            end = cell.size();
        const std::int64_t value = unknownByteValue(QStringView(cell).sliced(pos, end - pos));
        unknown[i] = std::uint8_t(std::clamp<std::int64_t>(value, 0, 255));
        pos = end;
    }
}

} // namespace

std::array<int, 8> SplitFlagByte(std::uint8_t b) {
    std::array<int, 8> bits{};
    for (int i = 0; i < 8; ++i)
        bits[size_t(i)] = (b >> (7 - i)) & 1;
    return bits;
}

Datasheet::Row RecordToCells(int unitNumber, const QString& name, const EquipmentRecord& record) {
    Datasheet::Row cells;
    cells.setNumber(0, unitNumber);
    cells.setText(1, gamedata::TrimBlanks(name));
    for (const NumericColumn& c : NumericColumns)
        cells.setNumber(c.column, readField(record, c));
    for (int j = 0; j < 4; ++j) {
        const std::array<int, 8> bits = SplitFlagByte(record.bytes[size_t(NationOffset + j)]);
        for (int k = 0; k < 8; ++k)
            cells.setNumber(FirstNationColumn + 8 * j + k, bits[size_t(7 - k)]);
    }
    Datasheet::Row::Bytes unknown;
    std::copy_n(record.bytes.begin() + EquipmentRecord::UnknownOffset, EquipmentRecord::UnknownSize,
                unknown.begin());
    cells.setBytes(unknown);
    return cells;
}

EquipmentRecord RowToRecord(Datasheet& sheet, int row, std::vector<RowEdit>* corrections) {
    Datasheet::Row cells = sheet.rowCells(row);
    EquipmentRecord record;
    for (const NumericColumn& c : NumericColumns) {
        writeField(record, c,
                   c.rule == Rule::Sound ? correctSound(cells, c.column)
                                         : correctRanged(cells, c.column, c.limit));
    }
    for (int n = 0; n < NationColumns; ++n) {
        const int col = FirstNationColumn + n;
        const bool set = cellValue(cells, col).value_or(0) >= 1;
        cells.setText(col, set ? u"1" : u"0");
        if (set)
            record.bytes[size_t(NationOffset + n / 8)] |= std::uint8_t(1u << (n % 8));
    }
    readUnknownBytes(cells, record);
    if (cells == sheet.rowCells(row))
        return record;
    // One update per row: the view repaints once, not once per corrected cell.
    sheet.changeRows(row, row, [&](int, Datasheet::Row& shown) { std::swap(shown, cells); });
    if (corrections)
        corrections->push_back({row, std::move(cells)});
    return record;
}

} // namespace quillon
