#include "gamedata/Images.h"

#include <QtEndian>
#include <algorithm>

namespace quillon::gamedata {

namespace {

constexpr int PaletteBytes = 1024;
constexpr int SectionHeaderSize = 8;
constexpr int DirectoryEntrySize = 8;
constexpr qint64 MaxCanvasSide = 4096;

qint32 Int32At(const QByteArray& bytes, qint64 at) {
    return qFromLittleEndian<qint32>(bytes.constData() + at);
}

bool Holds(const QByteArray& bytes, qint64 start, qint64 length) {
    return start >= 0 && start <= bytes.size() - length;
}

// Writes `count` pixels of one colour from column x on, clipped to the target.
void FillRun(Picture& target, qint64 x, qint64 y, qint64 count, Argb colour) {
    if (y < 0 || y >= target.height())
        return;
    const qint64 from = std::max<qint64>(x, 0);
    const qint64 to = std::min<qint64>(x + count, target.width());
    if (from >= to)
        return;
    Argb* row = target.row(int(y));
    std::fill(row + from, row + to, colour);
}

} // namespace

Palette BlackPalette() {
    Palette palette;
    palette.fill(Opaque(0, 0, 0));
    return palette;
}

bool LoadPalette(const QByteArray& file, Palette& palette) {
    if (file.size() < PaletteBytes)
        return false;
    const auto* bytes = reinterpret_cast<const uchar*>(file.constData());
    for (int i = 0; i < 256; ++i) {
        const uchar* entry = bytes + 4 * i;
        palette[i] = Opaque(entry[2], entry[1], entry[0]);
    }
    return true;
}

bool ImageHeader::valid() const {
    return y1 <= rowLimit && x1 <= columnLimit && x0 < x1 && y0 < y1;
}

namespace {

// Width and height of the canvas, unclipped; 64-bit so that no header
// overflows them.
qint64 CanvasWidth(const ImageHeader& header, int xStart) {
    return std::max<qint64>(qint64(xStart) + qint64(header.x1) - header.x0 + 1, 1);
}
qint64 CanvasHeight(const ImageHeader& header) {
    return std::max<qint64>(qint64(header.y1) + 1, 1);
}

} // namespace

qint64 CanvasPixels(const ImageHeader& header, int xStart) {
    return CanvasWidth(header, xStart) * CanvasHeight(header);
}

bool FitsData(const ImageHeader& header, qint64 dataBytes, int xStart) {
    const qint64 rows = qint64(header.y1) - header.y0 + 1;
    return rows <= dataBytes && CanvasPixels(header, xStart) <= MaxPixelsPerCodeByte * dataBytes;
}

QVector<qint64> ReadSectionDirectory(const QByteArray& shp, qint64 sectionStart, int limit) {
    QVector<qint64> positions;
    if (!Holds(shp, sectionStart, SectionHeaderSize))
        return positions;
    const qint64 declared = Int32At(shp, sectionStart + 4);
    const qint64 present = (shp.size() - sectionStart - SectionHeaderSize) / DirectoryEntrySize;
    const qint64 count = std::clamp<qint64>(std::min<qint64>(declared, present), 0, limit);
    positions.reserve(count);
    for (qint64 j = 0; j < count; ++j)
        positions.append(sectionStart +
                         Int32At(shp, sectionStart + SectionHeaderSize + j * DirectoryEntrySize));
    return positions;
}

std::optional<ImageHeader> ReadImage(const QByteArray& shp, qint64 imageStart, QByteArray& data) {
    data.clear();
    if (!Holds(shp, imageStart, ImageHeaderSize))
        return std::nullopt;
    const char* bytes = shp.constData() + imageStart;
    ImageHeader header;
    header.rowLimit = qFromLittleEndian<qint16>(bytes);
    header.columnLimit = qFromLittleEndian<qint16>(bytes + 2);
    header.x0 = qFromLittleEndian<qint32>(bytes + 8);
    header.y0 = qFromLittleEndian<qint32>(bytes + 12);
    header.x1 = qFromLittleEndian<qint32>(bytes + 16);
    header.y1 = qFromLittleEndian<qint32>(bytes + 20);
    const qint64 dataStart = imageStart + ImageHeaderSize;
    data = shp.mid(dataStart, std::min<qint64>(MaxImageData, shp.size() - dataStart));
    return header;
}

void DecodeImage(Picture& target, const ImageHeader& header, QByteArrayView data,
                 const Palette& palette, int xStart) {
    if (target.isNull())
        return;
    const auto* code = reinterpret_cast<const uchar*>(data.data());
    const qint64 end = data.size();
    // 64-bit positions: hostile headers and long skips must not overflow.
    qint64 y = header.y0;
    qint64 x = xStart;
    for (qint64 p = 0; p < end; ++p) {
        const uchar c = code[p];
        if (c == 0) {
            ++y;
            x = xStart;
        } else if (c == 1) {
            if (++p >= end)
                return;
            x += code[p];
        } else if (c % 2 == 1) {
            for (int n = 0; n < (c - 1) / 2; ++n) {
                if (++p >= end)
                    return;
                FillRun(target, x, y, 1, palette[code[p]]);
                ++x;
            }
        } else {
            if (++p >= end)
                return;
            FillRun(target, x, y, c / 2, palette[code[p]]);
            x += c / 2;
        }
        if (y > header.y1)
            return; // the 0 that ends the last row
    }
}

Picture DecodeToImage(const ImageHeader& header, QByteArrayView data, const Palette& palette,
                      int xStart) {
    if (!header.valid() || !FitsData(header, data.size(), xStart))
        return {};
    Picture image(int(std::min(CanvasWidth(header, xStart), MaxCanvasSide)),
                  int(std::min(CanvasHeight(header), MaxCanvasSide)));
    DecodeImage(image, header, data, palette, xStart);
    return image;
}

} // namespace quillon::gamedata
