#pragma once

#include <memory>

#include <QImage>
#include <QSurfaceFormat>
#include <QWidget>

#include "base/conversion_progress.h"
#include "base/image_converter.h"
#include "base/texture_error_notifier.h"
#include "document/plane.h"
#include "ui_core/camera.h"
#include "view3d/fatal_error.h"

class QOffscreenSurface;
class QOpenGLContext;
class QOpenGLFramebufferObject;

namespace ferlo {

class SceneWindow;

// What the 3D view needs from the program: the image workspace and its
// progress window for texture images, where a failing wing-half image is
// reported (it may be reported while the view paints: the receiver shows it
// later), and where the fatal error goes.
struct SceneServices {
    ImageConverter& converter;
    ConversionProgress& progress;
    TextureErrorNotifier& textureErrors;
    FatalErrorNotifier& fatal;
};

// The 3D view of the aircraft in the editor's 3D box: a widget filled by a
// native OpenGL window (`SceneWindow`, in a window container), so the window
// system composes the 3D picture apart from the editor's other widgets. It
// draws through an OpenGL context of its own (compatibility profile) and
// shows the scene's display list under the live camera. Requests (initGL,
// initGLFrustum, renderScene, setViewTransform) may come at any time, also
// before the view is shown; they are carried out at the next frame, so any
// number of rebuilds asked for before a frame give one rebuild. Every expose
// shows the same picture again. It works at any size, 0 x 0 included.
// Rendering changes nothing in the model but the parts' 3D geometry
// (createAll) and decoded textures.
class SceneView : public QWidget {
    Q_OBJECT  // found by type among the 3D box's children

public:
    SceneView(Plane& plane, const SceneServices& services, QWidget* parent = nullptr);
    ~SceneView() override;

    // A new rendering context (the earlier one, with its display list and
    // textures, goes), the fixed state and the projection (half-width 100 at
    // the near plane, or `size`) applied in it, the committed angles set to
    // 900 and 450 tenths of a degree, the camera (0, 0, 0, 0, 0) and the scene
    // rendered. A size that is not positive and finite changes nothing.
    void initGL();
    void initGLFrustum(double size);

    // Renders the scene: with `rebuild`, or while the list is invalid, every
    // part's 3D geometry is rebuilt (createAll), the texture images decoded
    // and the list recorded anew at the next frame; otherwise the list is
    // replayed. Asks for the frame.
    void renderScene(bool rebuild);

    // The live camera from the five values, the unit and the middle of the
    // current fuselage (the origin when there is none): loaded at every frame
    // from now on, until the model's unit changes (Open, New, the
    // preferences): the next frame then shows the committed camera with the
    // new unit. It changes no camera variable and draws nothing; the
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
    // How many times the scene's geometry has been rebuilt and recorded.
    int rebuilds() const { return rebuilds_; }

    // The format of the contexts the view makes from now on.
    void setFormat(const QSurfaceFormat& format);
    // The current rendering context; none before the view first draws or
    // after it could make none.
    QOpenGLContext* context() const { return context_.get(); }
    // Makes the view's context current (on a surface of its own), as the
    // last frame left its state; and no context current again.
    void makeCurrent();
    void doneCurrent();
    // The picture a frame draws now, at the view's size: what is pending
    // carried out, drawn off the screen and read back. A null image when the
    // view has no context or no size.
    QImage grabFramebuffer();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void initialise(double frustumSize);
    // The context made when there is none; false (and the fatal error, once)
    // when none can be made, or only one without the fixed-function pipeline.
    bool ensureContext();
    // The context, its list and textures and the grab's framebuffer given up.
    void dropContext();
    QOffscreenSurface& offscreenSurface();
    // A frame in the window, when it is shown.
    void paintOnScreen();
    // Before a frame: the committed camera applied again when the model's
    // unit is not the live camera's; the geometry and textures rebuilt when
    // a rebuild is pending.
    void prepareFrame();
    // One frame into the current framebuffer of `width` x `height` pixels:
    // the projection, the camera, then the list replayed or recorded.
    void drawFrame(int width, int height);
    void recordScene();

    Plane& plane_;
    SceneServices services_;
    QSurfaceFormat format_;
    SceneWindow* window_;  // owned by its container, a child of this widget
    std::unique_ptr<QOpenGLContext> context_;
    std::unique_ptr<QOffscreenSurface> offscreen_;
    std::unique_ptr<QOpenGLFramebufferObject> grabTarget_;
    CameraState camera_;
    CameraTransform transform_;
    LengthUnit cameraUnits_ = LengthUnit::Millimeters;  // the unit the live camera was made for
    double frustumSize_ = kDefaultFrustumSize;
    bool rebuildPending_ = false;  // the geometry is rebuilt at the next frame
    bool listValid_ = false;
    bool stateApplied_ = false;  // the fixed state is in place in the current context
    bool unusable_ = false;      // no usable context: nothing is drawn
    unsigned int list_ = 0;      // the display list's name in the current context
    int rebuilds_ = 0;
};

}  // namespace ferlo
