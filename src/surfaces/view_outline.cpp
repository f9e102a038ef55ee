#include "surfaces/view_outline.h"

namespace ferlo {

std::optional<QuadScreenPoints> quadOnScreen(const QuadCorners& corners, double zoom, double xoff, double yoff) {
    QuadScreenPoints points{};
    for (std::size_t k = 1; k <= corners.size(); ++k) {
        const Point2D& corner = corners[k - 1];
        points[k] = {corner.x * zoom + xoff, yoff - corner.y * zoom};
        if (!std::isfinite(points[k].x) || !std::isfinite(points[k].y)) return std::nullopt;
    }
    points[5] = points[1];
    return points;
}

QuadScreenPoints mirroredOnScreen(const QuadScreenPoints& points, double axisX) {
    QuadScreenPoints mirrored = points;
    for (Point2D& p : mirrored) p.x = 2 * axisX - p.x;
    return mirrored;
}

QuadCorners mirroredCorners(const QuadCorners& corners) {
    QuadCorners mirrored = corners;
    for (Point2D& p : mirrored) p.x = -p.x;
    return mirrored;
}

void drawQuad(Canvas& canvas, const QuadScreenPoints& points, const QuadEdgeColors& colors) {
    canvas.setCurrentPoint(points[1].x, points[1].y);
    for (std::size_t k = 2; k <= 5; ++k) canvas.lineTo(points[k].x, points[k].y, colors[k - 2]);
}

void writeQuadDxf(DxfFile& file, const QuadCorners& corners, std::string_view layer) {
    dxfLineTo(file, corners[0].x, corners[0].y, 0, false, "NoName");
    for (std::size_t k = 1; k <= corners.size(); ++k) {
        const Point2D& corner = corners[k % corners.size()];
        dxfLineTo(file, corner.x, corner.y, 0, true, layer);
    }
}

}  // namespace ferlo
