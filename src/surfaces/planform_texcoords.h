#pragma once

#include <cstdint>
#include <vector>

#include "base/geometry.h"

namespace ferlo {

// The texture coordinate u of every point of a section ring (points 1 to `nb`,
// slot 0 unused, as the 3D builders make them): the point's distance aft of
// `pos1` in units of `span`, times the image's aspect ytex / xtex, so that the
// image's height spans the part's span. The first surface, points 1 to
// (nb + 1) / 2, is measured; each point i of the second surface takes the u of
// its mirror point nb + 1 - i, so both faces show the same image column.
// All zeros without an image (`xtex` 0) or without span; a value that is not
// finite stays 0.
std::vector<double> planformTexcoords(const std::vector<Point3D>& ring, int nb, double pos1, double span,
                                      std::int32_t xtex, std::int32_t ytex);

}  // namespace ferlo
