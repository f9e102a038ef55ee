#pragma once

#include <cmath>

#include "base/geometry.h"

namespace ferlo {

// Hit tests of the 2D views compare the pointer with the stored screen points
// of an outline: a hit is strictly less than 3 pixels away.
inline constexpr double kHitTolerance = 3.0;

inline bool withinHitTolerance(double a, double b) { return std::abs(a - b) < kHitTolerance; }

inline bool hitsCorner(double x, double y, const Point2D& corner) {
    return withinHitTolerance(x, corner.x) && withinHitTolerance(y, corner.y);
}

// The pointer lies on the horizontal edge from `left` to `right`: within the
// tolerance of its row and strictly between its ends.
inline bool hitsHorizontalEdge(double x, double y, const Point2D& left, const Point2D& right) {
    return withinHitTolerance(y, left.y) && left.x < x && x < right.x;
}

// The pointer lies on the vertical edge from `top` down to `bottom`: within
// the tolerance of its column and strictly between its ends.
inline bool hitsVerticalEdge(double x, double y, const Point2D& top, const Point2D& bottom) {
    return withinHitTolerance(x, top.x) && top.y < y && y < bottom.y;
}

}  // namespace ferlo
