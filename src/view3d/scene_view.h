#pragma once

#include <QOpenGLWidget>

#include "base/conversion_progress.h"
#include "base/image_converter.h"
#include "base/texture_error_notifier.h"
#include "document/plane.h"
#include "view3d/camera.h"
#include "view3d/fatal_error.h"

namespace ferlo {

// What the 3D view needs from the program: the image workspace and its
// progress window for texture images, where a failing wing-half image is
// reported (shown by the caller once rendering is over), and where the
// fatal error goes.
struct SceneServices {
    ImageConverter& converter;
    ConversionProgress& progress;
    TextureErrorNotifier& textureErrors;
    FatalErrorNotifier& fatal;
};

// The 3D view of the aircraft in the editor's 3D box: an OpenGL widget
// (compatibility profile) that shows the scene's display list under the live
// camera. Requests (initGL, initGLFrustum, renderScene, setViewTransform) may
// come at any time, also before the widget is shown; the widget carries them
// out in its own context when it paints, and paints the same picture again on
// every expose. A context the widget creates again (after reparenting) gets
// the fixed state, the list and the textures again. It works at any size,
// 0 x 0 included. Rendering changes nothing in the model but the parts' 3D
// geometry (createAll) and decoded textures.
class SceneView : public QOpenGLWidget {
public:
    SceneView(Plane& plane, const SceneServices& services, QWidget* parent = nullptr);
    ~SceneView() override;

    // The fixed state and the projection (half-width 100 at the near
    // plane, or `size`) applied again, the list marked invalid, the committed
    // angles set to 900 and 450 tenths of a degree, the camera (0, 0, 0, 0, 0)
    // and the scene rendered. A size that is not positive and finite changes
    // nothing.
    void initGL();
    void initGLFrustum(double size);

    // Renders the scene: with `rebuild`, or while the list is invalid, every
    // part's 3D geometry is rebuilt (createAll), the texture images decoded
    // and the list recorded anew at the next paint; otherwise the list is
    // replayed. Schedules the paint.
    void renderScene(bool rebuild);

    // The live camera from the five values, the unit and the middle of the
    // current fuselage (the origin when there is none): loaded at every paint
    // from now on. It changes no camera variable and draws nothing; the
    // caller renders afterwards. A camera that is not finite is ignored.
    void setViewTransform(double panX, double panY, double zoom, double yaw, double pitch);
    // The live camera given whole (the flying preview's view and light),
    // likewise.
    void setCameraTransform(const CameraTransform& transform);

    // The camera variables and drag state, for the 3D box's mouse handlers.
    CameraState& camera() { return camera_; }
    const CameraState& camera() const { return camera_; }

    // Whether the display list holds the current scene.
    bool listValid() const { return listValid_; }
    // The near plane's half-width.
    double frustumSize() const { return frustumSize_; }

protected:
    void initializeGL() override;
    void paintGL() override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void initialise(double frustumSize);
    // The fatal error, once, when the widget could make no context, or none
    // it can draw with.
    void checkContextMade();
    void reportUnusableContext();
    // Gives back the display list and the texture storage of a context that
    // is about to go.
    void releaseScene();

    Plane& plane_;
    SceneServices services_;
    CameraState camera_;
    CameraTransform transform_;
    double frustumSize_ = kDefaultFrustumSize;
    bool listValid_ = false;
    bool stateApplied_ = false;  // the fixed state is in place in the current context
    bool unusable_ = false;      // no usable context: nothing is drawn
    unsigned int list_ = 0;      // the display list's name in the current context
};

}  // namespace ferlo
