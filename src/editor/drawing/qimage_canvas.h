#pragma once

#include <cstdint>
#include <vector>

#include <QImage>
#include <QLineF>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QRegion>

#include "base/canvas.h"
#include "editor/drawing/drawing_scene.h"

namespace ferlo {

// A canvas on a persistent image that always shows what lies under the
// drawing (white, or a tracing picture painted after the clear) with the
// lines of its drawing scene over it in the drawing order: each part's
// latest drawing of itself, in the part's place, as a redraw of the whole
// view would paint it. A change is painted at the next `flush` (or look at
// the image), only where it changes the picture: the tiles it touches are
// painted anew from what lies under the drawing and the lines that cross
// them, and lines drawn above everything are painted over. The lines are
// painted by `PixelLines`, one pixel wide.
//
// While flush after flush changes the same parts (a part dragged, or one
// hovered on and off), the canvas keeps, tile by tile, what the lines below
// those parts in the drawing order paint over what lies under the drawing,
// and what the lines above them paint on a transparent layer. A damaged
// tile then takes the layer below, the changing parts' lines, and the lit
// pixels of the layer above: the cost follows the changing parts, not what
// else crosses them. Lines are painted without antialiasing in opaque
// colours, so a pixel a line lights takes the line's colour whatever lies
// under it, and the layers give what painting all the lines in order would.
class QImageCanvas : public Canvas {
public:
    QImageCanvas(int width, int height);

    void setCurrentPoint(double x, double y) override;
    void lineTo(double x, double y, PaletteColor color) override;
    void line(double x1, double y1, double x2, double y2, PaletteColor color) override;
    // White, with nothing under the drawing and nothing drawn.
    void clear() override;
    double width() const override { return image_.width(); }
    double height() const override { return image_.height(); }
    const void* beginPart(const void* part) override { return scene_.beginPart(part); }
    void endPart(const void* before) override { scene_.endPart(before); }

    // Paints `picture` stretched to `place` under the drawing.
    void paintPicture(const QImage& picture, const QRectF& place);

    // Paints the changes since the last flush.
    void flush();
    // The image with everything drawn so far.
    const QImage& image();
    // How many times the canvas has been cleared: a drawing made since a
    // count was read is on the canvas as long as the count stays.
    unsigned clears() const { return clears_; }

    // A new size clears the image.
    void resize(int width, int height);

protected:
    // `area` of the image has changed.
    virtual void changed(const QRegion& area) { static_cast<void>(area); }
    // A line is waiting for the next flush, the first since the last one.
    virtual void drawingWaits() {}

private:
    void add(const QLineF& line, PaletteColor color);
    // Paints the damaged tiles anew; returns their pixels.
    QRegion repair();
    // Paints `tiles` (damaged, sorted) from the layers around the changing
    // parts, filling first the layers' tiles not yet kept.
    void repairFromLayers(const std::vector<int>& tiles);
    // Paints the lines near `tiles` of the parts in `places` on `target`,
    // only in the tiles' pixels.
    void paintNear(QImage& target, const std::vector<int>& tiles, DrawingScene::Places places);
    // The layers are stale.
    void forgetLayers();
    // Paints the whole image anew.
    void repaintAll();

    QImage image_;
    QImage under_;    // what lies under the drawing when a tracing picture is painted
    DrawingScene scene_;
    bool pictureUnder_ = false;  // `under_` holds a picture; white otherwise
    // The layers around the parts at `layerPlaces`, the places the last
    // repair's changes came from: `below_` (what lies under the drawing and
    // the lines before them) and `above_` (the lines after them on
    // transparent), kept in the tiles `layered_` marks.
    DrawingScene::Places layerPlaces_;
    QImage below_;
    QImage above_;
    enum : std::uint8_t { kNotKept, kKept, kKeptLitAbove };  // a tile's layers; lit: `above_` lights a pixel
    std::vector<std::uint8_t> layered_;  // by tile
    std::vector<std::uint8_t> inTiles_;  // by tile: the tiles `paintNear` paints in, cleared after
    bool waiting_ = false;
    QPointF current_;
    unsigned clears_ = 0;
};

}  // namespace ferlo
