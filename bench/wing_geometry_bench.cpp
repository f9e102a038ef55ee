#include <benchmark/benchmark.h>

#include "surfaces/sym_wing_sections.h"

// The 3D rebuild of one panel with a large imported airfoil: what every
// render with rebuild pays per panel.
static void BM_PanelCreate(benchmark::State& state) {
    ferlo::SymWingSections panel;
    panel.span = 700;
    panel.length1 = 230;
    panel.length2 = 150;
    panel.init();
    panel.nb = static_cast<std::int16_t>(state.range(0));
    panel.allocate();
    for (auto _ : state) {
        panel.create();
        benchmark::DoNotOptimize(panel.Left.point1Get(1));
    }
}
BENCHMARK(BM_PanelCreate)->Arg(16)->Arg(200);
