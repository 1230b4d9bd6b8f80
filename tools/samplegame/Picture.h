#pragma once

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace quillon::samplegame {

// A palette-indexed picture for drawing icons and flags; Transparent marks
// pixels the encoder skips.
class Picture {
public:
    static constexpr int Transparent = -1;

    Picture(int width, int height)
        : width_(width), height_(height), pixels_(std::size_t(width * height), Transparent) {}

    int width() const { return width_; }
    int height() const { return height_; }
    int at(int x, int y) const { return pixels_[std::size_t(y * width_ + x)]; }

    void set(int x, int y, int colourIndex) {
        if (x >= 0 && y >= 0 && x < width_ && y < height_)
            pixels_[std::size_t(y * width_ + x)] = colourIndex;
    }

    void fillRect(int x, int y, int w, int h, int colourIndex) {
        for (int row = y; row < y + h; ++row)
            for (int col = x; col < x + w; ++col)
                set(col, row, colourIndex);
    }

    void fillEllipse(int cx, int cy, int rx, int ry, int colourIndex) {
        for (int row = cy - ry; row <= cy + ry; ++row)
            for (int col = cx - rx; col <= cx + rx; ++col) {
                const long dx = col - cx, dy = row - cy;
                if (dx * dx * ry * ry + dy * dy * rx * rx <= long(rx) * rx * ry * ry)
                    set(col, row, colourIndex);
            }
    }

    // A line `thickness` pixels high or wide, whichever is across it.
    void line(int x0, int y0, int x1, int y1, int thickness, int colourIndex) {
        const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
        const bool steep = std::abs(y1 - y0) > std::abs(x1 - x0);
        for (int i = 0; i <= steps; ++i) {
            const int x = x0 + (steps ? (x1 - x0) * i / steps : 0);
            const int y = y0 + (steps ? (y1 - y0) * i / steps : 0);
            for (int t = 0; t < thickness; ++t)
                steep ? set(x + t, y, colourIndex) : set(x, y + t, colourIndex);
        }
    }

    // A trapezoid whose top edge spans topLeft..topRight and bottom edge
    // bottomLeft..bottomRight.
    void fillTrapezoid(int top, int bottom, int topLeft, int topRight, int bottomLeft,
                       int bottomRight, int colourIndex) {
        const int rows = std::max(1, bottom - top);
        for (int row = top; row <= bottom; ++row) {
            const int step = row - top;
            const int left = topLeft + (bottomLeft - topLeft) * step / rows;
            const int right = topRight + (bottomRight - topRight) * step / rows;
            for (int col = left; col <= right; ++col)
                set(col, row, colourIndex);
        }
    }

private:
    int width_;
    int height_;
    std::vector<int> pixels_;
};

} // namespace quillon::samplegame
