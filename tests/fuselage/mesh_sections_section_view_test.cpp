// The selected cross-section in the section box: its scale from the box's
// size and its outline.

#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fuselage/mesh_sections.h"
#include "support/fuselage_sections.h"
#include "support/view_testing.h"

namespace ferlo {
namespace {

using testing::fuselageWith;
using testing::polylinePoints;
using testing::SectionValues;

constexpr double kTolerance = 1e-9;

// A fuselage whose second section, selected, has width w, height h and bias
// b, with `points` outline points; the first section differs.
MeshSections withSelectedSection(double w, double h, double b = 0.5, std::int16_t points = 8) {
    MeshSections fuselage = fuselageWith({{30, 80, 0, 5}, {h, w, 100, 10, 1, 1, b}});
    fuselage.nb_cross = points;
    fuselage.initArrays();
    fuselage.sel_sec = 2;
    return fuselage;
}

// The vertices of the outline drawn in a box of the given size (w, h) after
// the section's scale has been set for it.
std::vector<Point2D> drawnOutline(MeshSections& fuselage, double w = 200, double h = 180) {
    fuselage.zoomSectionSet(static_cast<int>(w), static_cast<int>(h));
    RecordingCanvas box(w, h);
    fuselage.drawSection(box);
    return polylinePoints(box.segments());
}

void expectVertices(const std::vector<Point2D>& actual, const std::vector<Point2D>& expected, const char* what) {
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (std::size_t k = 0; k < expected.size(); ++k) {
        EXPECT_NEAR(actual[k].x, expected[k].x, kTolerance) << what << ", vertex " << k;
        EXPECT_NEAR(actual[k].y, expected[k].y, kTolerance) << what << ", vertex " << k;
    }
}

TEST(MeshSectionsSectionView, ScaleAndSliderFromTheBoxByTheLongerDirection) {
    struct Case {
        double width, height;
        int w, h;
        double szoom;
        std::optional<float> slider;
    };
    const Case cases[] = {
        {100, 60, 200, 180, 1.8, 120.0f},   // wider than high: the width fills the box
        {100, 100, 200, 150, 1.35, 150.0f},  // square: the height rule
        {60, 100, 200, 150, 1.35, 150.0f},
        {100, 0, 200, 150, 1.8, 0.0f},
        {0, 0, 200, 150, 10, std::nullopt},  // the scale stays
    };
    for (const Case& c : cases) {
        MeshSections fuselage = withSelectedSection(c.width, c.height);
        EXPECT_EQ(fuselage.zoomSectionSet(c.w, c.h), c.slider) << c.width << " x " << c.height;
        EXPECT_DOUBLE_EQ(fuselage.szoom, c.szoom) << c.width << " x " << c.height;
    }

    // No section selected: nothing changes.
    MeshSections fuselage = withSelectedSection(100, 60);
    for (std::int16_t selSec : {0, 3}) {
        fuselage.sel_sec = selSec;
        EXPECT_EQ(fuselage.zoomSectionSet(200, 180), std::nullopt);
        EXPECT_EQ(fuselage.szoom, 10);
    }
    // A scale that would not be finite is not taken.
    MeshSections tiny = withSelectedSection(1e-320, 0);
    EXPECT_EQ(tiny.zoomSectionSet(200, 180), std::nullopt);
    EXPECT_EQ(tiny.szoom, 10);
}

TEST(MeshSectionsSectionView, TheSectionFillsTheBoxFromItsTopEdge) {
    MeshSections fuselage = withSelectedSection(100, 60);
    fuselage.shift = 40;  // neither the offsets nor the position move the drawing
    fuselage.elevation_offset = -7;
    const double c = 90 * std::sqrt(0.5);  // half width 90 on the box
    const double s = 54 * std::sqrt(0.5);  // half heights 54
    // Clockwise on the box from the right end of the widest line (y 54) over
    // the top (y 0) and under the bottom (y 108).
    expectVertices(drawnOutline(fuselage),
                   {{190, 54}, {100 + c, 54 - s}, {100, 0}, {100 - c, 54 - s}, {10, 54}, {100 - c, 54 + s},
                    {100, 108}, {100 + c, 54 + s}, {190, 54}},
                   "eight points");
    RecordingCanvas box(200, 180);
    fuselage.drawSection(box);
    EXPECT_EQ(box.calls().front().op, RecordingCanvas::Op::Clear);
    EXPECT_EQ(box.segments().front().x1, 190);  // the ends of the widest line are placed exactly
    EXPECT_EQ(box.segments()[3].x2, 10);

    MeshSections square = withSelectedSection(100, 100, 0.5, 4);
    expectVertices(drawnOutline(square, 200, 150), {{167.5, 67.5}, {100, 0}, {32.5, 67.5}, {100, 135}, {167.5, 67.5}},
                   "square");
}

TEST(MeshSectionsSectionView, SamplingOfEachHalfAndTheEndsOfTheWidestLine) {
    // W 100, H 60 in a box 200 wide: half width 90, height 108.
    const double root3 = std::sqrt(3.0);
    struct Case {
        std::int16_t points;
        double bias;
        std::vector<Point2D> vertices;
    };
    const Case cases[] = {
        // Right end, top, left end, bottom; a bias of 0.25 puts the widest
        // line a quarter of the height below the top.
        {4, 0.5, {{190, 54}, {100, 0}, {10, 54}, {100, 108}, {190, 54}}},
        {4, 0.25, {{190, 27}, {100, 0}, {10, 27}, {100, 108}, {190, 27}}},
        // Odd counts: the left end is an extra corner.
        {3, 0.5, {{190, 54}, {55, 54 - 27 * root3}, {10, 54}, {55, 54 + 27 * root3}, {190, 54}}},
        {5,
         0.5,
         {{190, 54},
          {100 + 90 * std::cos(0.4 * std::numbers::pi), 54 - 54 * std::sin(0.4 * std::numbers::pi)},
          {100 + 90 * std::cos(0.8 * std::numbers::pi), 54 - 54 * std::sin(0.8 * std::numbers::pi)},
          {10, 54},
          {100 + 90 * std::cos(1.2 * std::numbers::pi), 54 - 54 * std::sin(1.2 * std::numbers::pi)},
          {100 + 90 * std::cos(1.6 * std::numbers::pi), 54 - 54 * std::sin(1.6 * std::numbers::pi)},
          {190, 54}}},
        // No point inside either half: the widest line, there and back.
        {2, 0.5, {{190, 54}, {10, 54}, {190, 54}}},
        {0, 0.5, {{190, 54}, {10, 54}, {190, 54}}},
    };
    for (const Case& c : cases) {
        MeshSections fuselage = withSelectedSection(100, 60, c.bias, c.points);
        expectVertices(drawnOutline(fuselage), c.vertices,
                       (std::to_string(c.points) + " points, bias " + std::to_string(c.bias)).c_str());
    }
}

TEST(MeshSectionsSectionView, EachHalfTakesItsOwnExponent) {
    MeshSections fuselage = withSelectedSection(100, 60, 0.5, 8);
    fuselage.uniqueCurvature = false;
    fuselage.curvatureSet(2);    // upper half: pointed
    fuselage.curvature2Set(0.5);  // lower half: fuller
    const std::vector<Point2D> v = drawnOutline(fuselage);
    ASSERT_EQ(v.size(), 9u);
    expectVertices({v[1]}, {{100 + 90 * 0.5, 54 - 54 * 0.5}}, "upper, at 45 degrees");
    const double full = std::sqrt(std::sqrt(0.5));
    expectVertices({v[7]}, {{100 + 90 * full, 54 + 54 * full}}, "lower, at 315 degrees");
}

// With no section selected, before the first or after the last one (as a
// removal of the last section leaves it), the box keeps its picture.
TEST(MeshSectionsSectionView, WithoutASelectedSectionTheBoxKeepsItsPicture) {
    MeshSections fuselage = withSelectedSection(100, 60);
    for (const std::int16_t selSec : {0, -1, 3, 32767}) {
        RecordingCanvas box(200, 180);
        fuselage.sel_sec = selSec;
        fuselage.drawSection(box);
        EXPECT_TRUE(box.calls().empty()) << selSec;
    }
}

}  // namespace
}  // namespace ferlo
