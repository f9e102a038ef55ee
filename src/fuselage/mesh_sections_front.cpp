// The fuselage in the Front view, which looks along the fuselage axis:
// lateral position to the right, height up. The fuselage is not edited there;
// the view shows the selected section of the current fuselage, and a pair
// (`shift` not 0) adds its mirror image about the centre plane.

#include <algorithm>
#include <optional>
#include <utility>

#include "base/dxf_polyline.h"
#include "base/screen_outline.h"
#include "base/view_transform.h"
#include "fuselage/mesh_sections.h"
#include "base/dxf_layers.h"

namespace ferlo {

namespace {

// A section's outline closed, and its mirror image about `mirrorColumn` when
// there is one.
void drawClosedOutline(Canvas& canvas, std::span<const Point2D> outline, PaletteColor color,
                       std::optional<double> mirrorColumn) {
    drawPolyline(canvas, closedPolyline(outline), color);
    if (mirrorColumn) drawPolyline(canvas, closedPolyline(mirroredAboutColumn(outline, *mirrorColumn)), color);
}

}  // namespace

void MeshSections::computeFrontPoints(const ViewTransform& transform) {
    if (nb_cross <= 0) return;
    const int sections = static_cast<int>(storedSections());
    PointGrid<Point2D> screen;
    screen.reset(sections, std::min<int>(nb_cross, kMaxCrossPoints));
    OutlineBuilder outlines(*this);
    for (int i = 1; i <= sections; ++i) {
        const std::vector<Point2D> outline = toScreenUp(outlines.outline(i), transform);
        if (!isFinite(outline)) return;  // the points computed last stay
        for (std::size_t k = 0; k < outline.size(); ++k) screen.set(i, static_cast<int>(k + 1), outline[k]);
    }
    front_pts = std::move(screen);
}

void MeshSections::drawFront(const ViewContext& ctx) const {
    const PartDrawing drawing(ctx.canvas, this);
    const int points = nb_cross;
    if (points <= 0 || !slotOf(sel_sec) || !front_pts.contains(sel_sec, points)) return;
    std::vector<Point2D> outline;
    outline.reserve(static_cast<std::size_t>(points));
    for (int j = 1; j <= points; ++j) outline.push_back(front_pts.get(sel_sec, j));
    drawClosedOutline(ctx.canvas, outline, ctx.colors.colorInactive, pairMirror(ctx.view.xoff));
}

void MeshSections::printFront(Canvas& printer, const ViewColors& colors, int i_sections,
                              const ViewTransform& transform) const {
    const std::vector<Point2D> outline = toScreenUp(sectionOutline(i_sections), transform);
    if (isFinite(outline)) drawClosedOutline(printer, outline, colors.colorInactive, pairMirror(transform.xoff));
}

// DXF x is the lateral position, DXF y the height; the mirror images are
// reflected about the centre plane.
void MeshSections::saveDXF_front(DxfFile& file, std::int16_t fuselageId) const {
    const std::string layer = fuselageLayer(fuselageId);
    OutlineBuilder outlines(*this);
    for (int d = 1; d <= nb_sections; ++d) dxfPolyline(file, closedPolyline(outlines.outline(d)), layer);
    if (!pairMirror(0)) return;
    for (int d = 1; d <= nb_sections; ++d) {
        dxfPolyline(file, closedPolyline(mirroredAboutColumn(outlines.outline(d), 0)), layer);
    }
}

}  // namespace ferlo
