#include "editor/qimage_canvas.h"

#include <algorithm>

#include <QPainter>
#include <QPen>

#include "editor/qt_palette.h"

namespace ferlo {

namespace {

QPen penOf(PaletteColor color) { return QPen(qtColor(color), 0); }

// A one-pixel pen that paints, at each pixel of a line, that pixel of `picture`.
QPen copyingPen(const QImage& picture) { return QPen(QBrush(picture), 0); }

}  // namespace

bool QImageCanvas::Pending::erases() const { return color == kWhite && mode == DrawMode::Plain; }

QImageCanvas::QImageCanvas(int width, int height) { resize(width, height); }

void QImageCanvas::resize(int width, int height) {
    image_ = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
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
}

void QImageCanvas::paintPicture(const QImage& picture, const QRectF& place) {
    flush();
    QPainter painter(&image_);
    painter.drawImage(place, picture);
    painter.end();
    QPainter under(&under_);
    under.drawImage(place, picture);
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
    QPainter painter(&image_);
    paintShown(painter, shown, under_);
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

// The pixels of every erased segment from `under`, then the segments shown,
// in the order they were drawn.
void QImageCanvas::paintShown(QPainter& painter, const MovingSegments& shown, const QImage& under) const {
    painter.setPen(copyingPen(under));
    for (const Pending& p : pending_) {
        if (p.erases()) painter.drawLine(p.line);
    }
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

// Every moving segment is painted again, since an erased one may have
// crossed another that did not move this time.
void QImageCanvas::flushMoving() {
    track(moving_);
    QPainter painter(&image_);
    paintShown(painter, moving_, still_);
    if (!anythingAbove_) return;
    painter.setPen(copyingPen(above_));
    moving_.forEachShown([&](const MovingSegments::Segment& s) { painter.drawLine(s.line); });
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
    layer_ = layer;
}

void QImageCanvas::endDragPicture() {
    flush();
    dragging_ = false;
    moving_.clear();
    still_ = QImage();
    above_ = QImage();
}

}  // namespace ferlo
