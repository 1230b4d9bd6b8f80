#include "platform/TextCodec.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace quillon::platform {

namespace {

// The characters of bytes 0x80..0x9F; every other byte is the character of
// the same number. The five bytes the code page leaves unassigned stand for
// the control characters of their own number, so all 256 bytes round-trip.
constexpr std::array<char16_t, 32> HighCharacters = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr std::array<char16_t, 256> ByteCharacters = [] {
    std::array<char16_t, 256> table{};
    for (int b = 0; b < 256; ++b)
        table[size_t(b)] = b >= 0x80 && b < 0xA0 ? HighCharacters[size_t(b - 0x80)] : char16_t(b);
    return table;
}();

} // namespace

QString fromCp1252(QByteArrayView bytes) {
    QString text;
    fromCp1252(bytes, text);
    return text;
}

void fromCp1252(QByteArrayView bytes, QString& text) {
    text.resize(bytes.size());
    QChar* out = text.data();
    for (const char byte : bytes)
        *out++ = QChar(ByteCharacters[std::uint8_t(byte)]);
}

QByteArray toCp1252(QStringView text, bool* lossless) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    bool allEncoded = true;
    qsizetype i = 0;
    while (i < text.size()) {
        // Runs of ASCII, four characters at a time: most text is nothing
        // else, and a long text goes back to them after each other character.
        std::uint64_t four = 0;
        if (i + 4 <= text.size()) {
            std::memcpy(&four, text.data() + i, sizeof four);
            if (!(four & 0xFF80'FF80'FF80'FF80u)) {
                for (int k = 0; k < 4; ++k)
                    out[k] = char(text[i + k].unicode());
                i += 4;
                out += 4;
                continue;
            }
        }
        const char16_t c = text[i++].unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            *out++ = char(c);
            continue;
        }
        const auto high = std::find(HighCharacters.begin(), HighCharacters.end(), c);
        if (high != HighCharacters.end()) {
            *out++ = char(0x80 + (high - HighCharacters.begin()));
            continue;
        }
        // Not in the code page: one '?' per character, a surrogate pair
        // being one character. The encoder's own stand-in would be a NUL
        // or a control byte, which breaks a line of the game's text files.
        allEncoded = false;
        *out++ = '?';
        if (QChar::isHighSurrogate(c) && i < text.size() && text[i].isLowSurrogate())
            ++i;
    }
    bytes.truncate(out - bytes.constData());
    if (lossless)
        *lossless = allEncoded;
    return bytes;
}

QString unencodableCp1252(QStringView text) {
    QString found;
    bool lossless = true;
    toCp1252(text, &lossless);
    if (lossless)
        return found;
    // One character at a time, a surrogate pair being one character.
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QStringView character = text.sliced(i, length);
        toCp1252(character, &lossless);
        if (!lossless && !found.contains(character))
            found += character;
        i += length;
    }
    return found;
}

} // namespace quillon::platform
