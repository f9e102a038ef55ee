#include "base/screen_outline.h"

#include <algorithm>
#include <cmath>

namespace ferlo {

bool isFinite(const QuadOutline& outline) { return isFinite(outlinePoints(outline)); }

std::vector<Point2D> closedPolyline(std::span<const Point2D> points) {
    if (points.size() < 2) return {};
    std::vector<Point2D> closed(points.begin(), points.end());
    closed.push_back(points.front());
    return closed;
}

QuadOutline toScreenUp(const QuadOutline& model, const ViewTransform& transform) {
    return mapOutline(model, [&transform](const Point2D& p) { return transform.screenUp(p); });
}

QuadOutline toScreenDown(const QuadOutline& model, const ViewTransform& transform) {
    return mapOutline(model, [&transform](const Point2D& p) { return transform.screenDown(p); });
}

QuadOutline mirroredAboutColumn(const QuadOutline& outline, double column) {
    return mapOutline(outline, [column](const Point2D& p) { return Point2D{2 * column - p.x, p.y}; });
}

QuadOutline mirroredAboutRow(const QuadOutline& outline, double row) {
    return mapOutline(outline, [row](const Point2D& p) { return Point2D{p.x, 2 * row - p.y}; });
}

namespace {

// Every point passed through `map`.
template <typename Map>
std::vector<Point2D> mapPoints(std::span<const Point2D> points, Map map) {
    std::vector<Point2D> result;
    result.reserve(points.size());
    for (const Point2D& p : points) result.push_back(map(p));
    return result;
}

}  // namespace

bool isFinite(std::span<const Point2D> points) {
    return std::all_of(points.begin(), points.end(),
                       [](const Point2D& p) { return std::isfinite(p.x) && std::isfinite(p.y); });
}

std::vector<Point2D> toScreenUp(std::span<const Point2D> model, const ViewTransform& transform) {
    return mapPoints(model, [&transform](const Point2D& p) { return transform.screenUp(p); });
}

std::vector<Point2D> toScreenDown(std::span<const Point2D> model, const ViewTransform& transform) {
    return mapPoints(model, [&transform](const Point2D& p) { return transform.screenDown(p); });
}

std::vector<Point2D> mirroredAboutColumn(std::span<const Point2D> points, double column) {
    return mapPoints(points, [column](const Point2D& p) { return Point2D{2 * column - p.x, p.y}; });
}

std::vector<Point2D> mirroredAboutRow(std::span<const Point2D> points, double row) {
    return mapPoints(points, [row](const Point2D& p) { return Point2D{p.x, 2 * row - p.y}; });
}

void drawPolyline(Canvas& canvas, std::span<const Point2D> points, PaletteColor color) {
    if (points.empty()) return;
    canvas.setCurrentPoint(points.front().x, points.front().y);
    for (const Point2D& p : points.subspan(1)) canvas.lineTo(p.x, p.y, color);
}

void drawQuadOutline(Canvas& canvas, const QuadOutline& outline, PaletteColor color, const EdgeSelection& lit,
                     PaletteColor litColor) {
    canvas.setCurrentPoint(outline[1].x, outline[1].y);
    for (std::size_t k = 2; k < outline.size(); ++k) {
        const bool isLit = std::find(lit.begin(), lit.end(), static_cast<std::int16_t>(k)) != lit.end();
        canvas.lineTo(outline[k].x, outline[k].y, isLit ? litColor : color);
    }
}

void redrawOutline(const ViewContext& ctx, QuadOutline& shown, const QuadOutline& fresh, const OutlineStyle& style) {
    if (!isFinite(fresh)) return;
    drawQuadOutline(ctx.canvas, shown, kWhite);
    if (style.mirrorColumn) drawQuadOutline(ctx.canvas, mirroredAboutColumn(shown, *style.mirrorColumn), kWhite);
    shown = fresh;
    drawQuadOutline(ctx.canvas, shown, style.color, style.lit, ctx.colors.colorSelected);
    if (style.mirrorColumn) drawQuadOutline(ctx.canvas, mirroredAboutColumn(shown, *style.mirrorColumn), style.color);
}

}  // namespace ferlo
