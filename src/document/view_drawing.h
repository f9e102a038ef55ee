#pragma once

#include "base/view_state.h"
#include "document/plane.h"
#include "document/view_kind.h"

namespace ferlo {

// Sets up a 2D view: clears the drawing surface and draws every part the view
// shows, in the view's order, with the transform of `ctx.view`. VTop and
// Front: every main-wing panel, the stabiliser, then the fin (in VTop for
// reference). Side: while the parameter panels show the equipment tab the
// equipment boxes and the fin in the inactive colour, otherwise the fin
// alone; then the first main-wing panel and the stabiliser for reference.
// HTop: the equipment boxes, then the first main-wing panel and the
// stabiliser, for reference.
void drawView(Plane& plane, ViewKind mode, const ViewContext& ctx, bool equipmentTabOpen = false);

}  // namespace ferlo
