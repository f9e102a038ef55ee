#pragma once

#include <functional>
#include <vector>

#include "base/canvas.h"
#include "base/geometry.h"
#include "base/view_state.h"
#include "document/plane.h"
#include "document/view_kind.h"

namespace ferlo {

// What the parts of one 2D view do at each mouse event, each list in the
// order in which the parts are asked. A part kind joins a view by adding its
// steps here (mouse_steps.cpp); the protocol around them stays as it is.
struct ViewMouseSteps {
    using PointerStep = std::function<void(const ViewContext& ctx, double x, double y)>;
    using ReleaseStep = std::function<void(const ViewContext& ctx)>;

    // Mouse-down: each editable part takes its hit code as `paint` and
    // remembers the start values of the drag it names.
    std::vector<PointerStep> down{};
    // Mouse-move: each editable part hovers or drags and redraws itself;
    // parts the view shows but does not edit are drawn again.
    std::vector<PointerStep> move{};
    // Mouse-up: each editable part is idle again, redrawn where the view
    // redraws it.
    std::vector<ReleaseStep> up{};
};

// The steps of view `mode`. While the parameter panels show the equipment tab
// (`equipmentTabOpen`) the Side view edits the equipment boxes, not the fin,
// and the HTop view edits the boxes too.
ViewMouseSteps mouseStepsOf(Plane& plane, ViewKind mode, bool equipmentTabOpen = false);

// Clears the highlight of every part under the pointer (mouse-up).
void clearHighlights(Plane& plane);

// The mouse protocol of the 2D drawing area for the left button: what the
// editor's drawing area does with the parts at mouse-down, mouse-move and
// mouse-up, so that gestures can be driven the same way by the editor and by
// tests. The drawing area adds what is its own around these calls (tracing
// pictures, the context menu, parameter panels, the pointer shape, the 3D
// view).
class MouseProtocol {
public:
    MouseProtocol(Plane& plane, ViewState& view, Canvas& canvas);

    // The current 2D view, and whether the parameter panels show the
    // equipment tab.
    ViewKind mode = ViewKind::VTop;
    bool equipmentTabOpen = false;

    // Stores the mouse-down point in `xloc`, `yloc` (nearest whole pixel, halves
    // to even), then lets every editable part of the view take its hit code and
    // start values; several parts may be grabbed at once and move together.
    void mouseDown(double x, double y);
    // Hover or drag step of every editable part of the view. A move to the
    // position of the last processed one is dropped: returns false and does
    // nothing. Afterwards the drawing erases again (`firstPictureRefresh` off).
    bool mouseMove(double x, double y);
    // Clears every highlight, sets the parts of the view idle and redraws
    // them, then clears the modifier keys and `firstPictureRefresh`.
    void mouseUp();

private:
    ViewContext context() const { return {canvas_, view_, plane_.viewColors()}; }

    Plane& plane_;
    ViewState& view_;
    Canvas& canvas_;
    Point2D lastMove_;  // the pointer position of the last processed move
};

}  // namespace ferlo
