#include "qt_bench_main.h"

#include <vector>

#include <QApplication>

#include <benchmark/benchmark.h>

#include "view3d/surface_format.h"

namespace {

std::vector<std::function<void()>>& releases() {
    static std::vector<std::function<void()>> all;
    return all;
}

}  // namespace

void ferlo::bench::atEndOfRun(std::function<void()> release) { releases().push_back(std::move(release)); }

// The main() of the benchmarks on the Qt side: the application object (and
// the OpenGL surface format the 3D view asks for) before any benchmark runs,
// and what the benchmarks kept released before it goes.
int main(int argc, char** argv) {
    ferlo::setDefaultSurfaceFormat();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (auto release = releases().rbegin(); release != releases().rend(); ++release) (*release)();
    return 0;
}
