#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "fuselage/mesh_sections.h"
#include "support/fuselage_sections.h"
#include "support/point_checks.h"
#include "support/view_testing.h"

namespace ferlo {
namespace {

using testing::expectNear;
using testing::fuselageWith;
using testing::SectionValues;

constexpr double kTolerance = 1e-9;

TEST(MeshSectionsOutline, DefaultFuselageMeshRunsOverTheTopAndUnderTheBottom) {
    MeshSections fuselage;
    fuselage.create();
    // Section 2: H 100, W 100, E 10, B 0.5, exponents 1, at 200.
    expectNear(fuselage.pointGet(1, 2), {200, 50, 60}, "point 1, widest line at +y");
    expectNear(fuselage.pointGet(2, 2), {200, 50 * std::sqrt(0.5), 60 + 50 * std::sqrt(0.5)}, "point 2");
    expectNear(fuselage.pointGet(3, 2), {200, 0, 110}, "point 3, top");
    EXPECT_EQ(fuselage.pointGet(5, 2), (Point3D{200, -50, 60}));  // exactly, at t = pi
    expectNear(fuselage.pointGet(7, 2), {200, 0, 10}, "point 7, bottom");
    expectNear(fuselage.pointGet(8, 2), {200, 50 * std::sqrt(0.5), 60 - 50 * std::sqrt(0.5)}, "point 8");
    // Every point of a section stands at its position.
    for (int j = 1; j <= 8; ++j) {
        EXPECT_EQ(fuselage.pointGet(j, 1).x, 0);
        EXPECT_EQ(fuselage.pointGet(j, 3).x, 800);
    }
    // The outline the views share is the mesh's section seen from ahead.
    EXPECT_EQ(fuselage.outlinePoint(2, 3), (Point2D{fuselage.pointGet(3, 2).y, fuselage.pointGet(3, 2).z}));
}

TEST(MeshSectionsOutline, BiasAndOffsetsPlaceTheWidestLine) {
    MeshSections fuselage;
    fuselage.sel_sec = 2;
    fuselage.uniqueCurvature = false;
    fuselage.bias_curveSet(0.25);
    fuselage.create();
    EXPECT_NEAR(fuselage.pointGet(1, 2).z, 85, kTolerance);
    EXPECT_NEAR(fuselage.pointGet(3, 2).z, 110, kTolerance);
    EXPECT_NEAR(fuselage.pointGet(7, 2).z, 10, kTolerance);

    fuselage.pos_offset = 40;
    fuselage.elevation_offset = -10;
    fuselage.shift = 30;
    fuselage.create();
    expectNear(fuselage.pointGet(1, 2), {240, 80, 75}, "offsets");
    expectNear(fuselage.pointGet(3, 2), {240, 30, 100}, "offsets, top");
}

TEST(MeshSectionsOutline, MirrorIsThePairsOtherFuselage) {
    MeshSections fuselage;
    fuselage.shift = 30;
    fuselage.create();
    EXPECT_NEAR(fuselage.pointGet(1, 2, false).y, 80, kTolerance);
    EXPECT_NEAR(fuselage.pointGet(1, 2, true).y, 20, kTolerance);
    EXPECT_EQ(fuselage.pointGet(1, 2, true).x, fuselage.pointGet(1, 2).x);
    EXPECT_EQ(fuselage.pointGet(1, 2, true).z, fuselage.pointGet(1, 2).z);
    EXPECT_EQ(fuselage.pointGet(5, 2).y, -20);
    EXPECT_EQ(fuselage.pointGet(5, 2, true).y, -80);
}

// With an odd count no point lies at pi; every point follows the half its
// angle lies in, with that half's exponent.
TEST(MeshSectionsOutline, OddPointCountUsesTheUpperExponentBelowPiAndTheLowerAbove) {
    MeshSections fuselage = fuselageWith({{60, 80, 0, 5, 2, 0.5, 0.4}, {60, 80, 100, 5, 2, 0.5, 0.4}});
    fuselage.nb_cross = 7;
    fuselage.initArrays();
    fuselage.create();
    const double widest = 5 + 0.6 * 60;
    for (int j = 1; j <= 7; ++j) {
        const double t = 2 * std::numbers::pi * (j - 1) / 7;
        const bool upper = j <= 4;
        const double p = upper ? 2 : 0.5;
        const double c = std::cos(t), s = std::sin(t);
        const double y = 40 * std::copysign(std::pow(std::fabs(c), p), c);
        const double z = widest + (upper ? 0.4 : 0.6) * 60 * std::copysign(std::pow(std::fabs(s), p), s);
        expectNear(fuselage.pointGet(j, 1), {0, y, z}, upper ? "upper" : "lower");
    }
}

TEST(MeshSectionsOutline, FewerThanTwoPointsKeepThePreviousMesh) {
    for (std::int16_t points : {1, 0}) {
        MeshSections fuselage;
        fuselage.create();
        const Point3D before = fuselage.pointGet(3, 2);
        fuselage.nb_cross = points;
        fuselage.sel_sec = 2;
        fuselage.heightSet(300);
        fuselage.create();
        EXPECT_EQ(fuselage.pointGet(3, 2), before) << points;
        EXPECT_EQ(fuselage.texcoordGet(8, 3), (Point2D{1, 1})) << points;
    }
}

TEST(MeshSectionsOutline, TextureCoordinatesShareOutTheRearEndsPosition) {
    MeshSections fuselage;
    fuselage.create();
    const double u[] = {0, 0.25, 1};
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 8; ++j) {
            EXPECT_EQ(fuselage.texcoordGet(j, i), (Point2D{u[i - 1], (j - 1) / 7.0})) << i << " " << j;
        }
    }

