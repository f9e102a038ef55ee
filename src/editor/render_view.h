#pragma once

#include "ui_core/camera.h"

class QWidget;

namespace ferlo {

// What the editor asks of the 3D view in its box: its rendering state set up,
// a render (with `rebuild` the aircraft's 3D geometry and scene are made
// anew, without it the last scene is shown again), the camera (pan, zoom and
// two angles in tenths of a degree, or a whole transform during a flight) and
// the camera variables with the 3D box's drag state. The rendering context
// goes with the widget.
class RenderView {
public:
    virtual ~RenderView() = default;

    // The widget shown in the 3D box.
    virtual QWidget* widget() = 0;
    virtual void initGL() = 0;
    // A new projection whose near half-width is `size` (a positive number).
    virtual void initGLFrustum(double size) = 0;
    virtual void renderScene(bool rebuild) = 0;
    virtual void setViewTransform(double panX, double panY, double zoom, double yaw, double pitch) = 0;
    virtual void setCameraTransform(const CameraTransform& transform) = 0;
    virtual CameraState& camera() = 0;

    double viewZoom() { return camera().viewZoom; }
    void setViewZoom(double zoom) { camera().viewZoom = zoom; }
};

}  // namespace ferlo
