// The fuselage's mouse gestures in the 2D views, made through the drawing
// area's mouse protocol on the default aircraft.

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/drawing_area.h"
#include "support/fuselage_sections.h"
#include "support/view_testing.h"

namespace ferlo {
namespace {

using Segment = RecordingCanvas::Segment;
using testing::DrawingArea;

// At zoom 2 with the origin at (10, 300) the default fuselage's section 2
// (height 100, width 100, 200 aft, bottom at 10) stands at x 410: in the
// Side view from y 280 (its bottom) up to 80 (its top); in the HTop view
// from y 200 (the second side) down to 400 (the first side). Section 1
// stands at x 10, section 3 at x 1610.
constexpr double kZoom = 2;
constexpr double kXoff = 10;
constexpr double kYoff = 300;

DrawingArea fuselageArea(ViewKind mode) { return DrawingArea(mode, kZoom, kXoff, kYoff, 0); }

// Section 2 of the current fuselage, as its selected-section getters read it.
struct Section2 {
    double height, width, pos, elevation;
};

Section2 section2(MeshSections& f) {
    const std::int16_t selected = f.sel_sec;
    f.sel_sec = 2;
    const Section2 s{f.heightGet(), f.widthGet(), f.posGet(), f.elevationGet()};
    f.sel_sec = selected;
    return s;
}

// Each drag moves the pointer 6 pixels right and 10 up (Side) or down
// (HTop): 3 millimetres along the axis, 5 across it.
TEST(FuselageGestures, SideAndHTopDragsOfTheCurrentFuselage) {
    struct Case {
        ViewKind mode;
        double x, y;
        bool shift;
        std::int32_t code;
        Section2 after;
        const char* what;
    };
    const Case cases[] = {
        {ViewKind::Side, 410, 180, false, MeshSections::kHitSideSectionLine, {100, 100, 200, 15}, "section line: up"},
        {ViewKind::Side, 410, 180, true, MeshSections::kHitSideSectionLine, {100, 100, 203, 10}, "with Shift: aft"},
        {ViewKind::Side, 410, 80, false, MeshSections::kHitSideTopPoint, {105, 100, 200, 10}, "top point: taller"},
        {ViewKind::Side, 410, 280, false, MeshSections::kHitSideBottomPoint, {95, 100, 200, 15}, "bottom: top kept"},
        {ViewKind::HTop, 410, 400, false, MeshSections::kHitHTopFirstSide, {100, 110, 200, 10}, "first side: wider"},
        {ViewKind::HTop, 410, 200, false, MeshSections::kHitHTopSecondSide, {100, 90, 200, 10}, "second side"},
        {ViewKind::HTop, 410, 300, true, MeshSections::kHitHTopSectionLine, {100, 100, 203, 10}, "with Shift: aft"},
        {ViewKind::HTop, 410, 300, false, MeshSections::kHitHTopSectionLine, {100, 100, 200, 10}, "no Shift: stays"},
    };
    for (const Case& c : cases) {
        DrawingArea area = fuselageArea(c.mode);
        MeshSections& f = area.plane.fuselages.current();
        area.view.shiftkey = c.shift;
        area.mouse.mouseDown(c.x, c.y);
        EXPECT_EQ(f.paint, c.code) << c.what;
        EXPECT_EQ(f.sel_sec, 2) << c.what;
        area.mouse.mouseMove(c.x + 6, c.mode == ViewKind::Side ? c.y - 10 : c.y + 10);
        area.mouse.mouseUp();
        const Section2 s = section2(f);
        EXPECT_EQ(s.height, c.after.height) << c.what;
        EXPECT_EQ(s.width, c.after.width) << c.what;
        EXPECT_EQ(s.pos, c.after.pos) << c.what;
        EXPECT_EQ(s.elevation, c.after.elevation) << c.what;
        EXPECT_EQ(f.paint, MeshSections::kIdlePaint) << c.what;
        EXPECT_FALSE(f.selected) << c.what;
    }
}

// VTop at zoom 1, origin (100, 30): the front section line at y 30 from x 90
// to 110. It moves the fuselage sideways, with Shift along the axis.
TEST(FuselageGestures, VTopDragsMoveTheWholeFuselage) {
    for (bool shift : {false, true}) {
        DrawingArea area(ViewKind::VTop, 1, 100, 30, 0);
        MeshSections& f = area.plane.fuselages.current();
        area.view.shiftkey = shift;
        area.mouse.mouseDown(100, 30);
        EXPECT_EQ(f.paint, MeshSections::kHitVTopFrontLine);
        area.mouse.mouseMove(107, 42);
        area.mouse.mouseUp();
        EXPECT_EQ(f.shift, shift ? 0 : 7);
        EXPECT_EQ(f.pos_offset, shift ? 12 : 0);
        EXPECT_EQ(f.paint, MeshSections::kIdlePaint);
        EXPECT_FALSE(area.plane.mainWing.wingGrabbed());
    }
}

// The Front view shows the fuselage but never grabs it.
TEST(FuselageGestures, FrontNeverGrabsTheFuselage) {
    DrawingArea area(ViewKind::Front, 1, 100, 200, 0);
    MeshSections& f = area.plane.fuselages.current();
    area.mouse.mouseDown(110, 180);  // the right end of section 1's widest line
    EXPECT_EQ(f.paint, MeshSections::kIdlePaint);
    area.mouse.mouseMove(130, 150);
    EXPECT_EQ(f.shift, 0);
    // It is only shown there: a move leaves its selected section as drawn.
    for (const Segment& s : area.canvas.segments()) EXPECT_NE(s.color, area.plane.colorInactive);
}

// With Ctrl a click into the gap between sections 1 and 2 inserts a section
// at the pointer, 100 millimetres aft, between them; the fuselage is drawn
// again with four sections.
TEST(FuselageGestures, CtrlClickIntoAGapInsertsASection) {
    for (ViewKind mode : {ViewKind::Side, ViewKind::HTop}) {
        DrawingArea area = fuselageArea(mode);
        MeshSections& f = area.plane.fuselages.current();
        area.view.ctrlkey = true;
        area.mouse.mouseDown(210, mode == ViewKind::Side ? 200 : 300);
        ASSERT_EQ(f.nb_sections, 4);
        EXPECT_EQ(f.sel_sec, 2);
        EXPECT_EQ(f.posGet(), 100);
        // The profile of three sections erased (7 lines), the one of four drawn (10 lines).
        const std::vector<Segment>& s = area.canvas.segments();
        ASSERT_EQ(s.size(), 7u + 10u);
        EXPECT_EQ(testing::colorsOf({s.begin(), s.begin() + 7}), std::vector<PaletteColor>(7, kWhite));
        EXPECT_EQ(testing::colorsOf({s.begin() + 7, s.end()}), std::vector<PaletteColor>(10, kBlack));
        EXPECT_EQ(f.paint, MeshSections::kIdlePaint);  // the gesture ends there
        area.mouse.mouseMove(230, 150);
        area.mouse.mouseUp();
        EXPECT_EQ(testing::sectionAt(f, 2).pos, 100);  // the new section is not dragged
    }
}

// With Ctrl a click on a section line removes that section and sets the whole
// view up again; the section that takes its number is not dragged by the
// moves that follow. A fuselage of two sections keeps both.
TEST(FuselageGestures, CtrlClickOnASectionLineRemovesTheSection) {
    using testing::SectionValues;
    const std::vector<SectionValues> nose{{20, 20, 0, 10}};
    const SectionValues tail{10, 10, 800, 30};
    for (ViewKind mode : {ViewKind::Side, ViewKind::HTop}) {
        DrawingArea area = fuselageArea(mode);
        MeshSections& f = area.plane.fuselages.current();
        // Section 2's line, then (once it is removed) the tail's, which
        // takes its number: at x 1610 from y 240 up to 220 in the Side view.
        const Point2D lines[] = {{410, mode == ViewKind::Side ? 180.0 : 300.0},
                                 {1610, mode == ViewKind::Side ? 230.0 : 300.0}};
        for (const Point2D& line : lines) {  // the second click is refused
            area.canvas.reset();
            area.view.ctrlkey = true;
            area.view.shiftkey = true;
            area.mouse.mouseDown(line.x, line.y);
            ASSERT_FALSE(area.canvas.calls().empty());
            EXPECT_EQ(area.canvas.calls().front().op, RecordingCanvas::Op::Clear);
            area.mouse.mouseMove(line.x + 6, line.y - 10);
            area.mouse.mouseUp();
            EXPECT_EQ(testing::sectionsOf(f), (std::vector<SectionValues>{nose[0], tail})) << line.x;
        }
    }
}

// A hidden current fuselage is not drawn, follows no drag and gets no
// section from a Ctrl-click; the other shown fuselage is drawn inactive.
TEST(FuselageGestures, AHiddenCurrentFuselageIsNotEdited) {
    DrawingArea area = fuselageArea(ViewKind::Side);
    FuselageList& fuselages = area.plane.fuselages;
    fuselages.addFuselage(false, LengthUnit::Millimeters, area.plane.defaultColor);
    fuselages.setShown(2, false);
    area.redraw();
    MeshSections& hidden = fuselages.current();
    area.mouse.mouseMove(410, 180);  // where its section 2's line is, hidden
    // The hidden fuselage does not follow the pointer: nothing is drawn.
    EXPECT_TRUE(area.canvas.segments().empty());
    EXPECT_FALSE(hidden.selected);
    area.drag(410, 180, 416, 170);
    EXPECT_EQ(section2(hidden).elevation, 10);
    area.view.ctrlkey = true;
    area.mouse.mouseDown(210, 200);
    area.mouse.mouseUp();
    EXPECT_EQ(hidden.nb_sections, 3);
}

// A current fuselage hidden after the view was drawn answers no hit test at
// mouse-down in any view: nothing is grabbed, its selected section stays and
// the moves that follow change nothing.
TEST(FuselageGestures, AHiddenCurrentFuselageAnswersNoHitTest) {
    struct Case {
        ViewKind mode;
        double x, y;  // on section 2's line (Side, HTop) or the front line (VTop)
    };
    for (const Case& c : {Case{ViewKind::Side, 410, 180}, Case{ViewKind::HTop, 410, 300},
                          Case{ViewKind::VTop, kXoff, kYoff}}) {
        DrawingArea area = fuselageArea(c.mode);
        area.plane.fuselages.setShown(1, false);
        MeshSections& f = area.plane.fuselages.current();
        f.sel_sec = 1;
        const std::string before = testing::savedRecord(f);
        area.view.shiftkey = true;
        area.mouse.mouseDown(c.x, c.y);
        EXPECT_EQ(f.paint, MeshSections::kIdlePaint) << static_cast<int>(c.mode);
        EXPECT_EQ(f.sel_sec, 1) << static_cast<int>(c.mode);
        area.mouse.mouseMove(c.x + 6, c.y + 10);
        area.mouse.mouseUp();
        EXPECT_EQ(testing::savedRecord(f), before) << static_cast<int>(c.mode);
        EXPECT_FALSE(f.selected) << static_cast<int>(c.mode);
    }
}

// Two fuselages one over the other: only the current one is grabbed and
// dragged; the other is drawn again in the inactive colour at each move.
TEST(FuselageGestures, OnlyTheCurrentFuselageIsDragged) {
    for (std::int16_t current : {1, 2}) {
        DrawingArea area = fuselageArea(ViewKind::Side);
        FuselageList& fuselages = area.plane.fuselages;
        fuselages.addFuselage(false, LengthUnit::Millimeters, area.plane.defaultColor);
        fuselages.currentFuselage = current;
        area.redraw();
        area.drag(410, 180, 416, 170);
        EXPECT_EQ(section2(fuselages.current()).elevation, 15) << current;
        EXPECT_EQ(section2(fuselages.fuselage(3 - current)).elevation, 10) << current;
    }
}

}  // namespace
}  // namespace ferlo
