#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "support/dxf_capture.h"
#include "support/panel_views.h"

namespace ferlo {
namespace {

using Segment = RecordingCanvas::Segment;
using testing::defaultWingPanel;
using testing::DrawnPanel;
using testing::kFrontView;
using testing::lengthsOf;

// The default first wing panel seen from ahead with the origin at (100, 200);
// at zoom 1: root bar at x 100 from y 135.05 to 164.95 (thickness 0.13 x 230
// = 29.9), tip bar at x 800 from y 140.25 to 159.75 (0.13 x 150 = 19.5).

TEST(PanelFrontView, HitCodesAtAndAroundTheTolerance) {
    struct Case {
        double span, x, y;
        std::int32_t code;
    };
    const Case cases[] = {
        {700, 100, 150, 4},       // root bar
        {700, 102.9, 150, 4},     // 2.9 pixels beside it
        {700, 97.1, 150, 4},
        {700, 103, 150, 5},       // 3 pixels is no hit
        {700, 100, 135.05, 5},    // level with the top of the bar: open range
        {700, 100, 164.95, 5},    // level with its bottom
        {700, 100, 135.1, 4},
        {700, 800, 150, 0},       // tip bar
        {700, 797.1, 150, 0},
        {700, 800, 140.25, 5},
        {700, 800, 165, 5},       // below the tip bar
        {700, 450, 150, 5},       // lower and upper lines are no targets
        {700, -600, 150, 5},      // the mirror's tip bar never answers
        {2, 101, 150, 0},         // bars within 3 pixels: the tip wins
        {2, 100.5, 150, 0},
        {2, 99, 150, 4},          // 3 pixels from the tip bar: the root
    };
    for (const Case& c : cases) {
        SymWingSections panel = defaultWingPanel();
        panel.span = c.span;
        EXPECT_EQ(DrawnPanel(kFrontView, 1, panel).hitAt(c.x, c.y), c.code) << "span " << c.span << " at (" << c.x << ", " << c.y << ")";
    }
}

TEST(PanelFrontView, AnUpsideDownBarCannotBeHit) {
    SymWingSections panel = defaultWingPanel();
    panel.thickness1 = -0.13;
    EXPECT_EQ(DrawnPanel(kFrontView, 1, panel).hitAt(100, 150), SymWingSections::kHitNothing);
}

TEST(PanelFrontView, DragsChangeHeightDihedralPositionAndSpan) {
    testing::expectPanelDrags(
        kFrontView,
        {{"root bar up raises the panel", 2, 100, 150, false, 4, -10, 4, [](auto& p) { p.elevation1 += 5; }},
         {"root bar sideways with Shift", 2, 100, 150, true, -10, 3, 4, [](auto& p) { p.shift -= 5; }},
         {"tip bar right with Shift", 2, 800, 150, true, 10, 0, 0, [](auto& p) { p.span += 5; }},
         {"tip bar down lowers the dihedral", 1, 800, 150, false, 3, 8, 0, [](auto& p) { p.elevation2 -= 8; }}});
}

TEST(PanelFrontView, ARootBarDragMovesTheTipWithIt) {
    DrawnPanel drawn(kFrontView);
    drawn.press(100, 150);
    drawn.moveTo(100, 140);
    EXPECT_DOUBLE_EQ(drawn.panel.elevation1, 60);
    // The tip bar is drawn 10 pixels higher too, from y 130.25 to 149.75.
    EXPECT_EQ(drawn.hitAt(800, 131), SymWingSections::kHitTipEdge);
    EXPECT_EQ(drawn.hitAt(800, 155), SymWingSections::kHitNothing);
}

TEST(PanelFrontView, ADragWithoutAUsableZoomOrAnUnknownGrabChangesNothing) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const auto& [zoom, paint] : {std::pair{0.0, 4}, std::pair{nan, 4}, std::pair{1.0, 2}, std::pair{1.0, 7}}) {
        DrawnPanel drawn(kFrontView);
        drawn.press(100, 150);
        drawn.panel.paint = paint;
        drawn.screen.view.zoom = zoom;
        const std::vector<double> before = lengthsOf(drawn.panel);
        drawn.moveTo(120, 100);
        EXPECT_EQ(lengthsOf(drawn.panel), before) << zoom << " " << paint;
        EXPECT_TRUE(drawn.screen.canvas.calls().empty()) << zoom << " " << paint;
    }
}

TEST(PanelFrontView, HoverErasesThenDrawsTheLitBarsWithABlackMirror) {
    const PaletteColor B = kBlack, Y = kLightYellow;
    testing::expectPanelHover(kFrontView, {
                                              {800, 150, {B, Y, B, B}, true},   // tip bar
                                              {100, 150, {Y, Y, Y, Y}, true},   // root bar: the whole panel
                                              {450, 150, {B, B, B, B}, false},  // nothing
                                          });
}

TEST(PanelFrontView, PrintDrawsBothHalvesAndTheCentreLine) {
    const SymWingSections panel = defaultWingPanel();
    RecordingCanvas printer;
    panel.printFront(printer, ViewColors{}, {1, 500, 300});
    const std::vector<Segment>& s = printer.segments();
    ASSERT_EQ(s.size(), 9u);
    for (std::size_t k = 0; k < 8; ++k) EXPECT_EQ(s[k].color, kBlack) << k;
    EXPECT_DOUBLE_EQ(s[0].y1, 300 - 35.05);
    EXPECT_EQ(s[1].x1, 1200);
    EXPECT_EQ(s[5].x1, -200);  // the mirror of the tip about x 500
    const Segment& centre = s[8];
    EXPECT_EQ(centre.x1, 500);
    EXPECT_EQ(centre.y1, 0);
    EXPECT_EQ(centre.x2, 500);
    EXPECT_EQ(centre.y2, 600);
    EXPECT_EQ(centre.color, kLightBlue);
}

TEST(PanelFrontView, DxfOfTheSilhouetteAndItsMirror) {
    using testing::dxfPolylineEntities;
    // Each bar as tall as its own section: with the root and tip thicknesses
    // 0.125 (half heights 15 and 10), then with a tip of 0.25 (half height 20).
    struct Case {
        double thickness2;
        const char *tipBottom, *tipTop;
    };
    for (const Case& c : {Case{0.125, " 50 ", " 70 "}, Case{0.25, " 40 ", " 80 "}}) {
        SymWingSections panel = testing::defaultWingPanel();
        panel.length1 = 240;
        panel.length2 = 160;
        panel.elevation2 = 10;
        panel.shift = 100;
        panel.thickness1 = 0.125;
        panel.thickness2 = c.thickness2;
        testing::DxfCapture dxf;
        panel.saveDXF_front(dxf.file);
        EXPECT_EQ(dxf.text(), dxfPolylineEntities("Wing", {{" 100 ", " 35 "}, {" 800 ", c.tipBottom},
                                                           {" 800 ", c.tipTop}, {" 100 ", " 65 "}, {" 100 ", " 35 "}}) +
                                  dxfPolylineEntities("Wing", {{"-100 ", " 35 "}, {"-800 ", c.tipBottom},
                                                               {"-800 ", c.tipTop}, {"-100 ", " 65 "},
                                                               {"-100 ", " 35 "}}))
            << c.thickness2;
        EXPECT_EQ(dxf.pen, (Point3D{-100, 35, 0}));  // left on the mirror's first point
    }
}

}  // namespace
}  // namespace ferlo
