#pragma once

#include <optional>

#include "base/canvas.h"
#include "base/geometry.h"
#include "base/view_state.h"
#include "document/mouse_steps.h"
#include "document/plane.h"
#include "document/view_kind.h"
#include "document/view_parts.h"

namespace ferlo {

// The mouse protocol of the 2D drawing area with the parts of the current
// view (the rows of mouse_steps.h), so that the editor's drawing area and
// tests drive gestures the same way. The drawing area adds around these
// calls what is its own (tracing pictures, the popup menu, parameter
// panels, the pointer shape, the modifier keys, the 3D view).
class MouseProtocol {
public:
    MouseProtocol(Plane& plane, ViewState& view, Canvas& canvas);

    // The current 2D view, and whether the parameter panels show the
    // equipment tab.
    ViewKind mode = ViewKind::VTop;
    bool equipmentTabOpen = false;

    // Stores the mouse-down point in `xloc`, `yloc` (nearest whole pixel,
    // halves to even, within the 16-bit range), then lets the parts of the
    // view take their hit codes and start values.
    SectionEdit mouseDown(double x, double y);
    // False for a move to the position of the last one taken (compared in
    // single precision): such a move changes nothing. Otherwise the position
    // is taken.
    bool takesMove(double x, double y);
    // While a drag is under way the grabbed span moves and redraws; else
    // the parts the view edits hover, and those whose highlight changes are
    // drawn again (the surface keeps the rest of the view as it was drawn).
    void mouseMove(double x, double y);
    // Mouse-up: every highlight cleared, the parts of the view idle and
    // redrawn without highlight (the grabbed span only, while a drag was
    // under way).
    void mouseUp();

    // The grabbed span of the drag under way in the view; nothing while no
    // part is grabbed.
    std::optional<ViewParts> dragSpan() const;

    // Draws the whole view over what the surface holds (the caller clears
    // it first): every part plain, as the hover steps then know.
    void drawView();

private:
    ViewContext context() const { return {canvas_, view_, plane_.viewColors()}; }
    // What a move or a mouse-up redraws.
    ViewParts stepParts() const;

    Plane& plane_;
    ViewState& view_;
    Canvas& canvas_;
    Point2D lastMove_;  // the pointer position of the last move taken
    HoverMemory hover_;
};

// Clears the highlight of every part under the pointer.
void clearHighlights(Plane& plane);

}  // namespace ferlo
