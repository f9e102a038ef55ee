#include "document/mouse_protocol.h"

#include <vector>

#include <gtest/gtest.h>

#include "support/drawing_area.h"
#include "support/view_testing.h"

namespace ferlo {
namespace {

using Segment = RecordingCanvas::Segment;
using testing::colorsOf;
using testing::DrawingArea;

// VTop at zoom 1, origin (100, 30): the stabiliser's tip chord at x 350 from
// y 720 to 800; panel 1's tip chord, which is panel 2's root chord, at x 800
// from y 220 to 370.
TEST(MouseProtocol, DraggingTheStabiliserTipInVTop) {
    DrawingArea area(ViewKind::VTop, 1, 100, 30);
    area.mouse.mouseDown(350, 760);
    EXPECT_EQ(area.plane.stab.paint, SymWingSections::kHitTipEdge);
    EXPECT_FALSE(area.plane.mainWing.wingGrabbed());

    area.mouse.mouseMove(352, 775);
    EXPECT_EQ(area.plane.stab.pos2, 55);
    EXPECT_EQ(area.wing(1).pos2, 10);
    EXPECT_TRUE(area.plane.stab.selected);

    area.canvas.reset();
    area.mouse.mouseUp();
    EXPECT_EQ(area.plane.stab.paint, SymWingSections::kIdlePaint);
    EXPECT_FALSE(area.plane.stab.selected);
    // Mouse-up redraws the stabiliser, the one part that moved, nothing lit:
    // its outline erased and drawn again with its mirror.
    const std::vector<Segment>& s = area.canvas.segments();
    ASSERT_EQ(s.size(), 16u);
    for (const Segment& seg : s) EXPECT_NE(seg.color, kLightYellow);
}

TEST(MouseProtocol, AGrabbedSharedEdgeDragsBothPanelsInVTop) {
    DrawingArea area(ViewKind::VTop, 2, 100, 30);  // the shared edge at x 1500, y 410 to 710
    area.view.shiftkey = true;
    area.mouse.mouseDown(1500.4, 530);
    EXPECT_EQ(area.wing(1).paint, SymWingSections::kHitTipEdge);
    EXPECT_EQ(area.wing(2).paint, SymWingSections::kHitRootEdge);
    EXPECT_EQ(area.plane.stab.paint, SymWingSections::kIdlePaint);
    area.mouse.mouseMove(1520, 530);  // 20 pixels, 10 millimetres outward
    EXPECT_EQ(area.wing(1).span, 710);
    EXPECT_EQ(area.wing(2).shift, 710);
    area.mouse.mouseUp();
    EXPECT_FALSE(area.plane.mainWing.wingGrabbed());
}

TEST(MouseProtocol, TheMouseDownPointIsTheNearestWholePixel) {
    DrawingArea area(ViewKind::VTop, 1, 100, 0);
    const struct {
        double x, y;
        std::int16_t xloc, yloc;
    } cases[] = {{100.5, 200.5, 100, 200}, {101.5, -3.5, 102, -4}, {10.4, 10.6, 10, 11}, {1e9, -1e9, 32767, -32768}};
    for (const auto& c : cases) {
        area.mouse.mouseDown(c.x, c.y);
        EXPECT_EQ(area.view.xloc, c.xloc) << c.x;
        EXPECT_EQ(area.view.yloc, c.yloc) << c.y;
        area.mouse.mouseUp();
    }
}

TEST(MouseProtocol, RaisingTheFirstPanelInFrontRaisesTheWholeWing) {
    // Front at zoom 1, origin (100, 200): panel 1's root bar at x 100 around y 150.
    DrawingArea area(ViewKind::Front, 1, 100, 200);
    area.mouse.mouseDown(100, 150);
    EXPECT_EQ(area.wing(1).paint, SymWingSections::kHitRootEdge);
    EXPECT_EQ(area.wing(2).paint, SymWingSections::kHitRootEdge);
    // The stabiliser's root bar lies at the same place and is grabbed too.
    EXPECT_EQ(area.plane.stab.paint, SymWingSections::kHitRootEdge);
    area.mouse.mouseMove(100, 130);
    EXPECT_EQ(area.wing(1).elevation1, 70);
    EXPECT_EQ(area.wing(2).elevation1, 70);
    EXPECT_EQ(area.plane.stab.elevation1, 70);
    area.mouse.mouseUp();
    EXPECT_EQ(area.plane.stab.paint, SymWingSections::kIdlePaint);
    EXPECT_FALSE(area.plane.mainWing.wingGrabbed());
}

// A move to the position of the last move taken, in single precision, is
// not taken; the first move is taken wherever it goes but to (0, 0).
TEST(MouseProtocol, AMoveToTheLastPositionIsNotTaken) {
    DrawingArea area(ViewKind::VTop, 1, 100, 0);
    EXPECT_FALSE(area.mouse.takesMove(0, 0));
    EXPECT_TRUE(area.mouse.takesMove(400, 400));
    EXPECT_FALSE(area.mouse.takesMove(400, 400));
    EXPECT_FALSE(area.mouse.takesMove(400 + 1e-9, 400));
    EXPECT_TRUE(area.mouse.takesMove(400.5, 400));
    EXPECT_TRUE(area.mouse.takesMove(400, 400));
}

TEST(MouseProtocol, HoverHighlightsAndMouseUpClearsIt) {
    DrawingArea area(ViewKind::VTop, 1, 100, 30);
    area.mouse.mouseMove(100, 330);  // panel 1's root chord
    EXPECT_TRUE(area.plane.mainWing.wingSelected());
    EXPECT_EQ(area.plane.mainWing.wingSelectedPartGet(), SymWingSections::kHitRootEdge);
    area.mouse.mouseUp();
    EXPECT_FALSE(area.plane.mainWing.wingSelected());
}

// Wing panel 1 and the stabiliser are only shown in the Side and HTop
// views: a press on them grabs nothing, and a move asks only the parts the
// view edits, each drawn again at the first move after the press (its
// outline erased and drawn again); the reference outlines stay as drawn.
TEST(MouseProtocol, SideAndHTopGrabNeitherReferenceOutline) {
    for (ViewKind mode : {ViewKind::Side, ViewKind::HTop}) {
        DrawingArea area(mode, 1, 0, 300);
        area.mouse.mouseDown(410, 250);
        EXPECT_FALSE(area.plane.mainWing.wingGrabbed());
        EXPECT_EQ(area.plane.stab.paint, SymWingSections::kIdlePaint);
        EXPECT_EQ(area.plane.fin.paint, VertWingSection::kIdlePaint);
        area.mouse.mouseMove(420, 250);
        // The fuselage's 7 lines, then in the Side view the fin's 4.
        std::vector<PaletteColor> expected(7, kWhite);
        expected.insert(expected.end(), 7, kBlack);
        if (mode == ViewKind::Side) {
            expected.insert(expected.end(), 4, kWhite);
            expected.insert(expected.end(), 4, kBlack);
        }
        EXPECT_EQ(colorsOf(area.canvas.segments()), expected);
    }
}

// Front at zoom 1, origin (100, 200): the fin's root edge at y 170 from x
// 92.5 to 107.5, below the root bars of panel 1 and the stabiliser.
TEST(MouseProtocol, TheFinIsDraggedInFrontAndKeepsItsLastOutlineAtMouseUp) {
    DrawingArea area(ViewKind::Front, 1, 100, 200);
    area.mouse.mouseDown(100, 170);
    EXPECT_EQ(area.plane.fin.paint, VertWingSection::kHitRootEdge);
    EXPECT_FALSE(area.plane.mainWing.wingGrabbed());
    EXPECT_EQ(area.plane.stab.paint, SymWingSections::kIdlePaint);
    area.mouse.mouseMove(105, 170);  // still over the root edge it had before the move
    EXPECT_EQ(area.plane.fin.offset1, 5);
    EXPECT_TRUE(area.plane.fin.selected);

    area.canvas.reset();
    area.mouse.mouseUp();
    EXPECT_EQ(area.plane.fin.paint, VertWingSection::kIdlePaint);
    EXPECT_FALSE(area.plane.fin.selected);
    // Mouse-up redraws the panels and the stabiliser that moved, here none,
    // not the fin nor the fuselage.
    EXPECT_TRUE(area.canvas.segments().empty());
}

// Side at zoom 1, origin (0, 300): the fin's root leading corner at (650, 270).
TEST(MouseProtocol, SideEditsTheFinUnlessTheEquipmentTabIsOpen) {
    DrawingArea area(ViewKind::Side, 1, 0, 300);
    area.mouse.mouseMove(650, 270);
    EXPECT_TRUE(area.plane.fin.selected);
    area.mouse.mouseUp();
    EXPECT_FALSE(area.plane.fin.selected);  // the mouse-up clears the highlight

    area.mouse.mouseDown(650, 270);
    EXPECT_EQ(area.plane.fin.paint, VertWingSection::kHitRootLeadingCorner);
    area.mouse.mouseUp();

    // With the equipment tab open the fin is shown in the inactive colour and
    // never grabbed; the equipment box is redrawn before it.
    area.mouse.equipmentTabOpen = true;
    area.redraw();
    area.mouse.mouseDown(650, 270);
    EXPECT_EQ(area.plane.fin.paint, VertWingSection::kIdlePaint);
    area.mouse.mouseMove(660, 270);
    EXPECT_EQ(area.plane.fin.pos1, 650);
    EXPECT_FALSE(area.plane.fin.selected);
    // The box alone follows the pointer (erased and drawn): the fuselage and
    // the fin stay as the view drew them, in the inactive colour.
    EXPECT_EQ(colorsOf(area.canvas.segments()),
              (std::vector<PaletteColor>{kWhite, kWhite, kWhite, kWhite, kBlack, kBlack, kBlack, kBlack}));
}

// VTop at zoom 1, origin (100, 30): the fin's root rectangle from y 680 to
// 830 (aft of the stabiliser's root chord, which ends at 810), shown in the
// inactive colour and never grabbed; a move asks the parts the view edits
// (two wing panels and the stabiliser, 16 lines each, the fuselage's plan,
// 6 lines), the fin stays as drawn.
TEST(MouseProtocol, VTopShowsTheFinAndNeverGrabsIt) {
    for (double offset1 : {0.0, 20.0}) {
        DrawingArea area(ViewKind::VTop, 1, 100, 30);
        area.plane.fin.offset1 = offset1;
        area.redraw();
        area.mouse.mouseDown(100 + offset1, 820);
        EXPECT_EQ(area.plane.fin.paint, VertWingSection::kIdlePaint) << offset1;
        EXPECT_EQ(area.plane.stab.paint, SymWingSections::kIdlePaint) << offset1;
        area.mouse.mouseMove(100 + offset1, 825);
        const std::vector<Segment>& s = area.canvas.segments();
        ASSERT_EQ(s.size(), 3u * 16u + 6u) << offset1;
        for (const Segment& seg : s) EXPECT_NE(seg.color, kLightBlue) << offset1;
    }
}

}  // namespace
}  // namespace ferlo
