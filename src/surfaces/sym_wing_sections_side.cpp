// The panel in the Side and HTop views, where it is only shown for reference
// while other parts are edited: the root airfoil in profile (Side) and the
// planform with its mirror along the fuselage axis (HTop).

#include <algorithm>
#include <cmath>

#include "base/dxf_polyline.h"
#include "base/one_based.h"
#include "base/view_transform.h"
#include "base/dxf_layers.h"
#include "surfaces/sym_wing_sections.h"

namespace ferlo {

std::vector<Point2D> SymWingSections::rootSection() const {
    // The airfoil scaled by the root chord along the axis and by the root
    // chord times the relative thickness in height.
    const std::size_t count = std::min<std::size_t>(nb > 0 ? static_cast<std::size_t>(nb) : 0,
                                                    airfoil.empty() ? 0 : airfoil.size() - 1);
    std::vector<Point2D> section;
    section.reserve(count);
    for (std::size_t i = 1; i <= count; ++i) {
        section.push_back({pos1 + airfoil[i].x * length1, elevation1 + airfoil[i].z * length1 * thickness1});
    }
    return section;
}

void SymWingSections::computeSidePoints(const ViewTransform& transform) {
    std::vector<Point2D> screen{Point2D{}};
    for (const Point2D& p : rootSection()) {
        const Point2D s = transform.screenUp(p);
        if (!std::isfinite(s.x) || !std::isfinite(s.y)) return;  // keep the points last computed
        screen.push_back(s);
    }
    side_pts = std::move(screen);
}

void SymWingSections::drawSide(const ViewContext& ctx) const {
    const PartDrawing drawing(ctx.canvas, this);
    drawPolyline(ctx.canvas, closedPolyline(oneBasedEntries(side_pts)), ctx.colors.colorInactive);
}

void SymWingSections::printSide(Canvas& printer) const {
    drawPolyline(printer, closedPolyline(oneBasedEntries(side_pts)), kBlack);
}

void SymWingSections::saveDXF_side(DxfFile& file) const {
    dxfPolyline(file, closedPolyline(rootSection()), kWingLayer);
}

void SymWingSections::computeHTopPoints(const ViewTransform& transform) {
    // Along the fuselage axis to the right, the spanwise distance upward;
    // root chord first.
    const QuadOutline plan{{{},
                            {pos1, shift},
                            {pos1 + length1, shift},
                            {pos1 + pos2 + length2, shift + span},
                            {pos1 + pos2, shift + span},
                            {pos1, shift}}};
    const QuadOutline screen = toScreenUp(plan, transform);
    const QuadOutline mirror = mirroredAboutRow(screen, transform.yoff);
    if (!isFinite(screen) || !isFinite(mirror)) return;
    htop_pts = screen;
    htop_mirror_pts = mirror;
}

void SymWingSections::drawHTop(const ViewContext& ctx) const {
    const PartDrawing drawing(ctx.canvas, this);
    drawQuadOutline(ctx.canvas, htop_pts, ctx.colors.colorInactive);
    drawQuadOutline(ctx.canvas, htop_mirror_pts, ctx.colors.colorInactive);
}

}  // namespace ferlo
