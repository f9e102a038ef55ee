#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "support/dxf_capture.h"
#include "support/panel_views.h"

namespace ferlo {
namespace {

using Call = RecordingCanvas::Call;
using Op = RecordingCanvas::Op;
using Segment = RecordingCanvas::Segment;
using testing::defaultWingPanel;
using testing::DrawnPanel;
using testing::kVTopView;
using testing::lengthsOf;
using testing::RecordedView;

// The default first wing panel drawn at the given zoom with the origin at
// (100, 40); at zoom 1: root leading corner (100, 220), tip leading corner
// (800, 230), tip trailing corner (800, 380), root trailing corner (100, 450).

TEST(PanelVTopView, HitCodesAtAndAroundTheTolerance) {
    struct Case {
        double length1, length2, x, y;
        std::int32_t code;
    };
    const Case cases[] = {
        {230, 150, 100, 340, 4},      // root chord
        {230, 150, 102.9, 340, 4},    // 2.9 pixels beside it
        {230, 150, 97.1, 340, 4},
        {230, 150, 103, 340, 5},      // 3 pixels is no hit
        {230, 150, 97, 340, 5},
        {230, 150, 100, 223, 4},      // 3 pixels from the corner: the edge
        {230, 150, 100, 222.9, 7},    // within 3 pixels of the root leading corner
        {230, 150, 100, 220, 7},      // level with point 1: corner, not edge
        {230, 150, 100, 450, 3},      // level with point 4: corner
        {230, 150, 800, 305, 0},      // tip chord
        {230, 150, 802.9, 305, 0},
        {230, 150, 803, 305, 5},
        {230, 150, 800, 230, 6},      // tip leading corner
        {230, 150, 801, 382, 2},      // tip trailing corner
        {230, 150, 450, 340, 5},      // inside the planform: no edge
        {230, 150, -600, 305, 5},     // the mirror's tip chord never answers
        {230, 150, -600, 230, 5},     // nor its corners
        {4, 150, 100, 222, 7},        // both root corners near: the leading one wins
        {230, 4, 800, 232, 6},        // both tip corners near: the leading one wins
        {0, 150, 100, 240, 5},        // no root chord: no root edge hit
        {0, 150, 100, 221, 7},        // ... only its corners
        {-20, 150, 100, 210, 5},      // a negative chord: no root edge either
        {230, 0, 800, 240, 5},
    };
    for (const Case& c : cases) {
        SymWingSections panel = defaultWingPanel();
        panel.length1 = c.length1;
        panel.length2 = c.length2;
        EXPECT_EQ(DrawnPanel(kVTopView, 1, panel).hitAt(c.x, c.y), c.code)
            << "length1 " << c.length1 << ", length2 " << c.length2 << " at (" << c.x << ", " << c.y << ")";
    }
}

TEST(PanelVTopView, DragsChangeTheValuesOfTheGrabbedPart) {
    testing::expectPanelDrags(
        kVTopView,
        {{"tip chord aft", 2, 800, 305, false, 0, 10, 0, [](auto& p) { p.pos2 += 5; }},
         {"tip chord outward", 2, 800, 305, true, 10, 0, 0, [](auto& p) { p.span += 5; }},
         {"root chord aft moves the panel", 1, 100, 340, false, 7, -12, 4, [](auto& p) { p.pos1 -= 12; }},
         {"root chord outward", 1, 100, 340, true, 30, 4, 4, [](auto& p) { p.shift += 30; }},
         {"tip trailing corner", 1, 800, 380, false, 5, 20, 2, [](auto& p) { p.length2 += 20; }},
         {"root trailing corner", 1, 100, 450, true, 5, -30, 3, [](auto& p) { p.length1 -= 30; }},
         {"tip leading corner", 1, 800, 230, false, 9, 10, 6,
          [](auto& p) {
              p.length2 -= 10;
              p.pos2 += 10;
          }},
         {"root leading corner keeps the tip", 1, 100, 220, false, 0, 10, 7, [](auto& p) {
              p.length1 -= 10;
              p.pos1 += 10;
              p.pos2 -= 10;
          }}});
}

TEST(PanelVTopView, ADragWithoutAUsableZoomChangesAndDrawsNothing) {
    for (double zoom : {0.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        DrawnPanel drawn(kVTopView);
        drawn.press(800, 305);
        drawn.screen.view.zoom = zoom;
        const std::vector<double> before = lengthsOf(drawn.panel);
        drawn.moveTo(800, 340);
        EXPECT_EQ(lengthsOf(drawn.panel), before) << zoom;
        EXPECT_TRUE(drawn.screen.canvas.calls().empty()) << zoom;
    }
}

TEST(PanelVTopView, ADragThatWouldOverflowChangesNothing) {
    DrawnPanel drawn(kVTopView);
    drawn.panel.pos2 = std::numeric_limits<double>::max();
    drawn.press(800, 305);
    drawn.screen.view.zoom = 1e-300;
    drawn.moveTo(800, 315);
    EXPECT_EQ(drawn.panel.pos2, std::numeric_limits<double>::max());
}

TEST(PanelVTopView, HoverErasesInWhiteThenDrawsWithTheLitEdgesAndABlackMirror) {
    DrawnPanel drawn(kVTopView);
    drawn.moveTo(100, 340);  // root chord: the whole panel
    EXPECT_TRUE(drawn.panel.selected);
    EXPECT_EQ(drawn.panel.selected_part, SymWingSections::kHitRootEdge);

    const std::vector<Segment>& s = drawn.screen.canvas.segments();
    ASSERT_EQ(s.size(), 16u);
    const double corners[5][2] = {{100, 220}, {800, 230}, {800, 380}, {100, 450}, {100, 220}};
    for (int half = 0; half < 4; ++half) {
        // Erase right, erase mirror, draw right, draw mirror.
        const bool mirror = half % 2 == 1;
        const PaletteColor color = half < 2 ? kWhite : (mirror ? kBlack : kLightYellow);
        for (int k = 0; k < 4; ++k) {
            const Segment& seg = s[static_cast<std::size_t>(half * 4 + k)];
            const double x1 = mirror ? 200 - corners[k][0] : corners[k][0];
            const double x2 = mirror ? 200 - corners[k + 1][0] : corners[k + 1][0];
            EXPECT_EQ(seg.x1, x1) << half << "," << k;
            EXPECT_EQ(seg.y1, corners[k][1]) << half << "," << k;
            EXPECT_EQ(seg.x2, x2) << half << "," << k;
            EXPECT_EQ(seg.y2, corners[k + 1][1]) << half << "," << k;
            EXPECT_EQ(seg.color, color) << half << "," << k;
        }
    }
}

TEST(PanelVTopView, EachHitCodeLightsItsEdges) {
    const PaletteColor B = kBlack, Y = kLightYellow;
    testing::expectPanelHover(kVTopView, {
                                             {800, 305, {B, Y, B, B}, true},   // tip chord
                                             {800, 380, {B, Y, Y, B}, true},   // tip trailing corner
                                             {100, 450, {B, B, Y, Y}, true},   // root trailing corner
                                             {800, 230, {Y, Y, B, B}, true},   // tip leading corner
                                             {100, 220, {Y, B, B, Y}, true},   // root leading corner
                                             {450, 340, {B, B, B, B}, false},  // nothing
                                         });
}

TEST(PanelVTopView, TheFirstDrawErasesAlongTheAllZeroOutline) {
    SymWingSections panel = defaultWingPanel();
    RecordedView screen(1, 100, 0);
    panel.drawVTop(screen.context());
    const std::vector<Call>& calls = screen.canvas.calls();
    ASSERT_EQ(calls.size(), 20u);
    EXPECT_EQ(calls[0].op, Op::SetCurrentPoint);
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(calls[k].x1, 0);
        EXPECT_EQ(calls[k].y1, 0);
        EXPECT_EQ(calls[k].color, kWhite);
        EXPECT_EQ(calls[5 + k].x1, 200);  // the mirror of (0, 0) about x 100
        EXPECT_EQ(calls[5 + k].y1, 0);
        EXPECT_EQ(calls[5 + k].color, kWhite);
    }
    EXPECT_FALSE(panel.selected);  // drawn without a lit edge
}

TEST(PanelVTopView, LargestScreenCoordinatesOfTheOutline) {
    SymWingSections panel = defaultWingPanel();
    EXPECT_EQ(panel.xMaxVtopGet(), 0);
    EXPECT_EQ(panel.yMaxVtopGet(), 0);
    RecordedView screen(1, 100.5, 0.5);
    panel.drawVTop(screen.context());
    EXPECT_EQ(panel.xMaxVtopGet(), 800);  // 800.5, halves to even
    EXPECT_EQ(panel.yMaxVtopGet(), 410);  // 410.5
    screen.view.xoff = -5000;
    screen.view.yoff = -5000;
    panel.drawVTop(screen.context());
    EXPECT_EQ(panel.xMaxVtopGet(), 0);  // never negative
    EXPECT_EQ(panel.yMaxVtopGet(), 0);
}

TEST(PanelVTopView, PrintDrawsThePlanformAndItsMirrorInBlack) {
    const SymWingSections panel = defaultWingPanel();
    RecordingCanvas printer;
    panel.printVTop(printer, {0.5, 300, 20});
    const std::vector<Segment>& s = printer.segments();
    ASSERT_EQ(s.size(), 8u);
    EXPECT_EQ(s[0].x1, 300);
    EXPECT_EQ(s[0].y1, 110);
    EXPECT_EQ(s[1].x1, 650);
    EXPECT_EQ(s[1].y1, 115);
    EXPECT_EQ(s[4].x1, 300);
    EXPECT_EQ(s[5].x1, -50);  // mirror of 650 about 300
    EXPECT_EQ(s[5].y1, 115);
    for (const Segment& seg : s) EXPECT_EQ(seg.color, kBlack);
}

TEST(PanelVTopView, DxfOfThePlanformAndItsMirror) {
    SymWingSections panel = defaultWingPanel();
    panel.shift = 100;
    testing::DxfCapture dxf;
    panel.saveDXF_vtop(dxf.file);
    using testing::dxfPolylineEntities;
    EXPECT_EQ(dxf.text(),
              dxfPolylineEntities("Wing", {{" 100 ", "-180 "}, {" 800 ", "-190 "}, {" 800 ", "-340 "},
                                           {" 100 ", "-410 "}, {" 100 ", "-180 "}}) +
                  dxfPolylineEntities("Wing", {{"-100 ", "-180 "}, {"-800 ", "-190 "}, {"-800 ", "-340 "},
                                               {"-100 ", "-410 "}, {"-100 ", "-180 "}}));
    EXPECT_EQ(dxf.pen, Point3D{});  // no pen-up move
}

}  // namespace
}  // namespace ferlo
