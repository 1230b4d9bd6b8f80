#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace quillon {

// One row of the datasheet: 74 text cells in a few bytes each. Almost every
// cell of a unit is a whole number as loading (" 12", "-3") or the form view
// ("12") writes it; such a cell is kept as its number and its form, column
// 73's 120 blank-separated byte values as the 120 bytes, and only any other
// text (a name, a heading, whatever a user pasted) as a text of its own.
// Every cell reads back exactly the text that was put in.
class DatasheetRow {
public:
    static constexpr int ColumnCount = 74;
    static constexpr int BytesColumn = 73;
    static constexpr int ByteCount = 120;
    using Bytes = std::array<std::uint8_t, ByteCount>;

    // `row[c]` reads as the cell's text; `row[c] = text` stores one.
    class CellRef {
    public:
        CellRef(DatasheetRow& row, int col) : row_(row), col_(col) {}
        CellRef& operator=(QStringView text) {
            row_.setText(col_, text);
            return *this;
        }
        CellRef& operator=(const QString& text) {
            row_.setText(col_, text);
            return *this;
        }
        CellRef& operator=(const CellRef& other) { return *this = QString(other); }
        operator QString() const { return row_.text(col_); }

    private:
        DatasheetRow& row_;
        int col_;
    };
    QString operator[](size_t col) const { return text(int(col)); }
    CellRef operator[](size_t col) { return CellRef(*this, int(col)); }

    // A column out of range reads as empty and is not written.
    QString text(int col) const;
    // False when the cell already held exactly this text. A QString kept
    // as a text is shared, not copied.
    bool setText(int col, QStringView text) { return setText(col, text, nullptr); }
    bool setText(int col, const QString& text) { return setText(col, text, &text); }

    // The length of a cell's text, and its characters written to `out`
    // (which has room for them), returning the end of what was written:
    // block texts are built without a temporary text per cell.
    qsizetype textSize(int col) const;
    QChar* writeText(int col, QChar* out) const;

    // True when the cell is kept as a text of its own: only such a cell can
    // hold other characters than blanks, digits and a minus sign.
    bool holdsText(int col) const;

    // A number as loading writes it (" 12", " 0", "-3").
    void setNumber(int col, std::int64_t value);
    // The cell's number when it holds a whole number in one of the kept
    // forms; any other text (numeric or not) gives nothing.
    std::optional<std::int64_t> wholeNumber(int col) const;

    // Cells left..right become those of `from`, without a text per cell.
    void copyCells(const DatasheetRow& from, int left, int right);

    // Column 73 as loading writes it: each byte a blank and its decimal value.
    void setBytes(const Bytes& bytes);
    // Column 73's bytes when it holds exactly that form, else null.
    const Bytes* bytes() const;

    bool operator==(const DatasheetRow&) const = default;

private:
    // A cell's code: its form in the low bits, a kept number above them.
    enum Form : std::uint32_t { Empty, Blank, Plain, Stored, InBytes };
    static constexpr int FormBits = 3;

    struct StoredText {
        int col;
        QString text;
        bool operator==(const StoredText&) const = default;
    };

    static Form formOf(std::uint32_t code) { return Form(code & ((1u << FormBits) - 1)); }
    static std::int64_t valueOf(std::uint32_t code) { return std::int32_t(code) >> FormBits; }
    bool setText(int col, QStringView text, const QString* shared);
    std::vector<StoredText>::const_iterator findStored(int col) const;
    void dropStored(int col);

    std::array<std::uint32_t, ColumnCount> codes_{};
    Bytes bytes_{};                  // all zero unless column 73 is kept as bytes
    std::vector<StoredText> stored_; // by column
};

} // namespace quillon
