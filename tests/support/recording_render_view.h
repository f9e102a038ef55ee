#pragma once

#include <string>
#include <vector>

#include <QWidget>

#include "editor/window/render_view.h"

namespace ferlo::testing {

// A 3D view that records what the editor asks of it, with a plain widget.
class RecordingRenderView : public RenderView {
public:
    struct Camera {
        double panX, panY, zoom, yaw, pitch;
        bool operator==(const Camera&) const = default;
    };

    explicit RecordingRenderView(QWidget& box) : widget_(new QWidget(&box)) {}

    std::vector<std::string> calls;  // "initGL", "frustum", "render", "rebuild", "camera", "transform" in order
    std::vector<double> frustumSizes;
    std::vector<Camera> cameras;
    std::vector<CameraTransform> transforms;  // whole transforms (flight frames)

    int count(const std::string& call) const {
        int n = 0;
        for (const std::string& c : calls) n += c == call;
        return n;
    }

    QWidget* widget() override { return widget_; }
    void initGL() override { calls.push_back("initGL"); }
    void initGLFrustum(double size) override {
        calls.push_back("frustum");
        frustumSizes.push_back(size);
    }
    void renderScene(bool rebuild) override { calls.push_back(rebuild ? "rebuild" : "render"); }
    void setViewTransform(double panX, double panY, double zoom, double yaw, double pitch) override {
        calls.push_back("camera");
        cameras.push_back({panX, panY, zoom, yaw, pitch});
    }
    void setCameraTransform(const CameraTransform& transform) override {
        calls.push_back("transform");
        transforms.push_back(transform);
    }
    CameraState& camera() override { return camera_; }

private:
    QWidget* widget_;
    CameraState camera_;
};

}  // namespace ferlo::testing
