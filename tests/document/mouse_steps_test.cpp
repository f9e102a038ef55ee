#include "document/mouse_steps.h"

#include <functional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "support/drawing_area.h"

namespace ferlo {
namespace {

using testing::DrawingArea;
using Parts = std::vector<std::string>;

// Zoom 1 with these origins shows every part of the default aircraft apart:
// no segment of one part is a segment of another.
struct ViewSetUp {
    ViewKind mode;
    double xoff, yoff;
};
constexpr ViewSetUp kVTop{ViewKind::VTop, 100, 30};
constexpr ViewSetUp kFront{ViewKind::Front, 100, 200};
constexpr ViewSetUp kSide{ViewKind::Side, 0, 300};
constexpr ViewSetUp kHTop{ViewKind::HTop, 0, 300};

DrawingArea areaOf(const ViewSetUp& v, bool equipmentTabOpen = false) {
    DrawingArea area(v.mode, 1, v.xoff, v.yoff, 0, equipmentTabOpen);
    area.plane.stab.elevation1 = 80;  // its root bar apart from the wing's in Front
    area.redraw();
    return area;
}

using Key = std::tuple<double, double, double, double>;

Key keyOf(const RecordingCanvas::Segment& s) {
    if (std::tie(s.x1, s.y1) <= std::tie(s.x2, s.y2)) return {s.x1, s.y1, s.x2, s.y2};
    return {s.x2, s.y2, s.x1, s.y1};
}

// Each part of the view by name, with the segments it draws now (drawn on a
// copy of the aircraft).
std::vector<std::pair<std::string, std::set<Key>>> partSegments(const DrawingArea& area) {
    std::vector<std::pair<std::string, std::set<Key>>> parts;
    const auto add = [&](const std::string& name, const std::function<void(Plane&, const ViewContext&)>& draw) {
        Plane copy = area.plane;
        RecordingCanvas canvas;
        draw(copy, {canvas, area.view, copy.viewColors()});
        std::set<Key> keys;
        for (const RecordingCanvas::Segment& s : canvas.segments()) keys.insert(keyOf(s));
        parts.emplace_back(name, keys);
    };
    switch (area.mouse.mode) {
    case ViewKind::VTop:
        add("panel", [](Plane& p, const ViewContext& c) { p.mainWing.wing(1).drawVTop(c); });
        add("stab", [](Plane& p, const ViewContext& c) { p.stab.drawVTop(c); });
        add("fuselage", [](Plane& p, const ViewContext& c) { p.fuselages.current().drawVTop(c); });
        add("fin", [](Plane& p, const ViewContext& c) { p.fin.drawVTop(c); });
        break;
    case ViewKind::Front:
        add("panel", [](Plane& p, const ViewContext& c) { p.mainWing.wing(1).drawFront(c); });
        add("stab", [](Plane& p, const ViewContext& c) { p.stab.drawFront(c); });
        add("fuselage", [](Plane& p, const ViewContext& c) { p.fuselages.current().drawFront(c); });
        add("fin", [](Plane& p, const ViewContext& c) { p.fin.drawFront(c); });
        break;
    case ViewKind::Side:
        add("box", [](Plane& p, const ViewContext& c) { p.equipment.box(1).drawSide(c); });
        add("fuselage", [](Plane& p, const ViewContext& c) { p.fuselages.current().drawSide(c); });
        add("fin", [](Plane& p, const ViewContext& c) { p.fin.drawSide(c); });
        add("panel", [](Plane& p, const ViewContext& c) { p.mainWing.wing(1).drawSide(c); });
        add("stab", [](Plane& p, const ViewContext& c) { p.stab.drawSide(c); });
        break;
    case ViewKind::HTop:
        add("fuselage", [](Plane& p, const ViewContext& c) { p.fuselages.current().drawHTop(c); });
        add("box", [](Plane& p, const ViewContext& c) { p.equipment.box(1).drawHTop(c); });
        add("panel", [](Plane& p, const ViewContext& c) { p.mainWing.wing(1).drawHTop(c); });
        add("stab", [](Plane& p, const ViewContext& c) { p.stab.drawHTop(c); });
        break;
    }
    return parts;
}

// The parts whose segments the area's canvas recorded, in order, each run
// of one part's segments named once; `before` adds the parts' segments as
// they stood before a drag step (what the step erases).
Parts partsDrawn(const DrawingArea& area, const std::vector<std::pair<std::string, std::set<Key>>>& before = {}) {
    auto parts = partSegments(area);
    for (std::size_t k = 0; k < before.size() && k < parts.size(); ++k) {
        parts[k].second.insert(before[k].second.begin(), before[k].second.end());
    }
    Parts drawn;
    for (const RecordingCanvas::Segment& s : area.canvas.segments()) {
        std::string name = "?";
        for (const auto& [part, keys] : parts) {
            if (keys.contains(keyOf(s))) {
                name = part;
                break;
            }
        }
        if (drawn.empty() || drawn.back() != name) drawn.push_back(name);
    }
    return drawn;
}

// A move from one section's line straight onto the next one's (section 2
// brought 3 pixels aft of section 1) keeps the hit code but selects another
// section: the fuselage is drawn again, the new section lit. A highlight
// taken away elsewhere (a tab that clears the fuselage's `selected`) is
// given back by the next move, even one that finds what it found before.
TEST(MouseSteps, AHoverFollowsTheSectionAndTheMarksNotOnlyTheHitCode) {
    DrawingArea area = areaOf(kSide);
    MeshSections& f = area.plane.fuselages.current();
    f.sel_sec = 2;
    f.posSet(3);
    area.redraw();
    area.mouse.mouseMove(0, 280);
    EXPECT_EQ(f.sel_sec, 1);
    area.canvas.reset();
    area.mouse.mouseMove(3, 280);
    EXPECT_EQ(f.sel_sec, 2);
    EXPECT_EQ(partsDrawn(area), Parts{"fuselage"});
    f.selected = false;
    area.canvas.reset();
    area.mouse.mouseMove(3, 281);
    EXPECT_TRUE(f.selected);
    EXPECT_EQ(partsDrawn(area), Parts{"fuselage"});
}

// The first move after a press on nothing asks every part the view edits,
// in the view's order, each drawing itself; the parts the view only shows
// (the fin in VTop, the fuselage in Front, panel 1 and the stabiliser in
// Side and HTop, the fuselages and the fin on the equipment tab) stay as
// drawn. A move over nothing again draws nothing. At mouse-up each view
// redraws what it redraws (VTop its panels, the stabiliser and the fuselage;
// Front the panels and the stabiliser; Side the fuselage and the fin, or the
// boxes; HTop the fuselages and, on the equipment tab, the boxes), nothing
// lit.
TEST(MouseSteps, EachViewsRowsAskItsPartsInOrder) {
    const struct Case {
        ViewSetUp view;
        bool equipmentTab;
        Parts move, up;
    } cases[] = {
        {kVTop, false, {"panel", "stab", "fuselage"}, {"panel", "stab", "fuselage"}},
        {kFront, false, {"panel", "stab", "fin"}, {"panel", "stab"}},
        {kSide, false, {"fuselage", "fin"}, {"fuselage", "fin"}},
        {kSide, true, {"box"}, {"box"}},
        {kHTop, false, {"fuselage"}, {"fuselage"}},
        {kHTop, true, {"box"}, {"fuselage", "box"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.view.mode));
        SCOPED_TRACE(c.equipmentTab);
        DrawingArea area = areaOf(c.view, c.equipmentTab);
        area.mouse.mouseDown(5, 5);
        area.mouse.mouseMove(6, 6);
        EXPECT_EQ(partsDrawn(area), c.move);
        area.canvas.reset();
        area.mouse.mouseMove(7, 6);
        EXPECT_TRUE(area.canvas.segments().empty());
        area.mouse.mouseUp();
        EXPECT_EQ(partsDrawn(area), c.up);
        for (const RecordingCanvas::Segment& s : area.canvas.segments()) EXPECT_NE(s.color, kLightYellow);
    }
}

// Hovering over a view just drawn: a move onto a part the view edits draws
// that part alone, lit; a move along what is lit draws nothing; a move off
// it draws the part alone again, plain.
TEST(MouseSteps, AHoverDrawsOnlyThePartWhoseHighlightChanges) {
    const struct Case {
        ViewSetUp view;
        bool equipmentTab;
        Point2D on, along;
        std::string part;
    } cases[] = {
        {kVTop, false, {350, 760}, {350, 770}, "stab"},             // the stabiliser's tip chord
        {kFront, false, {100, 170}, {102, 170}, "fin"},             // the fin's root edge, never lit there
        {kSide, false, {650, 270}, {651, 271}, "fin"},              // the fin's root leading corner
        {kSide, false, {200, 190}, {201, 190}, "fuselage"},         // section 2's top point
        {kSide, true, {215, 250}, {220, 250}, "box"},               // the box's bottom edge
        {kHTop, false, {200, 350}, {200, 351}, "fuselage"},         // section 2's side point
        {kHTop, true, {215, 302.5}, {225, 302.5}, "box"},           // the box's handle
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.view.mode));
        SCOPED_TRACE(c.part);
        DrawingArea area = areaOf(c.view, c.equipmentTab);
        area.mouse.mouseMove(5, 5);
        EXPECT_TRUE(area.canvas.segments().empty());
        area.mouse.mouseMove(c.on.x, c.on.y);
        EXPECT_EQ(partsDrawn(area), Parts{c.part});
        const bool lit = c.view.mode != ViewKind::Front;
        bool anyLit = false;
        for (const RecordingCanvas::Segment& s : area.canvas.segments()) anyLit = anyLit || s.color == kLightYellow;
        EXPECT_EQ(anyLit, lit);
        area.canvas.reset();
        area.mouse.mouseMove(c.along.x, c.along.y);
        EXPECT_TRUE(area.canvas.segments().empty());
        area.mouse.mouseMove(5, 5);
        EXPECT_EQ(partsDrawn(area), Parts{c.part});
        for (const RecordingCanvas::Segment& s : area.canvas.segments()) EXPECT_NE(s.color, kLightYellow);
    }
}

