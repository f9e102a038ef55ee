#pragma once

#include "base/view_state.h"
#include "document/plane.h"
#include "document/view_kind.h"
#include "document/view_parts.h"

namespace ferlo {

// Draws the parts of a 2D view, in the view's order, with the transform of
// `ctx.view`, over what the surface holds (the caller clears it and paints
// the view's tracing picture first); `parts` names the parts drawn. VTop:
// every main-wing panel, the stabiliser, the other shown fuselages in the
// inactive colour, the current one (if shown) in black, then the fin for
// reference. Front: every main-wing panel, the stabiliser, the selected
// section of the current fuselage (shown or not) for reference, then the fin.
// Side: while the parameter panels show the equipment tab the equipment
// boxes, then the shown fuselages and the fin in the inactive colour;
// otherwise the other shown fuselages inactive, the current one in black and
// the fin; then the first main-wing panel and the stabiliser for reference.
// HTop: the other shown fuselages inactive, the current one in black (or
// inactive while the equipment tab is open), the equipment boxes, then the
// first main-wing panel and the stabiliser for reference.
void drawView(Plane& plane, ViewKind mode, const ViewContext& ctx, bool equipmentTabOpen = false,
              const ViewParts& parts = ViewParts::all());

// The fuselage list shows its current fuselage.
bool currentShown(const FuselageList& fuselages);

// Calls `action` for every shown fuselage but the current one, in list order.
template <typename Action>
void forEachOtherShownFuselage(FuselageList& fuselages, Action action) {
    for (int i = 1; i <= fuselages.nbFuselages(); ++i) {
        if (i != fuselages.currentFuselage && fuselages.shown(i)) action(fuselages.fuselage(i));
    }
}

}  // namespace ferlo
