#include <cstdint>
#include <memory>
#include <vector>

#include <QImage>
#include <QOpenGLFramebufferObject>

#include <GL/gl.h>

#include <benchmark/benchmark.h>

#include "document/plane_operations.h"
#include "document/scene_drawing.h"
#include "support/large_aircraft.h"
#include "support/recording_scene_sink.h"
#include "ui_core/camera.h"
#include "view3d/conversion_progress_window.h"
#include "view3d/gl_scene_sink.h"
#include "view3d/gl_state.h"
#include "view3d/qt_image_converter.h"
#include "view3d/scene_view.h"

// The 3D view of the large aircraft (large_aircraft.h) under Mesa's software
// renderer (run under a display: Xvfb and LIBGL_ALWAYS_SOFTWARE=1), 640 x 480
// pixels, each frame drawn off the screen and read back.
//
// - Replay: what a drag in the 3D box costs, a new camera and the display
//   list replayed; its baseline in the same run draws the same triangles
//   with plain glDrawArrays from arrays built once (no list).
// - Rebuild: what a model change costs, the 3D geometry rebuilt, the list
//   recorded anew and drawn.
// - Recording alone, from geometry already built: the list recorded from
//   the parts' vertex arrays as the view does, against the same scene
//   recorded one immediate-mode call per vertex (how the view recorded it
//   before), each into a list compiled and dropped.

namespace {

using namespace ferlo;

constexpr int kWidth = 640;
constexpr int kHeight = 480;

class NoFatalError : public FatalErrorNotifier {
public:
    void fatalError(const QString&, const QString& text) override { qFatal("%s", qPrintable(text)); }
};

// One 3D view over the large aircraft, its list recorded.
struct LargeAircraftView {
    LargeAircraftView() {
        testing::makeAircraft(plane, true);
        view = std::make_unique<SceneView>(plane, services);
        view->resize(kWidth, kHeight);
        view->initGL();
        view->setViewTransform(0, 0, 0, 900, 200);
        view->grabFramebuffer();
    }
    // The camera turned a little further at each call.
    void turn() {
        yaw += 10;
        view->setViewTransform(0, 0, 0, yaw, 200);
    }
    Plane plane;
    QtImageConverter converter;
    ConversionProgressWindow progress;
    TextureErrorLog errors;
    NoFatalError fatal;
    SceneServices services{converter, progress, errors, fatal};
    std::unique_ptr<SceneView> view;
    double yaw = 900;
};

std::int64_t trianglesOf(const std::vector<RecordingSceneSink::Shape>& shapes) {
    std::int64_t triangles = 0;
    for (const auto& shape : shapes) {
        const auto n = static_cast<std::int64_t>(shape.vertices.size());
        triangles += shape.primitive == SceneSink::Primitive::Quads ? n / 2 : std::max<std::int64_t>(n - 2, 0);
    }
    return triangles;
}

void BM_ReplayList(benchmark::State& state) {
    LargeAircraftView large;
    for (auto _ : state) {
        large.turn();
        large.view->renderScene(false);
        const QImage frame = large.view->grabFramebuffer();
        benchmark::DoNotOptimize(frame.constBits());
    }
}

// The scene's shapes as plain arrays: normal and position per vertex.
struct ShapeArrays {
    GLenum mode;
    ColorRGB colour;
    bool blending;
    std::vector<float> normalsAndPositions;
};

GLenum glMode(SceneSink::Primitive primitive) {
    switch (primitive) {
    case SceneSink::Primitive::QuadStrip: return GL_QUAD_STRIP;
    case SceneSink::Primitive::Quads: return GL_QUADS;
    default: return GL_TRIANGLE_STRIP;
    }
}

void BM_ReplayBaselineDrawArrays(benchmark::State& state) {
    LargeAircraftView large;
    RecordingSceneSink recording;
    drawScene(large.plane, recording);
    std::vector<ShapeArrays> shapes;
    for (const auto& shape : recording.shapes()) {
        ShapeArrays arrays{glMode(shape.primitive), shape.colour, shape.blending, {}};
        for (const auto& v : shape.vertices) {
            for (const double value : {v.normal.x, v.normal.y, v.normal.z, v.position.x, v.position.y, v.position.z}) {
                arrays.normalsAndPositions.push_back(static_cast<float>(value));
            }
        }
        shapes.push_back(std::move(arrays));
    }
    const MeshSections& current = large.plane.fuselages.current();
    const double pivot = pivotBetween(current.startpoint(), current.lengthPoint());
    large.view->makeCurrent();
    QOpenGLFramebufferObject target(kWidth, kHeight, QOpenGLFramebufferObject::Depth, GL_TEXTURE_2D, GL_RGB8);
    target.bind();
    applyFixedState();
    glViewport(0, 0, kWidth, kHeight);
    loadProjection(frustumFor(kDefaultFrustumSize, kWidth, kHeight));
    for (auto _ : state) {
        large.turn();
        loadCamera(viewTransform({0, 0, 0, large.yaw, 200}, large.plane.units, pivot));
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        for (const ShapeArrays& shape : shapes) {
            const GLfloat colour[] = {static_cast<GLfloat>(shape.colour.red / 255),
                                      static_cast<GLfloat>(shape.colour.green / 255),
                                      static_cast<GLfloat>(shape.colour.blue / 255), kPartAlpha};
            glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, colour);
            if (shape.blending) {
                glEnable(GL_BLEND);
            } else {
                glDisable(GL_BLEND);
            }
            glInterleavedArrays(GL_N3F_V3F, 0, shape.normalsAndPositions.data());
            glDrawArrays(shape.mode, 0, static_cast<GLsizei>(shape.normalsAndPositions.size() / 6));
        }
        const QImage frame = target.toImage();
        benchmark::DoNotOptimize(frame.constBits());
    }
    target.release();
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    large.view->doneCurrent();
    state.counters["triangles"] = static_cast<double>(trianglesOf(recording.shapes()));
}

