#include <cmath>
#include <algorithm>
#include <cstdint>
#include <memory>

#include <QImage>

#include <benchmark/benchmark.h>

#include "base/recording_scene_sink.h"
#include "document/plane_operations.h"
#include "document/scene_drawing.h"
#include "view3d/conversion_progress_window.h"
#include "view3d/qt_image_converter.h"
#include "view3d/scene_view.h"

// Frames of the 3D view under Mesa's software renderer (run under a display:
// Xvfb and LIBGL_ALWAYS_SOFTWARE=1). A frame is what a drag in the 3D box
// costs: a new camera, the display list replayed and the picture read back.
// The baseline in the same run rebuilds the scene for every frame (3D
// geometry, list recorded anew), as a model change does.

namespace {

using namespace ferlo;

// The default aircraft with a fuselage of 100 sections of 500 outline points:
// about 100 000 triangles in all.
void makeLargeAircraft(Plane& plane) {
    newPlane(plane);
    MeshSections& fuselage = plane.fuselages.fuselage(1);
    fuselage.nb_sections = 100;
    fuselage.nb_cross = 500;
    fuselage.initArrays();
    for (int d = 1; d <= fuselage.nb_sections; ++d) {
        const double s = std::sin(3.14159 * (d - 0.5) / fuselage.nb_sections);  // thick in the middle
        fuselage.sel_sec = static_cast<std::int16_t>(d);
        fuselage.posSet(8.0 * (d - 1));
        fuselage.widthSet(10 + 90 * s);
        fuselage.heightSet(10 + 100 * s);
        fuselage.elevationSet(10 + 20 * (1 - s));
    }
    fuselage.curvatureSet(2);  // every section: the exponents are shared
    fuselage.curvature2Set(2);
    fuselage.bias_curveSet(0.5);
    createAll(plane);
}

std::int64_t trianglesOf(const Plane& plane) {
    RecordingSceneSink sink;
    drawScene(plane, sink);
    std::int64_t triangles = 0;
    for (const auto& shape : sink.shapes()) {
        const auto n = static_cast<std::int64_t>(shape.vertices.size());
        triangles += shape.primitive == SceneSink::Primitive::Quads ? n / 2 : std::max<std::int64_t>(n - 2, 0);
    }
    return triangles;
}

class NoFatalError : public FatalErrorNotifier {
public:
    void fatalError(const QString&, const QString& text) override { qFatal("%s", qPrintable(text)); }
};

// One 3D view of 640 x 480 pixels over the large aircraft, its list recorded.
struct LargeAircraftView {
    LargeAircraftView() {
        makeLargeAircraft(plane);
        view = std::make_unique<SceneView>(plane, services);
        view->resize(640, 480);
        view->initGL();
        view->setViewTransform(0, 0, 0, 900, 200);
        view->grabFramebuffer();
    }
    Plane plane;
    QtImageConverter converter;
    ConversionProgressWindow progress;
    TextureErrorLog errors;
    NoFatalError fatal;
    SceneServices services{converter, progress, errors, fatal};
    std::unique_ptr<SceneView> view;
};

// A frame: the camera turned a little further, then the scene rendered.
void runFrames(benchmark::State& state, bool rebuild) {
    LargeAircraftView large;
    double yaw = 900;
    for (auto _ : state) {
        yaw += 10;
        large.view->setViewTransform(0, 0, 0, yaw, 200);
        large.view->renderScene(rebuild);
        const QImage frame = large.view->grabFramebuffer();
        benchmark::DoNotOptimize(frame.constBits());
    }
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["triangles"] = static_cast<double>(trianglesOf(large.plane));
}

void BM_ReplayLargeAircraft(benchmark::State& state) { runFrames(state, false); }
void BM_RebuildLargeAircraft(benchmark::State& state) { runFrames(state, true); }

BENCHMARK(BM_ReplayLargeAircraft)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RebuildLargeAircraft)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
