#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include "document/view_drawing.h"
#include "document/zoom_to_fit.h"
#include "editor/qimage_canvas.h"
#include "editor/qt_palette.h"
#include "support/large_aircraft.h"
#include "support/recording_canvas.h"

// A full redraw of the HTop view in the drawing area (the image cleared, every
// part drawn, one flush), on the default aircraft (argument 0) and on the
// large one (argument 1). The baseline in the same run paints the lines that
// picture shows, in their colours, with one painter on a cleared image.

namespace {

using namespace ferlo;

constexpr int kWidth = 1000;
constexpr int kHeight = 700;

struct HTopView {
    Plane plane;
    ViewState view;

    explicit HTopView(bool large) {
        testing::makeAircraft(plane, large);
        bool focus = false;
        fitHTop(plane, kWidth, kHeight, focus, view);
    }

    void redraw(Canvas& canvas) {
        canvas.clear();
        drawView(plane, ViewKind::HTop, {canvas, view, plane.viewColors()}, false);
    }
};

void BM_HTopFullRedraw(benchmark::State& state) {
    HTopView htop(state.range(0) != 0);
    QImageCanvas canvas(kWidth, kHeight);
    for (auto _ : state) {
        htop.redraw(canvas);
        canvas.flush();
    }
}

void BM_HTopOnePainterBaseline(benchmark::State& state) {
    HTopView htop(state.range(0) != 0);
    RecordingCanvas recording(kWidth, kHeight);
    htop.redraw(recording);  // the plans drawn once, as the view stands
    recording.reset();
    htop.redraw(recording);
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        PaletteColor color = -1;
        for (const RecordingCanvas::Segment& s : recording.segments()) {
            if (s.color == kWhite) continue;
            if (s.color != color) {
                color = s.color;
                painter.setPen(QPen(qtColor(color), 0));
            }
            painter.drawLine(QLineF(s.x1, s.y1, s.x2, s.y2));
        }
    }
}

BENCHMARK(BM_HTopFullRedraw)->ArgName("large")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HTopOnePainterBaseline)->ArgName("large")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
