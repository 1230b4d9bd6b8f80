#include "gamedata/Picture.h"

#include <algorithm>

namespace quillon::gamedata {

Picture::Picture(int width, int height) {
    if (width <= 0 || height <= 0 || qint64(width) * height > MaxPicturePixels)
        return;
    width_ = width;
    height_ = height;
    pixels_.assign(size_t(width) * size_t(height), 0);
}

void Picture::place(const Picture& source, int x, int y) {
    const int from = std::max(0, -x);
    const int to = std::min(source.width(), width_ - x);
    for (int sy = std::max(0, -y); sy < source.height() && y + sy < height_; ++sy) {
        if (from < to)
            std::copy(source.row(sy) + from, source.row(sy) + to, row(y + sy) + x + from);
    }
}

Picture Picture::scaled(int factor) const {
    if (qint64(width_) * factor * height_ * factor > MaxPicturePixels)
        return {};
    Picture out(width_ * factor, height_ * factor);
    for (int y = 0; y < out.height_; ++y) {
        const Argb* in = row(y / factor);
        Argb* target = out.row(y);
        for (int x = 0; x < out.width_; ++x)
            target[x] = in[x / factor];
    }
    return out;
}

} // namespace quillon::gamedata
