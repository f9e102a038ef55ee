#include "base/drag_step.h"
#include "base/dxf_polyline.h"
#include "base/hit_test.h"
#include "base/dxf_layers.h"
#include "base/follow_pointer.h"
#include "base/planform_drag.h"
#include "surfaces/vert_wing_section.h"

namespace ferlo {

// Seen from the side: root leading edge, root trailing edge, tip trailing
// edge, tip leading edge.
QuadOutline VertWingSection::sideOutline() const {
    const double tipLeading = pos1 + pos2;
    const double tipHeight = shift + span;
    return {{{}, {pos1, shift}, {pos1 + length1, shift}, {tipLeading + length2, tipHeight}, {tipLeading, tipHeight},
             {pos1, shift}}};
}

// Edge k joins corner k - 1 and corner k: 2 root, 3 trailing edge, 4 tip,
// 5 leading edge.
EdgeSelection VertWingSection::sideHighlight(std::int32_t code) {
    switch (code) {
        case kHitTipEdge: return {4, -1, -1, -1};
        case kHitRootEdge: return {2, 3, 4, 5};
        case kHitTipTrailingCorner: return {3, 4, -1, -1};
        case kHitRootTrailingCorner: return {2, 3, -1, -1};
        case kHitTipLeadingCorner: return {4, 5, -1, -1};
        case kHitRootLeadingCorner: return {2, 5, -1, -1};
        default: return kNoEdgeSelected;
    }
}

void VertWingSection::drawSide(const ViewContext& ctx, std::int16_t selected1, std::int16_t selected2,
                               std::int16_t selected3, std::int16_t selected4, std::int32_t which) {
    const PartDrawing drawing(ctx.canvas, this);
    if (selected1 != -1) selected = true;
    // The inactive colour wins over a highlight.
    const OutlineStyle style = which == kDrawInactive
                                   ? OutlineStyle{ctx.colors.colorInactive}
                                   : OutlineStyle{kBlack, {selected1, selected2, selected3, selected4}};
    redrawOutline(ctx, side_pts, toScreenUp(sideOutline(), ctx.view), style);
}

void VertWingSection::drawSideLit(const ViewContext& ctx, const EdgeSelection& lit) {
    drawSide(ctx, lit[0], lit[1], lit[2], lit[3], kDrawEditable);
}

// The tests run in this order and the last match wins: a corner over the
// edge it ends, and 8 over 7 over 3 over 2 where corners lie close together.
std::int32_t VertWingSection::testPositionSide(double x, double y) const {
    const QuadOutline& p = side_pts;
    std::int32_t code = kHitNothing;
    if (hitsHorizontalEdge(x, y, p[1], p[2])) code = kHitRootEdge;
    if (hitsHorizontalEdge(x, y, p[4], p[3])) code = kHitTipEdge;
    if (hitsCorner(x, y, p[3])) code = kHitTipTrailingCorner;
    if (hitsCorner(x, y, p[2])) code = kHitRootTrailingCorner;
    if (hitsCorner(x, y, p[4])) code = kHitTipLeadingCorner;
    if (hitsCorner(x, y, p[1])) code = kHitRootLeadingCorner;
    return code;
}

void VertWingSection::initMouseValSide(const ViewState& view) { startPlanformDrag(*this, view.shiftkey); }

// The chord runs across the screen (aft to the right), the span up: the edges
// move along the axis, with Shift up or down, and a corner follows the
// pointer's x only.
bool VertWingSection::dragSide(const ViewState& view, double x, double y) {
    const auto d = dragDisplacement(view, x, y);
    return d && dragPlanform(*this, view.shiftkey, d->across, d->up());
}

void VertWingSection::selectsSide(const ViewContext& ctx, double x, double y) {
    followPointer(*this, ctx, x, y,
                  EditableView<VertWingSection>{&VertWingSection::testPositionSide, &VertWingSection::dragSide,
                                                &VertWingSection::drawSideLit, &sideHighlight});
}

void VertWingSection::printSide(Canvas& printer, const ViewTransform& transform) const {
    const QuadOutline screen = toScreenUp(sideOutline(), transform);
    if (isFinite(screen)) drawQuadOutline(printer, screen, kBlack);
}

// DXF x is the model x, DXF y the height.
void VertWingSection::saveDXF_side(DxfFile& file) const { dxfPolyline(file, outlinePoints(sideOutline()), kFinLayer); }

}  // namespace ferlo
