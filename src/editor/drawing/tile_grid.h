#pragma once

#include <algorithm>
#include <cmath>

#include <QLineF>
#include <QRect>
#include <QSize>

namespace ferlo {

// An image cut into square tiles of 16 pixels (the last row and column may
// be narrower), numbered row by row from the top-left one.
class TileGrid {
public:
    static constexpr int kTile = 16;

    explicit TileGrid(QSize size = {1, 1})
        : size_(size), columns_((size.width() + kTile - 1) / kTile), rows_((size.height() + kTile - 1) / kTile) {}

    int count() const { return columns_ * rows_; }
    // The tile that holds the pixel (x, y) of the image.
    int tileAt(int x, int y) const { return (y / kTile) * columns_ + x / kTile; }
    QRect rect(int tile) const {
        return QRect((tile % columns_) * kTile, (tile / columns_) * kTile, kTile, kTile) & QRect(QPoint(0, 0), size_);
    }

    // Calls `visit(tile)` for the tiles that hold the pixels near `line`:
    // at each step along its longer axis, the pixels within two across of
    // the pixel the line passes, from two steps before its first end to two
    // after its last. They hold every pixel `PixelLines` lights along it.
    // A tile may be visited more than once.
    template <typename Visit>
    void forEachTileNear(const QLineF& line, Visit visit) const;
    // The one tile that holds every pixel near `line` (a short line well
    // inside a tile), or -1.
    int onlyTileNear(const QLineF& line) const {
        const double minX = std::min(line.x1(), line.x2()), maxX = std::max(line.x1(), line.x2());
        const double minY = std::min(line.y1(), line.y2()), maxY = std::max(line.y1(), line.y2());
        // The pixels near it run from floor(min) - 2 to ceil(max) + 2 on each
        // axis; on the image, the ends are positive and whole parts do.
        if (!(minX >= 2 && minY >= 2 && maxX <= size_.width() - 3 && maxY <= size_.height() - 3)) return -1;
        const auto ceiling = [](double v) { return static_cast<int>(v) + (static_cast<int>(v) < v ? 1 : 0); };
        const int left = static_cast<int>(minX) - 2, right = ceiling(maxX) + 2;
        const int top = static_cast<int>(minY) - 2, bottom = ceiling(maxY) + 2;
        if (left / kTile != right / kTile || top / kTile != bottom / kTile) return -1;
        return tileAt(left, top);
    }

private:
    QSize size_;
    int columns_;
    int rows_;
};

template <typename Visit>
void TileGrid::forEachTileNear(const QLineF& line, Visit visit) const {
    const QPointF a = line.p1();
    const QPointF b = line.p2();
    const bool acrossMajor = std::abs(b.x() - a.x()) >= std::abs(b.y() - a.y());
    const int majorSize = acrossMajor ? size_.width() : size_.height();
    const int minorSize = acrossMajor ? size_.height() : size_.width();
    const double start = acrossMajor ? a.x() : a.y();
    const double run = (acrossMajor ? b.x() : b.y()) - start;
    const double base = acrossMajor ? a.y() : a.x();
    const double rise = (acrossMajor ? b.y() : b.x()) - base;
    if (!std::isfinite(start + run + base + rise)) return;
    if (const int tile = onlyTileNear(line); tile >= 0) {
        visit(tile);
        return;
    }
    const double from = std::min(start, start + run);
    const double to = std::max(start, start + run);
    const int first = static_cast<int>(std::clamp(std::floor(from) - 2, 0.0, static_cast<double>(majorSize)));
    const int last = static_cast<int>(std::clamp(std::ceil(to) + 2, -1.0, majorSize - 1.0));
    // The line's place across at a step's centre, held within its two ends
    // (and a little beyond the image, where nothing is drawn).
    const double slope = run == 0 ? 0 : rise / run;  // at most 1 along the longer axis
    const double lowestAcross = std::max(std::min(base, base + rise), -4.0);
    const double highestAcross = std::min(std::max(base, base + rise), minorSize + 4.0);
    if (lowestAcross > highestAcross) return;  // wholly off the image
    const auto across = [&](int major) {
        return std::clamp(base + (major + 0.5 - start) * slope, lowestAcross, highestAcross);
    };
    const int minorTiles = acrossMajor ? rows_ : columns_;
    for (int low = first; low <= last; low = (low / kTile + 1) * kTile) {
        const int high = std::min(last, (low / kTile + 1) * kTile - 1);
        // The place across changes monotonically along a run of steps.
        const double ends[] = {across(low), across(high)};
        const int lowest = static_cast<int>(std::floor(std::min(ends[0], ends[1]))) - 2;
        const int highest = static_cast<int>(std::floor(std::max(ends[0], ends[1]))) + 2;
        if (highest < 0 || lowest >= minorSize) continue;
        const int firstTile = std::max(lowest, 0) / kTile;
        const int lastTile = std::min(highest, minorSize - 1) / kTile;
        for (int minor = firstTile; minor <= std::min(lastTile, minorTiles - 1); ++minor) {
            visit(acrossMajor ? minor * columns_ + low / kTile : (low / kTile) * columns_ + minor);
        }
    }
}

}  // namespace ferlo
