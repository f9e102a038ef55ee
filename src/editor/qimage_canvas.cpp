#include "editor/qimage_canvas.h"

#include <QPainter>
#include <QPen>

#include "editor/qt_palette.h"

namespace ferlo {

QImageCanvas::QImageCanvas(int width, int height) { resize(width, height); }

void QImageCanvas::resize(int width, int height) {
    image_ = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    clear();
}

void QImageCanvas::clear() {
    image_.fill(Qt::white);
    if (background_.isNull()) return;
    QPainter painter(&image_);
    painter.drawImage(backgroundPlace_, background_);
}

void QImageCanvas::setBackground(const QImage& picture, const QRectF& place) {
    background_ = picture;
    backgroundPlace_ = place;
}

void QImageCanvas::setCurrentPoint(double x, double y) { current_ = QPointF(x, y); }

void QImageCanvas::lineTo(double x, double y, PaletteColor color) {
    const QPointF to(x, y);
    drawSegment(current_, to, color);
    current_ = to;
}

void QImageCanvas::line(double x1, double y1, double x2, double y2, PaletteColor color) {
    const QPointF to(x2, y2);
    drawSegment(QPointF(x1, y1), to, color);
    current_ = to;
}

void QImageCanvas::drawSegment(const QPointF& from, const QPointF& to, PaletteColor color) {
    QPainter painter(&image_);
    if (mode_ == DrawMode::Invert) {
        // Inverting twice restores what lies under the line (a tracing picture).
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    }
    painter.setPen(QPen(qtColor(color), 0));
    painter.drawLine(from, to);
}

}  // namespace ferlo
