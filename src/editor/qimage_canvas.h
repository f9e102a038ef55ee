#pragma once

#include <vector>

#include <QImage>
#include <QPainter>
#include <QLineF>
#include <QPointF>
#include <QRectF>

#include "base/canvas.h"
#include "editor/moving_segments.h"
#include "editor/pixel_mask.h"

namespace ferlo {

// A canvas on a persistent image: what is drawn stays until it is cleared or
// drawn over. Segments are kept until `flush` (or a look at the image), which
// paints them with one painter: first every segment drawn in white, which
// erases an outline and so gives back what lies under the drawing (white, or
// a tracing picture painted after the clear), then the others in the order
// they were drawn, but for those erased after they were drawn.
//
// While parts are dragged, a drag picture keeps what does not move: the
// parts drawn into the layer Below and Above at the grab form the still
// picture, and each flush repairs only what the moving parts' segments
// touched: the pixels they erased come back from the still picture, the
// moving segments are painted again, and the parts above them again over
// them. The image after each flush is the one a full redraw in that order
// would give.
class QImageCanvas : public Canvas {
public:
    QImageCanvas(int width, int height);

    void setCurrentPoint(double x, double y) override;
    void lineTo(double x, double y, PaletteColor color) override;
    void line(double x1, double y1, double x2, double y2, PaletteColor color) override;
    // White, with nothing under the drawing; ends a drag picture.
    void clear() override;
    double width() const override { return image_.width(); }
    double height() const override { return image_.height(); }
    void setDrawMode(DrawMode mode) override { mode_ = mode; }
    DrawMode drawMode() const { return mode_; }

    // Paints `picture` stretched to `place`; it lies under what is drawn
    // afterwards, so erasing gives it back.
    void paintPicture(const QImage& picture, const QRectF& place);

    // Paints the segments drawn since the last flush.
    void flush();
    // The image with everything drawn so far.
    const QImage& image();

    // A new size clears the image.
    void resize(int width, int height);

    // ---- The drag picture ----
    enum class Layer { Below, Moving, Above };
    // Starts a drag picture from what lies under the drawing (the image as
    // it stands after a clear and a picture); drawing goes to Below until
    // `drawInto` says otherwise.
    void beginDragPicture();
    void drawInto(Layer layer);
    // Flushes and goes back to plain drawing; the image stays.
    void endDragPicture();
    bool holdsDragPicture() const { return dragging_; }

private:
    struct Pending {
        QLineF line;
        PaletteColor color;
        DrawMode mode;
        bool erases() const;
    };
    void add(const QLineF& line, PaletteColor color);
    void flushPlain();
    // Follows the pending segments in order: a segment erased after it was
    // drawn is no longer shown.
    void track(MovingSegments& shown) const;
    // The pixels of every erased segment from what lies under the drawing.
    void restoreErased();
    // The segments shown, in the order they were drawn.
    void paintShown(QPainter& painter, MovingSegments& shown) const;
    // Notes which tiles of the image the parts above the moving ones reach.
    void findAboveTiles();
    bool aboveNear(const QLineF& line) const;
    void flushStill(Layer layer);
    void flushMoving();

    QImage image_;
    QImage under_;  // what erasing gives back: white and the tracing picture
    bool pictureUnder_ = false;  // `under_` holds a picture, not only white
    PixelMask mask_;
    std::vector<Pending> pending_;
    QPointF current_;
    DrawMode mode_ = DrawMode::Plain;

    bool dragging_ = false;
    Layer layer_ = Layer::Below;
    QImage still_;  // under_ with every part that does not move
    QImage above_;  // the parts drawn over the moving ones, transparent elsewhere
    bool anythingAbove_ = false;
    std::vector<bool> aboveTiles_;  // by tile, row by row
    MovingSegments moving_;
};

}  // namespace ferlo
