#pragma once

#include <string>
#include <vector>

#include "base/geometry.h"

namespace ferlo {

// An airfoil as a panel holds it: points 1 to nb (entry 0 unused), x the
// distance from the leading edge as a fraction of the chord, y 0, z the
// height as a fraction of the chord divided by the relative thickness. The
// points run from the trailing edge along the lower surface to the leading
// edge and back along the upper surface.
using AirfoilPoints = std::vector<Point3D>;

// The built-in 16-point airfoil, heights as fractions of the chord (not yet
// normalised); entry 0 unused.
const AirfoilPoints& builtInAirfoil();

inline constexpr int kBuiltInAirfoilPoints = 16;
// The largest airfoil an ".xy" file or a project file may bring.
inline constexpr int kMaxAirfoilPoints = 10000;
inline constexpr int kMinAirfoilPoints = 3;

// The relative thickness of an airfoil: the largest vertical distance between
// a point and the opposite contour, over the airfoil's x extent, rounded to
// two decimals (halves to even). Nothing when the x extent is 0. Points whose
// opposite contour cannot be found take no part.
struct AirfoilThickness {
    bool measurable = false;
    double value = 0.0;
};
AirfoilThickness measureAirfoilThickness(const AirfoilPoints& airfoil);

// Divides every height by the relative thickness; a thickness of 0 leaves
// the heights as they are.
void divideHeights(AirfoilPoints& airfoil, double thickness);

// The smallest x extent the points of an airfoil file may span (x is a
// fraction of the chord, and the thickness is measured over this extent).
inline constexpr double kMinAirfoilChordExtent = 1e-6;

// An airfoil read from an ".xy" file and normalised as a panel keeps it.
struct XyAirfoil {
    AirfoilPoints points;  // entry 0 unused; heights divided by `thickness` unless it is 0
    double thickness = 0.0;
};

// Reads and normalises the points of an ".xy" airfoil file: a title line,
// then numbers separated by blanks, commas or line ends, taken as x, z
// pairs; blank lines are skipped. Throws ReadError naming the file and the
// line when the file cannot be opened (or is no regular file: a FIFO, a
// device or a folder is refused at once), a number does not parse or lies
// beyond kMaxFileMagnitude, the last pair is incomplete, there are fewer
// than 3 or more than kMaxAirfoilPoints points, the x values span less than
// kMinAirfoilChordExtent, or the relative thickness or a normalised height
// would lie beyond kMaxFileMagnitude: whatever it gives, a project file
// holds and reads back.
XyAirfoil readXyAirfoil(const std::string& path);

}  // namespace ferlo
