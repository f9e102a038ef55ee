#include "surfaces/vert_wing_section.h"

namespace ferlo {

// Seen from above: the rectangle under the root section, its maximum
// thickness wide and the root chord long. Corners: leading edge right,
// trailing edge right, trailing edge left, leading edge left. Tip and sweep
// do not show.
QuadOutline VertWingSection::vtopOutline() const {
    const double half = thickness1 * length1 / 2;
    const double trailing = pos1 + length1;
    const Point2D leadingRight{offset1 + half, pos1};
    return {{{}, leadingRight, {offset1 + half, trailing}, {offset1 - half, trailing}, {offset1 - half, pos1},
             leadingRight}};
}

// Aft is down the screen.
void VertWingSection::computeVTopPoints(const ViewTransform& transform) {
    const QuadOutline screen = toScreenDown(vtopOutline(), transform);
    if (isFinite(screen)) vtop_pts = screen;
}

// Shown for reference in the inactive colour; nothing is erased.
void VertWingSection::drawVTop(const ViewContext& ctx) const {
    const PartDrawing drawing(ctx.canvas, this);
    drawWithTwin(ctx.canvas, vtop_pts, isTwin(), ctx.colors.colorInactive, ctx.view.xoff);
}

// DXF x is the lateral y, DXF y minus the model x: nose up, as on the screen.
void VertWingSection::saveDXF_vtop(DxfFile& file) const { writeWithTwin(file, mirroredAboutRow(vtopOutline(), 0)); }

}  // namespace ferlo
