// The panel in the VTop view: the plan of the whole model, span across and
// the fuselage axis downward (nose up). The root chord moves the whole panel,
// the tip chord the tip (with Shift: the spanwise position and the span), and
// each corner stretches its chord.

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/drag_step.h"
#include "base/dxf_polyline.h"
#include "base/hit_test.h"
#include "base/dxf_layers.h"
#include "base/follow_pointer.h"
#include "base/planform_drag.h"
#include "surfaces/sym_wing_sections.h"

namespace ferlo {

QuadOutline SymWingSections::vtopOutline() const {
    return {{{},
             {shift, pos1},
             {shift + span, pos1 + pos2},
             {shift + span, pos1 + pos2 + length2},
             {shift, pos1 + length1},
             {shift, pos1}}};
}

namespace {

// The largest of the values, from 0, as a whole number (halves to even).
std::int16_t roundedMaximum(double a, double b, double c, double d) {
    const double largest = std::max({0.0, a, b, c, d});
    return static_cast<std::int16_t>(std::nearbyint(std::min(largest, double{std::numeric_limits<std::int16_t>::max()})));
}

}  // namespace

EdgeSelection SymWingSections::vtopHighlight(std::int32_t code) {
    switch (code) {
    case kHitTipEdge: return {3, -1, -1, -1};
    case kHitRootEdge: return {2, 3, 4, 5};
    case kHitTipTrailingCorner: return {3, 4, -1, -1};
    case kHitRootTrailingCorner: return {5, 4, -1, -1};
    case kHitTipLeadingCorner: return {2, 3, -1, -1};
    case kHitRootLeadingCorner: return {2, 5, -1, -1};
    default: return kNoEdgeSelected;
    }
}

void SymWingSections::drawVTop(const ViewContext& ctx, const EdgeSelection& lit) {
    const PartDrawing drawing(ctx.canvas, this);
    if (lit[0] != -1) selected = true;
    redrawOutline(ctx, vtop_pts, toScreenDown(vtopOutline(), ctx.view), {kBlack, lit, ctx.view.xoff});
}

std::int32_t SymWingSections::testPositionVTop(double x, double y) const {
    const QuadOutline& p = vtop_pts;
    // In this order, a later hit replacing an earlier one: corners win over edges.
    std::int32_t code = kHitNothing;
    if (hitsVerticalEdge(x, y, p[1], p[4])) code = kHitRootEdge;
    if (hitsVerticalEdge(x, y, p[2], p[3])) code = kHitTipEdge;
    if (hitsCorner(x, y, p[3])) code = kHitTipTrailingCorner;
    if (hitsCorner(x, y, p[2])) code = kHitTipLeadingCorner;
    if (hitsCorner(x, y, p[4])) code = kHitRootTrailingCorner;
    if (hitsCorner(x, y, p[1])) code = kHitRootLeadingCorner;
    return code;
}

void SymWingSections::initMouseValVTop(const ViewState& view) { startPlanformDrag(*this, view.shiftkey); }

// The chord runs down the screen (aft), the span across it.
bool SymWingSections::dragVTop(const ViewState& view, double x, double y) {
    const auto d = dragDisplacement(view, x, y);
    return d && dragPlanform(*this, view.shiftkey, d->down, d->across);
}

void SymWingSections::selectsVTop(const ViewContext& ctx, double x, double y) {
    followPointer(*this, ctx, x, y,
                  EditableView<SymWingSections>{&SymWingSections::testPositionVTop, &SymWingSections::dragVTop,
                                                &SymWingSections::drawVTop, &vtopHighlight});
}

std::int16_t SymWingSections::xMaxVtopGet() const {
    const QuadOutline& p = vtop_pts;
    return roundedMaximum(p[1].x, p[2].x, p[3].x, p[4].x);
}

std::int16_t SymWingSections::yMaxVtopGet() const {
    const QuadOutline& p = vtop_pts;
    return roundedMaximum(p[1].y, p[2].y, p[3].y, p[4].y);
}

void SymWingSections::printVTop(Canvas& printer, const ViewTransform& transform) const {
    const QuadOutline screen = toScreenDown(vtopOutline(), transform);
    if (!isFinite(screen)) return;
    drawQuadOutline(printer, screen, kBlack);
    drawQuadOutline(printer, mirroredAboutColumn(screen, transform.xoff), kBlack);
}

void SymWingSections::saveDXF_vtop(DxfFile& file) const {
    // Nose up in the drawing: the longitudinal axis is negated.
    const QuadOutline plan = mirroredAboutRow(vtopOutline(), 0);
    const QuadOutline mirror = mirroredAboutColumn(plan, 0);
    dxfSegments(file, outlinePoints(plan), kWingLayer);
    dxfSegments(file, outlinePoints(mirror), kWingLayer);
}

}  // namespace ferlo
