#include "document/plane_operations.h"

#include <array>
#include <stdexcept>

#include <gtest/gtest.h>

#include "support/default_aircraft.h"
#include "support/fuselage_sections.h"
#include "support/project_text.h"

namespace ferlo {
namespace {

using testing::projectText;

// A panel with these lengths (span, length1, length2, pos1, pos2, elevation1,
// elevation2, shift), initialised: the built-in airfoil and the default colour.
SymWingSections initialisedPanel(const std::array<double, 8>& lengths) {
    SymWingSections panel;
    const auto [span, length1, length2, pos1, pos2, elevation1, elevation2, shift] = lengths;
    panel.span = span;
    panel.length1 = length1;
    panel.length2 = length2;
    panel.pos1 = pos1;
    panel.pos2 = pos2;
    panel.elevation1 = elevation1;
    panel.elevation2 = elevation2;
    panel.shift = shift;
    panel.init();
    return panel;
}

// An aircraft far from the default one: three panels, two fuselages, two
// boxes, a twin fin with a texture, other colours, later current indices.
Plane changedPlane() {
    Plane plane;
    newPlane(plane);
    for (int i = 0; i < 2; ++i) {
        ++plane.mainWing.nbWings;
        plane.mainWing.addWing(plane.defaultColor);
    }
    plane.mainWing.currentWing = 3;
    plane.mainWing.wing(1).span = 333;
    plane.stab.pos1 = 900;
    plane.stab.setTexture("/images/stab.jpg");
    plane.fin.offset1 = 40;
    plane.fin.span = 222;
    plane.fin.colorSet({1, 2, 3});
    plane.fin.setTexture("/images/fin.jpg");
    plane.fuselages.addFuselage(false, plane.units, plane.defaultColor);
    plane.fuselages.setShown(1, false);
    plane.equipment.addBox(plane.units);
    plane.defaultColor = {5, 5, 5};
    plane.colorSelected = kBlack;
    return plane;
}

TEST(NewPlane, PutsTheDefaultAircraftInPlaceOfAnyOther) {
    Plane plane = changedPlane();
    ASSERT_EQ(plane.mainWing.nbWings, 3);
    const SymWingSections* stabBefore = &plane.stab;

    newPlane(plane);

    EXPECT_EQ(plane.mainWing.nbWings, 1);
    EXPECT_EQ(plane.mainWing.currentWing, 1);
    EXPECT_EQ(plane.fuselages.nbFuselages(), 1);
    EXPECT_EQ(plane.fuselages.currentFuselage, 1);
    EXPECT_TRUE(plane.fuselages.shown(1));
    EXPECT_EQ(plane.equipment.nbBoxes, 1);
    EXPECT_EQ(plane.equipment.currentBox, 1);
    EXPECT_EQ(&plane.stab, stabBefore);
    EXPECT_EQ(plane.defaultColor, kDefaultPartColor);
    EXPECT_EQ(plane.colorSelected, kLightYellow);
    EXPECT_EQ(plane.colorInactive, kLightBlue);
    EXPECT_TRUE(plane.stab.texture_filename().empty());
    EXPECT_TRUE(plane.fin.texture_filename().empty());
    // A new project's fin is a single fin again.
    EXPECT_EQ(plane.fin.offset1, 0.0);
    EXPECT_EQ(plane.fin.colorGet(), kDefaultPartColor);

    // Every value as the parts of a new project have them: the first panel
    // and the stabiliser with these lengths, the built-in airfoil and the
    // default colour; the fin with its own defaults.
    Plane expected;
    expected.mainWing.wings[1] = initialisedPanel({700, 230, 150, 180, 10, 50, 0, 0});
    expected.stab = initialisedPanel({250, 130, 80, 650, 40, 50, 0, 0});
    expected.fin.init();
    EXPECT_EQ(projectText(plane), projectText(expected));
}

TEST(NewPlane, MakesTheFuselageAndTheBoxInTheUnitSetAndTheSurfacesInMillimetres) {
    Plane plane;
    plane.units = LengthUnit::Inches;
    newPlane(plane);
    EXPECT_EQ(plane.units, LengthUnit::Inches);
    EXPECT_EQ(plane.mainWing.wing(1).span, 700);
    EXPECT_EQ(plane.fin.span, 150);
    const MeshSections inches(LengthUnit::Inches);
    EXPECT_EQ(testing::sectionsOf(plane.fuselages.fuselage(1)), testing::sectionsOf(inches));
    EXPECT_DOUBLE_EQ(plane.equipment.box(1).length, ElectroBox(LengthUnit::Inches).length);
}

TEST(RescaleAll, ScalesEveryLengthAndKeepsRatiosWeightsAndColours) {
    Plane plane = changedPlane();
    plane.equipment.box(1).weight = 14;
    const std::string before = projectText(plane);

    rescaleAll(plane, 1);
    EXPECT_EQ(projectText(plane), before);

    const double thickness = plane.stab.thickness1;
    const auto sections = testing::sectionsOf(plane.fuselages.fuselage(2));
    rescaleAll(plane, 0.1);
    EXPECT_NEAR(plane.mainWing.wing(1).span, 33.3, 1e-9);
    EXPECT_NEAR(plane.mainWing.wing(3).shift, 0.1 * changedPlane().mainWing.wing(3).shift, 1e-9);
    EXPECT_NEAR(plane.stab.pos1, 90, 1e-9);
    EXPECT_NEAR(plane.fin.offset1, 4, 1e-9);
    EXPECT_NEAR(testing::sectionsOf(plane.fuselages.fuselage(2))[1].height, 0.1 * sections[1].height, 1e-9);
    EXPECT_NEAR(plane.equipment.box(2).length, 0.1 * changedPlane().equipment.box(2).length, 1e-9);
    EXPECT_EQ(plane.stab.thickness1, thickness);
    EXPECT_EQ(plane.equipment.box(1).weight, 14);
    EXPECT_EQ(plane.fin.colorGet(), (ColorRGB{1, 2, 3}));

    rescaleAll(plane, 10);
    EXPECT_NEAR(plane.mainWing.wing(1).span, 333, 1e-9);
    EXPECT_NEAR(testing::sectionsOf(plane.fuselages.fuselage(2))[1].height, sections[1].height, 1e-9);
}

TEST(RescaleAll, AnOverflowInAnyPartChangesNoPart) {
    Plane plane = changedPlane();
    // Only the last part scaled, a box, overflows.
    plane.equipment.box(2).pos = 1e12;
    const std::string before = projectText(plane);
    EXPECT_THROW(rescaleAll(plane, 1e300), std::overflow_error);
    EXPECT_EQ(projectText(plane), before);
}

TEST(CreateAll, RebuildsEveryPartButTheHiddenFuselages) {
    Plane plane = changedPlane();  // fuselage 1 hidden
    createAll(plane);
    const Point3D hiddenBefore = plane.fuselages.fuselage(1).pointGet(1, 2);
    const Point3D shownBefore = plane.fuselages.fuselage(2).pointGet(1, 2);
    const Point3D panelBefore = plane.mainWing.wing(2).Left.point1Get(1);
    const Point3D stabBefore = plane.stab.Left.point1Get(1);
    const Point3D finBefore = plane.fin.point1Get(1, false);
    const Point3D boxBefore = plane.equipment.box(2).cornerGet();

    for (int i = 1; i <= 2; ++i) plane.fuselages.fuselage(i).pos_offset += 50;
    plane.mainWing.wing(2).pos1 += 50;
    plane.stab.pos1 += 50;
    plane.fin.pos1 += 50;
    plane.equipment.box(2).pos += 50;
    createAll(plane);

    EXPECT_EQ(plane.fuselages.fuselage(1).pointGet(1, 2).x, hiddenBefore.x);
    EXPECT_DOUBLE_EQ(plane.fuselages.fuselage(2).pointGet(1, 2).x, shownBefore.x + 50);
    EXPECT_DOUBLE_EQ(plane.mainWing.wing(2).Left.point1Get(1).x, panelBefore.x + 50);
    EXPECT_DOUBLE_EQ(plane.stab.Left.point1Get(1).x, stabBefore.x + 50);
    EXPECT_DOUBLE_EQ(plane.fin.point1Get(1, false).x, finBefore.x + 50);
    EXPECT_DOUBLE_EQ(plane.equipment.box(2).cornerGet().x, boxBefore.x + 50);
}

}  // namespace
}  // namespace ferlo
