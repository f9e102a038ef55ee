#include "ui_core/camera.h"

#include <algorithm>
#include <cmath>

#include "ui_core/matrix4.h"

namespace ferlo {

namespace {

// The light and the pitch axis take pi as 3.14: tenths of a degree to radians.
constexpr double kTenthsToRadians = 3.14 / 10.0 / 180.0;

}  // namespace

CameraTransform viewTransform(const CameraPose& pose, LengthUnit units, double pivotX) {
    // The pivot 1000 units ahead, the pans and the zoom, the model's z axis
    // up the screen, then the yaw and the pitch.
    const double a = -(pose.yaw * kTenthsToRadians);
    const Matrix4 turned = translation(0, 0, -1000) * translation(pose.panX / 5, 0, 0) *
                           translation(0, pose.panY / 5, 0) * translation(0, 0, -5 * pose.zoom) *
                           rotation(-90, 1, 0, 0) * rotation(pose.yaw / 10, 0, 0, 1) *
                           rotation(pose.pitch / 10, std::cos(a), std::sin(a), 0);

    // The light is given in the turned model's coordinates, on the viewer's side.
    const double t = pose.yaw * kTenthsToRadians;
    const double p = pose.pitch * kTenthsToRadians;
    CameraTransform transform;
    transform.lightPosition = transformPoint(turned, -1000 * std::sin(t) * std::cos(p),
                                             -1000 * std::cos(t) * std::cos(p), 1000 * std::sin(p));

    const Matrix4 scaled = units == LengthUnit::Inches ? turned * scaling(25) : turned;
    transform.modelView = scaled * translation(-pivotX, 0, 0);
    return transform;
}

double pivotBetween(double startpoint, double lengthPoint) {
    const double middle = startpoint / 2 + lengthPoint / 2;
    return std::isfinite(middle) ? middle : 0.0;
}

bool isFinite(const CameraTransform& transform) {
    auto finite = [](double value) { return std::isfinite(value); };
    return std::all_of(transform.modelView.begin(), transform.modelView.end(), finite) &&
           std::all_of(transform.lightPosition.begin(), transform.lightPosition.end(), finite);
}

Frustum frustumFor(double halfWidth, int width, int height) {
    const double halfHeight = halfWidth * std::max(height, 1) / std::max(width, 1);
    return {-halfWidth, halfWidth, -halfHeight, halfHeight, 100.0, 10000.0};
}

bool isFrustumSize(double size) { return std::isfinite(size) && size > 0.0; }

}  // namespace ferlo
