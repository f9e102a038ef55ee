#include "view3d/scene_view.h"

#include <stdexcept>

#include <QOpenGLContext>

#include <GL/gl.h>

#include "document/plane_operations.h"
#include "document/scene_drawing.h"
#include "view3d/gl_scene_sink.h"
#include "view3d/gl_state.h"
#include "view3d/surface_format.h"

namespace ferlo {

SceneView::SceneView(Plane& plane, const SceneServices& services, QWidget* parent)
    : QOpenGLWidget(parent), plane_(plane), services_(services) {
    setFormat(sceneSurfaceFormat());
    setViewTransform(0, 0, 0, 0, 0);
}

SceneView::~SceneView() {
    // The base class destroys the context after this object is gone.
    if (context() != nullptr) disconnect(context(), nullptr, this, nullptr);
    releaseScene();
}

void SceneView::initGL() { initialise(kDefaultFrustumSize); }

void SceneView::initGLFrustum(double size) {
    if (isFrustumSize(size)) initialise(size);
}

void SceneView::initialise(double frustumSize) {
    listValid_ = false;
    stateApplied_ = false;
    frustumSize_ = frustumSize;
    camera_.viewYaw = 900;
    camera_.viewPitch = 450;
    // The picture is drawn with yaw and pitch 0, not with the committed angles.
    setViewTransform(0, 0, 0, 0, 0);
    renderScene(false);
}

void SceneView::renderScene(bool rebuild) {
    if (rebuild || !listValid_) {
        createAll(plane_);
        decodeSceneTextures(plane_, services_.converter, services_.progress, services_.textureErrors);
        listValid_ = false;
    }
    update();
}

void SceneView::setViewTransform(double panX, double panY, double zoom, double yaw, double pitch) {
    double pivot = 0.0;
    try {
        const MeshSections& current = plane_.fuselages.current();
        pivot = pivotBetween(current.startpoint(), current.lengthPoint());
    } catch (const std::out_of_range&) {
        // No current fuselage: the pivot stays at the origin.
    }
    setCameraTransform(viewTransform({panX, panY, zoom, yaw, pitch}, plane_.units, pivot));
}

void SceneView::setCameraTransform(const CameraTransform& transform) {
    if (isFinite(transform)) transform_ = transform;
}

void SceneView::initializeGL() {
    // A new context: its state, list and textures are made again.
    list_ = 0;
    listValid_ = false;
    stateApplied_ = false;
    if (!usableContext(context())) {
        reportUnusableContext();
        return;
    }
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &SceneView::releaseScene, Qt::DirectConnection);
}

void SceneView::releaseScene() {
    if (list_ == 0) return;
    makeCurrent();
    glDeleteLists(list_, 1);
    // The parts' images went into the context's default texture, which the
    // contexts it shares with keep: give its storage back.
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 0, 0, 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
    doneCurrent();
    list_ = 0;
    listValid_ = false;
}

void SceneView::paintGL() {
    if (unusable_) return;
    if (!stateApplied_) {
        applyFixedState();
        stateApplied_ = true;
    }
    const qreal ratio = devicePixelRatioF();
    loadProjection(frustumFor(frustumSize_, static_cast<int>(width() * ratio), static_cast<int>(height() * ratio)));
    loadCamera(transform_);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (listValid_) {
        glCallList(list_);
        return;
    }
    if (list_ == 0) list_ = glGenLists(1);
    glNewList(list_, GL_COMPILE_AND_EXECUTE);
    GlSceneSink sink;
    try {
        drawScene(plane_, sink);
    } catch (const std::out_of_range&) {
        // A list count naming a part the list does not hold: the scene ends
        // there, between two parts.
    }
    glEndList();
    listValid_ = true;
}

void SceneView::showEvent(QShowEvent* event) {
    QOpenGLWidget::showEvent(event);
    checkContextMade();
}

void SceneView::resizeEvent(QResizeEvent* event) {
    QOpenGLWidget::resizeEvent(event);
    checkContextMade();
}

void SceneView::checkContextMade() {
    // The widget makes its context once it is shown with a size (a context it
    // makes but cannot use is reported by initializeGL).
    if (context() == nullptr && isVisible() && !size().isEmpty()) reportUnusableContext();
}

void SceneView::reportUnusableContext() {
    if (unusable_) return;
    unusable_ = true;
    services_.fatal.fatalError(fatalErrorTitle(), fatalErrorText(kPixelFormatError));
}

}  // namespace ferlo
