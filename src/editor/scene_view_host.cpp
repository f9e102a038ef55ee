#include "editor/scene_view_host.h"

#include <QTimer>

#include "base/texture_error_notifier.h"
#include "editor/render_view.h"
#include "editor/user_dialogs.h"
#include "view3d/conversion_progress_window.h"
#include "view3d/fatal_error.h"
#include "view3d/qt_image_converter.h"
#include "view3d/scene_view.h"

namespace ferlo {

namespace {

// Texture failures reported while the 3D view rebuilds its scene, which it
// does when it next draws: they are shown once the event loop is back, never
// from inside the drawing.
class DeferredTextureWarnings : public TextureErrorNotifier {
public:
    explicit DeferredTextureWarnings(UserDialogs& dialogs) : dialogs_(dialogs) {}

    void textureFailed(const TextureFailure& failure) override {
        log_.textureFailed(failure);
        if (scheduled_) return;
        scheduled_ = true;
        QTimer::singleShot(0, &guard_, [this] {
            scheduled_ = false;
            for (const TextureFailure& f : log_.takePending()) dialogs_.warning(QString::fromStdString(f.text()));
        });
    }

private:
    UserDialogs& dialogs_;
    QObject guard_;  // a warning still due goes with this object
    TextureErrorLog log_;
    bool scheduled_ = false;
};

class SceneViewHost : public RenderView {
public:
    SceneViewHost(Plane& plane, QWidget& box, UserDialogs& dialogs)
        : progress_(new ConversionProgressWindow(ConversionProgressWindow::kShowAfter, &box)),
          textureErrors_(dialogs),
          services_{converter_, *progress_, textureErrors_, fatal_},
          view_(new SceneView(plane, services_, &box)) {
        view_->setObjectName("SceneView");
    }
    // The view goes before the services it was given.
    ~SceneViewHost() override { delete view_; }

    QWidget* widget() override { return view_; }
    void initGL() override { view_->initGL(); }
    void initGLFrustum(double size) override { view_->initGLFrustum(size); }
    void renderScene(bool rebuild) override { view_->renderScene(rebuild); }
    void setViewTransform(double panX, double panY, double zoom, double yaw, double pitch) override {
        view_->setViewTransform(panX, panY, zoom, yaw, pitch);
    }
    void setCameraTransform(const CameraTransform& transform) override { view_->setCameraTransform(transform); }
    CameraState& camera() override { return view_->camera(); }

private:
    QtImageConverter converter_;
    ConversionProgressWindow* progress_;  // a window the box owns
    DeferredTextureWarnings textureErrors_;
    MessageBoxFatalNotifier fatal_;
    SceneServices services_;
    SceneView* view_;
};

}  // namespace

std::unique_ptr<RenderView> createSceneView(Plane& plane, QWidget& box, UserDialogs& dialogs) {
    return std::make_unique<SceneViewHost>(plane, box, dialogs);
}

}  // namespace ferlo
