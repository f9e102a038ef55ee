#pragma once

#include <array>

#include "base/units.h"

namespace ferlo {

// The 3D view's camera variables (angles in tenths of a degree, pans and
// zoom in the 3D box's mouse units) and the state of a mouse drag on the
// box, for its mouse handlers. The view transform never writes them.
struct CameraState {
    double viewYaw = 0.0;    // committed yaw
    double viewPitch = 0.0;  // committed pitch
    double viewPanX = 0.0;   // committed pans: a fifth of a model unit each
    double viewPanY = 0.0;   // positive moves the model up
    double viewZoom = 0.0;   // committed zoom: 5 model units away each
    bool rotateDrag = false;  // left button
    bool zoomDrag = false;    // left button with Shift
    bool panDrag = false;     // right button
    double rotateOriginX = 0.0;  // mouse X - viewYaw at the mouse-down
    double rotateOriginY = 0.0;  // mouse Y - viewPitch
    double panOriginX = 0.0;     // mouse X - viewPanX
    double panOriginY = 0.0;     // mouse Y + viewPanY
    double zoomOrigin = 0.0;     // mouse Y - viewZoom
};

// The five values of a camera: pans, zoom (a distance) and the two angles
// in tenths of a degree.
struct CameraPose {
    double panX = 0.0;
    double panY = 0.0;
    double zoom = 0.0;
    double yaw = 0.0;
    double pitch = 0.0;
};

// What the 3D view loads for a camera: the model-view matrix (column-major,
// as OpenGL takes it) and light 0's position in eye coordinates (a
// positional light on the viewer's side of the pivot).
struct CameraTransform {
    std::array<double, 16> modelView{};
    std::array<double, 4> lightPosition{};
};

// Where the fixed state puts light 0 (eye coordinates): a directional light
// from below ahead, until a camera places it.
inline constexpr std::array<double, 4> kFixedLightPosition{0, -1000, 1000, 0};

// The camera circles a pivot 1000 model units in front of the eye: it moves
// the model by the pans (a fifth of a unit each) and the zoom (5 units away
// each), turns the model's z axis up the screen, turns by the yaw about the
// model's vertical axis and by the pitch about the model's x axis turned
// back by the yaw; it places the light 1000 units from the pivot towards the
// viewer; a model in inches is scaled by 25 (shown about the size of the same
// model in millimetres); and the model point (`pivotX`, 0, 0) becomes the
// pivot. In the light and the pitch axis, pi is taken as 3.14.
CameraTransform viewTransform(const CameraPose& pose, LengthUnit units, double pivotX);

// The pivot along the fuselage axis: the middle of the current fuselage's
// front and rear ends, or the origin when that is not a finite number.
double pivotBetween(double startpoint, double lengthPoint);

// Whether every number of the transform is finite.
bool isFinite(const CameraTransform& transform);

// The perspective projection: the near plane's half-width `halfWidth` at
// distance 100, its half-height halfWidth x height / width, the far plane at
// 10000. A width or height below 1 pixel counts as 1, so the view has a
// projection at any size.
struct Frustum {
    double left, right, bottom, top, nearPlane, farPlane;
};
Frustum frustumFor(double halfWidth, int width, int height);

// The half-width the 3D view starts with (a horizontal opening of 90
// degrees), and whether a size asked for can be one (positive and finite).
inline constexpr double kDefaultFrustumSize = 100.0;
bool isFrustumSize(double size);

}  // namespace ferlo
