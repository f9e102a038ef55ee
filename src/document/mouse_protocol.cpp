#include "document/mouse_protocol.h"

#include <algorithm>
#include <cmath>
#include <limits>

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
    plane.mainWing.unselectWings();
    plane.stab.selected = false;
    plane.fin.selected = false;
    plane.equipment.equipmentSelected(false);
    plane.fuselages.current().selected = false;
}

MouseProtocol::MouseProtocol(Plane& plane, ViewState& view, Canvas& canvas)
    : plane_(plane), view_(view), canvas_(canvas) {}

void MouseProtocol::mouseDown(double x, double y) {
    view_.xloc = toPixel(x);
    view_.yloc = toPixel(y);
    const ViewContext ctx = context();
    for (const auto& step : mouseStepsOf(plane_, mode, equipmentTabOpen).down) step(ctx, x, y);
}

bool MouseProtocol::mouseMove(double x, double y) {
    // Compared in single precision, the pointer's own resolution.
    if (static_cast<float>(x) == static_cast<float>(lastMove_.x) &&
        static_cast<float>(y) == static_cast<float>(lastMove_.y)) {
        return false;
    }
    lastMove_ = {x, y};
    const ViewContext ctx = context();
    for (const auto& step : mouseStepsOf(plane_, mode, equipmentTabOpen).move) step(ctx, x, y);
    view_.firstPictureRefresh = false;
    return true;
}

void MouseProtocol::mouseUp() {
    clearHighlights(plane_);
    const ViewContext ctx = context();
    for (const auto& step : mouseStepsOf(plane_, mode, equipmentTabOpen).up) step(ctx);
    view_.shiftkey = false;
    view_.ctrlkey = false;
    view_.altkey = false;
    view_.firstPictureRefresh = false;
}

}  // namespace ferlo
