#pragma once

#include "base/geometry.h"

namespace ferlo {

// The vector operations the 3D scene takes its normals from. Every normal
// they give has unit length: a vector without a direction (zero, or not
// finite) becomes (1, 0, 0), so no NaN reaches the renderer.

// a - b.
Point3D vectorSub(const Point3D& a, const Point3D& b);
// `v` scaled to unit length; (1, 0, 0) for a zero vector or one that is not finite.
Point3D normalize(const Point3D& v);
// The unit normal of the triangle a, b, c: (b - a) x (c - a), normalised.
Point3D faceNormal(const Point3D& a, const Point3D& b, const Point3D& c);
// The normalised mean of two normals.
Point3D midNormal(const Point3D& a, const Point3D& b);

}  // namespace ferlo
