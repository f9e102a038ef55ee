#pragma once

#include "base/drag_step.h"

namespace ferlo {

// The drag of a panel's planform: the trapezoid of the root chord `length1`
// starting at `pos1`, and the tip chord `length2` starting `pos2` aft of the
// root's leading edge, `span` out from the root, which stands at `shift`. The
// wing panels edit it in the VTop view, the fin in the Side view; both name
// the hit codes of its edges and corners `kHitTipEdge`, `kHitRootEdge`,
// `kHitTipTrailingCorner`, `kHitRootTrailingCorner`, `kHitTipLeadingCorner`
// and `kHitRootLeadingCorner`.

// Mouse-down: the start values (`initval` to `initval3`) of the drag of the
// element `paint` names. With Shift the edges move spanwise (the root: the
// whole panel; the tip: the span), without it chordwise.
template <typename Panel>
void startPlanformDrag(Panel& panel, bool shiftKey) {
    switch (panel.paint) {
    case Panel::kHitTipEdge: panel.initval = shiftKey ? panel.span : panel.pos2; break;
    case Panel::kHitRootEdge: panel.initval = shiftKey ? panel.shift : panel.pos1; break;
    case Panel::kHitTipTrailingCorner: panel.initval = panel.length2; break;
    case Panel::kHitRootTrailingCorner: panel.initval = panel.length1; break;
    case Panel::kHitTipLeadingCorner:
        panel.initval = panel.length2;
        panel.initval2 = panel.pos2;
        break;
    case Panel::kHitRootLeadingCorner:
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
// or a value a project file could not hold).
template <typename Panel>
bool dragPlanform(Panel& panel, bool shiftKey, double aft, double spanwise) {
    switch (panel.paint) {
    case Panel::kHitTipEdge:
        return shiftKey ? assignIfSaveable({{panel.span, panel.initval + spanwise}})
                        : assignIfSaveable({{panel.pos2, panel.initval + aft}});
    case Panel::kHitRootEdge:
        return shiftKey ? assignIfSaveable({{panel.shift, panel.initval + spanwise}})
                        : assignIfSaveable({{panel.pos1, panel.initval + aft}});
    case Panel::kHitTipTrailingCorner: return assignIfSaveable({{panel.length2, panel.initval + aft}});
    case Panel::kHitRootTrailingCorner: return assignIfSaveable({{panel.length1, panel.initval + aft}});
    case Panel::kHitTipLeadingCorner:
        return assignIfSaveable({{panel.length2, panel.initval - aft}, {panel.pos2, panel.initval2 + aft}});
    case Panel::kHitRootLeadingCorner:
        return assignIfSaveable(
            {{panel.length1, panel.initval - aft}, {panel.pos1, panel.initval2 + aft}, {panel.pos2, panel.initval3 - aft}});
    default: return false;
    }
}

}  // namespace ferlo
