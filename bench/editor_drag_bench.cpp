#include <cmath>
#include <cstdint>
#include <memory>

#include <QApplication>

#include <benchmark/benchmark.h>

#include "document/mouse_protocol.h"
#include "document/plane_operations.h"
#include "document/zoom_to_fit.h"
#include "editor/qimage_canvas.h"
#include "editor/view_picture.h"

// One drag step in the drawing area: a section of the current fuselage
// dragged in the Side view, its outline erased and drawn again into the
// drawing area's image (the still parts repaired, one painter for the step),
// without the 3D render. The baseline in the same run is the dragged part
// alone: the same fuselage's own drag step on an image that holds nothing
// else, painted with one painter. Both on the default aircraft and on a
// large one: 100 wing panels, 20 fuselages of 200 sections of 64 outline
// points, 200 equipment boxes.

namespace {

using namespace ferlo;

constexpr int kWidth = 1000;
constexpr int kHeight = 700;

void makeLarge(Plane& plane) {
    for (int i = 2; i <= 100; ++i) {
        ++plane.mainWing.nbWings;
        plane.mainWing.addWing(plane.defaultColor);
    }
    FuselageList& fuselages = plane.fuselages;
    for (int i = 2; i <= 20; ++i) fuselages.addFuselage(false, plane.units, plane.defaultColor);
    for (int i = 1; i <= 20; ++i) {
        MeshSections& f = fuselages.fuselage(i);
        f.nb_sections = 200;
        f.nb_cross = 64;
        f.initArrays();
        for (int d = 1; d <= 200; ++d) {
            f.sel_sec = static_cast<std::int16_t>(d);
            f.posSet(d * 5.0);
            f.heightSet(60 + 40 * std::sin(d / 30.0) + i);
            f.widthSet(60);
            f.elevationSet(20 + i);
        }
    }
    fuselages.currentFuselage = 10;
    for (int i = 2; i <= 200; ++i) {
        plane.equipment.addBox(plane.units);
        plane.equipment.box(i).pos = 3.0 * i;
    }
}

// The drawing area with the Side view of an aircraft, section `section` of
// the current fuselage grabbed by its top point.
struct SideDrag {
    Plane plane;
    ViewState view;
    QImageCanvas canvas{kWidth, kHeight};
    MouseProtocol mouse{plane, view, canvas};
    double x = 0, y = 0;

    SideDrag(bool large, int section) {
        newPlane(plane);
        if (large) makeLarge(plane);
        bool focus = false;
        fitSide(plane, kWidth, kHeight, false, focus, view);
        mouse.mode = ViewKind::Side;
        MeshSections& f = plane.fuselages.current();
        f.sel_sec = static_cast<std::int16_t>(section);
        x = view.xoff + f.posGet() * view.zoom;
        y = view.yoff - (f.elevationGet() + f.heightGet()) * view.zoom;
        const ViewContext ctx{canvas, view, plane.viewColors()};
        canvas.clear();
        drawViewPicture(canvas, plane, ViewKind::Side, ctx, false, std::nullopt);
        canvas.flush();
        mouse.mouseDown(x, y);
        canvas.clear();
        drawViewPicture(canvas, plane, ViewKind::Side, ctx, false, mouse.dragParts());
        canvas.flush();
    }
};

void dragSteps(benchmark::State& state, bool large) {
    SideDrag area(large, large ? 100 : 2);
    if (!area.mouse.dragParts()) state.SkipWithError("nothing grabbed");
    int step = 0;
    for (auto _ : state) {
        area.mouse.mouseMove(area.x, area.y - 1 - (++step % 2));
        area.canvas.flush();
    }
}

// The dragged fuselage alone, on an image of its own.
void partAlone(benchmark::State& state, bool large) {
    SideDrag area(large, large ? 100 : 2);
    QImageCanvas alone(kWidth, kHeight);
    const ViewContext ctx{alone, area.view, area.plane.viewColors()};
    MeshSections& f = area.plane.fuselages.current();
    f.drawSide(ctx);
    alone.flush();
    int step = 0;
    for (auto _ : state) {
        f.selectsSide(ctx, area.x, area.y - 1 - (++step % 2));
        alone.flush();
    }
}

void BM_DragStepDefault(benchmark::State& state) { dragSteps(state, false); }
void BM_PartAloneDefault(benchmark::State& state) { partAlone(state, false); }
void BM_DragStepLarge(benchmark::State& state) { dragSteps(state, true); }
void BM_PartAloneLarge(benchmark::State& state) { partAlone(state, true); }

BENCHMARK(BM_DragStepDefault)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PartAloneDefault)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DragStepLarge)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PartAloneLarge)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
