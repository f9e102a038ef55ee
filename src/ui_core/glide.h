#pragma once

#include "base/geometry.h"

namespace ferlo {

// The demonstration's pointer glide in screen pixels: each step goes a tenth
// of the remaining way; the step that brings it within 3 pixels of the
// target on both axes ends the glide without moving the pointer. A glide
// over a largest axis distance d of 3 or more takes the smallest n with
// 0.9^n d < 3 steps (19 for 20 pixels), the last of which does not move.
struct Glide {
    Point2D cursor;  // `demoCursor`, not rounded to pixels
    Point2D target;  // `demoTarget`

    // One step (`Timer2_Timer`): true when the pointer moves to `cursor`,
    // false when the glide is over.
    bool step();
};

// A glide position as a whole pixel: halves to the even neighbour, and
// within a million pixels either way.
int glidePixel(double value);

}  // namespace ferlo
