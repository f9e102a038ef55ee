// The fin's mouse gestures in the Front and Side views, made through the
// drawing area's mouse protocol on the default aircraft.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "support/drawing_area.h"
#include "support/fin_values.h"
#include "support/view_testing.h"

namespace ferlo {
namespace {

using testing::DrawingArea;
using testing::expectFinLengthsChanged;
using testing::FinLengthChange;

// Front view: at zoom 1 with the origin at (400, 300) the default fin's root
// edge runs from (392.5, 270) to (407.5, 270) and its tip edge from (396, 120)
// to (404, 120); the wing panel's and stabiliser's root bars stand above it.
constexpr double kFrontXoff = 400;
constexpr double kFrontYoff = 300;

// Side view: at zoom 1 with the origin at (-450, 300) the default fin's
// corners are P1 (200, 270) root leading, P2 (350, 270) root trailing, P3
// (380, 120) tip trailing and P4 (300, 120) tip leading.
constexpr double kSideXoff = -450;
constexpr double kSideYoff = 300;

using F = VertWingSection;

// A gesture: the mouse-down point, Shift, and what the drag does to the fin.
struct DragCase {
    std::int16_t x, y;
    std::int32_t code;
    bool shift;
    std::vector<FinLengthChange> changes;
    const char* what;
};

// Each gesture on the default aircraft at zoom 2 with the origin at (xoff,
// 300): mouse-down, a move part of the way (`firstMove` pixels), a move 10
// pixels right and 6 up (5 model units across, 3 up), mouse-up. The fin is
// grabbed by the case's code, changed by its changes only, and idle and not
// selected afterwards; in the Side view it stays selected while dragged.
void expectDrags(ViewKind mode, double xoff, Point2D firstMove, std::initializer_list<DragCase> cases) {
    for (const DragCase& c : cases) {
        DrawingArea area(mode, 2, xoff, 300, 0);
        VertWingSection& fin = area.plane.fin;
        const VertWingSection before = fin;
        area.view.shiftkey = c.shift;
        area.mouse.mouseDown(c.x, c.y);
        EXPECT_EQ(fin.paint, c.code) << c.what;
        area.mouse.mouseMove(c.x + firstMove.x, c.y + firstMove.y);
        area.mouse.mouseMove(c.x + 10, c.y - 6);  // each move counts from the mouse-down point
        if (mode == ViewKind::Side) {
            EXPECT_EQ(fin.selected, c.code != 5) << c.what;
        }
        area.mouse.mouseUp();
        EXPECT_EQ(fin.paint, 5) << c.what;
        EXPECT_FALSE(fin.selected) << c.what;
        expectFinLengthsChanged(before, fin, c.changes, c.what);
    }
}

// Without Shift the fin's edges move sideways, with Shift up or down (the
// opposite of a wing panel's Front view). At zoom 2 the root edge lies at
// y 240, the tip edge at y -60.
TEST(FinGestures, FrontDragTable) {
    expectDrags(ViewKind::Front, kFrontXoff, {4, -2},
                {
                    {400, 240, 4, false, {{&F::offset1, 5}}, "root edge: the fin moves sideways"},
                    {400, 240, 4, true, {{&F::shift, 3}}, "root edge with Shift: the fin moves up"},
                    {400, -60, 0, false, {{&F::offset2, 5}}, "tip edge: the tip moves sideways"},
                    {400, -60, 0, true, {{&F::span, 3}}, "tip edge with Shift: the span grows"},
                    {300, 100, 5, false, {}, "nothing"},
                });
}

// Each drag step erases the outline drawn last, where it was drawn and with
// its mirror only when that outline had one, before drawing the new one.
TEST(FinGestures, FrontDragOffTheCentreAndBackErasesExactlyWhatWasDrawn) {
    using testing::expectOutline;
    DrawingArea area(ViewKind::Front, 1, kFrontXoff, kFrontYoff, 0);
    VertWingSection& fin = area.plane.fin;
    const std::array<Point2D, 4> centred{{{392.5, 270}, {407.5, 270}, {404, 120}, {396, 120}}};
    const std::array<Point2D, 4> moved{{{422.5, 270}, {437.5, 270}, {434, 120}, {426, 120}}};
    const std::array<Point2D, 4> mirror{{{377.5, 270}, {362.5, 270}, {366, 120}, {374, 120}}};

    area.mouse.mouseDown(400, 270);
    area.mouse.mouseMove(430, 270);
    EXPECT_EQ(fin.offset1, 30);
    EXPECT_TRUE(fin.isTwin());
    // Only the fin, the part dragged, is drawn again: its stored outline
    // first, then the single fin erased, the new fin and its twin.
    const auto& drawn = area.canvas.segments();
    ASSERT_EQ(drawn.size(), 16u);
    expectOutline(drawn, 0, centred, kBlack, "stored outline");
    expectOutline(drawn, 4, centred, kWhite, "erased single fin");
    expectOutline(drawn, 8, moved, kBlack, "new fin");
    expectOutline(drawn, 12, mirror, kBlack, "its twin");

    // Back to exactly 0: the twin drawn last is erased too, and the fin is a
    // single fin again.
    area.canvas.reset();
    area.mouse.mouseMove(400, 270);
    EXPECT_FALSE(fin.isTwin());
    ASSERT_EQ(drawn.size(), 20u);
    expectOutline(drawn, 0, moved, kBlack, "stored outline");
    expectOutline(drawn, 4, mirror, kBlack, "stored twin");
    expectOutline(drawn, 8, moved, kWhite, "erased fin");
    expectOutline(drawn, 12, mirror, kWhite, "erased twin");
    expectOutline(drawn, 16, centred, kBlack, "single fin");
    area.mouse.mouseUp();
}

// At zoom 2 with the origin at (-1100, 300) the corners lie at P1 (200, 240),
// P2 (500, 240), P3 (560, -60) and P4 (400, -60).
TEST(FinGestures, SideDragTable) {
    expectDrags(
        ViewKind::Side, -1100, {6, -3},
        {
            {450, -60, 0, false, {{&F::pos2, 5}}, "tip edge: sweep"},
            {450, -60, 0, true, {{&F::span, 3}}, "tip edge with Shift: span"},
            {350, 240, 4, false, {{&F::pos1, 5}}, "root edge: the fin moves aft"},
            {350, 240, 4, true, {{&F::shift, 3}}, "root edge with Shift: the fin moves up"},
            {560, -60, 2, false, {{&F::length2, 5}}, "tip trailing corner"},
            {560, -60, 2, true, {{&F::length2, 5}}, "tip trailing corner with Shift"},
            {500, 240, 3, false, {{&F::length1, 5}}, "root trailing corner"},
            {400, -60, 7, false, {{&F::length2, -5}, {&F::pos2, 5}}, "tip leading corner"},
            {200, 240, 8, false, {{&F::length1, -5}, {&F::pos1, 5}, {&F::pos2, -5}}, "root leading corner"},
            {200, 240, 8, true, {{&F::length1, -5}, {&F::pos1, 5}, {&F::pos2, -5}}, "root leading corner with Shift"},
            {100, 100, 5, false, {}, "nothing"},
        });
}

TEST(FinGestures, SideLeadingCornerDragsKeepTheOppositeEdgesInPlace) {
    DrawingArea area(ViewKind::Side, 1, kSideXoff, kSideYoff, 0);
    const VertWingSection& fin = area.plane.fin;
    area.drag(200, 270, 210, 250);  // the root leading corner, 10 units aft
    EXPECT_EQ(fin.length1, 140);
    EXPECT_EQ(fin.pos1, 660);
    EXPECT_EQ(fin.pos2, 90);
    EXPECT_EQ(fin.pos1 + fin.length1, 800);  // root trailing edge
    EXPECT_EQ(fin.pos1 + fin.pos2, 750);     // the tip
    EXPECT_EQ(fin.shift, 30);

    area.drag(300, 120, 290, 120);  // the tip leading corner, 10 units forward
    EXPECT_EQ(fin.length2, 90);
    EXPECT_EQ(fin.pos1 + fin.pos2 + fin.length2, 830);  // tip trailing edge
}

TEST(FinGestures, SideDragsWithoutAUsableZoomChangeNothing) {
    for (double zoom : {0.0, std::numeric_limits<double>::quiet_NaN(), 1e-320}) {
        DrawingArea area(ViewKind::Side, 1, kSideXoff, kSideYoff, 0);
        const VertWingSection& fin = area.plane.fin;
        const VertWingSection before = fin;
        area.mouse.mouseDown(200, 270);
        area.view.zoom = zoom;
        area.mouse.mouseMove(30000, -30000);
        EXPECT_EQ(fin.pos1, before.pos1) << zoom;
        EXPECT_EQ(fin.length1, before.length1) << zoom;
        EXPECT_EQ(fin.pos2, before.pos2) << zoom;
    }
}

TEST(FinGestures, SideHoverLightsTheEdgesOfWhatIsUnderThePointer) {
    struct Case {
        double x, y;
        std::vector<PaletteColor> colors;  // edges 2 to 5
    };
    const PaletteColor lit = ViewColors{}.colorSelected;
    const Case cases[] = {
        {200, 270, {lit, kBlack, kBlack, lit}},  // root leading corner: root and leading edges
        {275, 270, {lit, lit, lit, lit}},        // root edge: the whole fin
        {340, 120, {kBlack, kBlack, lit, kBlack}},
        {380, 120, {kBlack, lit, lit, kBlack}},
        {350, 270, {lit, lit, kBlack, kBlack}},
        {300, 120, {kBlack, kBlack, lit, lit}},
        {100, 100, {kBlack, kBlack, kBlack, kBlack}},
    };
    for (const auto& c : cases) {
        DrawingArea area(ViewKind::Side, 1, kSideXoff, kSideYoff, 0);
        area.mouse.mouseMove(c.x, c.y);
        // The fin last (after the fuselage where the pointer is on it too),
        // its stored outline erased in white, then drawn again; over
        // nothing, nothing is drawn: the view shows it plain.
        const auto& drawn = area.canvas.segments();
        if (c.colors == std::vector<PaletteColor>(4, kBlack)) {
            EXPECT_TRUE(drawn.empty());
        } else {
            ASSERT_GE(drawn.size(), 8u);
            EXPECT_EQ(testing::colorsOf({drawn.end() - 8, drawn.end()}),
                      (std::vector<PaletteColor>{kWhite, kWhite, kWhite, kWhite, c.colors[0], c.colors[1], c.colors[2],
                                                 c.colors[3]}))
                << c.x << "," << c.y;
        }
        EXPECT_EQ(area.plane.fin.selected, c.colors != std::vector<PaletteColor>(4, kBlack));
    }
}

TEST(FinGestures, SideDragErasesTheOutlineDrawnLast) {
    DrawingArea area(ViewKind::Side, 1, kSideXoff, kSideYoff, 0);
    const PaletteColor lit = ViewColors{}.colorSelected;
    const auto outlineAt = [](double aft) {
        return std::array<Point2D, 4>{{{200 + aft, 270}, {350 + aft, 270}, {380 + aft, 120}, {300 + aft, 120}}};
    };
    area.mouse.mouseDown(275, 270);  // the root edge: the whole fin moves aft
    for (double aft : {10.0, 20.0}) {
        area.canvas.reset();
        area.mouse.mouseMove(275 + aft, 270);
        // Only the fin, the part dragged: erased, then the new outline with
        // every edge lit.
        const auto& drawn = area.canvas.segments();
        ASSERT_EQ(drawn.size(), 8u) << aft;
        testing::expectOutline(drawn, 0, outlineAt(aft - 10), kWhite, "erased");
        testing::expectOutline(drawn, 4, outlineAt(aft), lit, "drawn");
    }
    area.mouse.mouseUp();
}

TEST(FinGestures, SideMouseUpEndsTheDrag) {
    DrawingArea area(ViewKind::Side, 1, kSideXoff, kSideYoff, 0);
    const VertWingSection& fin = area.plane.fin;
    area.drag(275, 270, 285, 270);
    EXPECT_EQ(fin.pos1, 660);
    area.mouse.mouseMove(400, 270);
    EXPECT_EQ(fin.pos1, 660);
    EXPECT_FALSE(fin.selected);
}

}  // namespace
}  // namespace ferlo
