#include "editor/qimage_canvas.h"

#include <algorithm>
#include <cstring>

#include <QPainter>
#include <QPen>

#include "editor/qt_palette.h"

namespace ferlo {

namespace {

constexpr QRgb kWhiteRgb = 0xffffffff;

// The pixels a one-pixel pen may light along `line`.
QRect boundsOf(const QLineF& line) { return QRectF(line.p1(), line.p2()).normalized().toAlignedRect().adjusted(-2, -2, 2, 2); }

// Paints `lines` in order with `painter`, the pen following their colours.
template <typename ForEach>
void paintLines(QPainter& painter, ForEach forEach) {
    PaletteColor color = -1;
    forEach([&](const DrawingScene::Line& l) {
        if (l.color != color) {
            color = l.color;
            painter.setPen(QPen(qtColor(color), 0));
        }
        painter.drawLine(l.line);
    });
}

}  // namespace

QImageCanvas::QImageCanvas(int width, int height) { resize(width, height); }

void QImageCanvas::resize(int width, int height) {
    const QSize size(std::max(width, 1), std::max(height, 1));
    image_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    scratch_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    clear();
}

void QImageCanvas::clear() {
    ++clears_;
    scene_.reset(image_.size());
    inverted_.clear();
    waiting_ = false;
    image_.fill(Qt::white);
    pictureUnder_ = false;
    under_ = QImage();
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
    repaintAll();
}

void QImageCanvas::repaintAll() {
    if (pictureUnder_) {
        image_ = under_.copy();
    } else {
        image_.fill(Qt::white);
    }
    QPainter painter(&image_);
    paintLines(painter, [&](auto paint) { scene_.forEachLine(paint); });
    painter.end();
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
    if (mode_ == DrawMode::Invert) {
        inverted_.push_back({line, color});
    } else {
        scene_.draw(line, color);
    }
}

const QImage& QImageCanvas::image() {
    flush();
    return image_;
}

void QImageCanvas::flush() {
    waiting_ = false;
    QRect area = repair();
    const std::vector<DrawingScene::Line> top = scene_.linesOnTop();
    scene_.settle();
    if (!top.empty() || !inverted_.empty()) {
        QPainter painter(&image_);
        paintLines(painter, [&](auto paint) {
            for (const DrawingScene::Line& l : top) {
                paint(l);
                area |= boundsOf(l.line);
            }
        });
        // Inverting twice gives back what lies under the line.
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        paintLines(painter, [&](auto paint) {
            for (const DrawingScene::Line& l : inverted_) {
                paint(l);
                area |= boundsOf(l.line);
            }
        });
        inverted_.clear();
    }
    area &= image_.rect();
    if (!area.isEmpty()) changed(area);
}

// Each damaged tile gets what lies under the drawing, then every line near
// it in order: painted on the scratch image, whole, as a full repaint would
// paint them, and copied from there tile by tile.
QRect QImageCanvas::repair() {
    const std::vector<int>& tiles = scene_.damagedTiles();
    if (tiles.empty()) return {};
    const TileGrid& grid = scene_.grid();
    const qsizetype stride = image_.bytesPerLine() / 4;
    const auto rows = [&](QImage& image, const QRect& r) {
        return reinterpret_cast<QRgb*>(image.bits()) + r.top() * stride + r.left();
    };
    QRect area;
    for (int tile : tiles) {
        const QRect r = grid.rect(tile);
        area |= r;
        QRgb* to = rows(scratch_, r);
        const QRgb* from = pictureUnder_ ? rows(under_, r) : nullptr;
        for (int y = 0; y < r.height(); ++y, to += stride) {
            if (from) {
                std::memcpy(to, from + y * stride, static_cast<std::size_t>(r.width()) * sizeof(QRgb));
            } else {
                std::fill(to, to + r.width(), kWhiteRgb);
            }
        }
    }
    {
        QPainter painter(&scratch_);
        paintLines(painter, [&](auto paint) { scene_.forEachLineInDamage(paint); });
    }
    for (int tile : tiles) {
        const QRect r = grid.rect(tile);
        QRgb* to = rows(image_, r);
        const QRgb* from = rows(scratch_, r);
        for (int y = 0; y < r.height(); ++y, to += stride, from += stride) {
            std::memcpy(to, from, static_cast<std::size_t>(r.width()) * sizeof(QRgb));
        }
    }
    return area;
}

}  // namespace ferlo