void BM_Rebuild(benchmark::State& state) {
    LargeAircraftView large;
    for (auto _ : state) {
        large.turn();
        large.view->renderScene(true);
        const QImage frame = large.view->grabFramebuffer();
        benchmark::DoNotOptimize(frame.constBits());
    }
}

// The scene one OpenGL call per vertex attribute, as the view recorded it
// before it gathered the vertices into arrays.
class ImmediateSceneSink : public GlSceneSink {
public:
    void begin(Primitive primitive) override {
        glBegin(primitive == Primitive::Quads       ? GL_QUADS
                : primitive == Primitive::QuadStrip ? GL_QUAD_STRIP
                                                    : GL_TRIANGLE_STRIP);
    }
    void normal(const Point3D& n) override { glNormal3d(n.x, n.y, n.z); }
    void texCoord(double u, double v) override { glTexCoord2d(u, v); }
    void vertex(const Point3D& p) override { glVertex3d(p.x, p.y, p.z); }
    void end() override { glEnd(); }
};

template <typename Sink>
void recordList(benchmark::State& state) {
    LargeAircraftView large;
    large.view->makeCurrent();
    for (auto _ : state) {
        const GLuint list = glGenLists(1);
        glNewList(list, GL_COMPILE);
        {
            Sink sink;
            drawScene(large.plane, sink);
        }
        glEndList();
        glDeleteLists(list, 1);
    }
    large.view->doneCurrent();
}

void BM_RecordFromArrays(benchmark::State& state) { recordList<GlSceneSink>(state); }
void BM_RecordBaselineImmediateMode(benchmark::State& state) { recordList<ImmediateSceneSink>(state); }

BENCHMARK(BM_ReplayList)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReplayBaselineDrawArrays)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Rebuild)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RecordFromArrays)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RecordBaselineImmediateMode)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