// A drag: each move and the mouse-up redraw only the parts grabbed (the
// drawing area keeps the others as drawn at the grab), and the mouse-up
// leaves them plain and idle. Side, equipment tab: the fuselage and the fin
// under the box are not grabbed.
TEST(MouseSteps, ADragRedrawsOnlyWhatItGrabbed) {
    const struct Case {
        ViewSetUp view;
        bool equipmentTab;
        Point2D from, to;
        Parts grabbed;
    } cases[] = {
        {kVTop, false, {350, 760}, {352, 775}, {"stab"}},         // the stabiliser's tip chord
        {kFront, false, {100, 170}, {105, 170}, {"fin"}},         // the fin's root edge
        {kSide, false, {650, 270}, {660, 270}, {"fin"}},          // the fin's root leading corner
        {kSide, false, {200, 190}, {200, 180}, {"fuselage"}},     // section 2's top point
        {kSide, true, {215, 250}, {215, 240}, {"box"}},           // the box's bottom edge
        {kHTop, true, {215, 302.5}, {225, 302.5}, {"box"}},       // the box's handle, its lower side
        {kHTop, false, {200, 350}, {200, 360}, {"fuselage"}},     // section 2's side point
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.view.mode));
        SCOPED_TRACE(c.from.x);
        DrawingArea area = areaOf(c.view, c.equipmentTab);
        area.mouse.mouseDown(c.from.x, c.from.y);
        ASSERT_TRUE(area.mouse.dragSpan());
        const auto before = partSegments(area);
        area.canvas.reset();
        area.mouse.mouseMove(c.to.x, c.to.y);
        EXPECT_EQ(partsDrawn(area, before), c.grabbed);
        area.canvas.reset();
        area.mouse.mouseUp();
        if (c.view.mode != ViewKind::Front) {
            EXPECT_EQ(partsDrawn(area), c.grabbed);  // the fin is not redrawn in Front
        }
        for (const RecordingCanvas::Segment& s : area.canvas.segments()) EXPECT_NE(s.color, kLightYellow);
        EXPECT_FALSE(area.mouse.dragSpan());
    }
}

}  // namespace
}  // namespace ferlo

