// The fuselage in the VTop view, the plan of the whole model: lateral to the
// right, the axis downward (nose up). Only the front section line can be
// grabbed; it moves the whole fuselage sideways (`shift`) or, with Shift,
// along the axis (`pos_offset`). A fuselage whose `shift` is not 0 is shown
// with the pair's other fuselage, its mirror image.

#include <cmath>
#include <span>
#include <string>

#include "base/drag_step.h"
#include "base/dxf_polyline.h"
#include "base/hit_test.h"
#include "base/screen_outline.h"
#include "base/value_reader.h"
#include "base/dxf_layers.h"
#include "fuselage/mesh_sections.h"

namespace ferlo {

namespace {

// The ring closed at its first point: from the right end of the front
// section, as the screen draws it.
std::vector<Point2D> closedAtFront(std::span<const Point2D> ring) {
    std::vector<Point2D> closed(ring.begin(), ring.end());
    if (!ring.empty()) closed.push_back(ring.front());
    return closed;
}

// The ring closed at its last point: from the left end of the front section
// across the front section line first, as the printout and the DXF drawing
// run.
std::vector<Point2D> closedAcrossFront(std::span<const Point2D> ring) {
    std::vector<Point2D> closed;
    if (ring.empty()) return closed;
    closed.push_back(ring.back());
    closed.insert(closed.end(), ring.begin(), ring.end());
    return closed;
}

}  // namespace

std::vector<Point2D> MeshSections::planRing(double centre) const {
    std::vector<Point2D> ring;
    const auto endAt = [this, centre](int d, double side) {
        return Point2D{centre + side * sectionValue(&MeshSections::sec_width, d) / 2,
                       sectionValue(&MeshSections::sec_pos, d) + pos_offset};
    };
    for (int d = 1; d <= nb_sections; ++d) ring.push_back(endAt(d, 1));
    for (int d = nb_sections; d >= 1; --d) ring.push_back(endAt(d, -1));
    return ring;
}

// The lateral positions of the fuselage and, for a pair, of its mirror image.
std::vector<double> MeshSections::pairCentres() const {
    if (shift == 0) return {shift};
    return {shift, -shift};
}

std::span<const Point2D> MeshSections::storedVTopRing() const {
    const std::size_t count = 2 * static_cast<std::size_t>(std::max<int>(nb_sections, 0));
    if (count == 0 || vtop_pts.size() < count + 1) return {};
    return std::span(vtop_pts).subspan(1, count);
}

void MeshSections::computeVTopPoints(const ViewTransform& transform) {
    if (nb_cross == 0) return;
    const std::vector<Point2D> screen = toScreenDown(planRing(shift), transform);
    if (!isFinite(screen)) return;  // the points last computed stay
    vtop_pts.assign(1, Point2D{});
    vtop_pts.insert(vtop_pts.end(), screen.begin(), screen.end());
}

void MeshSections::drawVTop(const ViewContext& ctx, std::int32_t which) const {
    const PartDrawing drawing(ctx.canvas, this);
    if (nb_cross == 0) return;
    PaletteColor color = kBlack;
    switch (which) {
        case kVTopHighlighted: color = ctx.colors.colorSelected; break;
        case kDrawInactive: color = ctx.colors.colorInactive; break;
        case kVTopErase: color = kWhite; break;
        default: break;
    }
    const std::span<const Point2D> ring = storedVTopRing();
    drawPolyline(ctx.canvas, closedAtFront(ring), color);
    if (shift != 0) drawPolyline(ctx.canvas, closedAtFront(mirroredAboutColumn(ring, ctx.view.xoff)), color);
}

std::int32_t MeshSections::testPositionVTop(double x, double y) const {
    if (nb_cross == 0) return kHitNothing;
    const std::span<const Point2D> ring = storedVTopRing();
    if (ring.empty()) return kHitNothing;
    // The front section line runs from the left end of section 1 (the ring's
    // last point) to its right end (the first).
    return hitsHorizontalEdge(x, y, ring.back(), ring.front()) ? kHitVTopFrontLine : kHitNothing;
}

void MeshSections::initMouseValVTop(const ViewState& view) {
    if (nb_cross != 0 && paint == kHitVTopFrontLine) initval = view.shiftkey ? pos_offset : shift;
}

void MeshSections::selectsVTop(const ViewContext& ctx, double x, double y) {
    if (nb_cross == 0) return;
    const ViewState& view = ctx.view;
    if (paint == kIdlePaint) {
        selected_part = testPositionVTop(x, y);
        selected = selected_part == kHitVTopFrontLine;
        if (selected) computeVTopPoints(view);
        drawVTop(ctx, selected ? kVTopHighlighted : kVTopPlain);
        return;
    }
    if (paint != kHitVTopFrontLine) return;
    const auto d = dragDisplacement(view, x, y);
    if (!d) return;
    // Dragging down moves the fuselage aft, to the right moves it (and its
    // mirror the other way) sideways.
    double& moved = view.shiftkey ? pos_offset : shift;
    const double value = initval + (view.shiftkey ? d->down : d->across);
    if (!fitsProjectFile(value)) return;
    // Erased as it was drawn, with its mirror only when it had one.
    drawVTop(ctx, kVTopErase);
    moved = value;
    computeVTopPoints(view);
    drawVTop(ctx, kVTopPlain);
}

void MeshSections::printVTop(Canvas& printer, const ViewTransform& transform) const {
    for (double centre : pairCentres()) {
        const std::vector<Point2D> outline = toScreenDown(closedAcrossFront(planRing(centre)), transform);
        if (isFinite(outline)) drawPolyline(printer, outline, kBlack);
    }
}

// DXF x is the lateral position, DXF y minus the position along the axis:
// nose up, as on the screen.
void MeshSections::saveDXF_vtop(DxfFile& file, std::int16_t fuselageId) const {
    const std::string layer = fuselageLayer(fuselageId);
    for (double centre : pairCentres()) {
        dxfPolyline(file, mirroredAboutRow(closedAcrossFront(planRing(centre)), 0), layer);
    }
}

}  // namespace ferlo
