// Drag steps keep every value within what a project file holds.

#include <functional>

#include <gtest/gtest.h>

#include "base/value_reader.h"
#include "support/drawing_area.h"
#include "support/fuselage_sections.h"

namespace ferlo {
namespace {

using testing::DrawingArea;

// Drags of the fuselage and of a box through the drawing area's mouse
// protocol (the handles as the gesture tests place them: zoom 2, origin
// (10, 300) in Side and HTop; zoom 1, origin (100, 30) in VTop). After the
// mouse-down the zoom becomes so small that the next move would take the
// dragged value past the file's limit: that step changes nothing. Back at
// the first zoom, a move of the same drag still applies.
TEST(DragBounds, AStepPastWhatAFileHoldsChangesNothing) {
    struct Case {
        const char* what;
        ViewKind mode;
        double zoom, xoff, yoff;
        bool equipmentTab;
        double x, y;
        bool shift;
        double dx, dy;
        std::function<double(Plane&)> field;
    };
    const auto section2 = [](double testing::SectionValues::*value) {
        return [value](Plane& p) { return testing::sectionAt(p.fuselages.current(), 2).*value; };
    };
    const Case cases[] = {
        {"Side section line", ViewKind::Side, 2, 10, 300, false, 410, 180, false, 0, -10,
         section2(&testing::SectionValues::elevation)},
        {"Side section line with Shift", ViewKind::Side, 2, 10, 300, false, 410, 180, true, 10, 0,
         section2(&testing::SectionValues::pos)},
        {"Side bottom point", ViewKind::Side, 2, 10, 300, false, 410, 280, false, 0, -10,
         section2(&testing::SectionValues::elevation)},
        {"HTop side", ViewKind::HTop, 2, 10, 300, false, 410, 400, false, 0, 10,
         section2(&testing::SectionValues::width)},
        {"VTop front line", ViewKind::VTop, 1, 100, 30, false, 100, 30, false, 10, 0,
         [](Plane& p) { return p.fuselages.current().shift; }},
        {"VTop front line with Shift", ViewKind::VTop, 1, 100, 30, false, 100, 30, true, 0, 10,
         [](Plane& p) { return p.fuselages.current().pos_offset; }},
        {"box in Side", ViewKind::Side, 2, 10, 300, true, 440, 200, false, 10, 0,
         [](Plane& p) { return p.equipment.box(1).pos; }},
        {"box in HTop with Shift", ViewKind::HTop, 2, 10, 300, true, 440, 305, true, 0, -10,
         [](Plane& p) { return p.equipment.box(1).shift; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DrawingArea area(c.mode, c.zoom, c.xoff, c.yoff, 0, c.equipmentTab);
        area.view.shiftkey = c.shift;
        area.mouse.mouseDown(c.x, c.y);
        const double start = c.field(area.plane);
        area.view.zoom = 1e-12;
        area.mouse.mouseMove(c.x + c.dx, c.y + c.dy);
        EXPECT_EQ(c.field(area.plane), start);
        area.view.zoom = c.zoom;
        area.mouse.mouseMove(c.x + 2 * c.dx, c.y + 2 * c.dy);
        EXPECT_NE(c.field(area.plane), start);
        EXPECT_TRUE(fitsProjectFile(c.field(area.plane)));
        area.mouse.mouseUp();
    }
}

}  // namespace
}  // namespace ferlo
