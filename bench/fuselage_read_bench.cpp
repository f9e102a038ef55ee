#include <sstream>
#include <string>

#include <benchmark/benchmark.h>

#include "base/line_writer.h"
#include "base/number_text.h"
#include "base/value_reader.h"
#include "base/value_writer.h"
#include "fuselage/fuselage_list.h"

// The fuselage section of a file at the bound of what a file may ask for:
// four fuselages of 1000 sections x 1000 outline points. Reading it should
// cost about what parsing its numbers costs (BM_ParseFuselageValues, the
// baseline): no storage sized by the outline points is built while reading.
static std::string sectionAtTheBound() {
    ferlo::MeshSections largest;
    largest.nb_sections = ferlo::MeshSections::kMaxSections;
    largest.nb_cross = ferlo::MeshSections::kMaxCrossPoints;
    largest.initArrays();
    std::ostringstream out;
    ferlo::LineWriter lines(out, "bench.flx");
    ferlo::ValueWriter writer(lines);
    constexpr auto kCount = ferlo::FuselageList::kMaxMeshPoints / (1000 * 1000);
    writer.integer(kCount);
    for (int i = 0; i < kCount; ++i) largest.save(writer);
    return out.str();
}

static void BM_ReadFuselagesAtTheBound(benchmark::State& state) {
    const std::string text = sectionAtTheBound();
    for (auto _ : state) {
        std::istringstream in(text);
        ferlo::ValueReader reader(in, "bench.flx");
        ferlo::FuselageList list;
        list.readFuselages(reader);
        benchmark::DoNotOptimize(list.nbFuselages());
    }
}
BENCHMARK(BM_ReadFuselagesAtTheBound)->Unit(benchmark::kMillisecond);

// The baseline: every line of the same text parsed as a number (keyword and
// flag lines give none).
static void BM_ParseFuselageValues(benchmark::State& state) {
    const std::string text = sectionAtTheBound();
    for (auto _ : state) {
        std::istringstream in(text);
        ferlo::ValueReader reader(in, "bench.flx");
        double sum = 0;
        while (!reader.atEnd()) {
            if (const auto value = ferlo::parseNumber(reader.readLine())) sum += *value;
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ParseFuselageValues)->Unit(benchmark::kMillisecond);

// The 3D rebuild of those fuselages: the most a file can make it cost.
static void BM_CreateFuselagesAtTheBound(benchmark::State& state) {
    const std::string text = sectionAtTheBound();
    std::istringstream in(text);
    ferlo::ValueReader reader(in, "bench.flx");
    ferlo::FuselageList list;
    list.readFuselages(reader);
    for (auto _ : state) {
        for (int i = 1; i <= list.nbFuselages(); ++i) list.fuselage(i).create();
        benchmark::DoNotOptimize(list.fuselage(1).pointGet(1, 1));
    }
}
BENCHMARK(BM_CreateFuselagesAtTheBound)->Unit(benchmark::kMillisecond);
