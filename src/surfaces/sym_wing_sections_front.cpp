// The panel in the Front view: span across, height up. Each end of the panel
// is a vertical bar as tall as the maximum thickness of its section, centred
// on the section's height; the root bar moves the whole panel, the tip bar
// sets the dihedral (with Shift: the spanwise position and the span).

#include <cmath>

#include "base/drag_step.h"
#include "base/dxf_polyline.h"
#include "base/view_transform.h"
#include "surfaces/sym_wing_sections.h"
#include "surfaces/wing_layers.h"

namespace ferlo {

QuadOutline SymWingSections::frontSilhouette() const {
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

namespace {

// Heights grow upward on the screen.
QuadOutline frontScreenOutline(const QuadOutline& silhouette, const ViewTransform& transform) {
    return mapOutline(silhouette, [&transform](const Point2D& p) { return transform.screenUp(p); });
}

}  // namespace

EdgeSelection SymWingSections::frontHighlight(std::int32_t code) {
    switch (code) {
    case kHitTipEdge: return {3, -1, -1, -1};
    case kHitRootEdge: return {2, 3, 4, 5};
    default: return kNoEdgeSelected;
    }
}

void SymWingSections::drawFront(const ViewContext& ctx, double zoom, double xoff, double yoff,
                                const EdgeSelection& lit) {
    if (lit[0] != -1) selected = true;
    redrawMirroredOutline(ctx, frontPoints, frontScreenOutline(frontSilhouette(), {zoom, xoff, yoff}), xoff, lit);
}

std::int32_t SymWingSections::testPositionFront(double x, double y) const {
    const QuadOutline& p = frontPoints;
    std::int32_t code = kHitNothing;
    if (std::abs(x - p[1].x) < 3 && p[4].y < y && y < p[1].y) code = kHitRootEdge;
    if (std::abs(x - p[2].x) < 3 && p[3].y < y && y < p[2].y) code = kHitTipEdge;
    return code;
}

void SymWingSections::initMouseValFront(const ViewState& view) {
    if (paint == kHitRootEdge) initval = view.shiftkey ? shift : elevation1;
    if (paint == kHitTipEdge) initval = view.shiftkey ? span : elevation2;
}

bool SymWingSections::dragFront(const ViewState& view, double x, double y) {
    const auto d = dragDisplacement(view, x, y);
    if (!d) return false;
    const double up = -d->down;
    switch (paint) {
    case kHitRootEdge:
        return view.shiftkey ? assignIfFinite({{shift, initval + d->across}})
                             : assignIfFinite({{elevation1, initval + up}});
    case kHitTipEdge:
        return view.shiftkey ? assignIfFinite({{span, initval + d->across}})
                             : assignIfFinite({{elevation2, initval + up}});
    default: return false;
    }
}

void SymWingSections::selectsFront(const ViewContext& ctx, double x, double y) {
    followPointer(ctx, x, y, {&SymWingSections::testPositionFront, &SymWingSections::dragFront, &SymWingSections::drawFront, &frontHighlight});
}

void SymWingSections::printFront(Canvas& printer, const ViewColors& colors, double zoom, double xoff,
                                 double yoff) const {
    const QuadOutline screen = frontScreenOutline(frontSilhouette(), {zoom, xoff, yoff});
    if (!isFinite(screen)) return;
    drawQuadOutline(printer, screen, kBlack);
    drawQuadOutline(printer, mirroredAboutColumn(screen, xoff), kBlack);
    // The symmetry plane, from the top of the printable area down to twice
    // the depth of the model origin.
    printer.line(xoff, 0, xoff, 2 * yoff, colors.colorInactive);
}

void SymWingSections::saveDXF_front(DxfFile& file) const {
    const QuadOutline silhouette = frontSilhouette();
    const QuadOutline mirror = mirroredAboutColumn(silhouette, 0);
    dxfPolyline(file, std::span(silhouette).subspan(1), kWingLayer);
    dxfPolyline(file, std::span(mirror).subspan(1), kWingLayer);
}

}  // namespace ferlo
