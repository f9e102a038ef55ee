#pragma once

#include <gtest/gtest.h>

#include "ui_core/main_window_layout.h"

namespace ferlo::testing {

// A rectangle of the window's layout is the one expected; `what` names it.
inline void expectRect(const LayoutRect& actual, const LayoutRect& expected, const char* what) {
    EXPECT_EQ(actual, expected) << what << ": " << actual.left << ", " << actual.top << ", " << actual.width
                                << " x " << actual.height;
}

}  // namespace ferlo::testing
