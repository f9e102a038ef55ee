#pragma once

#include "base/geometry.h"
#include "ui_core/glide.h"

namespace ferlo::testing {

// A glide's steps from `from` to `to`: how many, and how many moved the pointer.
struct GlideRun {
    int steps = 0;
    int moves = 0;
    Point2D last;  // the last position the pointer was put at
};

inline GlideRun runGlide(Point2D from, Point2D to) {
    Glide glide{from, to};
    GlideRun run{0, 0, from};
    while (++run.steps < 1000) {
        if (!glide.step()) break;
        ++run.moves;
        run.last = glide.cursor;
    }
    return run;
}

}  // namespace ferlo::testing
