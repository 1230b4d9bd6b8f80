#include "datasheet/DatasheetRow.h"

#include "datasheet/CellNumber.h"

#include <algorithm>
#include <cstring>

namespace quillon {

namespace {

// Eight digits fit the code's number bits with room to spare.
constexpr int MaxKeptDigits = 8;
constexpr std::int64_t MaxKept = 99'999'999;

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

int digitCount(std::uint64_t value) {
    int count = 1;
    while (value >= 10) {
        value /= 10;
        ++count;
    }
    return count;
}

QChar* writeDigits(std::uint64_t value, QChar* out) {
    const int count = digitCount(value);
    for (int i = count - 1; i >= 0; --i) {
        out[i] = QChar(char16_t(u'0' + value % 10));
        value /= 10;
    }
    return out + count;
}

// " 0" to " 255": column 73 and most numbers are these, so they are
// copied, not computed.
struct ByteText {
    std::array<char16_t, 4> chars;
    int size;
};
constexpr std::array<ByteText, 256> ByteTexts = [] {
    std::array<ByteText, 256> texts{};
    for (int v = 0; v < 256; ++v) {
        ByteText& text = texts[size_t(v)];
        text.chars[0] = u' ';
        text.size = 1;
        for (int divisor = 100; divisor >= 1; divisor /= 10)
            if (v >= divisor || divisor == 1)
                text.chars[size_t(text.size++)] = char16_t(u'0' + v / divisor % 10);
    }
    return texts;
}();

// The blank and number of a non-negative value; `blank` false leaves the blank out.
qsizetype numberSize(std::uint64_t value, bool blank) {
    const qsizetype size = value < 256 ? ByteTexts[value].size : 1 + digitCount(value);
    return blank ? size : size - 1;
}

QChar* writeNumber(std::uint64_t value, bool blank, QChar* out) {
    if (value >= 256) {
        if (blank)
            *out++ = u' ';
        return writeDigits(value, out);
    }
    const ByteText& text = ByteTexts[value];
    for (int i = blank ? 0 : 1; i < text.size; ++i)
        *out++ = QChar(text.chars[size_t(i)]);
    return out;
}

// Decimal digits without a superfluous leading zero; false for anything else.
bool readDigits(QStringView text, std::int64_t& value) {
    if (text.isEmpty() || text.size() > MaxKeptDigits || (text[0] == u'0' && text.size() > 1))
        return false;
    value = 0;
    for (QChar c : text) {
        if (!isDigit(c))
            return false;
        value = value * 10 + (c.unicode() - u'0');
    }
    return true;
}

// Column 73 exactly as loading writes it: 120 times a blank and a value
// of 0..255 without leading zeros, nothing else.
bool readBytes(QStringView text, DatasheetRow::Bytes& bytes) {
    qsizetype pos = 0;
    for (std::uint8_t& byte : bytes) {
        if (pos >= text.size() || text[pos] != u' ')
            return false;
        const qsizetype start = ++pos;
        while (pos < text.size() && pos - start < 3 && isDigit(text[pos]))
            ++pos;
        std::int64_t value = 0;
        if (!readDigits(text.sliced(start, pos - start), value) || value > 255)
            return false;
        byte = std::uint8_t(value);
    }
    return pos == text.size();
}

} // namespace

std::vector<DatasheetRow::StoredText>::const_iterator DatasheetRow::findStored(int col) const {
    const auto found =
        std::lower_bound(stored_.begin(), stored_.end(), col,
                         [](const StoredText& stored, int column) { return stored.col < column; });
    return found != stored_.end() && found->col == col ? found : stored_.end();
}

void DatasheetRow::dropStored(int col) {
    const auto found = findStored(col);
    if (found != stored_.end())
        stored_.erase(found);
}

qsizetype DatasheetRow::textSize(int col) const {
    if (col < 0 || col >= ColumnCount)
        return 0;
    const std::uint32_t code = codes_[size_t(col)];
    const std::int64_t value = valueOf(code);
    switch (formOf(code)) {
    case Blank:
        return numberSize(std::uint64_t(value), true);
    case Plain:
        return value < 0 ? 1 + numberSize(std::uint64_t(-value), false)
                         : numberSize(std::uint64_t(value), false);
    case InBytes: {
        qsizetype size = 0;
        for (std::uint8_t byte : bytes_)
            size += ByteTexts[byte].size;
        return size;
    }
    case Stored:
        return findStored(col)->text.size();
    default:
        return 0;
    }
}

QChar* DatasheetRow::writeText(int col, QChar* out) const {
    if (col < 0 || col >= ColumnCount)
        return out;
    const std::uint32_t code = codes_[size_t(col)];
    const std::int64_t value = valueOf(code);
    switch (formOf(code)) {
    case Blank:
        return writeNumber(std::uint64_t(value), true, out);
    case Plain:
        if (value >= 0)
            return writeNumber(std::uint64_t(value), false, out);
        *out++ = u'-';
        return writeNumber(std::uint64_t(-value), false, out);
    case InBytes:
        // Each byte's text is copied whole, its four characters at once: a
        // shorter one is overwritten by the next byte's, and only the last
        // one is copied to its exact length.
        for (int i = 0; i < ByteCount - 1; ++i) {
            const ByteText& byte = ByteTexts[bytes_[size_t(i)]];
            std::memcpy(static_cast<void*>(out), byte.chars.data(), sizeof byte.chars);
            out += byte.size;
        }
        return writeNumber(bytes_[ByteCount - 1], true, out);
    case Stored: {
        const QString& text = findStored(col)->text;
        return std::copy(text.cbegin(), text.cend(), out);
    }
    default:
        return out;
    }
}

QString DatasheetRow::text(int col) const {
    if (col >= 0 && col < ColumnCount && formOf(codes_[size_t(col)]) == Stored)
        return findStored(col)->text; // shared, not copied
    QString text(textSize(col), Qt::Uninitialized);
    writeText(col, text.data());
    return text;
}

bool DatasheetRow::setText(int col, QStringView text, const QString* shared) {
    if (col < 0 || col >= ColumnCount)
        return false;
    std::uint32_t& code = codes_[size_t(col)];
    // The one form this text is kept in, so that equal texts are equal rows.
    std::uint32_t newCode = Stored;
    std::int64_t value = 0;
    Bytes bytes; // filled only for the bytes form
    if (text.isEmpty())
        newCode = Empty;
    else if (text[0] == u' ' && readDigits(text.sliced(1), value))
        newCode = std::uint32_t(value << FormBits) | Blank;
    else if (text[0] == u'-' && readDigits(text.sliced(1), value) && value != 0)
        newCode = std::uint32_t(-value * (1 << FormBits)) | Plain;
    else if (readDigits(text, value))
        newCode = std::uint32_t(value << FormBits) | Plain;
    else if (col == BytesColumn && readBytes(text, bytes))
        newCode = InBytes;

    if (newCode == Stored) {
        const auto found = findStored(col);
        if (found != stored_.end()) {
            if (found->text == text)
                return false;
            stored_[size_t(found - stored_.begin())].text = shared ? *shared : text.toString();
        } else {
            const auto at = std::lower_bound(
                stored_.begin(), stored_.end(), col,
                [](const StoredText& stored, int column) { return stored.col < column; });
            stored_.insert(at, StoredText{col, shared ? *shared : text.toString()});
        }
    } else {
        if (newCode == code && (newCode != InBytes || bytes == bytes_))
            return false;
        if (formOf(code) == Stored)
            dropStored(col);
    }
    if (col == BytesColumn)
        bytes_ = newCode == InBytes ? bytes : Bytes{};
    code = newCode;
    return true;
}

void DatasheetRow::setNumber(int col, std::int64_t value) {
    if (col < 0 || col >= ColumnCount)
        return;
    if (value < -MaxKept || value > MaxKept) {
        setText(col, NumberText(value));
        return;
    }
    if (formOf(codes_[size_t(col)]) == Stored)
        dropStored(col);
    codes_[size_t(col)] = std::uint32_t(value * (1 << FormBits)) | (value < 0 ? Plain : Blank);
    if (col == BytesColumn)
        bytes_ = Bytes{};
}

bool DatasheetRow::holdsText(int col) const {
    return col >= 0 && col < ColumnCount && formOf(codes_[size_t(col)]) == Stored;
}

std::optional<std::int64_t> DatasheetRow::wholeNumber(int col) const {
    if (col < 0 || col >= ColumnCount)
        return std::nullopt;
    const std::uint32_t code = codes_[size_t(col)];
    if (formOf(code) != Blank && formOf(code) != Plain)
        return std::nullopt;
    return valueOf(code);
}

void DatasheetRow::copyCells(const DatasheetRow& from, int left, int right) {
    for (int col = std::max(left, 0); col <= std::min(right, ColumnCount - 1); ++col) {
        const std::uint32_t code = from.codes_[size_t(col)];
        if (formOf(code) == Stored) {
            setText(col, from.findStored(col)->text);
            continue;
        }
        if (formOf(codes_[size_t(col)]) == Stored)
            dropStored(col);
        codes_[size_t(col)] = code;
        if (col == BytesColumn)
            bytes_ = from.bytes_;
    }
}

void DatasheetRow::setBytes(const Bytes& bytes) {
    dropStored(BytesColumn);
    codes_[BytesColumn] = InBytes;
    bytes_ = bytes;
}

const DatasheetRow::Bytes* DatasheetRow::bytes() const {
    return formOf(codes_[BytesColumn]) == InBytes ? &bytes_ : nullptr;
}

} // namespace quillon
