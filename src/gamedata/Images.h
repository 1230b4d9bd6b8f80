#pragma once

#include "gamedata/IndexFiles.h"
#include "gamedata/Picture.h"

#include <QByteArray>
#include <QVector>
#include <array>
#include <optional>

namespace quillon::gamedata {

// 256 colours; all black until a palette has been read.
using Palette = std::array<Argb, 256>;
Palette BlackPalette();
// pal.pfp: 256 entries of blue, green, red, unused. False (palette
// unchanged) when the file holds fewer than 1024 bytes.
bool LoadPalette(const QByteArray& file, Palette& palette);

struct ImageHeader {
    qint16 rowLimit = 0;
    qint16 columnLimit = 0;
    qint32 x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    // y1 <= row limit, x1 <= column limit, x0 < x1, y0 < y1.
    bool valid() const;
};
constexpr int ImageHeaderSize = 24;
constexpr int MaxImageData = 131072;

// A picture may be no larger than its encoded data can fill: every row
// needs at least the code that ends it, and no code byte reaches further
// than 255 columns. So the memory and time an image may claim are bounded
// by the bytes its file holds, whatever its header says.
constexpr qint64 MaxPixelsPerCodeByte = 255;
// Pixels of the canvas DecodeToImage draws the image on, before clipping.
qint64 CanvasPixels(const ImageHeader& header, int xStart);
bool FitsData(const ImageHeader& header, qint64 dataBytes, int xStart);

// The container positions (section start + image offset) of the images of
// the section starting at `sectionStart`; empty when the section header
// lies outside the file. The count is bounded by the directory entries
// that the file actually holds and by `limit`.
QVector<qint64> ReadSectionDirectory(const QByteArray& shp, qint64 sectionStart, int limit = 10001);

// Reads the header at `imageStart` (nullopt when it lies outside the file);
// `data` receives at most MaxImageData encoded bytes that follow it.
std::optional<ImageHeader> ReadImage(const QByteArray& shp, qint64 imageStart, QByteArray& data);

// Draws the run-length code into `target` (transparent where nothing is
// drawn), every row starting at column xStart, from row y0 to
// row y1. Never reads past `data` or writes outside `target`.
void DecodeImage(Picture& target, const ImageHeader& header, QByteArrayView data,
                 const Palette& palette, int xStart);

// An image decoded into a picture of its own: canvas wide enough for
// xStart + the image's width, high enough for row y1; null when invalid or
// larger than `data` can fill.
Picture DecodeToImage(const ImageHeader& header, QByteArrayView data, const Palette& palette,
                      int xStart);

} // namespace quillon::gamedata
