#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "base/canvas.h"
#include "base/geometry.h"
#include "base/view_state.h"

namespace ferlo {

// A closed outline of four corners in drawing order: points 1 to 4, point 5
// equal to point 1; index 0 is never used. Edge k runs from point k - 1 to
// point k.
using QuadOutline = std::array<Point2D, 6>;

// The edges of an outline to draw lit (`selected1` to `selected4`); -1 for none.
using EdgeSelection = std::array<std::int16_t, 4>;
inline constexpr EdgeSelection kNoEdgeSelected{-1, -1, -1, -1};

// Points 1 to 5 of the outline, each passed through `map`.
template <typename Map>
QuadOutline mapOutline(const QuadOutline& outline, Map map) {
    QuadOutline result{};
    for (std::size_t k = 1; k < outline.size(); ++k) result[k] = map(outline[k]);
    return result;
}

// True when points 1 to 5 have finite coordinates.
bool isFinite(const QuadOutline& outline);

// The outline reflected about the screen column x = column (the symmetry
// plane of the VTop and Front views).
QuadOutline mirroredAboutColumn(const QuadOutline& outline, double column);
// The outline reflected about the screen row y = row (the HTop view).
QuadOutline mirroredAboutRow(const QuadOutline& outline, double row);

// A polyline through `points`: the current point moves to the first one, then
// a line goes to each next one, in `color`.
void drawPolyline(Canvas& canvas, std::span<const Point2D> points, PaletteColor color);
// Points 1 to 5 of the outline as a polyline, edge k in `litColor` when k is
// in `lit`, else in `color`.
void drawQuadOutline(Canvas& canvas, const QuadOutline& outline, PaletteColor color,
                     const EdgeSelection& lit = kNoEdgeSelected, PaletteColor litColor = kBlack);

// Redraws a part shown with its mirror image about the column `mirrorColumn`:
// erases `shown` and its mirror in white (unless a tracing picture lies under
// the view), stores `fresh` in `shown`, then draws it with the `lit` edges in
// the selection colour and its mirror in black. An outline that is not finite
// is neither stored nor drawn, and the previous one stays.
void redrawMirroredOutline(const ViewContext& ctx, QuadOutline& shown, const QuadOutline& fresh,
                           double mirrorColumn, const EdgeSelection& lit);

}  // namespace ferlo
