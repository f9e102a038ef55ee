#include <QApplication>

#include <benchmark/benchmark.h>

#include "view3d/surface_format.h"

// The main() of the benchmarks on the Qt side: the application object (and
// the OpenGL surface format the 3D view asks for) before any benchmark runs.
int main(int argc, char** argv) {
    ferlo::setDefaultSurfaceFormat();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
