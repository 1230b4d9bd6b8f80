#include "cli/PngFile.h"

#include <QtEndian>
#include <array>

namespace quillon::cli {

namespace {

quint32 Crc32(const QByteArray& bytes) {
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    quint32 crc = 0xffffffffu;
    for (const char byte : bytes)
        crc = table[(crc ^ quint8(byte)) & 0xff] ^ (crc >> 8);
    return crc ^ 0xffffffffu;
}

void AppendBigEndian(QByteArray& out, quint32 value) {
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

// Length, type, data and the CRC of type and data.
void AppendChunk(QByteArray& out, const char* type, const QByteArray& data) {
    AppendBigEndian(out, quint32(data.size()));
    const QByteArray typed = QByteArray(type) + data;
    out.append(typed);
    AppendBigEndian(out, Crc32(typed));
}

} // namespace

QByteArray EncodePng(const gamedata::Picture& picture) {
    QByteArray header;
    AppendBigEndian(header, quint32(picture.width()));
    AppendBigEndian(header, quint32(picture.height()));
    header.append("\x08\x06\x00\x00\x00", 5); // 8 bits, RGBA, deflate, no filter, no interlace

    QByteArray rows;
    rows.reserve(qsizetype(picture.height()) * (1 + 4 * qsizetype(picture.width())));
    for (int y = 0; y < picture.height(); ++y) {
        rows.append('\0'); // the row's filter: none
        for (int x = 0; x < picture.width(); ++x) {
            const gamedata::Argb pixel = picture.pixel(x, y);
            rows.append(char(gamedata::Red(pixel)));
            rows.append(char(gamedata::Green(pixel)));
            rows.append(char(gamedata::Blue(pixel)));
            rows.append(char(gamedata::Alpha(pixel)));
        }
    }

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    AppendChunk(png, "IHDR", header);
    // qCompress puts the length before the zlib stream that PNG wants.
    AppendChunk(png, "IDAT", qCompress(rows).mid(4));
    AppendChunk(png, "IEND", {});
    return png;
}

} // namespace quillon::cli
