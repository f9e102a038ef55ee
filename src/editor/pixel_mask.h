#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include <QImage>
#include <QLineF>
#include <QPainter>

namespace ferlo {

// The pixels that a one-pixel pen covers along segments, found without
// painting the image itself: the segments are drawn in a mask, and
// each segment's pixels are then looked for in a narrow band around it.
// Copying a picture's pixels this way costs what drawing the segments costs,
// far less than a pen that paints with a picture.
class PixelMask {
public:
    void resize(QSize size);

    // Marks the pixels of the segments that `draw(painter)` draws on the mask.
    template <typename Draw>
    void mark(Draw draw) {
        QPainter painter(&mask_);
        painter.setPen(QPen(Qt::black, 0));
        draw(painter);
    }

    // Calls `take(x, y)` for every marked pixel of `line` and unmarks it.
    template <typename Take>
    void takePixels(const QLineF& line, Take take);

private:
    QImage mask_;
};

// Calls `visit(x, y)` for the pixels of the image near `line`: at each step
// along its longer axis those within two across of the pixel the line
// passes, two steps past either end. They hold every pixel a one-pixel pen
// draws along it.
template <typename Visit>
void forEachPixelNear(const QLineF& line, QSize size, Visit visit) {
    const QPointF a = line.p1();
    const QPointF b = line.p2();
    const bool acrossMajor = std::abs(b.x() - a.x()) >= std::abs(b.y() - a.y());
    const int majorSize = acrossMajor ? size.width() : size.height();
    const int minorSize = acrossMajor ? size.height() : size.width();
    const double start = acrossMajor ? a.x() : a.y();
    const double run = (acrossMajor ? b.x() : b.y()) - start;
    const double base = acrossMajor ? a.y() : a.x();
    const double rise = (acrossMajor ? b.y() : b.x()) - base;
    const double from = std::min(start, start + run);
    const double to = std::max(start, start + run);
    const int first = static_cast<int>(std::clamp(std::floor(from) - 2, 0.0, static_cast<double>(majorSize)));
    const int last = static_cast<int>(std::clamp(std::ceil(to) + 2, -1.0, majorSize - 1.0));
    // The line's place across, at each step's centre, within its two ends.
    const double slope = run == 0 ? 0 : rise / run;  // at most 1 along the longer axis
    const double lowestAcross = std::max(std::min(base, base + rise), -4.0);
    const double highestAcross = std::min(std::max(base, base + rise), minorSize + 4.0);
    if (lowestAcross > highestAcross) return;  // wholly off the image
    double across = base + (first + 0.5 - start) * slope;
    for (int major = first; major <= last; ++major, across += slope) {
        // From -4 up, truncation is the floor once 8 is added.
        const int centre = static_cast<int>(std::clamp(across, lowestAcross, highestAcross) + 8) - 8;
        const int highest = std::min(centre + 2, minorSize - 1);
        for (int m = std::max(centre - 2, 0); m <= highest; ++m) {
            if (acrossMajor) {
                visit(major, m);
            } else {
                visit(m, major);
            }
        }
    }
}

template <typename Take>
void PixelMask::takePixels(const QLineF& line, Take take) {
    const qsizetype stride = mask_.bytesPerLine() / 4;
    std::uint32_t* bits = reinterpret_cast<std::uint32_t*>(mask_.bits());
    forEachPixelNear(line, mask_.size(), [&](int x, int y) {
        std::uint32_t& marked = bits[y * stride + x];
        if (marked == 0) return;
        marked = 0;
        take(x, y);
    });
}

}  // namespace ferlo
