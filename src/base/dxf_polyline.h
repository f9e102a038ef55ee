#pragma once

#include <span>
#include <string_view>

#include "base/dxf_writer.h"
#include "base/geometry.h"

namespace ferlo {

// The layer of a pen-up move, which no entity is ever written on.
inline constexpr std::string_view kDxfPenUpLayer = "NoName";

// A polyline through `points` (x, y, z 0) as LINE entities on `layer`: a
// pen-up move to the first point, then a drawn line to each next one. The
// pen is left on the last point. A polyline with a point that is not finite
// has no DXF form: nothing is written and the pen stays.
void dxfPolyline(DxfFile& file, std::span<const Point2D> points, std::string_view layer);

// One LINE entity (z 0) from each point to the next on `layer`; the pen does
// not move. Nothing is written when a point is not finite.
void dxfSegments(DxfFile& file, std::span<const Point2D> points, std::string_view layer);

}  // namespace ferlo
