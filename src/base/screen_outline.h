#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "base/canvas.h"
#include "base/geometry.h"
#include "base/view_state.h"
#include "base/view_transform.h"

namespace ferlo {

// A closed outline of four corners in drawing order: points 1 to 4, point 5
// equal to point 1; index 0 is never used. Edge k runs from point k - 1 to
// point k. The same type holds an outline in model units (in the drawing
// plane of a view) and on the screen.
using QuadOutline = std::array<Point2D, 6>;

// Points 1 to 5: the closed polyline.
inline std::span<const Point2D> outlinePoints(const QuadOutline& outline) { return std::span(outline).subspan(1); }

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

// The points with the first one again at the end, a closed polyline; nothing
// for fewer than two points, which enclose nothing.
std::vector<Point2D> closedPolyline(std::span<const Point2D> points);

// A model outline on the screen: its second coordinate grows upward (heights,
// the spanwise distance of the HTop plan) or downward (the longitudinal axis
// of the VTop plan, aft down).
QuadOutline toScreenUp(const QuadOutline& model, const ViewTransform& transform);
QuadOutline toScreenDown(const QuadOutline& model, const ViewTransform& transform);

// The outline reflected about the column x = column: the symmetry plane of
// the VTop and Front views on the screen (the column of `xoff`) or in model
// units (column 0).
QuadOutline mirroredAboutColumn(const QuadOutline& outline, double column);
// The outline reflected about the row y = row: the HTop view's axis on the
// screen; about row 0, a VTop plan turned nose up for a DXF drawing.
QuadOutline mirroredAboutRow(const QuadOutline& outline, double row);

// The same for the points of an outline of any length (a fuselage's): true
// when every point has finite coordinates.
bool isFinite(std::span<const Point2D> points);
std::vector<Point2D> toScreenUp(std::span<const Point2D> model, const ViewTransform& transform);
std::vector<Point2D> toScreenDown(std::span<const Point2D> model, const ViewTransform& transform);
std::vector<Point2D> mirroredAboutColumn(std::span<const Point2D> points, double column);
std::vector<Point2D> mirroredAboutRow(std::span<const Point2D> points, double row);

// A polyline through `points`: the current point moves to the first one, then
// a line goes to each next one, in `color`.
void drawPolyline(Canvas& canvas, std::span<const Point2D> points, PaletteColor color);
// Points 1 to 5 of the outline as a polyline, edge k in `litColor` when k is
// in `lit`, else in `color`.
void drawQuadOutline(Canvas& canvas, const QuadOutline& outline, PaletteColor color,
                     const EdgeSelection& lit = kNoEdgeSelected, PaletteColor litColor = kBlack);

// How an edited outline is drawn: its edges in `color`, the `lit` ones in the
// selection colour; a part shown with its mirror image also draws the mirror
// about the screen column `mirrorColumn`, in `color`.
struct OutlineStyle {
    PaletteColor color = kBlack;
    EdgeSelection lit = kNoEdgeSelected;
    std::optional<double> mirrorColumn = std::nullopt;
};

// Redraws an outline of a part edited in the view: erases `shown` (and its
// mirror) in white unless a tracing picture lies under the view, stores
// `fresh` in `shown` and draws it in `style`. An outline that is not finite is
// neither stored nor drawn, and the previous one stays.
void redrawOutline(const ViewContext& ctx, QuadOutline& shown, const QuadOutline& fresh, const OutlineStyle& style);

}  // namespace ferlo
