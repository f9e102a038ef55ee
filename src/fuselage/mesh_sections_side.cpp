// The fuselage in the Side view: its profile, the axis to the right and
// heights up. A section line moves its section up and down (with Shift along
// the axis), a top point changes the section's height, a bottom point its
// bottom with the top kept. With Ctrl the editor inserts a section where a gap
// is clicked and removes the section whose line is clicked.

#include <algorithm>
#include <span>
#include <string>
#include <utility>

#include "base/drag_step.h"
#include "base/dxf_polyline.h"
#include "base/hit_test.h"
#include "base/screen_outline.h"
#include "base/dxf_layers.h"
#include "fuselage/mesh_sections.h"

namespace ferlo {

namespace {

// The three kinds of line of a profile, for their colours.
enum class ProfileLine { Top, Bottom, Section };

// A profile of as many sections as both spans hold: the top polyline, the
// bottom polyline, then each section line from its bottom to its top.
// `colorOf(line, i)` is the colour of the segment ending at point i, or of
// section line i (i from 1).
template <typename ColorOf>
void drawProfile(Canvas& canvas, std::span<const Point2D> top, std::span<const Point2D> bottom, ColorOf colorOf) {
    const std::size_t count = std::min(top.size(), bottom.size());
    if (count == 0) return;
    for (auto [points, line] : {std::pair{top, ProfileLine::Top}, std::pair{bottom, ProfileLine::Bottom}}) {
        canvas.setCurrentPoint(points[0].x, points[0].y);
        for (std::size_t k = 1; k < count; ++k) canvas.lineTo(points[k].x, points[k].y, colorOf(line, k + 1));
    }
    for (std::size_t k = 0; k < count; ++k) {
        canvas.line(bottom[k].x, bottom[k].y, top[k].x, top[k].y, colorOf(ProfileLine::Section, k + 1));
    }
}

// The pointer lies strictly inside the vertical span of a section on the screen.
bool withinSpan(double y, const Point2D& top, const Point2D& bottom) { return top.y < y && y < bottom.y; }

}  // namespace

MeshSections::SideProfile MeshSections::sideProfile() const {
    SideProfile profile;
    for (int d = 1; d <= nb_sections; ++d) {
        const double x = sectionValue(&MeshSections::sec_pos, d) + pos_offset;
        const double elevation = sectionValue(&MeshSections::sec_elevation, d);
        const double height = sectionValue(&MeshSections::sec_height, d);
        profile.top.push_back({x, elevation + height + elevation_offset});
        profile.bottom.push_back({x, elevation + elevation_offset});
    }
    return profile;
}

std::optional<MeshSections::SideProfile> MeshSections::sideProfileOnScreen(const ViewTransform& transform) const {
    const SideProfile model = sideProfile();
    SideProfile screen{toScreenUp(model.top, transform), toScreenUp(model.bottom, transform)};
    if (!isFinite(screen.top) || !isFinite(screen.bottom)) return std::nullopt;
    return screen;
}

std::size_t MeshSections::shownSideSections() const {
    const std::size_t stored = std::min(side_top_pts.size(), side_bottom_pts.size());
    return std::min({side_shown, stored > 0 ? stored - 1 : 0, static_cast<std::size_t>(std::max<int>(nb_sections, 0))});
}

void MeshSections::drawSide(const ViewContext& ctx, std::int16_t selected1, std::int32_t which) {
    const PartDrawing drawing(ctx.canvas, this);
    if (nb_cross == 0) return;
    if (selected1 != -1) selected = true;
    const auto screen = sideProfileOnScreen(ctx.view);
    if (!screen) return;  // the profile on the screen stays

    const bool inactive = which == kDrawInactive;
    const std::size_t shown = shownSideSections();
    if (!inactive && shown > 0) {
        drawProfile(ctx.canvas, std::span(side_top_pts).subspan(1, shown), std::span(side_bottom_pts).subspan(1, shown),
                    [](ProfileLine, std::size_t) { return kWhite; });
    }

    side_top_pts.assign(1, Point2D{});
    side_top_pts.insert(side_top_pts.end(), screen->top.begin(), screen->top.end());
    side_bottom_pts.assign(1, Point2D{});
    side_bottom_pts.insert(side_bottom_pts.end(), screen->bottom.begin(), screen->bottom.end());
    side_shown = screen->top.size();

    // Section line `selected1` is lit whatever `which` is; a lit point also
    // lights the two segments of its line that meet there.
    const long k = selected1;
    drawProfile(ctx.canvas, screen->top, screen->bottom, [&](ProfileLine line, std::size_t i) {
        if (inactive) return ctx.colors.colorInactive;
        const long index = static_cast<long>(i);
        const bool meetsPoint = index == k || index == k + 1;
        const bool lit = line == ProfileLine::Section  ? index == k
                         : line == ProfileLine::Top    ? which == kHitSideTopPoint && meetsPoint
                                                       : which == kHitSideBottomPoint && meetsPoint;
        return lit ? ctx.colors.colorSelected : kBlack;
    });
}

void MeshSections::printSide(Canvas& printer, const ViewTransform& transform) const {
    if (const auto screen = sideProfileOnScreen(transform)) {
        drawProfile(printer, screen->top, screen->bottom, [](ProfileLine, std::size_t) { return kBlack; });
    }
}

std::int32_t MeshSections::testPositionSide(double x, double y, bool ctrlkey) {
    if (nb_cross == 0) return kHitNothing;
    const std::size_t n = shownSideSections();
    const std::vector<Point2D>& top = side_top_pts;
    const std::vector<Point2D>& bottom = side_bottom_pts;
    // In this order, a later hit replacing an earlier one: gap over bottom
    // point over top point over section line, the higher section of a kind
    // over the lower.
    std::int32_t code = kHitNothing;
    const auto hit = [&](std::int32_t hitCode, std::size_t section) {
        code = hitCode;
        sel_sec = static_cast<std::int16_t>(section);
    };
    for (std::size_t i = 1; i <= n; ++i) {
        if (hitsVerticalEdge(x, y, top[i], bottom[i])) hit(kHitSideSectionLine, i);
    }
    for (std::size_t i = 1; i <= n; ++i) {
        if (hitsCorner(x, y, top[i])) hit(kHitSideTopPoint, i);
    }
    for (std::size_t i = 1; i <= n; ++i) {
        if (hitsCorner(x, y, bottom[i])) hit(kHitSideBottomPoint, i);
    }
    if (ctrlkey) {
        // Between two section lines, more than the tolerance from both, and
        // level with one of the two sections; a section inserted there takes
        // the later one's number.
        for (std::size_t i = 1; i < n; ++i) {
            const bool between = bottom[i].x + kHitTolerance < x && x < bottom[i + 1].x - kHitTolerance;
            if (between && (withinSpan(y, top[i], bottom[i]) || withinSpan(y, top[i + 1], bottom[i + 1]))) {
                hit(kHitSideGap, i + 1);
            }
        }
    }
    return code;
}

void MeshSections::initMouseValSide(const ViewState& view) {
    const auto slot = slotOf(sel_sec);
    if (!slot) return;
    const std::size_t s = *slot;
    switch (paint) {
        case kHitSideSectionLine: initval = view.shiftkey ? sec_pos[s] : sec_elevation[s]; break;
        case kHitSideTopPoint: initval = sec_height[s]; break;
        case kHitSideBottomPoint:
            initval = sec_elevation[s];
            initval2 = sec_elevation[s] + sec_height[s];
            break;
        case kHitSideGap: initval = sec_pos[s]; break;
        default: break;
    }
}

// Heights follow the pointer up, positions across; the drag is absolute,
// from the values remembered at mouse-down.
bool MeshSections::dragSide(const ViewState& view, double x, double y) {
    const auto slot = slotOf(sel_sec);
    if (!slot) return false;
    const auto d = dragDisplacement(view, x, y);
    if (!d) return false;
    double& pos = sec_pos[*slot];
    double& elevation = sec_elevation[*slot];
    double& height = sec_height[*slot];
    switch (paint) {
        case kHitSideSectionLine:
            return assignIfSaveable(
                {view.shiftkey ? FieldValue{pos, initval + d->across} : FieldValue{elevation, initval + d->up()}});
        case kHitSideTopPoint: return assignIfSaveable({{height, initval + d->up()}});
        case kHitSideBottomPoint: {
            // The top, remembered in initval2, stays where it was.
            const double bottom = initval + d->up();
            return assignIfSaveable({{elevation, bottom}, {height, initval2 - bottom}});
        }
        default: return false;  // a gap's section was inserted at mouse-down
    }
}

void MeshSections::selectsSide(const ViewContext& ctx, double x, double y) {
    if (nb_cross == 0) return;
    const ViewState& view = ctx.view;
    if (paint == kIdlePaint) {
        selected_part = testPositionSide(x, y, view.ctrlkey);
        const bool lit = selected_part == kHitSideSectionLine || selected_part == kHitSideTopPoint ||
                         selected_part == kHitSideBottomPoint;
        if (lit) {
            drawSide(ctx, sel_sec, selected_part);
        } else {
            drawSide(ctx, -1, kHitSideSectionLine);
        }
        selected = lit;
    } else if (dragSide(view, x, y)) {
        drawSide(ctx, sel_sec, paint);
    }
}

// DXF x is the position along the axis, DXF y the height.
void MeshSections::saveDXF_side(DxfFile& file, std::int16_t fuselageId) const {
    const SideProfile profile = sideProfile();
    const std::string layer = fuselageLayer(fuselageId);
    dxfPolyline(file, profile.top, layer);
    dxfPolyline(file, profile.bottom, layer);
    for (std::size_t k = 0; k < profile.top.size(); ++k) {
        const Point2D& b = profile.bottom[k];
        const Point2D& t = profile.top[k];
        dxfLine(file, b.x, b.y, 0, t.x, t.y, 0, layer);
    }
}

}  // namespace ferlo