    // u is x over the rear end's x, so a section ahead of 0 goes below 0.
    fuselage.pos_offset = -200;
    fuselage.create();
    EXPECT_EQ(fuselage.texcoordGet(1, 1).x, -200.0 / 600);
    EXPECT_EQ(fuselage.texcoordGet(1, 3).x, 1);

    // All sections at 0: the rear end is 0 and every coordinate stays 0.
    MeshSections flat = fuselageWith({{10, 10, 0, 0}, {20, 20, 0, 0}});
    flat.create();
    for (int i = 1; i <= 2; ++i) {
        for (int j = 1; j <= 8; ++j) EXPECT_EQ(flat.texcoordGet(j, i), Point2D{});
    }
}

TEST(MeshSectionsOutline, MeshFollowsDisplayOrder) {
    MeshSections fuselage;
    fuselage.sel_sec = 3;
    fuselage.insertSection(testing::pressedAt(500));
    fuselage.create();
    EXPECT_EQ(fuselage.pointGet(1, 3).x, 500);
    EXPECT_NEAR(fuselage.pointGet(3, 3).z, 20 + 55, kTolerance);
    EXPECT_EQ(fuselage.pointGet(1, 4).x, 800);
    EXPECT_EQ(fuselage.pointGet(1, 5), Point3D{});
}

TEST(MeshSectionsOutline, ASectionWhoseOutlineIsNotFiniteStaysZero) {
    MeshSections fuselage;
    fuselage.uniqueCurvature = false;
    fuselage.sel_sec = 2;
    fuselage.curvatureSet(-5000);  // |cos t|^-5000 overflows near the top
    fuselage.create();
    for (int j = 1; j <= 8; ++j) {
        EXPECT_EQ(fuselage.pointGet(j, 2), Point3D{}) << j;
        const Point3D p = fuselage.pointGet(j, 3);
        EXPECT_TRUE(std::isfinite(p.y) && std::isfinite(p.z)) << j;
        EXPECT_EQ(p.x, 800) << j;
    }
    // An exponent of 0 makes each quarter a rectangle corner.
    MeshSections box = fuselageWith({{100, 100, 0, 10, 0, 0, 0.5}, {100, 100, 200, 10, 0, 0, 0.5}});
    box.create();
    expectNear(box.pointGet(2, 1), {0, 50, 110}, "upper corner");
    expectNear(box.pointGet(6, 1), {0, -50, 10}, "lower corner");
}

