#include "surfaces/vert_wing_section.h"

#include <algorithm>

namespace ferlo {

namespace {

using EdgeList = std::array<std::int16_t, 4>;

// The edges lit while a hit code is hovered or dragged (edge k joins corner
// k - 1 and corner k: 2 root, 3 trailing edge, 4 tip, 5 leading edge);
// nothing for a code that names no element.
std::optional<EdgeList> sideEdgesLit(std::int32_t code) {
    switch (code) {
        case VertWingSection::kTipEdge: return EdgeList{4, -1, -1, -1};
        case VertWingSection::kRootEdge: return EdgeList{2, 3, 4, 5};
        case VertWingSection::kTipTrailingCorner: return EdgeList{3, 4, -1, -1};
        case VertWingSection::kRootTrailingCorner: return EdgeList{2, 3, -1, -1};
        case VertWingSection::kTipLeadingCorner: return EdgeList{4, 5, -1, -1};
        case VertWingSection::kRootLeadingCorner: return EdgeList{2, 5, -1, -1};
        case VertWingSection::kNothing: return EdgeList{-1, -1, -1, -1};
        default: return std::nullopt;
    }
}

}  // namespace

// Seen from the side: root leading edge, root trailing edge, tip trailing
// edge, tip leading edge.
QuadCorners VertWingSection::sideCorners() const {
    const double tipLeading = pos1 + pos2;
    const double tipHeight = shift + span;
    return {{{pos1, shift}, {pos1 + length1, shift}, {tipLeading + length2, tipHeight}, {tipLeading, tipHeight}}};
}

void VertWingSection::drawSide(const ViewContext& context, double zoom, double xoff, double yoff,
                               std::int16_t selected1, std::int16_t selected2, std::int16_t selected3,
                               std::int16_t selected4, std::int32_t which) {
    if (selected1 != -1) selected = true;
    if (!context.view.firstPictureRefresh) drawQuad(context.canvas, side_pts, uniformEdgeColors(kWhite));
    if (const auto points = quadOnScreen(sideCorners(), zoom, xoff, yoff)) side_pts = *points;

    const EdgeList lit{selected1, selected2, selected3, selected4};
    QuadEdgeColors colors{};
    for (int edge = 2; edge <= 5; ++edge) {
        PaletteColor& color = colors[static_cast<std::size_t>(edge - 2)];
        color = std::find(lit.begin(), lit.end(), edge) != lit.end() ? context.colors.colorSelected : kBlack;
        if (which == kDrawInactive) color = context.colors.colorInactive;
    }
    drawQuad(context.canvas, side_pts, colors);
}

// The tests run in this order and the last match wins: a corner over the
// edge it ends, and 8 over 7 over 3 over 2 where corners lie close together.
std::int32_t VertWingSection::testPositionSide(double x, double y) const {
    const QuadScreenPoints& p = side_pts;
    std::int32_t code = kNothing;
    if (hitsHorizontalEdge(x, y, p[1], p[2])) code = kRootEdge;
    if (hitsHorizontalEdge(x, y, p[4], p[3])) code = kTipEdge;
    if (hitsCorner(x, y, p[3])) code = kTipTrailingCorner;
    if (hitsCorner(x, y, p[2])) code = kRootTrailingCorner;
    if (hitsCorner(x, y, p[4])) code = kTipLeadingCorner;
    if (hitsCorner(x, y, p[1])) code = kRootLeadingCorner;
    return code;
}

void VertWingSection::initMouseValSide(const ViewState& view) {
    switch (paint) {
        case kTipEdge: initval = view.shiftkey ? span : pos2; break;
        case kRootEdge: initval = view.shiftkey ? shift : pos1; break;
        case kTipTrailingCorner: initval = length2; break;
        case kRootTrailingCorner: initval = length1; break;
        case kTipLeadingCorner:
            initval = length2;
            initval2 = pos2;
            break;
        case kRootLeadingCorner:
            initval = length1;
            initval2 = pos1;
            initval3 = pos2;
            break;
        default: break;
    }
}

// The edges move along the axis, with Shift up or down; a corner follows the
// pointer's x only, the opposite corner staying where it is.
void VertWingSection::applySideDrag(const DragDelta& d, bool shiftkey) {
    switch (paint) {
        case kTipEdge:
            assignAllFinite({shiftkey ? std::pair{&span, initval + d.up} : std::pair{&pos2, initval + d.across}});
            break;
        case kRootEdge:
            assignAllFinite({shiftkey ? std::pair{&shift, initval + d.up} : std::pair{&pos1, initval + d.across}});
            break;
        case kTipTrailingCorner: assignAllFinite({{&length2, initval + d.across}}); break;
        case kRootTrailingCorner: assignAllFinite({{&length1, initval + d.across}}); break;
        case kTipLeadingCorner: assignAllFinite({{&length2, initval - d.across}, {&pos2, initval2 + d.across}}); break;
        case kRootLeadingCorner:
            assignAllFinite(
                {{&length1, initval - d.across}, {&pos1, initval2 + d.across}, {&pos2, initval3 - d.across}});
            break;
        default: break;
    }
}

void VertWingSection::selectsSide(const ViewContext& context, double x, double y) {
    const ViewState& view = context.view;
    if (paint == kIdlePaint) {
        selected_part = testPositionSide(x, y);
        const EdgeList lit = *sideEdgesLit(selected_part);
        drawSide(context, view.zoom, view.xoff, view.yoff, lit[0], lit[1], lit[2], lit[3], kDrawEditable);
        selected = selected_part != kNothing;
        return;
    }
    const auto lit = sideEdgesLit(paint);
    const auto delta = dragDelta(view, x, y);
    if (!lit || !delta) return;
    applySideDrag(*delta, view.shiftkey);
    drawSide(context, view.zoom, view.xoff, view.yoff, (*lit)[0], (*lit)[1], (*lit)[2], (*lit)[3], kDrawEditable);
}

void VertWingSection::printSide(Canvas& printer, double zoom, double xoff, double yoff) const {
    if (const auto points = quadOnScreen(sideCorners(), zoom, xoff, yoff)) {
        drawQuad(printer, *points, uniformEdgeColors(kBlack));
    }
}

// DXF x is the model x, DXF y the height.
void VertWingSection::saveDXF_side(DxfFile& file) const { writeQuadDxf(file, sideCorners(), "Fin"); }

}  // namespace ferlo
