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

// The default first wing panel with a tip thinner than its root: the Side
// view shows the root section, scaled by the root's relative thickness.
SymWingSections panelWithAThinTip() {
    SymWingSections panel = defaultWingPanel();  // pos1 180, length1 230, elevation1 50, thickness1 0.13
    panel.thickness2 = 0.08;
    return panel;
}

TEST(PanelSideView, TheRootAirfoilInProfileAsAClosedPolyline) {
    SymWingSections panel = panelWithAThinTip();
    RecordedView screen(1, 0, 0);
    panel.computeSidePoints({1, 0, 0});
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
    panel.computeSidePoints({2, 10, 300});
    panel.pos1 = 0;  // not seen until the next computation
    RecordedView screen(1, 0, 0);
    panel.drawSide(screen.context());
    ASSERT_FALSE(screen.canvas.segments().empty());
    EXPECT_EQ(screen.canvas.segments()[0].x1, 410 * 2 + 10);
    EXPECT_EQ(screen.canvas.segments()[0].y1, 300 - 50 * 2);
}

TEST(PanelSideView, PrintDrawsTheSectionInBlack) {
    SymWingSections panel = defaultWingPanel();
    panel.computeSidePoints({1, 0, 100});
    RecordingCanvas printer;
    panel.printSide(printer);
    ASSERT_EQ(printer.segments().size(), 16u);
    for (const Segment& seg : printer.segments()) EXPECT_EQ(seg.color, kBlack);
}

TEST(PanelSideView, DxfOfTheBuiltInAirfoilHasSixteenLinesTheLastOfLengthZero) {
    SymWingSections panel = panelWithAThinTip();
    panel.computeSidePoints({3, 7, 11});
    testing::DxfCapture dxf;
    panel.saveDXF_side(dxf.file);
    // From the trailing edge (410, 50) along the lower surface to the leading
    // edge at x 180, back along the upper surface, and a last line of length
    // 0 from the trailing edge, the airfoil's last point, to its first.
    EXPECT_EQ(dxf.text(), testing::dxfPolylineEntities(
                              "Wing", {{" 410 ", " 50 "},    {" 318 ", " 36.2 "},   {" 249 ", " 35.05 "},
                                       {" 231.75 ", " 35.625 "}, {" 214.5 ", " 36.2 "}, {" 203 ", " 38.5 "},
                                       {" 191.5 ", " 40.8 "}, {" 180 ", " 48.85 "},  {" 180 ", " 51.15 "},
                                       {" 191.5 ", " 59.2 "}, {" 203 ", " 61.5 "},   {" 214.5 ", " 63.8 "},
                                       {" 226 ", " 64.375 "}, {" 249 ", " 64.95 "},  {" 318 ", " 63.8 "},
                                       {" 410 ", " 50 "},    {" 410 ", " 50 "}}));
    EXPECT_EQ(testing::readDxfLines(dxf.text()).size(), 16u);
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
        panel.computeSidePoints({1, 0, 0});
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
    // The stabiliser (pos1 650, pos2 40, span 250, length1 130, length2 80)
    // on the axis (shift 0, both root chords on the axis row) and 60 off it.
    for (double shift : {0.0, 60.0}) {
        SymWingSections stab = defaultStabiliser();
        stab.shift = shift;
        stab.computeHTopPoints({1, 10, 300});
        RecordedView screen(1, 0, 0);
        stab.drawHTop(screen.context());
        const std::vector<Segment>& s = screen.canvas.segments();
        ASSERT_EQ(s.size(), 8u);
        const double root = 300 - shift;
        const double tip = 50 - shift;
        const double corners[5][2] = {{660, root}, {790, root}, {780, tip}, {700, tip}, {660, root}};
        for (std::size_t k = 0; k < 4; ++k) {
            testing::expectSegment(s[k], corners[k][0], corners[k][1], corners[k + 1][0], corners[k + 1][1],
                                   kLightBlue, "planform");
            testing::expectSegment(s[4 + k], corners[k][0], 600 - corners[k][1], corners[k + 1][0],
                                   600 - corners[k + 1][1], kLightBlue, "mirror");
        }
    }
}

}  // namespace
}  // namespace ferlo
