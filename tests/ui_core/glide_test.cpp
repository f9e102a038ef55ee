#include "ui_core/glide.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "support/glide_run.h"

namespace ferlo {
namespace {

using testing::GlideRun;
using testing::runGlide;

// Each step goes a tenth of the way; the step that comes within 3 pixels on
// both axes ends the glide without a move, so a glide of d pixels takes the
// smallest n with 0.9^n d < 3 steps. Within 3 pixels it is one step and no
// move; the longer axis decides.
TEST(Glide, StepCounts) {
    struct Case {
        Point2D from, to;
        int steps;
    };
    const Case cases[] = {
        {{0, 0}, {20, 0}, 19},    {{100, 100}, {100, 150}, 27}, {{0, 0}, {-60, 10}, 29},
        {{0, 0}, {600, 0}, 51},   {{10, 10}, {12, 8}, 1},       {{10, 10}, {10, 12.9}, 1},
        {{0, 0}, {3, 0}, 1},      {{0, 0}, {3.4, 0}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::vector<double>{c.from.x, c.from.y, c.to.x, c.to.y}));
        const GlideRun run = runGlide(c.from, c.to);
        EXPECT_EQ(run.steps, c.steps);
        EXPECT_EQ(run.moves, c.steps - 1);
        EXPECT_LT(std::abs(run.last.x - c.to.x), 10.0 / 3);
        EXPECT_LT(std::abs(run.last.y - c.to.y), 10.0 / 3);
    }
    // A glide to no number ends at once.
    EXPECT_EQ(runGlide({0, 0}, {std::nan(""), std::nan("")}).steps, 1);
}

// Pixels round halves to the even neighbour.
TEST(Glide, PixelsRoundHalvesToEven) {
    EXPECT_EQ(glidePixel(2.5), 2);
    EXPECT_EQ(glidePixel(3.5), 4);
    EXPECT_EQ(glidePixel(-2.5), -2);
    EXPECT_EQ(glidePixel(46.77), 47);
    EXPECT_EQ(glidePixel(1e300), 1000000);
}

}  // namespace
}  // namespace ferlo
