#pragma once

#include "base/view_state.h"
#include "document/plane.h"
#include "document/view_parts.h"

namespace ferlo {

// What a mouse-down's Ctrl section edit did in the Side or HTop view.
enum class SectionEdit { None, Inserted, Removed };

// The drawing area's mouse protocol with the parts, one function per view
// and event, each in the order the parts are asked.
//
// Mouse-down: every part the view edits takes its hit code as `paint` and
// the start values of the drag it names; several parts may be grabbed at
// once and move together. In the Side and HTop views, with Ctrl, a click
// into the gap between two sections of the current fuselage inserts a
// section there and a click on a section line removes that section; either
// ends the gesture (the fuselage is left idle).
//
// Mouse-move and mouse-up redraw the parts named by `parts`: the whole view,
// or while a drag is under way the grabbed span, the drawing surface keeping
// what does not move as drawn at the grab. Parts outside `parts` neither
// hover nor redraw. At mouse-up every part the view edits is idle again, and
// every part a move may have drawn lit is redrawn without its highlight.
void mouseDownVTop(Plane& plane, const ViewState& view, double x, double y);
void mouseMoveVTop(Plane& plane, const ViewContext& ctx, const ViewParts& parts, double x, double y);
void mouseUpVTop(Plane& plane, const ViewContext& ctx, const ViewParts& parts);

void mouseDownFront(Plane& plane, const ViewState& view, double x, double y);
void mouseMoveFront(Plane& plane, const ViewContext& ctx, const ViewParts& parts, double x, double y);
void mouseUpFront(Plane& plane, const ViewContext& ctx, const ViewParts& parts);

// While the parameter panels show the equipment tab (`equipmentTabOpen`)
// the Side and HTop views edit the equipment boxes only.
SectionEdit mouseDownSide(Plane& plane, const ViewContext& ctx, bool equipmentTabOpen, double x, double y);
void mouseMoveSide(Plane& plane, const ViewContext& ctx, bool equipmentTabOpen, const ViewParts& parts, double x,
                   double y);
void mouseUpSide(Plane& plane, const ViewContext& ctx, bool equipmentTabOpen, const ViewParts& parts);

SectionEdit mouseDownHTop(Plane& plane, const ViewContext& ctx, bool equipmentTabOpen, double x, double y);
void mouseMoveHTop(Plane& plane, const ViewContext& ctx, bool equipmentTabOpen, const ViewParts& parts, double x,
                   double y);
void mouseUpHTop(Plane& plane, const ViewContext& ctx, bool equipmentTabOpen, const ViewParts& parts);

}  // namespace ferlo
