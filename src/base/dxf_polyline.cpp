#include "base/dxf_polyline.h"

#include "base/screen_outline.h"

namespace ferlo {

void dxfPolyline(DxfFile& file, std::span<const Point2D> points, std::string_view layer) {
    if (points.empty() || !isFinite(points)) return;
    dxfLineTo(file, points.front().x, points.front().y, 0, false, kDxfPenUpLayer);
    for (const Point2D& p : points.subspan(1)) dxfLineTo(file, p.x, p.y, 0, true, layer);
}

void dxfSegments(DxfFile& file, std::span<const Point2D> points, std::string_view layer) {
    if (!isFinite(points)) return;
    for (std::size_t k = 1; k < points.size(); ++k) {
        dxfLine(file, points[k - 1].x, points[k - 1].y, 0, points[k].x, points[k].y, 0, layer);
    }
}

}  // namespace ferlo
