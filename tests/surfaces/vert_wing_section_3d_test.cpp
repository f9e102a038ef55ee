#include "surfaces/vert_wing_section.h"

#include <cmath>

#include <gtest/gtest.h>

#include "support/default_aircraft.h"
#include "support/point_checks.h"

namespace ferlo {
namespace {

using testing::defaultFin;
using testing::expectNear;

// Rebuilds the sections as after loading a texture of xtex x ytex pixels.
void createWithTexture(VertWingSection& fin, std::int32_t xtex, std::int32_t ytex) {
    fin.texture_loaded = true;
    fin.xtex = xtex;
    fin.ytex = ytex;
    fin.create();
}

TEST(VertWingSection3D, SectionsOfTheDefaultFin) {
    VertWingSection fin = defaultFin();
    fin.create();
    expectNear(fin.point1Get(1), {650, 0, 30}, "root 1");
    expectNear(fin.point1Get(6), {695, 7.5, 30}, "root 6");
    expectNear(fin.point1Get(8), {800, 0, 30}, "root 8");
    expectNear(fin.point1Get(9), {800, 0, 30}, "root 9");
    expectNear(fin.point1Get(11), {695, -7.5, 30}, "root 11");
    expectNear(fin.point1Get(16), {650, 0, 30}, "root 16");
    expectNear(fin.point2Get(6), {774, 4, 180}, "tip 6");
    expectNear(fin.point2Get(2), {754, 80 * 0.1 * 0.8 / 2.6, 180}, "tip 2");

    // Point i mirrors point 17 - i; the thickest point lies half the relative
    // thickness off the centre line.
    double widest = 0;
    for (int i = 1; i <= 16; ++i) {
        const Point3D p = fin.point1Get(i);
        const Point3D m = fin.point1Get(17 - i);
        EXPECT_EQ(p.x, m.x) << i;
        EXPECT_EQ(p.y, -m.y) << i;
        EXPECT_EQ(p.z, 30) << i;
        widest = std::max(widest, std::abs(p.y));
    }
    EXPECT_DOUBLE_EQ(widest, 0.5 * fin.length1 * fin.thickness1);
}

TEST(VertWingSection3D, TwinPointsAreTheSectionMovedToTheOtherSide) {
    VertWingSection fin = defaultFin();
    fin.offset1 = 20;
    fin.offset2 = 5;
    fin.create();
    expectNear(fin.point1Get(6), {695, 27.5, 30}, "root 6");
    expectNear(fin.point2Get(6), {774, 29, 180}, "tip 6");
    expectNear(fin.point1Get(6, true), {695, -12.5, 30}, "twin root 6");
    expectNear(fin.point2Get(6, true), {774, -21, 180}, "twin tip 6");
    // The point order stays: the twin's point 6 lies on its outer (-y) side.
    expectNear(fin.point1Get(11, true), {695, -27.5, 30}, "twin root 11");

    VertWingSection single = defaultFin();
    single.create();
    for (int i = 1; i <= 16; ++i) EXPECT_EQ(single.point1Get(i, true), single.point1Get(i)) << i;
}

TEST(VertWingSection3D, TextureCoordinatesRunAftFromTheRootLeadingEdgeInSpans) {
    VertWingSection fin = defaultFin();
    createWithTexture(fin, 256, 128);
    EXPECT_DOUBLE_EQ(fin.texcoord1Get(6), 0.15);
    EXPECT_DOUBLE_EQ(fin.texcoord2Get(6), (774.0 - 650.0) / 150.0 * 0.5);
    EXPECT_DOUBLE_EQ(fin.texcoord1Get(1), 0.0);
    EXPECT_DOUBLE_EQ(fin.texcoord2Get(1), 100.0 / 150.0 * 0.5);
    for (int i = 9; i <= 16; ++i) {
        EXPECT_EQ(fin.texcoord1Get(i), fin.texcoord1Get(17 - i)) << i;
        EXPECT_EQ(fin.texcoord2Get(i), fin.texcoord2Get(17 - i)) << i;
    }
    EXPECT_EQ(fin.texcoord1Get(0), 0.0);
    EXPECT_EQ(fin.texcoord1Get(17), 0.0);

    // Without a texture a rebuild moves the points and keeps the coordinates.
    fin.texture_loaded = false;
    fin.pos1 = 0;
    fin.create();
    EXPECT_EQ(fin.point1Get(1).x, 0);
    EXPECT_DOUBLE_EQ(fin.texcoord1Get(6), 0.15);
}

TEST(VertWingSection3D, NoSpanOrNoImageGivesZeroCoordinates) {
    for (const auto& [span, xtex] : {std::pair{0.0, 256}, std::pair{150.0, 0}}) {
        VertWingSection fin = defaultFin();
        createWithTexture(fin, 256, 256);
        ASSERT_NE(fin.texcoord1Get(6), 0.0);
        fin.span = span;
        fin.xtex = xtex;
        fin.create();
        for (int i = 1; i <= 16; ++i) {
            EXPECT_EQ(fin.texcoord1Get(i), 0.0) << span << " " << xtex << " " << i;
            EXPECT_EQ(fin.texcoord2Get(i), 0.0) << span << " " << xtex << " " << i;
        }
    }
}

TEST(VertWingSection3D, OtherPointCountsGiveClosedSymmetricRingsInsideTheProfile) {
    for (int nb : {5, 6, 17, 31, 400}) {
        VertWingSection fin = defaultFin();
        fin.nb = static_cast<std::int16_t>(nb);
        createWithTexture(fin, 256, 256);
        const int side = (nb + 1) / 2;
        expectNear(fin.point1Get(1), {650, 0, 30}, "leading edge " + std::to_string(nb));
        expectNear(fin.point1Get(side), {800, 0, 30}, "trailing edge " + std::to_string(nb));
        double widest = 0;
        for (int i = 1; i <= nb; ++i) {
            const Point3D p = fin.point1Get(i);
            const Point3D m = fin.point1Get(nb + 1 - i);
            EXPECT_EQ(p.x, m.x) << nb << " " << i;
            EXPECT_EQ(p.y, -m.y) << nb << " " << i;
            EXPECT_GE(p.x, 650) << nb << " " << i;
            EXPECT_LE(p.x, 800) << nb << " " << i;
            widest = std::max(widest, std::abs(p.y));
            if (i > 1 && i <= side) {
                EXPECT_GT(p.x, fin.point1Get(i - 1).x) << nb << " " << i;
            }
            EXPECT_EQ(fin.texcoord1Get(i), fin.texcoord1Get(nb + 1 - i)) << nb << " " << i;
        }
        EXPECT_LE(widest, 7.5 + 1e-12) << nb;
        EXPECT_GT(widest, 6) << nb;
        EXPECT_EQ(fin.point1Get(nb + 1), Point3D{}) << nb;
        // The trailing edge of an odd ring has a coordinate of its own.
        EXPECT_DOUBLE_EQ(fin.texcoord1Get(side), 1.0) << nb;
    }
}

TEST(VertWingSection3D, SectionsThatWouldOverflowAreLeftZero) {
    VertWingSection fin = defaultFin();
    fin.pos1 = 1e308;
    fin.length1 = 1e308;
    createWithTexture(fin, 256, 256);
    for (int i = 1; i <= 16; ++i) {
        EXPECT_EQ(fin.point1Get(i), Point3D{}) << i;
        EXPECT_TRUE(std::isfinite(fin.point2Get(i).x)) << i;
        EXPECT_TRUE(std::isfinite(fin.texcoord1Get(i))) << i;
        EXPECT_TRUE(std::isfinite(fin.texcoord2Get(i))) << i;
    }
}

}  // namespace
}  // namespace ferlo
