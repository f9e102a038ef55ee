#pragma once

#include <cstdint>

#include "base/drag_step.h"

namespace ferlo {

// The hit codes a panel gives the edges and corners of its planform: the
// trapezoid of the root chord `length1` starting at `pos1`, and the tip chord
// `length2` starting `pos2` aft of the root's leading edge, `span` out from
// the root, which stands at `shift`. The wing panels edit it in the VTop view,
// the fin in the Side view.
struct PlanformCodes {
    std::int32_t tipEdge;
    std::int32_t rootEdge;
    std::int32_t tipTrailingCorner;
    std::int32_t rootTrailingCorner;
    std::int32_t tipLeadingCorner;
    std::int32_t rootLeadingCorner;
};

// Mouse-down: the start values (`initval` to `initval3`) of the drag of the
// element `paint` names. With Shift the edges move spanwise (the root: the
// whole panel; the tip: the span), without it chordwise.
template <PlanformCodes codes, typename Panel>
void startPlanformDrag(Panel& panel, bool shiftKey) {
    switch (panel.paint) {
    case codes.tipEdge: panel.initval = shiftKey ? panel.span : panel.pos2; break;
    case codes.rootEdge: panel.initval = shiftKey ? panel.shift : panel.pos1; break;
    case codes.tipTrailingCorner: panel.initval = panel.length2; break;
    case codes.rootTrailingCorner: panel.initval = panel.length1; break;
    case codes.tipLeadingCorner:
        panel.initval = panel.length2;
        panel.initval2 = panel.pos2;
        break;
    case codes.rootLeadingCorner:
        panel.initval = panel.length1;
        panel.initval2 = panel.pos1;
        panel.initval3 = panel.pos2;
        break;
    default: break;
    }
}

// One drag step of the element `paint` names, the pointer `aft` along the
// chord and `spanwise` toward the tip from the mouse-down point (model
// units). A trailing corner stretches its chord; a leading corner moves the
// leading edge along the chord while the trailing edge stays, the root's
// keeping the tip where it was. False when nothing changed (nothing grabbed,
// or a value that would not be finite).
template <PlanformCodes codes, typename Panel>
bool dragPlanform(Panel& panel, bool shiftKey, double aft, double spanwise) {
    switch (panel.paint) {
    case codes.tipEdge:
        return shiftKey ? assignIfFinite({{panel.span, panel.initval + spanwise}})
                        : assignIfFinite({{panel.pos2, panel.initval + aft}});
    case codes.rootEdge:
        return shiftKey ? assignIfFinite({{panel.shift, panel.initval + spanwise}})
                        : assignIfFinite({{panel.pos1, panel.initval + aft}});
    case codes.tipTrailingCorner: return assignIfFinite({{panel.length2, panel.initval + aft}});
    case codes.rootTrailingCorner: return assignIfFinite({{panel.length1, panel.initval + aft}});
    case codes.tipLeadingCorner:
        return assignIfFinite({{panel.length2, panel.initval - aft}, {panel.pos2, panel.initval2 + aft}});
    case codes.rootLeadingCorner:
        return assignIfFinite(
            {{panel.length1, panel.initval - aft}, {panel.pos1, panel.initval2 + aft}, {panel.pos2, panel.initval3 - aft}});
    default: return false;
    }
}

}  // namespace ferlo
