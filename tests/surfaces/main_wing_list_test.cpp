#include "surfaces/main_wing.h"

#include <stdexcept>

#include <gtest/gtest.h>

#include "support/default_aircraft.h"

namespace ferlo {
namespace {

using testing::defaultMainWing;

TEST(MainWingList, AddedPanelsContinueThePreviousTip) {
    MainWing wing = defaultMainWing();
    wing.wing(1).thickness1 = 0.16;  // the new panel takes the tip's 0.13
    wing.nbWings = 2;
    wing.addWing();
    const SymWingSections& second = wing.wing(2);
    EXPECT_DOUBLE_EQ(second.pos1, 190);
    EXPECT_DOUBLE_EQ(second.pos2, 0);
    EXPECT_DOUBLE_EQ(second.span, 210);
    EXPECT_DOUBLE_EQ(second.length1, 150);
    EXPECT_DOUBLE_EQ(second.length2, 105);
    EXPECT_DOUBLE_EQ(second.elevation1, 50);
    EXPECT_DOUBLE_EQ(second.elevation2, 0);
    EXPECT_DOUBLE_EQ(second.thickness1, 0.13);
    EXPECT_DOUBLE_EQ(second.thickness2, 0.13);
    EXPECT_DOUBLE_EQ(second.shift, 700);

    wing.nbWings = 3;
    wing.addWing();
    const SymWingSections& third = wing.wing(3);
    EXPECT_DOUBLE_EQ(third.pos1, 190);
    EXPECT_DOUBLE_EQ(third.span, 63);
    EXPECT_DOUBLE_EQ(third.length1, 105);
    EXPECT_DOUBLE_EQ(third.length2, 73.5);
    EXPECT_DOUBLE_EQ(third.shift, 910);
}

TEST(MainWingList, AnAddedPanelHasTheBuiltInAirfoilAndDefaultColour) {
    MainWing wing = defaultMainWing();
    wing.wing(1).colorSet({255, 0, 0});
    wing.wing(1).nb = 4;
    wing.wing(1).allocate();
    wing.nbWings = 2;
    wing.addWing();
    EXPECT_EQ(wing.wing(2).nb, 16);
    EXPECT_EQ(wing.wing(2).colorGet(), kDefaultPartColor);
}

TEST(MainWingList, RemovedPanelIsNotVisitedAndAFollowingAddRenewsIt) {
    MainWing wing = defaultMainWing();
    for (int n = 2; n <= 3; ++n) {
        wing.nbWings = static_cast<std::int16_t>(n);
        wing.addWing();
    }
    wing.nbWings = 2;  // the remove command
    EXPECT_THROW(wing.wing(3), std::out_of_range);
    wing.wings[3].paint = 0;
    EXPECT_FALSE(wing.wingGrabbed());
    wing.wings[3].span = 1;
    wing.nbWings = 3;
    wing.addWing();
    EXPECT_DOUBLE_EQ(wing.wing(3).span, 63);
}

TEST(MainWingList, InitWingsGivesEverySlotAFreshPanel) {
    MainWing wing;
    wing.nbWings = 3;
    wing.currentWing = 2;
    wing.initWings();
    EXPECT_EQ(wing.currentWing, 1);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(wing.wing(i).nb, 16);
        EXPECT_EQ(wing.wing(i).paint, 5);
    }
}

TEST(MainWingList, AddWingWithoutAPreviousPanelIsRefused) {
    MainWing wing = defaultMainWing();
    EXPECT_THROW(wing.addWing(), std::logic_error);
}

TEST(MainWingList, QueriesAndResets) {
    MainWing wing = defaultMainWing();
    wing.nbWings = 2;
    wing.addWing();
    EXPECT_FALSE(wing.wingGrabbed());
    EXPECT_FALSE(wing.wingSelected());
    wing.wing(2).paint = 4;
    wing.wing(2).selected = true;
    wing.wing(2).selected_part = 3;
    EXPECT_TRUE(wing.wingGrabbed());
    EXPECT_TRUE(wing.wingSelected());
    EXPECT_EQ(wing.wingSelectedPartGet(), 3);
    wing.resetWingsPaint();
    wing.unselectWings();
    EXPECT_FALSE(wing.wingGrabbed());
    EXPECT_FALSE(wing.wingSelected());
}

TEST(MainWingList, CurrentPanelAccessorsAndWholeWingConversions) {
    MainWing wing = defaultMainWing();
    wing.nbWings = 2;
    wing.addWing();
    wing.currentWing = 2;
    wing.wingSpanSet(254);
    EXPECT_EQ(wing.wingSpanGet(), 254);
    EXPECT_EQ(wing.wing(1).span, 700);
    wing.switchWingsToInches();
    EXPECT_DOUBLE_EQ(wing.wing(2).span, 10);
    wing.rescaleWings(2);
    EXPECT_DOUBLE_EQ(wing.wing(2).span, 20);
    EXPECT_DOUBLE_EQ(wing.wing(1).span, 1400 / 25.4);
}

TEST(MainWingList, AConversionThatOverflowsAtOnePanelChangesNoPanel) {
    MainWing wing = testing::defaultMainWing();
    wing.nbWings = 2;
    wing.addWing();
    wing.wing(2).span = 1e300;
    EXPECT_THROW(wing.rescaleWings(1e10), std::overflow_error);
    EXPECT_EQ(wing.wing(1).span, 700);
    EXPECT_EQ(wing.wing(2).span, 1e300);
}

}  // namespace
}  // namespace ferlo
