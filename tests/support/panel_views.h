#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

#include <gtest/gtest.h>

#include "support/default_aircraft.h"
#include "support/view_testing.h"
#include "surfaces/sym_wing_sections.h"

namespace ferlo::testing {

// The operations of a panel in one view where it is edited, and the screen
// position of the model origin at which the tests draw it.
struct PanelView {
    void (SymWingSections::*draw)(const ViewContext&, const EdgeSelection&);
    std::int32_t (SymWingSections::*testPosition)(double, double) const;
    void (SymWingSections::*initMouseVal)(const ViewState&);
    void (SymWingSections::*selects)(const ViewContext&, double, double);
    double xoff, yoff;
};

inline constexpr PanelView kVTopView{&SymWingSections::drawVTop, &SymWingSections::testPositionVTop,
                                     &SymWingSections::initMouseValVTop, &SymWingSections::selectsVTop, 100, 40};
inline constexpr PanelView kFrontView{&SymWingSections::drawFront, &SymWingSections::testPositionFront,
                                      &SymWingSections::initMouseValFront, &SymWingSections::selectsFront, 100, 200};

// A panel drawn once in a view on a recording canvas, whose recording then
// starts empty; mouse gestures on it as the editor makes them.
struct DrawnPanel {
    PanelView ops;
    SymWingSections panel;
    RecordedView screen;

    explicit DrawnPanel(const PanelView& view, double zoom = 1, const SymWingSections& p = defaultWingPanel())
        : ops(view), panel(p), screen(zoom, view.xoff, view.yoff) {
        (panel.*ops.draw)(screen.context(), kNoEdgeSelected);
        screen.canvas.reset();
    }

    std::int32_t hitAt(double x, double y) const { return (panel.*ops.testPosition)(x, y); }
    // Mouse-down: the point, the hit code into `paint`, the start values.
    std::int32_t press(double x, double y, bool shift = false) {
        screen.view.shiftkey = shift;
        screen.pressAt(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y));
        panel.paint = hitAt(x, y);
        (panel.*ops.initMouseVal)(screen.view);
        return panel.paint;
    }
    void moveTo(double x, double y) { (panel.*ops.selects)(screen.context(), x, y); }
};

// The eight lengths of a panel, to compare a whole panel after a drag.
inline std::vector<double> lengthsOf(const SymWingSections& p) {
    return {p.span, p.length1, p.length2, p.pos1, p.pos2, p.elevation1, p.elevation2, p.shift};
}

// A drag of the default first wing panel and what it does.
struct PanelDragCase {
    const char* what;
    double zoom;
    double pressX, pressY;  // at zoom 1; scaled about the origin for other zooms
    bool shift;
    double dx, dy;  // pointer displacement in pixels
    std::int32_t code;
    std::function<void(SymWingSections&)> change;
};

// Each drag: the hit code at mouse-down, then after one move the lengths
// changed as the case says and the panel selected.
inline void expectPanelDrags(const PanelView& view, std::initializer_list<PanelDragCase> cases) {
    for (const PanelDragCase& c : cases) {
        DrawnPanel drawn(view, c.zoom);
        const double x = view.xoff + (c.pressX - view.xoff) * c.zoom;
        const double y = view.yoff + (c.pressY - view.yoff) * c.zoom;
        ASSERT_EQ(drawn.press(x, y, c.shift), c.code) << c.what;
        SymWingSections expected = drawn.panel;
        c.change(expected);
        drawn.moveTo(x + c.dx, y + c.dy);
        EXPECT_EQ(lengthsOf(drawn.panel), lengthsOf(expected)) << c.what;
        EXPECT_TRUE(drawn.panel.selected) << c.what;
    }
}

// The pointer over the default first wing panel, nothing grabbed.
struct PanelHoverCase {
    double x, y;
    std::vector<PaletteColor> colors;  // edges 2 to 5 of the right half
    bool selected;
};

// Each hover over the panel (drawn selected before): the outline and its
// mirror erased in white, the right half drawn with its lit edges, the mirror
// in black; `selected` as the pointer finds it.
inline void expectPanelHover(const PanelView& view, std::initializer_list<PanelHoverCase> cases) {
    for (const PanelHoverCase& c : cases) {
        DrawnPanel drawn(view);
        drawn.panel.selected = true;
        drawn.moveTo(c.x, c.y);
        std::vector<PaletteColor> expected(8, kWhite);
        expected.insert(expected.end(), c.colors.begin(), c.colors.end());
        expected.insert(expected.end(), 4, kBlack);
        EXPECT_EQ(colorsOf(drawn.screen.canvas.segments()), expected) << c.x << "," << c.y;
        EXPECT_EQ(drawn.panel.selected, c.selected) << c.x << "," << c.y;
    }
}

}  // namespace ferlo::testing
