#pragma once

#include <vector>

#include "ui_core/camera.h"

namespace ferlo {

// The 3D box's mouse: buttons and modifiers as bit sets (1 left, 2 right,
// 4 middle; 1 Shift, 2 Ctrl, 4 Alt), positions in the box's twips.
inline constexpr int kMouseLeft = 1;
inline constexpr int kMouseRight = 2;
inline constexpr int kShiftAlone = 1;

// The committed zoom stays within these bounds (both excluded).
inline constexpr double kMinViewZoom = -200;
inline constexpr double kMaxViewZoom = 1800;

// Mouse down: the left button turns (with Shift alone it zooms), the right
// button shifts. Each drag remembers its origin so that the view does not
// jump when it starts.
void startCameraDrags(CameraState& camera, int button, int shift, double x, double y);

// Mouse move: the camera to show for each drag under way, in the order
// turn, zoom, shift; no committed value changes.
std::vector<CameraPose> dragPoses(const CameraState& camera, double x, double y);

// Mouse up, whatever the button: every drag under way ends and commits its
// values; a zoom outside the bounds keeps the committed zoom. True when such
// a zoom was refused, so that the picture still shows it.
bool endCameraDrags(CameraState& camera, double x, double y);

// The committed camera's five values.
CameraPose committedPose(const CameraState& camera);

}  // namespace ferlo
