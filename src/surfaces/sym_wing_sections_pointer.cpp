#include "surfaces/sym_wing_sections.h"

namespace ferlo {

void SymWingSections::followPointer(const ViewContext& ctx, double x, double y, const EditableView& view) {
    const ViewState& state = ctx.view;
    if (paint == kIdlePaint) {
        selected_part = (this->*view.testPosition)(x, y);
        (this->*view.draw)(ctx, state.zoom, state.xoff, state.yoff, view.highlight(selected_part));
        selected = selected_part != kHitNothing;
    } else if ((this->*view.drag)(state, x, y)) {
        (this->*view.draw)(ctx, state.zoom, state.xoff, state.yoff, view.highlight(paint));
    }
}

}  // namespace ferlo
