#include <string>
#include <string_view>

#include "base/drag_step.h"
#include "base/dxf_polyline.h"
#include "base/hit_test.h"
#include "fuselage/electro_box.h"
#include "base/follow_pointer.h"

namespace ferlo {

// What differs between the Side and the HTop view of a box.
struct ElectroBox::View {
    // The rectangle in model units, its second coordinate upward.
    QuadOutline (ElectroBox::*model)() const;
    // The rectangle last drawn on the screen.
    QuadOutline ElectroBox::*shown;
    // The ends of the handle, the edge lower on the screen, left then right.
    std::size_t handleLeft, handleRight;
    // What a drag with Shift moves; without Shift a drag moves `pos`.
    double ElectroBox::*shifted;
    EditableView<ElectroBox> editable;
};

const ElectroBox::View ElectroBox::kSide{
    &ElectroBox::sideOutline, &ElectroBox::side_pts, 1, 2, &ElectroBox::elevation,
    {&ElectroBox::testPositionSide, &ElectroBox::dragSide, &ElectroBox::drawSideLit, &ElectroBox::highlight}};

const ElectroBox::View ElectroBox::kHTop{
    &ElectroBox::htopOutline, &ElectroBox::htop_pts, 4, 3, &ElectroBox::shift,
    {&ElectroBox::testPositionHTop, &ElectroBox::dragHTop, &ElectroBox::drawHTopLit, &ElectroBox::highlight}};

namespace {

// Every edge of the rectangle: a highlighted box is drawn whole in the
// selection colour.
constexpr EdgeSelection kWholeOutline{2, 3, 4, 5};

// From the front face at `first` to the rear face at `first`, then back along
// `second`: P1 (front, first), P2 (rear, first), P3 (rear, second), P4 (front,
// second), closed.
QuadOutline rectangle(double front, double rear, double first, double second) {
    return {{{}, {front, first}, {rear, first}, {rear, second}, {front, second}, {front, first}}};
}

// "Servo_", "Receiver_" or "Accumulator_" by kind (nothing for another kind),
// then the box's place in the list.
std::string layerName(std::int32_t kind, std::int16_t servoId) {
    std::string_view prefix;
    switch (kind) {
        case ElectroBox::kServo: prefix = "Servo_"; break;
        case ElectroBox::kReceiver: prefix = "Receiver_"; break;
        case ElectroBox::kAccumulator: prefix = "Accumulator_"; break;
        default: break;
    }
    return std::string(prefix) + std::to_string(servoId);
}

}  // namespace

// Seen from the side: the bottom face first, then the top face.
QuadOutline ElectroBox::sideOutline() const {
    return rectangle(pos, pos + length, elevation, elevation + verticalExtent());
}

// Seen from above: the face at the larger lateral coordinate first.
QuadOutline ElectroBox::htopOutline() const {
    const double half = lateralExtent() / 2;
    return rectangle(pos, pos + length, shift + half, shift - half);
}

EdgeSelection ElectroBox::highlight(std::int32_t code) { return code == kHitHandle ? kWholeOutline : kNoEdgeSelected; }

void ElectroBox::drawIn(const View& view, const ViewContext& ctx, const EdgeSelection& lit) {
    const PartDrawing drawing(ctx.canvas, this);
    if (lit != kNoEdgeSelected) selected = true;
    redrawOutline(ctx, this->*view.shown, toScreenUp((this->*view.model)(), ctx.view), {kBlack, lit});
}

void ElectroBox::initMouseValIn(const View& view, const ViewState& state) {
    if (paint == kHitHandle) initval = state.shiftkey ? this->*view.shifted : pos;
}

std::int32_t ElectroBox::testPositionIn(const View& view, double x, double y) const {
    const QuadOutline& shown = this->*view.shown;
    return hitsHorizontalEdge(x, y, shown[view.handleLeft], shown[view.handleRight]) ? kHitHandle : kHitNothing;
}

bool ElectroBox::dragIn(const View& view, const ViewState& state, double x, double y) {
    if (paint != kHitHandle) return false;
    const auto d = dragDisplacement(state, x, y);
    if (!d) return false;
    return assignIfSaveable(
        {state.shiftkey ? FieldValue{this->*view.shifted, initval + d->up()} : FieldValue{pos, initval + d->across}});
}

// DXF x is the model x, DXF y the second coordinate of the view, upward.
void ElectroBox::saveDXFIn(const View& view, DxfFile& file, std::int16_t servoId) const {
    dxfPolyline(file, outlinePoints((this->*view.model)()), layerName(box, servoId));
}

void ElectroBox::drawSide(const ViewContext& ctx, std::int32_t which) {
    drawIn(kSide, ctx, which == kDrawHighlighted ? kWholeOutline : kNoEdgeSelected);
}
void ElectroBox::drawSideLit(const ViewContext& ctx, const EdgeSelection& lit) { drawIn(kSide, ctx, lit); }
void ElectroBox::initMouseValSide(const ViewState& view) { initMouseValIn(kSide, view); }
std::int32_t ElectroBox::testPositionSide(double x, double y) const { return testPositionIn(kSide, x, y); }
bool ElectroBox::dragSide(const ViewState& state, double x, double y) { return dragIn(kSide, state, x, y); }
void ElectroBox::selectsSide(const ViewContext& ctx, double x, double y) { followPointer(*this, ctx, x, y, kSide.editable); }
void ElectroBox::saveDXF_side(DxfFile& file, std::int16_t servoId) const { saveDXFIn(kSide, file, servoId); }

void ElectroBox::drawHTop(const ViewContext& ctx, std::int32_t which) {
    drawIn(kHTop, ctx, which == kDrawHighlighted ? kWholeOutline : kNoEdgeSelected);
}
void ElectroBox::drawHTopLit(const ViewContext& ctx, const EdgeSelection& lit) { drawIn(kHTop, ctx, lit); }
void ElectroBox::initMouseValHTop(const ViewState& view) { initMouseValIn(kHTop, view); }
std::int32_t ElectroBox::testPositionHTop(double x, double y) const { return testPositionIn(kHTop, x, y); }
bool ElectroBox::dragHTop(const ViewState& state, double x, double y) { return dragIn(kHTop, state, x, y); }
void ElectroBox::selectsHTop(const ViewContext& ctx, double x, double y) { followPointer(*this, ctx, x, y, kHTop.editable); }
void ElectroBox::saveDXF_htop(DxfFile& file, std::int16_t servoId) const { saveDXFIn(kHTop, file, servoId); }

}  // namespace ferlo
