#include "editor/scene_view_host.h"

#include <QLabel>

#include "editor/render_view.h"

namespace ferlo {

namespace {

// Until the OpenGL scene view is part of the program, the 3D box shows a
// plain panel and keeps the camera it is given.
class PlaceholderSceneView : public RenderView {
public:
    explicit PlaceholderSceneView(QWidget& box) : panel_(new QLabel(QStringLiteral("3D view"), &box)) {
        panel_->setAlignment(Qt::AlignCenter);
        panel_->setStyleSheet(QStringLiteral("background: black; color: gray;"));
    }

    QWidget* widget() override { return panel_; }
    void initGL() override {}
    void releaseGL() override {}
    void renderScene(bool) override { panel_->update(); }
    void setViewTransform(double, double, double, double, double) override {}
    double viewZoom() const override { return viewZoom_; }
    void setViewZoom(double zoom) override { viewZoom_ = zoom; }

private:
    QLabel* panel_;
    double viewZoom_ = 0;
};

}  // namespace

std::unique_ptr<RenderView> createSceneView(Plane&, QWidget& box) {
    return std::make_unique<PlaceholderSceneView>(box);
}

}  // namespace ferlo
