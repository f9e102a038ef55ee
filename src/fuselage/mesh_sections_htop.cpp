// The fuselage in the HTop view, its plan along the axis: position to the
// right, the lateral coordinate downward. Two side lines join the ends of the
// sections, and a section line crosses each section; the side points set the
// widths, the section lines (with Shift) the positions.

#include <algorithm>
#include <array>
#include <span>
#include <utility>
#include <vector>

#include "base/drag_step.h"
#include "base/dxf_polyline.h"
#include "base/hit_test.h"
#include "base/one_based.h"
#include "base/screen_outline.h"
#include "base/view_transform.h"
#include "fuselage/mesh_sections.h"
#include "base/dxf_layers.h"

namespace ferlo {

namespace {

// The gap test keeps this distance from the section lines on either side.
constexpr double kGapMargin = 3.0;

// The plan's lines through the points of the two sides (element i of each
// span the section of display index i + 1): the first side line, the second
// side line, then the section lines. `firstColor(i)` colours the first-side
// segment ending at section i, `lineColor(i)` the section line of section i.
template <typename FirstColor, typename LineColor>
void drawPlanLines(Canvas& canvas, std::span<const Point2D> first, std::span<const Point2D> second,
                   FirstColor firstColor, PaletteColor secondColor, LineColor lineColor) {
    if (!first.empty()) {
        canvas.setCurrentPoint(first[0].x, first[0].y);
        for (std::size_t k = 1; k < first.size(); ++k) canvas.lineTo(first[k].x, first[k].y, firstColor(k + 1));
    }
    drawPolyline(canvas, second, secondColor);
    for (std::size_t k = 0; k < std::min(first.size(), second.size()); ++k) {
        canvas.line(first[k].x, first[k].y, second[k].x, second[k].y, lineColor(k + 1));
    }
}

void drawPlanLines(Canvas& canvas, std::span<const Point2D> first, std::span<const Point2D> second,
                   PaletteColor color) {
    const auto same = [color](std::size_t) { return color; };
    drawPlanLines(canvas, first, second, same, color, same);
}

// DXF y is the lateral coordinate negated: the side below the axis on the
// screen lies below the DXF x axis.
std::vector<Point2D> toDxf(std::span<const Point2D> plan) {
    std::vector<Point2D> dxf;
    dxf.reserve(plan.size());
    for (const Point2D& p : plan) dxf.push_back({p.x, -p.y});
    return dxf;
}

// Pointer y strictly between the screen rows of a section's two side points
// (the second side above the first). The rows and the pointer are compared
// as the single-precision numbers the drawing area works with.
bool acrossSection(double y, const Point2D& first, const Point2D& second) {
    const auto pointer = static_cast<float>(y);
    return static_cast<float>(second.y) < pointer && pointer < static_cast<float>(first.y);
}

}  // namespace

MeshSections::HTopPlan MeshSections::htopPlan(double lateral) const {
    HTopPlan plan;
    for (int d = 1; d <= nb_sections; ++d) {
        if (!slotOf(d)) break;
        const double position = sectionValue(&MeshSections::sec_pos, d) + pos_offset;
        const double halfWidth = sectionValue(&MeshSections::sec_width, d) / 2;
        plan.first.push_back({position, lateral + halfWidth});
        plan.second.push_back({position, lateral - halfWidth});
    }
    return plan;
}

void MeshSections::drawHTop(const ViewContext& ctx, std::int16_t selected1, std::int32_t which) {
    const PartDrawing drawing(ctx.canvas, this);
    if (nb_cross <= 0) return;
    if (selected1 != -1) selected = true;
    const HTopPlan model = htopPlan(shift);
    std::vector<Point2D> first = toScreenDown(model.first, ctx.view);
    std::vector<Point2D> second = toScreenDown(model.second, ctx.view);
    if (!isFinite(first) || !isFinite(second)) return;  // the plan drawn last stays

    drawPlanLines(ctx.canvas, oneBasedEntries(htop_pts1, htop_drawn), oneBasedEntries(htop_pts2, htop_drawn), kWhite);
    htop_drawn = first.size();
    first.insert(first.begin(), Point2D{});
    second.insert(second.begin(), Point2D{});
    htop_pts1 = std::move(first);
    htop_pts2 = std::move(second);

    const PaletteColor base = which == kDrawInactive ? ctx.colors.colorInactive : kBlack;
    const PaletteColor lit = ctx.colors.colorSelected;
    const int k = selected1;
    drawPlanLines(
        ctx.canvas, oneBasedEntries(htop_pts1), oneBasedEntries(htop_pts2),
        [&](std::size_t i) {
            const bool meetsPoint = static_cast<int>(i) == k || static_cast<int>(i) == k + 1;
            return which == kHTopPointLit && meetsPoint ? lit : base;
        },
        base, [&](std::size_t i) { return static_cast<int>(i) == k && which != kDrawInactive ? lit : base; });
}

std::int32_t MeshSections::testPositionHTop(const ViewState& view, double x, double y) {
    if (nb_cross <= 0) return kHitNothing;
    // The points of the plan drawn last, of sections that still exist.
    const auto sections = static_cast<std::size_t>(std::max<int>(nb_sections, 0));
    const std::size_t count = std::min(htop_drawn, sections);
    const auto first = oneBasedEntries(htop_pts1, count);
    const auto second = oneBasedEntries(htop_pts2, count);
    const std::size_t n = std::min(first.size(), second.size());
    std::int32_t code = kHitNothing;
    std::size_t hit = 0;  // display index of the section hit
    const auto record = [&](std::int32_t c, std::size_t section) {
        code = c;
        hit = section;
    };
    for (std::size_t i = 0; i < n; ++i) {
        if (withinHitTolerance(x, first[i].x) && acrossSection(y, first[i], second[i])) {
            record(kHitHTopSectionLine, i + 1);
        }
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (hitsCorner(x, y, first[i])) record(kHitHTopFirstSide, i + 1);
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (hitsCorner(x, y, second[i])) record(kHitHTopSecondSide, i + 1);
    }
    if (view.ctrlkey) {
        // Between two sections' lines, more than the tolerance from each, and
        // within the width of either section; the later one is selected.
        const auto pointer = static_cast<float>(x);
        for (std::size_t i = 0; i + 1 < n; ++i) {
            const bool between = static_cast<float>(first[i].x + kGapMargin) < pointer &&
                                 pointer < static_cast<float>(first[i + 1].x - kGapMargin);
            const bool inside = acrossSection(y, first[i], second[i]) || acrossSection(y, first[i + 1], second[i + 1]);
            if (between && inside) record(kHitHTopGap, i + 2);
        }
    }
    if (hit != 0) sel_sec = static_cast<std::int16_t>(hit);
    return code;
}

void MeshSections::initMouseValHTop() {
    const auto slot = slotOf(sel_sec);
    if (nb_cross <= 0 || !slot) return;
    if (paint == kHitHTopFirstSide || paint == kHitHTopSecondSide) initval = sec_width[*slot];
    if (paint == kHitHTopSectionLine) initval = sec_pos[*slot];
}

// A width drag moves the grabbed point with the pointer and the other side by
// as much the other way: twice the displacement across the axis.
bool MeshSections::dragHTop(const ViewState& view, double x, double y) {
    const auto slot = slotOf(sel_sec);
    const auto d = dragDisplacement(view, x, y);
    if (!slot || !d) return false;
    switch (paint) {
    case kHitHTopFirstSide: return assignIfSaveable({{sec_width[*slot], initval + 2 * d->down}});
    case kHitHTopSecondSide: return assignIfSaveable({{sec_width[*slot], initval - 2 * d->down}});
    case kHitHTopSectionLine: return view.shiftkey && assignIfSaveable({{sec_pos[*slot], initval + d->across}});
    default: return false;
    }
}

void MeshSections::selectsHTop(const ViewContext& ctx, double x, double y) {
    if (nb_cross <= 0) return;
    const ViewState& view = ctx.view;
    const auto redraw = [&](std::int16_t selected1, std::int32_t which) { drawHTop(ctx, selected1, which); };
    if (paint != kIdlePaint) {
        if (dragHTop(view, x, y)) redraw(sel_sec, paint == kHitHTopSectionLine ? kHTopPlain : kHTopPointLit);
        return;
    }
    selected_part = testPositionHTop(view, x, y);
    switch (selected_part) {
    case kHitHTopFirstSide:
    case kHitHTopSecondSide:
        redraw(sel_sec, kHTopPointLit);
        selected = true;
        break;
    case kHitHTopSectionLine:
        redraw(sel_sec, kHTopPlain);
        selected = true;
        break;
    case kHitNothing:
        redraw(-1, kHTopPlain);
        selected = false;
        break;
    default: break;  // over a gap the drawing and the highlight stay
    }
}

void MeshSections::printHTop(Canvas& printer, const ViewTransform& transform) const {
    const HTopPlan model = htopPlan(0);
    const std::vector<Point2D> first = toScreenDown(model.first, transform);
    const std::vector<Point2D> second = toScreenDown(model.second, transform);
    if (!isFinite(first) || !isFinite(second)) return;
    drawPlanLines(printer, first, second, kBlack);
    printer.line(0, transform.yoff, printer.width(), transform.yoff, kBlack);
}

void MeshSections::saveDXF_htop(DxfFile& file) const {
    const HTopPlan model = htopPlan(0);
    const std::vector<Point2D> first = toDxf(model.first);
    const std::vector<Point2D> second = toDxf(model.second);
    dxfPolyline(file, first, kFuselageLayer);
    dxfPolyline(file, second, kFuselageLayer);
    for (std::size_t k = 0; k < first.size(); ++k) {
        const std::array<Point2D, 2> sectionLine{second[k], first[k]};
        dxfSegments(file, sectionLine, kFuselageLayer);
    }

    // The cross-sections side by side, 10 units between the widest points of
    // neighbours, each at its true height less the fuselage's highest point
    // and 100.
    const double top = maxElevationPoint();
    double centre = 0;
    double previousWidth = 0;
    OutlineBuilder outlines(*this);
    for (int d = 1; d <= nb_sections && slotOf(d); ++d) {
        const double width = sectionValue(&MeshSections::sec_width, d);
        centre = centre + previousWidth / 2 + width / 2 + 10;
        previousWidth = width;
        std::vector<Point2D> outline = outlines.outline(d);
        for (Point2D& p : outline) p = {centre + p.x, p.y - top - 100};
        dxfPolyline(file, closedPolyline(outline), kFuselageLayer);
    }
}

}  // namespace ferlo
