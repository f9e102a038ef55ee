#include "view3d/conversion_progress_window.h"

#include <gtest/gtest.h>

namespace ferlo {
namespace {

TEST(ConversionProgressWindow, AppearsOnlyForLongConversionsAndHidesAtTheEnd) {
    ConversionProgressWindow slow(std::chrono::milliseconds(0));
    slow.begin();
    EXPECT_FALSE(slow.isVisible());
    slow.setValue(40);
    EXPECT_TRUE(slow.isVisible());
    EXPECT_EQ(slow.value(), 40);
    slow.end();
    EXPECT_FALSE(slow.isVisible());
    // Outside a conversion the window stays hidden.
    slow.setValue(50);
    EXPECT_FALSE(slow.isVisible());

    ConversionProgressWindow quick(std::chrono::hours(1));
    quick.begin();
    for (int percent = 0; percent < 100; percent += 10) quick.setValue(percent);
    EXPECT_FALSE(quick.isVisible());
    EXPECT_EQ(quick.value(), 90);
    quick.end();
    EXPECT_FALSE(quick.isVisible());
}

}  // namespace
}  // namespace ferlo
