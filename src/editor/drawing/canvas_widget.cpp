#include "editor/drawing/canvas_widget.h"

#include <QMetaObject>
#include <QPaintEvent>
#include <QPainter>

namespace ferlo {

void CanvasWidget::ScreenCanvas::drawingWaits() {
    QMetaObject::invokeMethod(&widget_, [this] { flush(); }, Qt::QueuedConnection);
}

CanvasWidget::CanvasWidget(QWidget* parent) : QWidget(parent), canvas_(*this) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    fitCanvas();
    QPainter painter(this);
    // The image is opaque: copied, not blended.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QImage& image = canvas_.image();
    for (const QRect& area : event->region()) painter.drawImage(area, image, area);
}

QImageCanvas& CanvasWidget::canvas() {
    fitCanvas();
    return canvas_;
}

void CanvasWidget::fitCanvas() {
    const QSize size = this->size().expandedTo(QSize(1, 1));
    if (canvas_.width() != size.width() || canvas_.height() != size.height()) canvas_.resize(size.width(), size.height());
}

void CanvasWidget::resizeEvent(QResizeEvent* event) {
    fitCanvas();
    QWidget::resizeEvent(event);
}

}  // namespace ferlo
