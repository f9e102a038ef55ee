#include <vector>

#include <gtest/gtest.h>

#include "support/default_aircraft.h"
#include "support/dxf_capture.h"
#include "support/view_testing.h"
#include "surfaces/sym_wing_sections.h"

namespace ferlo {
namespace {

using Segment = RecordingCanvas::Segment;
using testing::defaultStabiliser;
using testing::defaultWingPanel;
using testing::RecordedView;

TEST(PanelSideView, TheRootAirfoilInProfileAsAClosedPolyline) {
    SymWingSections panel = defaultWingPanel();  // pos1 180, length1 230, elevation1 50
    RecordedView screen(1, 0, 0);
    panel.computeSidePoints(1, 0, 0);
    panel.drawSide(screen.context());
    const std::vector<Segment>& s = screen.canvas.segments();
    ASSERT_EQ(s.size(), 16u);
    EXPECT_EQ(s[0].x1, 410);  // point 1, the trailing edge
    EXPECT_EQ(s[0].y1, -50);
    EXPECT_EQ(s[6].x2, 180);  // point 8, the leading edge
    EXPECT_DOUBLE_EQ(s[2].y1, -(50 - 0.065 * 230));  // point 3: the lower surface at its thickest
    EXPECT_DOUBLE_EQ(s[13].y1, -(50 + 0.065 * 230));  // point 14: the upper surface
    EXPECT_EQ(s[15].x2, 410);  // back to point 1
    EXPECT_EQ(s[15].y2, -50);
    for (const Segment& seg : s) EXPECT_EQ(seg.color, kLightBlue);
}

TEST(PanelSideView, DrawShowsThePointsOfTheLastComputationOnly) {
    SymWingSections panel = defaultWingPanel();
    panel.computeSidePoints(2, 10, 300);
    panel.pos1 = 0;  // not seen until the next computation
    RecordedView screen(1, 0, 0);
    panel.drawSide(screen.context());
    ASSERT_FALSE(screen.canvas.segments().empty());
    EXPECT_EQ(screen.canvas.segments()[0].x1, 410 * 2 + 10);
    EXPECT_EQ(screen.canvas.segments()[0].y1, 300 - 50 * 2);
}

TEST(PanelSideView, PrintDrawsTheSectionInBlack) {
    SymWingSections panel = defaultWingPanel();
    panel.computeSidePoints(1, 0, 100);
    RecordingCanvas printer;
    panel.printSide(printer);
    ASSERT_EQ(printer.segments().size(), 16u);
    for (const Segment& seg : printer.segments()) EXPECT_EQ(seg.color, kBlack);
}

TEST(PanelSideView, DxfOfTheBuiltInAirfoilHasSixteenLinesTheLastOfLengthZero) {
    SymWingSections panel = defaultWingPanel();
    panel.computeSidePoints(3, 7, 11);
    testing::DxfCapture dxf;
    panel.saveDXF_side(dxf.file);
    const auto lines = testing::readDxfLines(dxf.text());
    ASSERT_EQ(lines.size(), 16u);
    // From the trailing edge (410, 50) to point 2 at x 0.6 of the chord.
    EXPECT_EQ(lines[0].x1, 410);
    EXPECT_EQ(lines[0].y1, 50);
    EXPECT_EQ(lines[0].x2, 318);
    EXPECT_NEAR(lines[0].y2, 50 - 0.06 * 230, 1e-12);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].x1, lines[i - 1].x2) << i;
        EXPECT_EQ(lines[i].y1, lines[i - 1].y2) << i;
    }
    const auto& last = lines.back();
    EXPECT_EQ(last.x1, 410);
    EXPECT_EQ(last.y1, 50);
    EXPECT_EQ(last.x2, 410);
    EXPECT_EQ(last.y2, 50);
    for (const auto& line : lines) {
        EXPECT_EQ(line.layer, "Wing");
        EXPECT_EQ(line.z1, 0);
    }
    // Model units whatever the screen transform; the stored points stay.
    RecordedView screen(1, 0, 0);
    panel.drawSide(screen.context());
    EXPECT_EQ(screen.canvas.segments()[0].x1, 410 * 3 + 7);
}

TEST(PanelSideView, APanelWithFewerThanTwoPointsShowsNothing) {
    for (std::int16_t nb : {0, 1}) {
        SymWingSections panel = defaultWingPanel();
        panel.nb = nb;
        panel.allocate();
        panel.computeSidePoints(1, 0, 0);
        RecordedView screen(1, 0, 0);
        panel.drawSide(screen.context());
        RecordingCanvas printer;
        panel.printSide(printer);
        testing::DxfCapture dxf;
        panel.saveDXF_side(dxf.file);
        EXPECT_TRUE(screen.canvas.calls().empty()) << nb;
        EXPECT_TRUE(printer.calls().empty()) << nb;
        EXPECT_EQ(dxf.text(), "") << nb;
    }
}

TEST(PanelHTopView, PlanformRootChordFirstAndItsMirrorBelowTheAxis) {
    SymWingSections stab = defaultStabiliser();  // pos1 650, pos2 40, span 250, length1 130, length2 80, shift 0
    stab.computeHTopPoints(1, 10, 300);
    RecordedView screen(1, 0, 0);
    stab.drawHTop(screen.context());
    const std::vector<Segment>& s = screen.canvas.segments();
    ASSERT_EQ(s.size(), 8u);
    const double corners[5][2] = {{660, 300}, {790, 300}, {780, 50}, {700, 50}, {660, 300}};
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(s[k].x1, corners[k][0]) << k;
        EXPECT_EQ(s[k].y1, corners[k][1]) << k;
        EXPECT_EQ(s[k].x2, corners[k + 1][0]) << k;
        EXPECT_EQ(s[k].y2, corners[k + 1][1]) << k;
        EXPECT_EQ(s[4 + k].x1, corners[k][0]) << k;
        EXPECT_EQ(s[4 + k].y1, 600 - corners[k][1]) << k;
    }
    // With shift 0 both root chords lie on the axis row.
    EXPECT_EQ(s[4].y1, 300);
    EXPECT_EQ(s[4].y2, 300);
    for (const Segment& seg : s) EXPECT_EQ(seg.color, kLightBlue);
}

}  // namespace
}  // namespace ferlo
