#pragma once

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "surfaces/vert_wing_section.h"

namespace ferlo::testing {

// A pointer position and the fin's hit code expected there.
struct FinHitCase {
    double x, y;
    std::int32_t code;
    const char* what;
};

// What a drag should have done to one length of the fin.
struct FinLengthChange {
    double VertWingSection::*field;
    double by;
};

// Every one of the fin's eight lengths of `after` is that of `before` plus
// its changes; the others stayed.
inline void expectFinLengthsChanged(const VertWingSection& before, const VertWingSection& after,
                                    const std::vector<FinLengthChange>& changes, const char* what) {
    using F = VertWingSection;
    for (double F::*field : {&F::span, &F::length1, &F::length2, &F::pos1, &F::pos2, &F::shift, &F::offset1,
                             &F::offset2}) {
        double expected = before.*field;
        for (const auto& change : changes) {
            if (change.field == field) expected += change.by;
        }
        EXPECT_DOUBLE_EQ(after.*field, expected) << what;
    }
}

}  // namespace ferlo::testing
