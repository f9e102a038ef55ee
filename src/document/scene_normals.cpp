#include "document/scene_normals.h"

#include <cmath>

namespace ferlo {

Point3D vectorSub(const Point3D& a, const Point3D& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

Point3D normalize(const Point3D& v) {
    // hypot does not overflow where the sum of the squares would.
    const double length = std::hypot(v.x, v.y, v.z);
    if (length == 0.0 || !std::isfinite(length)) return {1.0, 0.0, 0.0};
    return {v.x / length, v.y / length, v.z / length};
}

Point3D faceNormal(const Point3D& a, const Point3D& b, const Point3D& c) {
    const Point3D d1 = vectorSub(b, a);
    const Point3D d2 = vectorSub(c, a);
    return normalize({d1.y * d2.z - d1.z * d2.y, d1.z * d2.x - d1.x * d2.z, d1.x * d2.y - d1.y * d2.x});
}

Point3D midNormal(const Point3D& a, const Point3D& b) {
    return normalize({(a.x + b.x) / 2, (a.y + b.y) / 2, (a.z + b.z) / 2});
}

}  // namespace ferlo
