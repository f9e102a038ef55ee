#include "surfaces/wing_section.h"

#include <gtest/gtest.h>

#include "surfaces/sym_wing_sections.h"
#include "support/default_aircraft.h"
#include "support/point_checks.h"
#include "support/temp_dir.h"

namespace ferlo {
namespace {

using testing::expectNear;

TEST(WingSection, RingsOfTheDefaultPanel) {
    SymWingSections panel = testing::defaultWingPanel();
    panel.create();
    expectNear(panel.Left.point1Get(3), {249, 0, 35.05}, "left root 3");
    expectNear(panel.Right.point1Get(3), {249, 0, 35.05}, "right root 3");
    expectNear(panel.Left.point2Get(1), {340, 700, 50}, "left tip 1");
    expectNear(panel.Right.point2Get(1), {340, -700, 50}, "right tip 1");
    // The order of the points is not reversed by the mirroring.
    for (int i = 1; i <= 16; ++i) {
        EXPECT_EQ(panel.Right.point2Get(i).x, panel.Left.point2Get(i).x) << i;
        EXPECT_EQ(panel.Right.point2Get(i).y, -panel.Left.point2Get(i).y) << i;
    }
    EXPECT_EQ(panel.Right.span, -700);
}

TEST(WingSection, TipRingsOfBothHalvesFollowTheTipValues) {
    SymWingSections panel = testing::defaultWingPanel();  // pos1 180, span 700, elevation1 50
    panel.pos2 = 30;
    panel.length2 = 100;
    panel.elevation2 = 20;
    panel.thickness2 = 0.08;  // the root keeps 0.13
    panel.create();
    // Point 3 lies at x 0.3 of the chord, half the relative thickness below the chord line.
    for (const WingSection* half : {&panel.Left, &panel.Right}) {
        const double y = half == &panel.Left ? 700 : -700;
        expectNear(half->point2Get(1), {310, y, 70}, "tip trailing edge");
        expectNear(half->point2Get(3), {240, y, 70 - 0.5 * 100 * 0.08}, "tip lower surface");
        expectNear(half->point1Get(3), {249, 0, 50 - 0.5 * 230 * 0.13}, "root lower surface, at the root's thickness");
    }
}

TEST(WingSection, ShiftedPanelRingsLieOnBothSides) {
    SymWingSections panel = testing::defaultWingPanel();
    panel.shift = 120;
    panel.span = 300;
    panel.create();
    for (int i = 1; i <= 16; ++i) {
        EXPECT_EQ(panel.Left.point1Get(i).y, 120);
        EXPECT_EQ(panel.Left.point2Get(i).y, 420);
        EXPECT_EQ(panel.Right.point1Get(i).y, -120);
        EXPECT_EQ(panel.Right.point2Get(i).y, -420);
    }
}

TEST(WingSection, AccessorsOutsideTheRingsReadZero) {
    SymWingSections panel = testing::defaultWingPanel();
    panel.create();
    for (int i : {-1, 0, 17, 1000}) {
        EXPECT_EQ(panel.Left.point1Get(i), Point3D{}) << i;
        EXPECT_EQ(panel.Left.point2Get(i), Point3D{}) << i;
        EXPECT_EQ(panel.Left.texcoord1Get(i), 0.0) << i;
        EXPECT_EQ(panel.Left.airfoilPointGet(i), Point3D{}) << i;
    }
}

SymWingSections texturedPanel(int xtex, int ytex, double span) {
    SymWingSections panel = testing::defaultWingPanel();
    panel.span = span;
    panel.length1 = 250;
    panel.pos1 = 37;
    panel.create();
    for (WingSection* half : {&panel.Left, &panel.Right}) {
        half->xtex = xtex;
        half->ytex = ytex;
        half->create_texcoords();
    }
    return panel;
}

TEST(WingSection, TextureCoordinatesFollowThePlanform) {
    struct Case {
        int xtex, ytex;
        double leftU;
    };
    for (const Case c : {Case{256, 256, 0.5}, Case{512, 256, 0.25}}) {
        const SymWingSections panel = texturedPanel(c.xtex, c.ytex, 500);
        EXPECT_DOUBLE_EQ(panel.Left.texcoord1Get(1), c.leftU) << c.xtex;
        EXPECT_DOUBLE_EQ(panel.Right.texcoord1Get(1), -c.leftU) << c.xtex;
    }
    // The second surface takes the u of the mirrored index: 13 copies 4.
    const SymWingSections panel = texturedPanel(256, 256, 500);
    EXPECT_DOUBLE_EQ(panel.Left.texcoord1Get(13), panel.Left.texcoord1Get(4));
    EXPECT_DOUBLE_EQ(panel.Left.texcoord1Get(4), 0.225 * 250 / 500);
    EXPECT_DOUBLE_EQ(panel.Left.texcoord2Get(16), panel.Left.texcoord2Get(1));
}

TEST(WingSection, OddPointCountMiddlePointKeepsItsOwnCoordinate) {
    // 17 points: the lower surface, a leading-edge point, the upper surface.
    testing::TempDir dir;
    const auto path = dir.write("odd.xy",
                                "odd\n1 0\n0.8 -0.02\n0.6 -0.04\n0.4 -0.05\n0.3 -0.05\n0.2 -0.04\n"
                                "0.1 -0.03\n0.05 -0.02\n0 0\n0.06 0.02\n0.12 0.03\n0.22 0.04\n"
                                "0.32 0.05\n0.42 0.05\n0.62 0.04\n0.82 0.02\n1 0\n");
    SymWingSections panel = testing::defaultWingPanel();
    panel.span = 100;
    panel.length1 = 100;
    panel.loadAirfoilFile(path);
    ASSERT_EQ(panel.nb, 17);
    panel.create();
    WingSection& half = panel.Left;
    half.xtex = half.ytex = 256;
    half.create_texcoords();
    EXPECT_DOUBLE_EQ(half.texcoord1Get(9), 0.0);   // the leading edge itself
    EXPECT_DOUBLE_EQ(half.texcoord1Get(8), 0.05);  // lower surface, x 0.05
    for (int i = 10; i <= 17; ++i) EXPECT_EQ(half.texcoord1Get(i), half.texcoord1Get(18 - i)) << i;
}

TEST(WingSection, NoTexcoordsBeforeAnImageOrWithoutSpan) {
    const SymWingSections before = texturedPanel(0, 0, 500);
    EXPECT_EQ(before.Left.texcoord1Get(1), 0.0);
    const SymWingSections flat = texturedPanel(256, 256, 0);
    for (int i = 1; i <= 16; ++i) EXPECT_EQ(flat.Left.texcoord1Get(i), 0.0);
}

}  // namespace
}  // namespace ferlo
