#include "samplegame/RunLengthEncoder.h"

#include "samplegame/Bytes.h"

namespace quillon::samplegame {

namespace {

// A code byte holds at most 255, so a run covers at most 127 pixels and a
// skip at most 255.
constexpr int MaxRun = 127;
constexpr int MaxSkip = 255;

int sameColourRun(const Picture& picture, int x, int y) {
    int length = 1;
    while (x + length < picture.width() && length < MaxRun &&
           picture.at(x + length, y) == picture.at(x, y))
        ++length;
    return length;
}

void encodeRow(const Picture& picture, int y, QByteArray& out) {
    int last = picture.width() - 1;
    while (last >= 0 && picture.at(last, y) == Picture::Transparent)
        --last; // trailing transparency needs no code: the row just ends
    int x = 0;
    while (x <= last) {
        if (picture.at(x, y) == Picture::Transparent) {
            int skip = 0;
            while (x + skip <= last && skip < MaxSkip &&
                   picture.at(x + skip, y) == Picture::Transparent)
                ++skip;
            appendU8(out, 1);
            appendU8(out, skip);
            x += skip;
            continue;
        }
        const int run = std::min(sameColourRun(picture, x, y), last - x + 1);
        if (run >= 3) {
            appendU8(out, 2 * run);
            appendU8(out, picture.at(x, y));
            x += run;
            continue;
        }
        // Literal run up to the next transparent pixel or repeat of three.
        int length = 0;
        while (x + length <= last && length < MaxRun &&
               picture.at(x + length, y) != Picture::Transparent &&
               (length == 0 || sameColourRun(picture, x + length, y) < 3))
            ++length;
        appendU8(out, 2 * length + 1);
        for (int i = 0; i < length; ++i)
            appendU8(out, picture.at(x + i, y));
        x += length;
    }
    appendU8(out, 0);
}

bool rowIsEmpty(const Picture& picture, int y) {
    for (int x = 0; x < picture.width(); ++x)
        if (picture.at(x, y) != Picture::Transparent)
            return false;
    return true;
}

} // namespace

QByteArray encodeRows(const Picture& picture) {
    QByteArray out;
    for (int y = 0; y < picture.height(); ++y)
        encodeRow(picture, y, out);
    return out;
}

QByteArray encodeImage(const Picture& picture, ImagePlacement placement) {
    int top = 0;
    int bottom = picture.height() - 1;
    while (top < bottom - 1 && rowIsEmpty(picture, top))
        ++top;
    while (bottom > top + 1 && rowIsEmpty(picture, bottom))
        --bottom;
    const int x0 = placement.firstColumn;
    const int x1 = x0 + std::max(1, picture.width() - 1);
    const int y0 = placement.firstRow + top;
    const int y1 = placement.firstRow + bottom;

    QByteArray out;
    appendU16(out, placement.firstRow + picture.height()); // row limit
    appendU16(out, x0 + picture.width());                  // column limit
    appendU32(out, 0);
    appendU32(out, std::uint32_t(x0));
    appendU32(out, std::uint32_t(y0));
    appendU32(out, std::uint32_t(x1));
    appendU32(out, std::uint32_t(y1));
    for (int y = top; y <= bottom; ++y)
        encodeRow(picture, y, out);
    return out;
}

QByteArray imageSection(const char (&tag)[5], const std::vector<QByteArray>& images) {
    QByteArray out(tag, 4);
    appendU32(out, std::uint32_t(images.size()));
    std::uint32_t offset = std::uint32_t(8 + 8 * images.size());
    for (const QByteArray& image : images) {
        appendU32(out, offset);
        appendU32(out, 0);
        offset += std::uint32_t(image.size());
    }
    for (const QByteArray& image : images)
        out.append(image);
    return out;
}

} // namespace quillon::samplegame
