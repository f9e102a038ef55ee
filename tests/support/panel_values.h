#pragma once

#include <gtest/gtest.h>

#include "surfaces/sym_wing_sections.h"

namespace ferlo::testing {

// Every value a panel keeps in the project file is the same in both panels:
// geometry, colour, `nb` and the airfoil points.
inline void expectSamePanelValues(const SymWingSections& actual, const SymWingSections& expected) {
    EXPECT_EQ(actual.span, expected.span);
    EXPECT_EQ(actual.length1, expected.length1);
    EXPECT_EQ(actual.length2, expected.length2);
    EXPECT_EQ(actual.thickness1, expected.thickness1);
    EXPECT_EQ(actual.thickness2, expected.thickness2);
    EXPECT_EQ(actual.pos1, expected.pos1);
    EXPECT_EQ(actual.pos2, expected.pos2);
    EXPECT_EQ(actual.elevation1, expected.elevation1);
    EXPECT_EQ(actual.elevation2, expected.elevation2);
    EXPECT_EQ(actual.shift, expected.shift);
    EXPECT_EQ(actual.colorGet(), expected.colorGet());
    ASSERT_EQ(actual.nb, expected.nb);
    for (int i = 1; i <= expected.nb; ++i) {
        EXPECT_EQ(actual.airfoilPointGet(i), expected.airfoilPointGet(i)) << "airfoil point " << i;
    }
}

}  // namespace ferlo::testing
