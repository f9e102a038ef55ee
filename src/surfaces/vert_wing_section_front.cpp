#include "base/drag_step.h"
#include "base/hit_test.h"
#include "surfaces/vert_wing_section.h"

namespace ferlo {

// Seen from the front: the trapezoid of the maximum thickness (relative
// thickness x chord at root and tip), centred on the offsets. Corners: root
// left, root right, tip right, tip left.
QuadOutline VertWingSection::frontOutline() const {
    const double rootHalf = thickness1 * length1 / 2;
    const double tipHalf = thickness2 * length2 / 2;
    const double tipCentre = offset1 + offset2;
    const double tipHeight = shift + span;
    const Point2D rootLeft{offset1 - rootHalf, shift};
    return {{{}, rootLeft, {offset1 + rootHalf, shift}, {tipCentre + tipHalf, tipHeight}, {tipCentre - tipHalf, tipHeight},
             rootLeft}};
}

void VertWingSection::computeFrontPoints(const ViewTransform& transform) {
    const QuadOutline screen = toScreenUp(frontOutline(), transform);
    if (!isFinite(screen)) return;
    front_pts = screen;
    front_twin = isTwin();
}

void VertWingSection::drawFront(const ViewContext& ctx, std::int32_t which) const {
    const PartDrawing drawing(ctx.canvas, this);
    PaletteColor color = kBlack;
    if (which == kDrawInactive) color = ctx.colors.colorInactive;
    if (which == kDrawErase) color = kWhite;
    drawWithTwin(ctx.canvas, front_pts, front_twin, color, ctx.view.xoff);
}

// Only the fin itself answers, never the mirrored one of a twin fin.
std::int32_t VertWingSection::testPositionFront(double x, double y) const {
    std::int32_t code = kHitNothing;
    if (hitsHorizontalEdge(x, y, front_pts[1], front_pts[2])) code = kHitRootEdge;
    if (hitsHorizontalEdge(x, y, front_pts[4], front_pts[3])) code = kHitTipEdge;
    return code;
}

// Without Shift the edges move sideways, with Shift up or down.
void VertWingSection::initMouseValFront(const ViewState& view) {
    if (paint == kHitRootEdge) initval = view.shiftkey ? shift : offset1;
    if (paint == kHitTipEdge) initval = view.shiftkey ? span : offset2;
}

void VertWingSection::selectsFront(const ViewContext& ctx, double x, double y) {
    const ViewState& view = ctx.view;
    // Hover: the Front view highlights nothing, it redraws the fin in black.
    selected_part = testPositionFront(x, y);
    computeFrontPoints(view);
    drawFront(ctx, kDrawNormal);
    selected = selected_part != kHitNothing;

    if (paint != kHitRootEdge && paint != kHitTipEdge) return;
    const auto d = dragDisplacement(view, x, y);
    if (!d) return;
    double& field = paint == kHitRootEdge ? (view.shiftkey ? shift : offset1) : (view.shiftkey ? span : offset2);
    assignIfSaveable({{field, initval + (view.shiftkey ? d->up() : d->across)}});
    drawFront(ctx, kDrawErase);
    computeFrontPoints(view);
    drawFront(ctx, kDrawNormal);
}

void VertWingSection::printFront(Canvas& printer, const ViewTransform& transform) const {
    const QuadOutline screen = toScreenUp(frontOutline(), transform);
    if (isFinite(screen)) drawWithTwin(printer, screen, isTwin(), kBlack, transform.xoff);
}

// DXF x is the lateral y, DXF y the height.
void VertWingSection::saveDXF_front(DxfFile& file) const { writeWithTwin(file, frontOutline()); }

}  // namespace ferlo
