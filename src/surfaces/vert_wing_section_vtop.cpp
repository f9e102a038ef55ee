#include "surfaces/vert_wing_section.h"

namespace ferlo {

// Seen from above: the rectangle under the root section, its maximum
// thickness wide and the root chord long, aft pointing down the drawing
// (drawing y is minus the model x). Corners: leading edge right, trailing
// edge right, trailing edge left, leading edge left. Tip and sweep do not show.
QuadCorners VertWingSection::vtopCorners() const {
    const double half = thickness1 * length1 / 2;
    const double trailing = pos1 + length1;
    return {{{offset1 + half, -pos1}, {offset1 + half, -trailing}, {offset1 - half, -trailing}, {offset1 - half, -pos1}}};
}

void VertWingSection::computeVTopPoints(double zoom, double xoff, double yoff) {
    if (const auto points = quadOnScreen(vtopCorners(), zoom, xoff, yoff)) vtop_pts = *points;
}

// Shown for reference in the inactive colour; nothing is erased.
void VertWingSection::drawVTop(const ViewContext& context) const {
    drawWithTwin(context.canvas, vtop_pts, context.colors.colorInactive, context.view.xoff);
}

// DXF x is the lateral y, DXF y minus the model x.
void VertWingSection::saveDXF_vtop(DxfFile& file) const { writeWithTwin(file, vtopCorners()); }

}  // namespace ferlo
