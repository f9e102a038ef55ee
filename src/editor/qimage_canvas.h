#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>

#include "base/canvas.h"

namespace ferlo {

// A canvas on a persistent image: what is drawn stays until it is cleared or
// drawn over, so erasing an outline by redrawing it in white works. The
// drawing area shows the image in its paint event; snapshot tests save it.
// Clearing leaves white, with the background picture (a view's tracing
// picture) painted over it when one is set.
class QImageCanvas : public Canvas {
public:
    QImageCanvas(int width, int height);

    void setCurrentPoint(double x, double y) override;
    void lineTo(double x, double y, PaletteColor color) override;
    void line(double x1, double y1, double x2, double y2, PaletteColor color) override;
    void clear() override;
    double width() const override { return image_.width(); }
    double height() const override { return image_.height(); }
    void setDrawMode(DrawMode mode) override { mode_ = mode; }
    DrawMode drawMode() const { return mode_; }

    // The picture every clear paints, stretched to `place`; a null picture
    // for none. Nothing is painted until the next clear.
    void setBackground(const QImage& picture, const QRectF& place);

    // A new size clears the image.
    void resize(int width, int height);
    const QImage& image() const { return image_; }

private:
    void drawSegment(const QPointF& from, const QPointF& to, PaletteColor color);

    QImage image_;
    QImage background_;
    QRectF backgroundPlace_;
    QPointF current_;
    DrawMode mode_ = DrawMode::Plain;
};

}  // namespace ferlo
