#include "document/mouse_protocol.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "document/view_drawing.h"

namespace ferlo {

namespace {

// A pointer coordinate as the whole pixel the view state keeps.
std::int16_t toPixel(double value) {
    if (std::isnan(value)) return 0;
    constexpr double lowest = std::numeric_limits<std::int16_t>::min();
    constexpr double highest = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::clamp(std::nearbyint(value), lowest, highest));
}

}  // namespace

void clearHighlights(Plane& plane) {
    plane.fuselages.current().selected = false;
    plane.mainWing.unselectWings();
    plane.stab.selected = false;
    plane.fin.selected = false;
    plane.equipment.equipmentSelected(false);
}

MouseProtocol::MouseProtocol(Plane& plane, ViewState& view, Canvas& canvas)
    : plane_(plane), view_(view), canvas_(canvas) {}

SectionEdit MouseProtocol::mouseDown(double x, double y) {
    hover_.forget();
    view_.xloc = toPixel(x);
    view_.yloc = toPixel(y);
    switch (mode) {
    case ViewKind::VTop: mouseDownVTop(plane_, view_, x, y); break;
    case ViewKind::Front: mouseDownFront(plane_, view_, x, y); break;
    case ViewKind::Side: return mouseDownSide(plane_, context(), equipmentTabOpen, x, y);
    case ViewKind::HTop: return mouseDownHTop(plane_, context(), equipmentTabOpen, x, y);
    }
    return SectionEdit::None;
}

bool MouseProtocol::takesMove(double x, double y) {
    // Compared in single precision, the pointer's own resolution.
    if (static_cast<float>(x) == static_cast<float>(lastMove_.x) &&
        static_cast<float>(y) == static_cast<float>(lastMove_.y)) {
        return false;
    }
    lastMove_ = {x, y};
    return true;
}

void MouseProtocol::mouseMove(double x, double y) {
    const ViewContext ctx = context();
    const std::optional<ViewParts> span = dragSpan();
    if (!span) {
        switch (mode) {
        case ViewKind::VTop: return hoverVTop(plane_, ctx, hover_, x, y);
        case ViewKind::Front: return hoverFront(plane_, ctx, hover_, x, y);
        case ViewKind::Side: return hoverSide(plane_, ctx, equipmentTabOpen, hover_, x, y);
        case ViewKind::HTop: return hoverHTop(plane_, ctx, equipmentTabOpen, hover_, x, y);
        }
        return;
    }
    hover_.forget();
    const ViewParts& parts = *span;
    switch (mode) {
    case ViewKind::VTop: return mouseMoveVTop(plane_, ctx, parts, x, y);
    case ViewKind::Front: return mouseMoveFront(plane_, ctx, parts, x, y);
    case ViewKind::Side: return mouseMoveSide(plane_, ctx, equipmentTabOpen, parts, x, y);
    case ViewKind::HTop: return mouseMoveHTop(plane_, ctx, equipmentTabOpen, parts, x, y);
    }
}

void MouseProtocol::mouseUp() {
    hover_.forget();
    clearHighlights(plane_);
    const ViewParts parts = stepParts();
    const ViewContext ctx = context();
    switch (mode) {
    case ViewKind::VTop: return mouseUpVTop(plane_, ctx, parts);
    case ViewKind::Front: return mouseUpFront(plane_, ctx, parts);
    case ViewKind::Side: return mouseUpSide(plane_, ctx, equipmentTabOpen, parts);
    case ViewKind::HTop: return mouseUpHTop(plane_, ctx, equipmentTabOpen, parts);
    }
}

void MouseProtocol::drawView() {
    ferlo::drawView(plane_, mode, context(), equipmentTabOpen);
    hover_.viewDrawn(hoverComposition(plane_, mode, equipmentTabOpen));
}

std::optional<ViewParts> MouseProtocol::dragSpan() const { return dragSpanOf(plane_, mode, equipmentTabOpen); }

ViewParts MouseProtocol::stepParts() const { return dragSpan().value_or(ViewParts::all()); }

}  // namespace ferlo
