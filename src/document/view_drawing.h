#pragma once

#include "base/view_state.h"
#include "document/plane.h"
#include "document/view_kind.h"

namespace ferlo {

// Sets up a 2D view: clears the drawing surface and draws every part the view
// shows, in the view's order, with the transform of `ctx.view`. VTop and
// Front: every main-wing panel, then the stabiliser; Side and HTop: the first
// main-wing panel and the stabiliser, for reference.
void drawView(Plane& plane, ViewKind mode, const ViewContext& ctx);

}  // namespace ferlo
