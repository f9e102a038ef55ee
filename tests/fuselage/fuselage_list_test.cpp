#include "fuselage/fuselage_list.h"

#include <stdexcept>
#include <vector>

#include <gtest/gtest.h>

#include "support/fuselage_sections.h"
#include "support/list_values.h"

namespace ferlo {
namespace {

using testing::fuselageWith;
using testing::sectionsOf;
using testing::SectionValues;
using testing::shiftsOf;
using testing::shownFlagsOf;

// A list of default millimetre fuselages with these shifts, the last one current.
FuselageList listWithShifts(const std::vector<double>& shifts) {
    FuselageList list;
    for (std::size_t i = 1; i < shifts.size(); ++i) list.addFuselage(false, LengthUnit::Millimeters, kDefaultPartColor);
    for (std::size_t i = 0; i < shifts.size(); ++i) list.fuselage(static_cast<int>(i) + 1).shift = shifts[i];
    return list;
}

TEST(FuselageList, ANewProjectHasOneDefaultFuselageShownAndCurrentWhateverTheListHeld) {
    const FuselageList fresh;
    EXPECT_EQ(fresh.nbFuselages(), 1);
    EXPECT_EQ(fresh.currentFuselage, 1);
    EXPECT_EQ(sectionsOf(fresh.fuselage(1)), sectionsOf(MeshSections()));
    EXPECT_TRUE(fresh.shown(1));

    const struct {
        LengthUnit units;
        double divisor;
    } cases[] = {{LengthUnit::Millimeters, 1.0}, {LengthUnit::Inches, 25.4}};
    for (const auto& c : cases) {
        FuselageList list = listWithShifts({1, 2, 3});
        list.fuselage(1).nb_cross = 20;
        list.setShown(1, false);
        list.currentFuselage = 3;
        list.initFuselages(c.units, {1, 2, 3});
        ASSERT_EQ(list.nbFuselages(), 1) << c.divisor;
        EXPECT_EQ(list.currentFuselage, 1);
        EXPECT_TRUE(list.shown(1));
        const MeshSections& f = list.current();
        EXPECT_EQ(f.shift, 0);
        EXPECT_EQ(f.nb_cross, 8);
        EXPECT_EQ(f.colorGet(), (ColorRGB{1, 2, 3}));
        EXPECT_EQ(sectionsOf(f)[1], (SectionValues{100 / c.divisor, 100 / c.divisor, 200 / c.divisor, 10 / c.divisor}));
    }
}

TEST(FuselageList, PlusAppendsADefaultFuselageOrWithCtrlACopyOfTheCurrentOne) {
    FuselageList list;
    list.fuselage(1) = fuselageWith({{30, 25, -10, 5, 1.2, 0.8, 0.4}, {90, 80, 150, 0}, {12, 8, 760, 35}});
    list.fuselage(1).shift = 30;
    list.fuselage(1).pos_offset = 50;

    ASSERT_TRUE(list.addFuselage(false, LengthUnit::Inches, {1, 2, 3}));
    EXPECT_EQ(list.nbFuselages(), 2);
    EXPECT_EQ(list.currentFuselage, 2);
    EXPECT_EQ(sectionsOf(list.fuselage(2)), sectionsOf(MeshSections(LengthUnit::Inches)));
    EXPECT_EQ(list.fuselage(2).colorGet(), (ColorRGB{1, 2, 3}));
    list.setShown(2, false);

    // With Ctrl the new fuselage copies the one current until then.
    list.currentFuselage = 1;
    ASSERT_TRUE(list.addFuselage(true, LengthUnit::Inches, {1, 2, 3}));
    EXPECT_EQ(list.nbFuselages(), 3);
    EXPECT_EQ(list.currentFuselage, 3);
    const MeshSections& copy = list.fuselage(3);
    EXPECT_EQ(sectionsOf(copy), sectionsOf(list.fuselage(1)));  // not converted to inches
    EXPECT_EQ(copy.colorGet(), kDefaultPartColor);
    EXPECT_EQ(copy.shift, 0);
    EXPECT_EQ(copy.pos_offset, 0);
    EXPECT_EQ(list.fuselage(1).sel_sec, 3);  // the copy read every section through the selection
    EXPECT_EQ(list.fuselage(1).shift, 30);

    // New fuselages are shown; the others keep their flags.
    EXPECT_EQ(shownFlagsOf(list), (std::vector<bool>{true, false, true}));
}

TEST(FuselageList, MinusRemovesTheLastFuselageWithItsFlagAndStopsAtOne) {
    FuselageList list = listWithShifts({1, 2, 3});
    list.setShown(2, false);
    list.setShown(3, false);
    list.currentFuselage = 1;

    EXPECT_TRUE(list.removeLastFuselage());
    EXPECT_EQ(shiftsOf(list), (std::vector<double>{1, 2}));
    EXPECT_EQ(list.currentFuselage, 2);
    EXPECT_EQ(shownFlagsOf(list), (std::vector<bool>{true, false}));

    // A fuselage added where a hidden one was removed is shown.
    ASSERT_TRUE(list.addFuselage(false, LengthUnit::Millimeters, kDefaultPartColor));
    EXPECT_EQ(shownFlagsOf(list), (std::vector<bool>{true, false, true}));

    EXPECT_TRUE(list.removeLastFuselage());
    EXPECT_TRUE(list.removeLastFuselage());
    EXPECT_FALSE(list.removeLastFuselage());
    EXPECT_EQ(shiftsOf(list), (std::vector<double>{1}));
    EXPECT_EQ(list.currentFuselage, 1);
}

TEST(FuselageList, PlusStopsAtTheLimit) {
    FuselageList list;
    for (int i = 2; i <= FuselageList::kMaxFuselages; ++i) {
        ASSERT_TRUE(list.addFuselage(false, LengthUnit::Millimeters, kDefaultPartColor)) << i;
    }
    list.currentFuselage = 5;
    EXPECT_FALSE(list.addFuselage(true, LengthUnit::Millimeters, kDefaultPartColor));
    EXPECT_EQ(list.nbFuselages(), FuselageList::kMaxFuselages);
    EXPECT_EQ(list.currentFuselage, 5);
    EXPECT_TRUE(list.shown(FuselageList::kMaxFuselages));
}

TEST(FuselageList, NoFuselageOrFlagIsReadOutsideTheList) {
    FuselageList list = listWithShifts({1, 2});
    for (int outside : {0, -1, 3, 32767}) {
        EXPECT_THROW(list.fuselage(outside), std::out_of_range) << outside;
        EXPECT_THROW(static_cast<void>(list.shown(outside)), std::out_of_range) << outside;
        EXPECT_THROW(list.setShown(outside, false), std::out_of_range) << outside;
        list.currentFuselage = static_cast<std::int16_t>(outside);
        EXPECT_THROW(list.current(), std::out_of_range) << outside;
        // A Plus press needs the current fuselage and changes nothing without it.
        EXPECT_THROW(list.addFuselage(false, LengthUnit::Millimeters, kDefaultPartColor), std::out_of_range);
        EXPECT_EQ(shiftsOf(list), (std::vector<double>{1, 2}));
    }
}

TEST(FuselageList, TheThreeDRebuildSkipsHiddenFuselagesWhichKeepTheirMesh) {
    FuselageList list = listWithShifts({0, 10, 20});
    list.setShown(3, false);
    list.createFuselages();
    // Point 1 of section 2 lies at the positive-y end of its widest line: shift + 50.
    EXPECT_EQ(list.fuselage(1).pointGet(1, 2).y, 50);
    EXPECT_EQ(list.fuselage(2).pointGet(1, 2).y, 60);
    EXPECT_EQ(list.fuselage(3).pointGet(1, 2), Point3D{});  // never built

    list.showAll();
    list.setShown(2, false);
    for (int i = 1; i <= 3; ++i) list.fuselage(i).shift += 5;
    list.createFuselages();
    EXPECT_EQ(list.fuselage(1).pointGet(1, 2).y, 55);
    EXPECT_EQ(list.fuselage(2).pointGet(1, 2).y, 60);  // the mesh of its last rebuild
    EXPECT_EQ(list.fuselage(3).pointGet(1, 2).y, 75);
}

TEST(FuselageList, RescaleAndUnitSwitchesConvertEveryFuselageHiddenOnesIncluded) {
    FuselageList list = listWithShifts({1, 2, 3});
    list.setShown(2, false);
    list.fuselage(2).elevation_offset = 4;
    const std::vector<SectionValues> sections = sectionsOf(list.fuselage(2));

    list.rescaleFuselages(2);
    EXPECT_EQ(shiftsOf(list), (std::vector<double>{2, 4, 6}));
    EXPECT_EQ(list.fuselage(2).elevation_offset, 8);
    EXPECT_EQ(sectionsOf(list.fuselage(2))[2], (SectionValues{20, 20, 1600, 60}));

    list.switchFuselagesToInches();
    EXPECT_DOUBLE_EQ(list.fuselage(3).shift, 6 / 25.4);
    EXPECT_DOUBLE_EQ(sectionsOf(list.fuselage(2))[1].height, 200 / 25.4);
    list.switchFuselagesToMillimeters();
    list.rescaleFuselages(0.5);
    for (int i = 1; i <= 3; ++i) EXPECT_DOUBLE_EQ(list.fuselage(i).shift, i) << i;
    EXPECT_DOUBLE_EQ(sectionsOf(list.fuselage(2))[2].pos, sections[2].pos);
    EXPECT_EQ(shownFlagsOf(list), (std::vector<bool>{true, false, true}));
}

TEST(FuselageList, AConversionThatOverflowsInOneFuselageChangesNone) {
    FuselageList list = listWithShifts({1, 2, 3});
    list.fuselage(3).heightSet(1e308);
    const std::vector<SectionValues> third = sectionsOf(list.fuselage(3));
    EXPECT_THROW(list.rescaleFuselages(10), std::overflow_error);
    EXPECT_THROW(list.switchFuselagesToMillimeters(), std::overflow_error);
    EXPECT_EQ(shiftsOf(list), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(sectionsOf(list.fuselage(1)), sectionsOf(MeshSections()));
    EXPECT_EQ(sectionsOf(list.fuselage(3)), third);
}

}  // namespace
}  // namespace ferlo
