#pragma once

#include <cstdint>
#include <vector>

#include "support/default_aircraft.h"
#include "support/view_testing.h"
#include "surfaces/sym_wing_sections.h"

namespace ferlo::testing {

// The operations of a panel in one view where it is edited.
struct PanelViewOps {
    void (SymWingSections::*draw)(const ViewContext&, double, double, double, const EdgeSelection&);
    std::int32_t (SymWingSections::*testPosition)(double, double) const;
    void (SymWingSections::*initMouseVal)(const ViewState&);
    void (SymWingSections::*selects)(const ViewContext&, double, double);
};

inline constexpr PanelViewOps kVTopOps{&SymWingSections::drawVTop, &SymWingSections::testPositionVTop,
                                       &SymWingSections::initMouseValVTop, &SymWingSections::selectsVTop};
inline constexpr PanelViewOps kFrontOps{&SymWingSections::drawFront, &SymWingSections::testPositionFront,
                                        &SymWingSections::initMouseValFront, &SymWingSections::selectsFront};

// A panel drawn once in a view on a recording canvas, whose recording then
// starts empty; mouse gestures on it as the editor makes them.
struct DrawnPanel {
    PanelViewOps ops;
    SymWingSections panel;
    RecordedView screen;

    DrawnPanel(const PanelViewOps& viewOps, const SymWingSections& p, double zoom, double xoff, double yoff)
        : ops(viewOps), panel(p), screen(zoom, xoff, yoff) {
        (panel.*ops.draw)(screen.context(), zoom, xoff, yoff, kNoEdgeSelected);
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

}  // namespace ferlo::testing
