#pragma once

#include <cstdint>

#include "base/screen_outline.h"
#include "base/view_state.h"

namespace ferlo {

// The operations of a part in one 2D view where it is edited, for the
// mouse-move step below.
template <typename Part>
struct EditableView {
    std::int32_t (Part::*testPosition)(double x, double y) const;
    // One drag step of the element `paint` names; false when nothing changed.
    bool (Part::*drag)(const ViewState& view, double x, double y);
    // The redraw with lit edges.
    void (Part::*draw)(const ViewContext& ctx, const EdgeSelection& lit);
    // The edges a hit code lights.
    EdgeSelection (*highlight)(std::int32_t code);
};

// The mouse-move step of a part in a view where it is edited. While nothing
// is grabbed (`paint` idle, which is also the code of nothing under the
// pointer): the hover test (kept in `selected_part` by a part that has one),
// the redraw with the edges under the pointer lit, and `selected`. Otherwise
// one drag step of `paint` and, when it changed the part, the redraw with the
// grabbed element lit.
template <typename Part>
void followPointer(Part& part, const ViewContext& ctx, double x, double y, const EditableView<Part>& view) {
    if (part.paint == Part::kIdlePaint) {
        const std::int32_t code = (part.*view.testPosition)(x, y);
        if constexpr (requires { part.selected_part; }) part.selected_part = code;
        (part.*view.draw)(ctx, view.highlight(code));
        part.selected = code != Part::kIdlePaint;
    } else if ((part.*view.drag)(ctx.view, x, y)) {
        (part.*view.draw)(ctx, view.highlight(part.paint));
    }
}

}  // namespace ferlo