// A row is kept exactly when every point of the section's outline is
// finite: sections at the edge of the double range, each overflowing at one
// extreme of one half (or just staying inside), at an even and an odd count.
TEST(MeshSectionsOutline, ARowIsZeroExactlyWhenOneOutlinePointIsNotFinite) {
    struct Case {
        const char* what;
        SectionValues section;
        double shift;
        bool kept;
    };
    const Case cases[] = {
        {"right end overflows", {100, 2e307, 0, 0}, 1.7e308, false},
        {"right end just inside", {100, 2e307, 0, 0}, 1.6e308, true},
        {"right side overflows below only", {100, 1.4e307, 0, 0, 1, -1}, 1.7e308, false},
        {"left side overflows", {100, 3e307, 0, 0}, -1.7e308, false},
        {"left side overflows above only", {100, 4e307, 0, 0, 1, 4}, -1.65e308, false},
        {"left side overflows below only", {100, 4e307, 0, 0, 4, 1}, -1.65e308, false},
        {"top overflows", {1e307, 100, 0, 1.72e308}, 0, false},
        {"top just inside", {1e307, 100, 0, 1.65e308}, 0, true},
        {"lower side overflows", {6e307, 100, 0, -1.7e308, 1, -1}, 0, false},
        {"lower side just inside", {1e307, 100, 0, -1.7e308, 1, -1}, 0, true},
        {"a factor overflows", {100, 100, 0, 0, -5000, 1}, 0, false},
        {"an overflowing factor times zero width", {100, 0, 0, 0, -5000, 1}, 0, false},
        {"zero width and height", {0, 0, 0, 0}, 0, true},
    };
    for (const Case& c : cases) {
        for (std::int16_t points : {8, 7}) {
            MeshSections fuselage = fuselageWith({c.section, {100, 100, 200, 10}});
            fuselage.nb_cross = points;
            fuselage.initArrays();
            fuselage.shift = c.shift;
            fuselage.create();
            bool finite = true;
            for (int j = 1; j <= points; ++j) {
                const Point2D p = fuselage.outlinePoint(1, j);
                finite = finite && std::isfinite(p.x) && std::isfinite(p.y);
            }
            for (int j = 1; j <= points; ++j) {
                const Point2D p = fuselage.outlinePoint(1, j);
                const Point3D expected = finite ? Point3D{0, p.x, p.y} : Point3D{};
                EXPECT_EQ(fuselage.pointGet(j, 1), expected) << c.what << ", " << points << " points, j " << j;
            }
            EXPECT_EQ(finite, c.kept) << c.what << ", " << points << " points";
        }
    }
}

TEST(MeshSectionsOutline, AccessorsGiveZeroOutsideTheMesh) {
    MeshSections fuselage;
    EXPECT_EQ(fuselage.pointGet(1, 1), Point3D{});  // before any create
    fuselage.shift = 30;
    fuselage.create();
    for (auto [j, i] : {std::pair{0, 1}, {9, 1}, {1, 0}, {1, 4}, {-1, -1}}) {
        EXPECT_EQ(fuselage.pointGet(j, i), Point3D{}) << j << " " << i;
        EXPECT_EQ(fuselage.pointGet(j, i, true), Point3D{}) << j << " " << i;
        EXPECT_EQ(fuselage.texcoordGet(j, i), Point2D{}) << j << " " << i;
        EXPECT_EQ(fuselage.outlinePoint(i, j), Point2D{}) << j << " " << i;
    }
}

}  // namespace
}  // namespace ferlo
