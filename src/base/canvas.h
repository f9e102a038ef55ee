#pragma once

#include "base/palette.h"

namespace ferlo {

// The one 2D drawing surface: the drawing area on screen, the printer, or a
// recording for tests. Coordinates in the surface's own units (pixels on
// screen, the scale unit on the printer), y growing downward.
class Canvas {
public:
    enum class DrawMode { Plain, Invert };

    virtual ~Canvas() = default;

    virtual void setCurrentPoint(double x, double y) = 0;
    // A line from the current point to (x, y), which becomes the current point.
    virtual void lineTo(double x, double y, PaletteColor color) = 0;
    // A line between two points; the current point becomes (x2, y2).
    virtual void line(double x1, double y1, double x2, double y2, PaletteColor color) = 0;
    virtual void clear() = 0;
    virtual double width() const = 0;
    virtual double height() const = 0;
    virtual void setDrawMode(DrawMode mode) = 0;
};

}  // namespace ferlo
