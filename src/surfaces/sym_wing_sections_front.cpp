// The panel in the Front view: span across, height up. Each end of the panel
// is a vertical bar as tall as the maximum thickness of its section, centred
// on the section's height; the root bar moves the whole panel, the tip bar
// sets the dihedral (with Shift: the spanwise position and the span).

#include "base/drag_step.h"
#include "base/dxf_polyline.h"
#include "base/hit_test.h"
#include "base/dxf_layers.h"
#include "base/follow_pointer.h"
#include "surfaces/sym_wing_sections.h"

namespace ferlo {

QuadOutline SymWingSections::frontOutline() const {
    const double d1 = thickness1 * length1 / 2;
    const double d2 = thickness2 * length2 / 2;
    const double tipHeight = elevation1 + elevation2;
    return {{{},
             {shift, elevation1 - d1},
             {shift + span, tipHeight - d2},
             {shift + span, tipHeight + d2},
             {shift, elevation1 + d1},
             {shift, elevation1 - d1}}};
}

EdgeSelection SymWingSections::frontHighlight(std::int32_t code) {
    switch (code) {
    case kHitTipEdge: return {3, -1, -1, -1};
    case kHitRootEdge: return {2, 3, 4, 5};
    default: return kNoEdgeSelected;
    }
}

void SymWingSections::drawFront(const ViewContext& ctx, const EdgeSelection& lit) {
    const PartDrawing drawing(ctx.canvas, this);
    if (lit[0] != -1) selected = true;
    redrawOutline(ctx, front_pts, toScreenUp(frontOutline(), ctx.view), {kBlack, lit, ctx.view.xoff});
}

std::int32_t SymWingSections::testPositionFront(double x, double y) const {
    const QuadOutline& p = front_pts;
    std::int32_t code = kHitNothing;
    if (hitsVerticalEdge(x, y, p[4], p[1])) code = kHitRootEdge;
    if (hitsVerticalEdge(x, y, p[3], p[2])) code = kHitTipEdge;
    return code;
}

void SymWingSections::initMouseValFront(const ViewState& view) {
    if (paint == kHitRootEdge) initval = view.shiftkey ? shift : elevation1;
    if (paint == kHitTipEdge) initval = view.shiftkey ? span : elevation2;
}

bool SymWingSections::dragFront(const ViewState& view, double x, double y) {
    const auto d = dragDisplacement(view, x, y);
    if (!d) return false;
    switch (paint) {
    case kHitRootEdge:
        return view.shiftkey ? assignIfSaveable({{shift, initval + d->across}})
                             : assignIfSaveable({{elevation1, initval + d->up()}});
    case kHitTipEdge:
        return view.shiftkey ? assignIfSaveable({{span, initval + d->across}})
                             : assignIfSaveable({{elevation2, initval + d->up()}});
    default: return false;
    }
}

void SymWingSections::selectsFront(const ViewContext& ctx, double x, double y) {
    followPointer(*this, ctx, x, y,
                  EditableView<SymWingSections>{&SymWingSections::testPositionFront, &SymWingSections::dragFront,
                                                &SymWingSections::drawFront, &frontHighlight});
}

void SymWingSections::printFront(Canvas& printer, const ViewColors& colors, const ViewTransform& transform) const {
    const QuadOutline screen = toScreenUp(frontOutline(), transform);
    if (!isFinite(screen)) return;
    drawQuadOutline(printer, screen, kBlack);
    drawQuadOutline(printer, mirroredAboutColumn(screen, transform.xoff), kBlack);
    // The symmetry plane, from the top of the printable area down to twice
    // the depth of the model origin.
    printer.line(transform.xoff, 0, transform.xoff, 2 * transform.yoff, colors.colorInactive);
}

void SymWingSections::saveDXF_front(DxfFile& file) const {
    const QuadOutline silhouette = frontOutline();
    const QuadOutline mirror = mirroredAboutColumn(silhouette, 0);
    dxfPolyline(file, outlinePoints(silhouette), kWingLayer);
    dxfPolyline(file, outlinePoints(mirror), kWingLayer);
}

}  // namespace ferlo
