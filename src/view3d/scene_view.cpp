#include "view3d/scene_view.h"

#include <stdexcept>

#include <QCoreApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QVBoxLayout>

#include <GL/gl.h>

#include "document/plane_operations.h"
#include "document/scene_drawing.h"
#include "ui_core/camera_drag.h"
#include "view3d/gl_scene_sink.h"
#include "view3d/gl_state.h"
#include "view3d/scene_window.h"
#include "view3d/surface_format.h"

namespace ferlo {

SceneView::SceneView(Plane& plane, const SceneServices& services, QWidget* parent)
    : QWidget(parent),
      plane_(plane),
      services_(services),
      format_(sceneSurfaceFormat()),
      window_(new SceneWindow(*this, [this] { paintOnScreen(); })) {
    window_->setFormat(format_);
    // The container is the window's only native child but the flight's
    // status box: its siblings stay plain widgets (none overlaps it), so an
    // update of a 2D view and of a panel is flushed to the screen at once.
    QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    QWidget* container = QWidget::createWindowContainer(window_, this);
    container->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(container);
    setViewTransform(0, 0, 0, 0, 0);
}

SceneView::~SceneView() { dropContext(); }

void SceneView::setFormat(const QSurfaceFormat& format) {
    format_ = format;
    window_->setFormat(format);
}

void SceneView::initGL() { initialise(kDefaultFrustumSize); }

void SceneView::initGLFrustum(double size) {
    if (isFrustumSize(size)) initialise(size);
}

void SceneView::initialise(double frustumSize) {
    dropContext();
    frustumSize_ = frustumSize;
    camera_.viewYaw = 900;
    camera_.viewPitch = 450;
    // The picture is drawn with yaw and pitch 0, not with the committed angles.
    setViewTransform(0, 0, 0, 0, 0);
    renderScene(false);
}

void SceneView::renderScene(bool rebuild) {
    if (rebuild || !listValid_) {
        rebuildPending_ = true;
        listValid_ = false;
    }
    window_->requestUpdate();
}

void SceneView::setViewTransform(double panX, double panY, double zoom, double yaw, double pitch) {
    double pivot = 0.0;
    try {
        const MeshSections& current = plane_.fuselages.current();
        pivot = pivotBetween(current.startpoint(), current.lengthPoint());
    } catch (const std::out_of_range&) {
        // No current fuselage: the pivot stays at the origin.
    }
    const CameraTransform transform = viewTransform({panX, panY, zoom, yaw, pitch}, plane_.units, pivot);
    if (!isFinite(transform)) return;
    transform_ = transform;
    cameraUnits_ = plane_.units;
}

void SceneView::setCameraTransform(const CameraTransform& transform) {
    if (isFinite(transform)) transform_ = transform;
}

bool SceneView::ensureContext() {
    if (unusable_) return false;
    if (context_) return true;
    auto context = std::make_unique<QOpenGLContext>();
    context->setFormat(format_);
    if (!context->create() || !usableContext(context.get())) {
        unusable_ = true;
        services_.fatal.fatalError(fatalErrorTitle(), fatalErrorText(kPixelFormatError));
        return false;
    }
    // Nothing of the scene is in a new context yet.
    context_ = std::move(context);
    stateApplied_ = false;
    listValid_ = false;
    list_ = 0;
    return true;
}

void SceneView::dropContext() {
    if (!context_) return;
    if (grabTarget_) {
        context_->makeCurrent(&offscreenSurface());
        grabTarget_.reset();
    }
    // The context's display list and textures go with it.
    context_.reset();
    list_ = 0;
    listValid_ = false;
    stateApplied_ = false;
}

QOffscreenSurface& SceneView::offscreenSurface() {
    if (!offscreen_ || offscreen_->requestedFormat() != format_) {
        offscreen_ = std::make_unique<QOffscreenSurface>();
        offscreen_->setFormat(format_);
        offscreen_->create();
    }
    return *offscreen_;
}

void SceneView::makeCurrent() {
    if (ensureContext()) context_->makeCurrent(&offscreenSurface());
}

void SceneView::doneCurrent() {
    if (context_) context_->doneCurrent();
}

void SceneView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Made at once, so a display without a usable OpenGL is reported when
    // the view first appears.
    ensureContext();
}

void SceneView::prepareFrame() {
    if (plane_.units != cameraUnits_) {
        // The live camera was made for the other unit (the model shown 25
        // times too large or too small): the committed camera with the
        // model's unit takes its place.
        const CameraPose pose = committedPose(camera_);
        setViewTransform(pose.panX, pose.panY, pose.zoom, pose.yaw, pose.pitch);
    }
    if (!rebuildPending_) return;
    rebuildPending_ = false;
    listValid_ = false;
    ++rebuilds_;
    try {
        createAll(plane_);
        decodeSceneTextures(plane_, services_.converter, services_.progress, services_.textureErrors);
    } catch (const std::exception&) {
        // The geometry as far as it was built is drawn.
    }
}

void SceneView::paintOnScreen() {
    if (!window_->isExposed() || !ensureContext()) return;
    prepareFrame();
    if (!context_->makeCurrent(window_)) return;
    const qreal ratio = window_->devicePixelRatio();
    drawFrame(static_cast<int>(window_->width() * ratio), static_cast<int>(window_->height() * ratio));
    context_->swapBuffers(window_);
    context_->doneCurrent();
}

QImage SceneView::grabFramebuffer() {
    const QSize pixels = size() * devicePixelRatioF();
    if (pixels.isEmpty() || !ensureContext()) return {};
    prepareFrame();
    if (!context_->makeCurrent(&offscreenSurface())) return {};
    if (!grabTarget_ || grabTarget_->size() != pixels) {
        // RGB like the window, so the picture reads back opaque.
        grabTarget_ = std::make_unique<QOpenGLFramebufferObject>(pixels, QOpenGLFramebufferObject::Depth,
                                                                 GL_TEXTURE_2D, GL_RGB8);
    }
    grabTarget_->bind();
    drawFrame(pixels.width(), pixels.height());
    QImage picture = grabTarget_->toImage();
    grabTarget_->release();
    context_->doneCurrent();
    return picture.convertToFormat(QImage::Format_RGB32);
}

void SceneView::drawFrame(int width, int height) {
    if (!stateApplied_) {
        applyFixedState();
        stateApplied_ = true;
    }
    loadProjection(frustumFor(frustumSize_, width, height));
    loadCamera(transform_);
    glViewport(0, 0, width, height);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (listValid_) {
        glCallList(list_);
    } else {
        recordScene();
    }
}

void SceneView::recordScene() {
    // The earlier scene goes before the new one is recorded, so the context
    // never holds the geometry twice.
    if (list_ != 0) glDeleteLists(list_, 1);
    list_ = glGenLists(1);
    glNewList(list_, GL_COMPILE_AND_EXECUTE);
    {
        GlSceneSink sink;
        try {
            drawScene(plane_, sink);
        } catch (const std::out_of_range&) {
            // A list count naming a part the list does not hold: the scene
            // ends there, between two parts.
        }
    }
    glEndList();
    listValid_ = true;
}

}  // namespace ferlo
