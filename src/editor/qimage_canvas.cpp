#include "editor/qimage_canvas.h"

#include <algorithm>
#include <cmath>

#include <QPainter>
#include <QPen>

#include "editor/qt_palette.h"

namespace ferlo {

namespace {

QPen penOf(PaletteColor color) { return QPen(qtColor(color), 0); }


}  // namespace

bool QImageCanvas::Pending::erases() const { return color == kWhite && mode == DrawMode::Plain; }

QImageCanvas::QImageCanvas(int width, int height) { resize(width, height); }

void QImageCanvas::resize(int width, int height) {
    image_ = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_ARGB32_Premultiplied);
    mask_.resize(image_.size());
    clear();
}

void QImageCanvas::clear() {
    pending_.clear();
    dragging_ = false;
    moving_.clear();
    still_ = QImage();
    above_ = QImage();
    image_.fill(Qt::white);
    under_ = image_;
    pictureUnder_ = false;
}

void QImageCanvas::paintPicture(const QImage& picture, const QRectF& place) {
    flush();
    QPainter painter(&image_);
    painter.drawImage(place, picture);
    painter.end();
    QPainter under(&under_);
    under.drawImage(place, picture);
    pictureUnder_ = true;
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

void QImageCanvas::add(const QLineF& line, PaletteColor color) { pending_.push_back({line, color, mode_}); }

const QImage& QImageCanvas::image() {
    flush();
    return image_;
}

void QImageCanvas::flush() {
    if (pending_.empty()) return;
    if (!dragging_) {
        flushPlain();
    } else if (layer_ == Layer::Moving) {
        flushMoving();
    } else {
        flushStill(layer_);
    }
    pending_.clear();
}

void QImageCanvas::flushPlain() {
    MovingSegments shown;
    track(shown);
    restoreErased();
    QPainter painter(&image_);
    paintShown(painter, shown);
    // Inverting twice gives back what lies under the line.
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    for (const Pending& p : pending_) {
        if (p.mode != DrawMode::Invert) continue;
        painter.setPen(penOf(p.color));
        painter.drawLine(p.line);
    }
}

void QImageCanvas::track(MovingSegments& shown) const {
    for (const Pending& p : pending_) {
        if (p.mode == DrawMode::Invert) continue;
        if (p.erases()) {
            shown.erase(p.line);
        } else {
            shown.draw(p.line, p.color);
        }
    }
}

// Over a tracing picture the pixels of the erased segments, found through
// the mask, come back from `under_`; over white they are painted white.
void QImageCanvas::restoreErased() {
    if (!pictureUnder_) {
        QPainter painter(&image_);
        painter.setPen(penOf(kWhite));
        for (const Pending& p : pending_) {
            if (p.erases()) painter.drawLine(p.line);
        }
        return;
    }
    mask_.mark([&](QPainter& painter) {
        for (const Pending& p : pending_) {
            if (p.erases()) painter.drawLine(p.line);
        }
    });
    QRgb* to = reinterpret_cast<QRgb*>(image_.bits());
    const QRgb* from = reinterpret_cast<const QRgb*>(under_.constBits());
    const qsizetype stride = image_.bytesPerLine() / 4;
    for (const Pending& p : pending_) {
        if (!p.erases()) continue;
        mask_.takePixels(p.line, [&](int x, int y) { to[y * stride + x] = from[y * stride + x]; });
    }
}

void QImageCanvas::paintShown(QPainter& painter, MovingSegments& shown) const {
    PaletteColor color = -1;
    shown.forEachShown([&](const MovingSegments::Segment& s) {
        if (s.color != color) {
            color = s.color;
            painter.setPen(penOf(color));
        }
        painter.drawLine(s.line);
    });
}

// The parts that do not move are drawn once, at the grab, from a picture
// just cleared: what they erase is already what lies under them.
void QImageCanvas::flushStill(Layer layer) {
    std::vector<QImage*> targets{&image_, &still_};
    if (layer == Layer::Above) targets.push_back(&above_);
    for (QImage* target : targets) {
        QPainter painter(target);
        for (const Pending& p : pending_) {
            if (p.erases()) continue;
            painter.setPen(penOf(p.color));
            painter.drawLine(p.line);
            anythingAbove_ = anythingAbove_ || layer == Layer::Above;
        }
    }
}

// The still picture holds everything but the moving segments, which are
// all painted again: so the pixels around each erased segment come back
// from it whole, and a moving segment that an erased one crossed without
// moving this time is painted again too. What lies above the moving parts
// is then laid over them: around each moving segment, wherever the parts
// above have a pixel (elsewhere the still picture shows them already).
void QImageCanvas::flushMoving() {
    track(moving_);
    QRgb* to = reinterpret_cast<QRgb*>(image_.bits());
    const qsizetype stride = image_.bytesPerLine() / 4;
    const QRgb* still = reinterpret_cast<const QRgb*>(still_.constBits());
    for (const Pending& p : pending_) {
        if (!p.erases()) continue;
        forEachPixelNear(p.line, image_.size(), [&](int x, int y) { to[y * stride + x] = still[y * stride + x]; });
    }
    {
        QPainter painter(&image_);
        paintShown(painter, moving_);
    }
    if (!anythingAbove_) return;
    const QRgb* above = reinterpret_cast<const QRgb*>(above_.constBits());
    moving_.forEachShown([&](const MovingSegments::Segment& s) {
        if (!aboveNear(s.line)) return;
        forEachPixelNear(s.line, image_.size(), [&](int x, int y) {
            const QRgb over = above[y * stride + x];
            if (qAlpha(over) != 0) to[y * stride + x] = over;
        });
    });
}

void QImageCanvas::beginDragPicture() {
    flush();
    dragging_ = true;
    layer_ = Layer::Below;
    moving_.clear();
    image_ = under_;
    still_ = under_;
    above_ = QImage(image_.size(), QImage::Format_ARGB32_Premultiplied);
    above_.fill(Qt::transparent);
    anythingAbove_ = false;
}

void QImageCanvas::drawInto(Layer layer) {
    flush();
    if (layer_ == Layer::Above) findAboveTiles();
    layer_ = layer;
}

namespace {
constexpr int kTile = 16;
}  // namespace

void QImageCanvas::findAboveTiles() {
    const int columns = (above_.width() + kTile - 1) / kTile;
    const int rows = (above_.height() + kTile - 1) / kTile;
    aboveTiles_.assign(static_cast<std::size_t>(columns) * rows, false);
    if (!anythingAbove_) return;
    for (int y = 0; y < above_.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(above_.constScanLine(y));
        for (int x = 0; x < above_.width(); ++x) {
            if (qAlpha(line[x]) != 0) aboveTiles_[static_cast<std::size_t>(y / kTile) * columns + x / kTile] = true;
        }
    }
}

// Some tile within two pixels of the line's box holds a part above.
bool QImageCanvas::aboveNear(const QLineF& line) const {
    const int columns = (above_.width() + kTile - 1) / kTile;
    const int rows = (above_.height() + kTile - 1) / kTile;
    const auto tileOf = [](double v, int count) {
        return static_cast<int>(std::clamp(std::floor(v / kTile), 0.0, count - 1.0));
    };
    const int left = tileOf(std::min(line.x1(), line.x2()) - 2, columns);
    const int right = tileOf(std::max(line.x1(), line.x2()) + 2, columns);
    const int top = tileOf(std::min(line.y1(), line.y2()) - 2, rows);
    const int bottom = tileOf(std::max(line.y1(), line.y2()) + 2, rows);
    for (int r = top; r <= bottom; ++r) {
        for (int c = left; c <= right; ++c) {
            if (aboveTiles_[static_cast<std::size_t>(r) * columns + c]) return true;
        }
    }
    return false;
}

void QImageCanvas::endDragPicture() {
    flush();
    dragging_ = false;
    moving_.clear();
    still_ = QImage();
    above_ = QImage();
}

}  // namespace ferlo
