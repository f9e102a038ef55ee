#include "editor/canvas_widget.h"

#include <QPaintEvent>
#include <QPainter>

namespace ferlo {

void CanvasWidget::ScreenCanvas::lineTo(double x, double y, PaletteColor color) {
    QImageCanvas::lineTo(x, y, color);
    widget_.update();
}

void CanvasWidget::ScreenCanvas::line(double x1, double y1, double x2, double y2, PaletteColor color) {
    QImageCanvas::line(x1, y1, x2, y2, color);
    widget_.update();
}

void CanvasWidget::ScreenCanvas::clear() {
    QImageCanvas::clear();
    widget_.update();
}

CanvasWidget::CanvasWidget(QWidget* parent) : QWidget(parent), canvas_(*this) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    fitCanvas();
    QPainter painter(this);
    painter.drawImage(event->rect(), canvas_.image(), event->rect());
}

QImageCanvas& CanvasWidget::canvas() {
    fitCanvas();
    return canvas_;
}

void CanvasWidget::fitCanvas() {
    const QSize size = this->size().expandedTo(QSize(1, 1));
    if (canvas_.image().size() != size) canvas_.resize(size.width(), size.height());
}

void CanvasWidget::resizeEvent(QResizeEvent* event) {
    fitCanvas();
    QWidget::resizeEvent(event);
}

}  // namespace ferlo
