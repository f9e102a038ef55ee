#pragma once

#include "document/plane.h"

namespace ferlo {

// The operations on the aircraft as a whole. None of them draws, renders or
// refreshes a panel; the callers do that.

// The default aircraft: one wing panel, the stabiliser, a single fin, one
// fuselage and one box, every current index 1. The stabiliser and the fin are
// re-initialised in place; the wing panels, the fuselage and the box are new.
// Lengths are millimetre numbers, except the fuselage and the box, which are
// made in `plane.units`; the unit itself stays.
void newPlane(Plane& plane);

// Multiplies every length of every part by `k`; counts, ratios, airfoils,
// colours and box weights stay. All or none: a result that is not finite
// throws std::overflow_error and no part changes. The 3D geometry is rebuilt
// by the caller (createAll).
void rescaleAll(Plane& plane, double k);

// Converts every length of every part to `unit` (wing panels, stabiliser,
// fuselages, fin, boxes) and makes it the aircraft's unit; nothing happens
// when the aircraft is in `unit` already. All or none, like rescaleAll.
void switchUnits(Plane& plane, LengthUnit unit);

// The 3D geometry of every part: the shown fuselages (a hidden one keeps the
// geometry it had), the wing panels, the stabiliser, the fin and the boxes.
void createAll(Plane& plane);

}  // namespace ferlo
