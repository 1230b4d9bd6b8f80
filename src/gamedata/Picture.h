#pragma once

#include <QtGlobal>
#include <vector>

namespace quillon::gamedata {

// 0xAARRGGBB, the layout the interface's ARGB32 images use.
using Argb = quint32;
constexpr Argb Opaque(int red, int green, int blue) {
    return 0xff000000u | Argb(red & 0xff) << 16 | Argb(green & 0xff) << 8 | Argb(blue & 0xff);
}
constexpr int Alpha(Argb pixel) {
    return int(pixel >> 24);
}
constexpr int Red(Argb pixel) {
    return int(pixel >> 16 & 0xff);
}
constexpr int Green(Argb pixel) {
    return int(pixel >> 8 & 0xff);
}
constexpr int Blue(Argb pixel) {
    return int(pixel & 0xff);
}

// Pixels a picture may hold: a game's largest picture is 4096 by 4096; a
// request beyond this (a huge scale) gives a null picture, not a failed
// allocation.
constexpr qint64 MaxPicturePixels = qint64(1) << 26;

// A decoded picture, row after row, without any window system behind it,
// so that the command-line tool needs no graphics library. A picture of
// no pixels is null.
class Picture {
public:
    Picture() = default;
    // Transparent; null when a side is not positive or it would hold more
    // than MaxPicturePixels.
    Picture(int width, int height);

    bool isNull() const { return pixels_.empty(); }
    int width() const { return width_; }
    int height() const { return height_; }
    qint64 sizeInBytes() const { return qint64(pixels_.size()) * qint64(sizeof(Argb)); }
    Argb pixel(int x, int y) const { return pixels_[size_t(y) * size_t(width_) + size_t(x)]; }
    const Argb* row(int y) const { return pixels_.data() + size_t(y) * size_t(width_); }
    Argb* row(int y) { return pixels_.data() + size_t(y) * size_t(width_); }

    // Puts `source` with its top left corner at (x, y); pixels outside are dropped.
    void place(const Picture& source, int x, int y);
    // Each pixel as a `factor` by `factor` square (factor >= 1).
    Picture scaled(int factor) const;

    bool operator==(const Picture&) const = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Argb> pixels_;
};

} // namespace quillon::gamedata
