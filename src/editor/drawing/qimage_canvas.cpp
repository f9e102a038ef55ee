#include "editor/drawing/qimage_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include <QPainter>
#include <QRegion>

#include "editor/drawing/pixel_lines.h"

namespace ferlo {

namespace {

constexpr QRgb kWhiteRgb = 0xffffffff;

// The pixels of `image` a one-pixel pen may light along `line`.
QRect boundsOf(const QLineF& line, const QRect& image) {
    const QRectF near = QRectF(line.p1(), line.p2()).normalized().adjusted(-2, -2, 2, 2);
    if (!std::isfinite(near.left() + near.right() + near.top() + near.bottom())) return image;
    return (near & QRectF(image)).toAlignedRect() & image;
}

// The pixels of `tiles` (sorted), a rectangle for each run of them in a
// row, taking in gaps of up to `gapTiles` tiles between.
std::vector<QRect> tileRuns(const std::vector<int>& tiles, const TileGrid& grid, int gapTiles) {
    std::vector<QRect> runs;
    for (int tile : tiles) {
        const QRect r = grid.rect(tile);
        if (!runs.empty() && runs.back().top() == r.top() &&
            r.left() - runs.back().right() <= gapTiles * TileGrid::kTile + 1) {
            runs.back().setRight(r.right());
        } else {
            runs.push_back(r);
        }
    }
    return runs;
}

// The pixels of `tiles` (sorted) to tell the window system, with the tiles
// of short gaps in a row: it copies a few more pixels at less cost than one
// more rectangle.
QRegion regionOf(const std::vector<int>& tiles, const TileGrid& grid) {
    constexpr int kGapTiles = 3;
    const std::vector<QRect> runs = tileRuns(tiles, grid, kGapTiles);
    QRegion region;
    region.setRects(runs.data(), static_cast<int>(runs.size()));
    return region;
}

// Sets the pixels of `tiles` (sorted) in `image` to those of `from` (of the
// same size and format), or to `fill` without one, a row of each run of
// neighbours at a time.
void fillTiles(QImage& image, const std::vector<int>& tiles, const TileGrid& grid, const QImage* from, QRgb fill) {
    const qsizetype stride = image.bytesPerLine() / 4;
    QRgb* const pixels = reinterpret_cast<QRgb*>(image.bits());
    const QRgb* const source = from ? reinterpret_cast<const QRgb*>(from->constBits()) : nullptr;
    for (const QRect& run : tileRuns(tiles, grid, 0)) {
        for (int y = run.top(); y <= run.bottom(); ++y) {
            QRgb* row = pixels + y * stride + run.left();
            if (source) {
                std::memcpy(row, source + y * stride + run.left(), static_cast<std::size_t>(run.width()) * sizeof(QRgb));
            } else {
                std::fill(row, row + run.width(), fill);
            }
        }
    }
}

// Whether a pixel of `layer` in `rect` is lit (not transparent).
bool anyLit(const QImage& layer, const QRect& rect) {
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(layer.constScanLine(y)) + rect.left();
        if (std::any_of(row, row + rect.width(), [](QRgb pixel) { return qAlpha(pixel) != 0; })) return true;
    }
    return false;
}

// Puts the lit (not transparent) pixels of `layer` in `tiles` over `image`.
void overlayTiles(QImage& image, const QImage& layer, const std::vector<int>& tiles, const TileGrid& grid) {
    const qsizetype stride = image.bytesPerLine() / 4;
    QRgb* const pixels = reinterpret_cast<QRgb*>(image.bits());
    const QRgb* const lit = reinterpret_cast<const QRgb*>(layer.constBits());
    for (int tile : tiles) {
        const QRect r = grid.rect(tile);
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (qsizetype at = y * stride + r.left(), end = at + r.width(); at < end; ++at) {
                if (qAlpha(lit[at]) != 0) pixels[at] = lit[at];
            }
        }
    }
}

}  // namespace

QImageCanvas::QImageCanvas(int width, int height) { resize(width, height); }

void QImageCanvas::resize(int width, int height) {
    const QSize size(std::max(width, 1), std::max(height, 1));
    image_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    clear();
}

void QImageCanvas::clear() {
    ++clears_;
    scene_.reset(image_.size());
    waiting_ = false;
    image_.fill(Qt::white);
    pictureUnder_ = false;
    under_ = QImage();
    forgetLayers();
    changed(image_.rect());
}

void QImageCanvas::paintPicture(const QImage& picture, const QRectF& place) {
    flush();
    if (!pictureUnder_) {
        under_ = QImage(image_.size(), QImage::Format_ARGB32_Premultiplied);
        under_.fill(Qt::white);
        pictureUnder_ = true;
    }
    QPainter(&under_).drawImage(place, picture);
    forgetLayers();
    repaintAll();
}

