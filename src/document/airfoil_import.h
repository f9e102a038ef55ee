#pragma once

#include <string>

#include "document/plane.h"

namespace ferlo {

// Puts the airfoil of an ".xy" file on the current wing panel and rebuilds
// that panel's 3D halves (a half whose image is loaded gets the texture
// coordinates of its new rings); the stabiliser and the other panels are never
// touched, nor the panel's geometry, colour or texture. The panel's `nb` is
// the number of points the file holds (blank lines are not points). All or
// none: a file that cannot be read throws ReadError naming the file and the
// line, a `currentWing` outside the list throws std::out_of_range, and the
// panel then stays as it was.
void loadAirfoil(Plane& plane, const std::string& path);

}  // namespace ferlo
