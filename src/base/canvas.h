#pragma once

#include "base/palette.h"

namespace ferlo {

// The one 2D drawing surface: the drawing area on screen, the printer, or a
// recording for tests. Coordinates in the surface's own units (pixels on
// screen, the scale unit on the printer), y growing downward.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void setCurrentPoint(double x, double y) = 0;
    // A line from the current point to (x, y), which becomes the current point.
    virtual void lineTo(double x, double y, PaletteColor color) = 0;
    // A line between two points; the current point becomes (x2, y2).
    virtual void line(double x1, double y1, double x2, double y2, PaletteColor color) = 0;
    virtual void clear() = 0;
    virtual double width() const = 0;
    virtual double height() const = 0;

    // The lines that follow, up to `endPart`, are `part`'s drawing of itself
    // in the view. A surface that keeps the view (the drawing area) lets it
    // take the place of the part's previous drawing; the others draw on.
    // Returns what `endPart` takes to go back to the drawing before.
    virtual const void* beginPart(const void* part) { return part; }
    virtual void endPart(const void* before) { static_cast<void>(before); }
};

// A part's drawing of itself on a canvas, for the span of a scope.
class PartDrawing {
public:
    PartDrawing(Canvas& canvas, const void* part) : canvas_(canvas), before_(canvas.beginPart(part)) {}
    ~PartDrawing() { canvas_.endPart(before_); }
    PartDrawing(const PartDrawing&) = delete;
    PartDrawing& operator=(const PartDrawing&) = delete;

private:
    Canvas& canvas_;
    const void* before_;
};

}  // namespace ferlo
