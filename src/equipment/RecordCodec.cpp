#include "equipment/RecordCodec.h"

#include "datasheet/CellNumber.h"
#include "gamedata/IndexFiles.h"

#include <QStringView>
#include <algorithm>

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

// A ranged cell: not numeric or negative becomes " 0", above the limit the
// limit; the field is the corrected text's number rounded half to even.
std::int64_t correctRanged(QString& cell, int limit) {
    const double value = IsNumeric(cell) ? CellNumber(cell) : -1;
    if (value < 0) {
        cell = NumberText(0);
        return 0;
    }
    if (value > limit) {
        cell = NumberText(limit);
        return limit;
    }
    return RoundHalfEven(value);
}

// A sound cell keeps any number that fits 16 bits; a value beyond that
// range is clamped and the cell shows what was stored.
std::int64_t correctSound(QString& cell) {
    if (!IsNumeric(cell)) {
        cell = NumberText(0);
        return 0;
    }
    const std::int64_t value = RoundHalfEven(CellNumber(cell));
    const std::int64_t clamped = std::clamp<std::int64_t>(value, -32768, 32767);
    if (clamped != value)
        cell = NumberText(clamped);
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
void readUnknownBytes(const QString& cell, EquipmentRecord& record) {
    const QList<QStringView> values = QStringView(cell).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const int count = std::min(int(values.size()), EquipmentRecord::UnknownSize);
    for (int i = 0; i < count; ++i) {
        const std::int64_t value = unknownByteValue(values[i]);
        record.bytes[size_t(EquipmentRecord::UnknownOffset + i)] =
            std::uint8_t(std::clamp<std::int64_t>(value, 0, 255));
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
    // The texts of byte values are shared, not allocated per cell: a load
    // of thousands of units is mostly these.
    static const std::array<QString, 256> byteTexts = [] {
        std::array<QString, 256> texts;
        for (int v = 0; v < 256; ++v)
            texts[size_t(v)] = NumberText(v);
        return texts;
    }();
    const auto numberText = [&](int value) {
        return value >= 0 && value < 256 ? byteTexts[size_t(value)] : NumberText(value);
    };

    Datasheet::Row cells;
    cells[0] = NumberText(unitNumber);
    cells[1] = gamedata::TrimBlanks(name);
    for (const NumericColumn& c : NumericColumns)
        cells[size_t(c.column)] = numberText(readField(record, c));
    for (int j = 0; j < 4; ++j) {
        const std::array<int, 8> bits = SplitFlagByte(record.bytes[size_t(NationOffset + j)]);
        for (int k = 0; k < 8; ++k)
            cells[size_t(FirstNationColumn + 8 * j + k)] = byteTexts[size_t(bits[size_t(7 - k)])];
    }
    QString unknown(EquipmentRecord::UnknownSize * 4, Qt::Uninitialized);
    QChar* out = unknown.data();
    for (int i = 0; i < EquipmentRecord::UnknownSize; ++i) {
        const int value = record.bytes[size_t(EquipmentRecord::UnknownOffset + i)];
        *out++ = u' ';
        if (value >= 100)
            *out++ = QChar(u'0' + value / 100);
        if (value >= 10)
            *out++ = QChar(u'0' + value / 10 % 10);
        *out++ = QChar(u'0' + value % 10);
    }
    unknown.truncate(out - unknown.constData());
    cells[UnknownColumn] = unknown;
    return cells;
}

EquipmentRecord RowToRecord(Datasheet& sheet, int row, std::vector<CellEdit>* corrections) {
    Datasheet::Row cells = sheet.rowCells(row);
    EquipmentRecord record;
    for (const NumericColumn& c : NumericColumns) {
        QString& cell = cells[size_t(c.column)];
        writeField(record, c,
                   c.rule == Rule::Sound ? correctSound(cell) : correctRanged(cell, c.limit));
    }
    for (int n = 0; n < NationColumns; ++n) {
        QString& cell = cells[size_t(FirstNationColumn + n)];
        const bool set = IsNumeric(cell) && CellNumber(cell) >= 1;
        cell = set ? QStringLiteral("1") : QStringLiteral("0");
        if (set)
            record.bytes[size_t(NationOffset + n / 8)] |= std::uint8_t(1u << (n % 8));
    }
    readUnknownBytes(cells[UnknownColumn], record);
    // One update per row: the view repaints once, not once per corrected cell.
    const Datasheet::Row& before = sheet.rowCells(row);
    if (cells == before)
        return record;
    for (int col = 0; corrections && col < Datasheet::ColumnCount; ++col)
        if (cells[size_t(col)] != before[size_t(col)])
            corrections->push_back({row, col, before[size_t(col)], cells[size_t(col)]});
    sheet.setRowCells(row, cells);
    return record;
}

} // namespace quillon
