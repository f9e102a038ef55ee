#pragma once

#include <array>
#include <cmath>
#include <optional>
#include <string_view>

#include "base/canvas.h"
#include "base/dxf_writer.h"
#include "base/geometry.h"
#include "base/palette.h"

namespace ferlo {

// A closed four-corner outline of a 2D view (the fin in the Front, Side and
// VTop views). The corners are given in the view's drawing plane, in model
// units: x to the right, y upwards. Screen points are numbered as the parts
// store them: 1 to 4 the corners, 5 a copy of 1, 0 unused; edge k joins
// point k - 1 and point k.
using QuadCorners = std::array<Point2D, 4>;
using QuadScreenPoints = std::array<Point2D, 6>;
// The colour of edges 2 to 5, in that order.
using QuadEdgeColors = std::array<PaletteColor, 4>;

inline QuadEdgeColors uniformEdgeColors(PaletteColor color) { return {color, color, color, color}; }

// The screen points of the corners: X = x * zoom + xoff, Y = yoff - y * zoom.
// Nothing when a point is not finite, so that no such point is ever stored.
std::optional<QuadScreenPoints> quadOnScreen(const QuadCorners& corners, double zoom, double xoff, double yoff);

// The outline mirrored about the screen column `axisX`: X becomes 2 * axisX - X.
QuadScreenPoints mirroredOnScreen(const QuadScreenPoints& points, double axisX);

// The corners mirrored about the plane of symmetry: x negated.
QuadCorners mirroredCorners(const QuadCorners& corners);

// Draws the closed polyline from the current point set to point 1 through
// points 2 to 5, edge k in colors[k - 2].
void drawQuad(Canvas& canvas, const QuadScreenPoints& points, const QuadEdgeColors& colors);

// Writes the outline in model units: a pen-up move to corner 1 (layer
// "NoName"), then lines to corners 2, 3, 4 and back to 1 on `layer`, z 0.
void writeQuadDxf(DxfFile& file, const QuadCorners& corners, std::string_view layer);

// Hit tests of the 2D views: strictly less than 3 pixels away.
inline constexpr double kHitTolerance = 3.0;

inline bool withinHitTolerance(double a, double b) { return std::abs(a - b) < kHitTolerance; }

// The pointer lies on the horizontal edge from `left` to `right`: within the
// tolerance of its height and strictly between its ends.
inline bool hitsHorizontalEdge(double x, double y, const Point2D& left, const Point2D& right) {
    return withinHitTolerance(y, left.y) && left.x < x && x < right.x;
}

inline bool hitsCorner(double x, double y, const Point2D& corner) {
    return withinHitTolerance(x, corner.x) && withinHitTolerance(y, corner.y);
}

}  // namespace ferlo
