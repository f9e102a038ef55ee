#include <cstdint>
#include <memory>


#include <benchmark/benchmark.h>

#include "document/mouse_protocol.h"
#include "document/plane_operations.h"
#include "document/zoom_to_fit.h"
#include "editor/drawing/qimage_canvas.h"
#include "support/large_aircraft.h"

// One drag step in the drawing area: a section of the current fuselage
// dragged in the Side view, its outline drawn again into the drawing area's
// image (only what the step changes painted anew), without the 3D render. The baseline in the same run is the dragged part
// alone: the same fuselage's own drag step on an image that holds nothing
// else, painted with one painter. Both on the default aircraft and on the
// large one (large_aircraft.h).

namespace {

using namespace ferlo;

constexpr int kWidth = 1000;
constexpr int kHeight = 700;

// The drawing area with the Side view of an aircraft, section `section` of
// the current fuselage grabbed by its top point.
struct SideDrag {
    Plane plane;
    ViewState view;
    QImageCanvas canvas{kWidth, kHeight};
    MouseProtocol mouse{plane, view, canvas};
    double x = 0, y = 0;

    SideDrag(bool large, int section) {
        if (large) {
            testing::makeLargeAircraft(plane);
        } else {
            newPlane(plane);
        }
        bool focus = false;
        fitSide(plane, kWidth, kHeight, false, focus, view);
        mouse.mode = ViewKind::Side;
        MeshSections& f = plane.fuselages.current();
        f.sel_sec = static_cast<std::int16_t>(section);
        x = view.xoff + f.posGet() * view.zoom;
        y = view.yoff - (f.elevationGet() + f.heightGet()) * view.zoom;
        canvas.clear();
        mouse.drawView();
        canvas.flush();
        mouse.mouseDown(x, y);
    }
};

void dragSteps(benchmark::State& state, bool large) {
    SideDrag area(large, large ? 100 : 2);
    if (!area.mouse.dragSpan()) state.SkipWithError("nothing grabbed");
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
