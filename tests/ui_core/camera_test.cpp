#include "ui_core/camera.h"

#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace ferlo {
namespace {

TEST(Camera, PivotIsTheOriginWhenTheExtentIsNotFinite) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(pivotBetween(100, 900), 500);
    EXPECT_EQ(pivotBetween(1e7, -1e7), 0);  // a fuselage without sections
    EXPECT_EQ(pivotBetween(kInf, -kInf), 0);
    EXPECT_EQ(pivotBetween(std::numeric_limits<double>::quiet_NaN(), 3), 0);
    EXPECT_EQ(pivotBetween(std::numeric_limits<double>::max(), std::numeric_limits<double>::max()),
              std::numeric_limits<double>::max());
    EXPECT_FALSE(isFinite(viewTransform({kInf, 0, 0, 0, 0}, LengthUnit::Millimeters, 0)));
    EXPECT_TRUE(isFinite(viewTransform({1e6, -1e6, 1e6, 1e9, -1e9}, LengthUnit::Inches, 1e12)));
}

TEST(Camera, FrustumHalfWidthAtTheNearPlaneAtAnySize) {
    struct Case {
        double size;
        int width, height;
        double halfHeight;
    };
    for (const Case& c : {Case{100, 400, 300, 75}, Case{50, 400, 300, 37.5}, Case{100, 300, 600, 200},
                          Case{100, 0, 0, 100}, Case{100, 0, 250, 25000}, Case{100, 250, 0, 0.4}}) {
        const Frustum f = frustumFor(c.size, c.width, c.height);
        const std::string what = std::to_string(c.width) + " x " + std::to_string(c.height);
        EXPECT_EQ(f.left, -c.size) << what;
        EXPECT_EQ(f.right, c.size) << what;
        EXPECT_DOUBLE_EQ(f.top, c.halfHeight) << what;
        EXPECT_EQ(f.bottom, -f.top) << what;
        EXPECT_EQ(f.nearPlane, 100) << what;
        EXPECT_EQ(f.farPlane, 10000) << what;
    }
    EXPECT_TRUE(isFrustumSize(50));
    for (const double bad : {0.0, -50.0, std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity()}) {
        EXPECT_FALSE(isFrustumSize(bad)) << bad;
    }
}

}  // namespace
}  // namespace ferlo