namespace ferlo {
namespace {

Parts grabbedParts(Plane& plane) {
    Parts grabbed;
    if (plane.mainWing.wingGrabbed()) grabbed.push_back("panel");
    if (plane.stab.paint != SymWingSections::kIdlePaint) grabbed.push_back("stab");
    if (plane.fuselages.current().paint != MeshSections::kIdlePaint) grabbed.push_back("fuselage");
    if (plane.fin.paint != VertWingSection::kIdlePaint) grabbed.push_back("fin");
    if (plane.equipment.equipmentGrabbed()) grabbed.push_back("box");
    return grabbed;
}

// What a mouse-down grabs in each view: only what the view edits, the boxes
// alone while the equipment tab is open (the fin and the fuselage under the
// pointer stay idle).
TEST(MouseSteps, AMouseDownGrabsWhatTheViewEdits) {
    const struct Case {
        ViewSetUp view;
        bool equipmentTab;
        Point2D at;
        Parts grabbed;
    } cases[] = {
        {kVTop, false, {350, 760}, {"stab"}},
        {kVTop, false, {100, 820}, {}},  // the fin is only shown
        {kFront, false, {100, 170}, {"fin"}},
        {kSide, false, {650, 270}, {"fin"}},
        {kSide, true, {650, 270}, {}},
        {kSide, false, {200, 190}, {"fuselage"}},
        {kSide, true, {200, 190}, {}},
        {kSide, true, {215, 250}, {"box"}},
        {kHTop, false, {215, 302.5}, {}},  // the box is only shown
        {kHTop, true, {215, 302.5}, {"box"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.view.mode));
        SCOPED_TRACE(c.at.x);
        DrawingArea area = areaOf(c.view, c.equipmentTab);
        area.mouse.mouseDown(c.at.x, c.at.y);
        EXPECT_EQ(grabbedParts(area.plane), c.grabbed);
        area.mouse.mouseUp();
        EXPECT_TRUE(grabbedParts(area.plane).empty());
    }
}

// A drag's span runs, in the view's drawing order, from the first grabbed
// part to the last.
TEST(ViewParts, ADragSpansTheViewFromTheFirstGrabbedPartToTheLast) {
    const auto panels = [](int first, int last) { return NumberRange{first, last}; };
    {
        // VTop, the edge shared by panels 1 and 2: both grabbed.
        DrawingArea area(ViewKind::VTop, 2, 100, 30);
        area.mouse.mouseDown(1500.4, 530);
        EXPECT_EQ(dragSpanOf(area.plane, ViewKind::VTop, false),
                  (ViewParts{panels(1, 2), false, false, false, false, {}}));
    }
    {
        // Side, the fuselage alone.
        DrawingArea area(ViewKind::Side, 1, 0, 300);
        area.mouse.mouseDown(200, 190);
        EXPECT_EQ(dragSpanOf(area.plane, ViewKind::Side, false), (ViewParts{{}, false, false, true, false, {}}));
    }
    {
        // Side with the equipment tab, the box; nothing once it is let go.
        DrawingArea area(ViewKind::Side, 1, 0, 300, 0, true);
        area.mouse.mouseDown(215, 250);
        EXPECT_EQ(dragSpanOf(area.plane, ViewKind::Side, true), (ViewParts{{}, false, false, false, false, {1, 1}}));
        area.mouse.mouseUp();
        EXPECT_FALSE(dragSpanOf(area.plane, ViewKind::Side, true));
    }
}

}  // namespace
}  // namespace ferlo