void QImageCanvas::repaintAll() {
    if (pictureUnder_) {
        image_ = under_.copy();
    } else {
        image_.fill(Qt::white);
    }
    PixelLines pen(image_, scene_.grid());
    scene_.forEachLine([&](const DrawingScene::Line& l) { pen.draw(l.line, l.color); });
    changed(image_.rect());
}

void QImageCanvas::setCurrentPoint(double x, double y) { current_ = QPointF(x, y); }

void QImageCanvas::lineTo(double x, double y, PaletteColor color) {
    const QPointF to(x, y);
    add(QLineF(current_, to), color);
    current_ = to;
}

void QImageCanvas::line(double x1, double y1, double x2, double y2, PaletteColor color) {
    const QPointF to(x2, y2);
    add(QLineF(QPointF(x1, y1), to), color);
    current_ = to;
}

void QImageCanvas::add(const QLineF& line, PaletteColor color) {
    if (!waiting_) {
        waiting_ = true;
        drawingWaits();
    }
    scene_.draw(line, color);
}

const QImage& QImageCanvas::image() {
    flush();
    return image_;
}

void QImageCanvas::flush() {
    waiting_ = false;
    QRegion area = repair();
    const std::vector<DrawingScene::Line> top = scene_.linesOnTop();
    scene_.settle();
    if (!top.empty()) {
        PixelLines pen(image_, scene_.grid());
        QRect onTop;
        for (const DrawingScene::Line& l : top) {
            pen.draw(l.line, l.color);
            onTop |= boundsOf(l.line, image_.rect());
        }
        area |= onTop;
    }
    area &= image_.rect();
    if (!area.isEmpty()) changed(area);
}

// Each damaged tile gets what lies under the drawing, then every line near
// it is painted again in order, clipped to the damaged tiles: a clipped line
// lights the same pixels as the whole line would there. When the changes
// come from the same parts as the last repair's, the tiles come from the
// layers around those parts instead.
QRegion QImageCanvas::repair() {
    // Any change elsewhere makes the layers stale, even one that damages
    // no tile (lines added on top).
    const DrawingScene::Places changed = scene_.changedPlaces();
    if (changed.empty()) return {};
    const bool layered = changed == layerPlaces_;
    if (!layered) {
        forgetLayers();
        layerPlaces_ = changed;
    }
    std::vector<int> tiles = scene_.damagedTiles();
    if (tiles.empty()) return {};
    std::sort(tiles.begin(), tiles.end());
    if (layered) {
        repairFromLayers(tiles);
    } else {
        fillTiles(image_, tiles, scene_.grid(), pictureUnder_ ? &under_ : nullptr, kWhiteRgb);
        paintNear(image_, tiles, DrawingScene::kAllPlaces);
    }
    return regionOf(tiles, scene_.grid());
}

void QImageCanvas::repairFromLayers(const std::vector<int>& tiles) {
    const TileGrid& grid = scene_.grid();
    std::vector<int> fresh;
    for (int tile : tiles) {
        if (layered_[static_cast<std::size_t>(tile)] == kNotKept) fresh.push_back(tile);
    }
    if (!fresh.empty()) {
        if (below_.size() != image_.size()) {
            below_ = QImage(image_.size(), QImage::Format_ARGB32_Premultiplied);
            above_ = QImage(image_.size(), QImage::Format_ARGB32_Premultiplied);
        }
        fillTiles(below_, fresh, grid, pictureUnder_ ? &under_ : nullptr, kWhiteRgb);
        paintNear(below_, fresh, {0, layerPlaces_.first - 1});
        fillTiles(above_, fresh, grid, nullptr, 0);
        paintNear(above_, fresh, {layerPlaces_.last + 1, UINT64_MAX});
        for (int tile : fresh) {
            layered_[static_cast<std::size_t>(tile)] = anyLit(above_, grid.rect(tile)) ? kKeptLitAbove : kKept;
        }
    }
    fillTiles(image_, tiles, grid, &below_, 0);
    paintNear(image_, tiles, layerPlaces_);
    std::vector<int> litAbove;
    for (int tile : tiles) {
        if (layered_[static_cast<std::size_t>(tile)] == kKeptLitAbove) litAbove.push_back(tile);
    }
    overlayTiles(image_, above_, litAbove, grid);
}

void QImageCanvas::paintNear(QImage& target, const std::vector<int>& tiles, DrawingScene::Places places) {
    inTiles_.resize(static_cast<std::size_t>(scene_.grid().count()));
    for (int tile : tiles) inTiles_[static_cast<std::size_t>(tile)] = 1;
    PixelLines pen(target, scene_.grid(), inTiles_);
    scene_.forEachLineNear(tiles, places, [&](const DrawingScene::Line& l) { pen.draw(l.line, l.color); });
    for (int tile : tiles) inTiles_[static_cast<std::size_t>(tile)] = 0;
}

void QImageCanvas::forgetLayers() {
    layerPlaces_ = {};
    layered_.assign(static_cast<std::size_t>(scene_.grid().count()), kNotKept);
}

}  // namespace ferlo
