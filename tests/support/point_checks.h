#pragma once

#include <string_view>

#include <gtest/gtest.h>

#include "base/geometry.h"

namespace ferlo::testing {

// The point is `expected` to within rounding (1e-9 in each coordinate).
inline void expectNear(const Point3D& actual, const Point3D& expected, std::string_view what) {
    constexpr double kTolerance = 1e-9;
    EXPECT_NEAR(actual.x, expected.x, kTolerance) << what;
    EXPECT_NEAR(actual.y, expected.y, kTolerance) << what;
    EXPECT_NEAR(actual.z, expected.z, kTolerance) << what;
}

}  // namespace ferlo::testing
