#include <memory>

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <benchmark/benchmark.h>

#include "editor/drawing/canvas_widget.h"
#include "editor/drawing/drawing_area.h"
#include "editor/window/editor_environment.h"
#include "editor/window/main_controls.h"
#include "editor/window/main_window.h"
#include "editor/window/render_view.h"
#include "editor/window/scene_view_host.h"
#include "editor/window/screen_measure.h"
#include "editor/window/start_up.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

// An update of the drawing area with nothing changed, through the real
// editor window (run under a display: Xvfb and LIBGL_ALWAYS_SOFTWARE=1): the
// widget marked for repainting and the event loop run once, which repaints
// it and flushes the window to the screen. With the real 3D view in its box
// the window must not be composed through OpenGL at every such update; the
// baseline in the same run is the same window with a plain widget in the 3D
// box.

namespace {

using namespace ferlo;

class Screen : public ScreenMeasure {
public:
    QSize workArea() const override { return {1280, 1000}; }
    double logicalDpi() const override { return 120; }
};

// A 3D box holding a plain widget: the window without OpenGL.
class PlainView : public RenderView {
public:
    explicit PlainView(QWidget& box) : widget_(new QWidget(&box)) {}
    QWidget* widget() override { return widget_; }
    void initGL() override {}
    void initGLFrustum(double) override {}
    void renderScene(bool) override {}
    void setViewTransform(double, double, double, double, double) override {}
    void setCameraTransform(const CameraTransform&) override {}
    CameraState& camera() override { return camera_; }

private:
    QWidget* widget_;
    CameraState camera_;
};

struct Editor {
    explicit Editor(bool realView)
        : env{dialogs, screen, {QString::fromStdString(config.path().string()), QString()},
              [this, realView](Plane& plane, QWidget& box) -> std::unique_ptr<RenderView> {
                  if (realView) return createSceneView(plane, box, dialogs);
                  return std::make_unique<PlainView>(box);
              },
              {},
              [](const QPoint&) { return false; }} {
        main = startUp(env);
        // The start-up timer's tick, then the first frames shown.
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 5000 && (main->controls().Timer1->isActive() || clock.elapsed() < 300)) {
            QCoreApplication::processEvents();
            QThread::msleep(5);
        }
    }
    ~Editor() { main->hide(); }

    testing::TempDir config;
    testing::ScriptedDialogs dialogs;
    Screen screen;
    EditorEnvironment env;
    std::unique_ptr<MainWindow> main;
};

void drawingAreaUpdate(benchmark::State& state, bool realView) {
    Editor editor(realView);
    QWidget* area = editor.main->controls().DrawArea;
    for (auto _ : state) {
        area->update();
        QCoreApplication::processEvents();
    }
}

void BM_DrawingAreaUpdateWith3DView(benchmark::State& state) { drawingAreaUpdate(state, true); }
void BM_DrawingAreaUpdateWithPlainBox(benchmark::State& state) { drawingAreaUpdate(state, false); }

BENCHMARK(BM_DrawingAreaUpdateWith3DView)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DrawingAreaUpdateWithPlainBox)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
