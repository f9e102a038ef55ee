#pragma once

#include "ui_core/camera.h"

namespace ferlo {

// The fixed OpenGL state of the 3D view, in the current context: depth test
// (less or equal, cleared to 1), black clear colour, lighting with light 0
// (white, a directional light from below ahead until the camera places it),
// blending of source alpha over what is there, normals brought to unit
// length, dithering, a black material for both faces (each part sets its
// colour) and a grey global ambient of 0.45.
void applyFixedState();

// The projection of `frustum`; the model-view matrix is current afterwards.
void loadProjection(const Frustum& frustum);

// Light 0 at the camera's light position (eye coordinates), then the
// camera's model-view matrix.
void loadCamera(const CameraTransform& camera);

}  // namespace ferlo
