#pragma once

#include "base/view_state.h"
#include "document/plane.h"
#include "document/view_kind.h"

namespace ferlo {

// Draws every part a 2D view shows, in the view's order, with the transform
// of `ctx.view`, over what the surface holds (the caller clears it and paints
// the view's tracing picture first). VTop: every
// main-wing panel, the stabiliser, the shown fuselages (the current one
// last, in black), then the fin for reference. Front: every main-wing panel,
// the stabiliser, the selected section of the current fuselage (shown or
// not) for reference, then the fin. Side: while the parameter panels show the
// equipment tab the equipment boxes, then the shown fuselages and the fin in
// the inactive colour; otherwise the shown fuselages (the current one last,
// in black) and the fin; then the first main-wing panel and the stabiliser
// for reference. HTop: the shown fuselages (the current one last, in black,
// or all inactive while the equipment tab is open), the equipment boxes,
// then the first main-wing panel and the stabiliser for reference.
void drawView(Plane& plane, ViewKind mode, const ViewContext& ctx, bool equipmentTabOpen = false);

}  // namespace ferlo
