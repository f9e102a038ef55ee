#pragma once

#include <optional>

#include "base/view_state.h"
#include "document/plane.h"
#include "document/view_kind.h"
#include "document/view_parts.h"
#include "editor/qimage_canvas.h"

namespace ferlo {

// Draws the parts of a view on `canvas`, which has just been cleared and
// given the view's tracing picture. While a drag is under way (`drag`) the
// drawing is a drag picture: the parts below the grabbed span and above it
// are kept still, the span is drawn into the moving layer, which takes the
// drawing that follows.
void drawViewPicture(QImageCanvas& canvas, Plane& plane, ViewKind mode, const ViewContext& ctx,
                     bool equipmentTabOpen, const std::optional<DragParts>& drag);

}  // namespace ferlo
