#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <benchmark/benchmark.h>

#include "document/dxf_export.h"
#include "document/project_file.h"
#include "document/vrml_export.h"
#include "base/file_errors.h"
#include "surfaces/airfoil.h"
#include "bench_folder.h"
#include "support/large_aircraft.h"
#include "support/fake_image_converter.h"

// The document's heavy paths, each next to a plain baseline in the same run,
// on the default aircraft (argument 0) and on the large one (argument 1):
//   createAll                  | the same mesh arithmetic in a flat loop (angles
//                              | once per fuselage, powers once per exponents)
//   readProject                | reading the file into memory in one call
//   saveProject                | copying a file of the same size
//   DXF export of each view,   | one buffered write of the same bytes
//   VRML export                |

namespace {

using namespace ferlo;
namespace fs = std::filesystem;

// The file's bytes read in one call: the least reading a file into memory costs.
std::string fileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes(fs::file_size(path), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

// One write of `bytes` through a buffered stream: the least writing a file
// of that size costs.
void writeInOnePiece(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// ---- createAll ----

// What the mesh of a fuselage is made from, read once through the public accessors.
struct FlatSection {
    double x, width, height, widest, bias, p1, p2;
};

std::vector<FlatSection> flatSections(MeshSections& f) {
    std::vector<FlatSection> sections;
    const std::int16_t selected = f.sel_sec;
    for (int d = 1; d <= f.nb_sections; ++d) {
        f.sel_sec = static_cast<std::int16_t>(d);
        const double height = f.heightGet();
        const double bias = f.bias_curveGet();
        sections.push_back({f.posGet() + f.pos_offset, f.widthGet(), height,
                            f.elevationGet() + f.elevation_offset + (1 - bias) * height, bias, f.curvatureGet(),
                            f.curvature2Get()});
    }
    f.sel_sec = selected;
    return sections;
}

double superPower(double value, double p) { return value == 0.0 ? 0.0 : std::copysign(std::pow(std::fabs(value), p), value); }

// The fuselages' mesh points and texture coordinates computed in one flat
// loop, with the arithmetic createAll cannot do without: the points' angles
// once per fuselage, their powers once per run of sections of the same
// exponents, then per point two products and two sums.
void flatMeshes(const std::vector<std::vector<FlatSection>>& fuselages, int points, double shift,
                std::vector<double>& out) {
    struct Factor {
        double across, up;
        bool upper;
    };
    std::vector<double> cosines(static_cast<std::size_t>(points)), sines(static_cast<std::size_t>(points));
    std::vector<Factor> factors(static_cast<std::size_t>(points));
    std::size_t at = 0;
    for (const auto& sections : fuselages) {
        for (int j = 0; j < points; ++j) {
            const double t = 2 * std::numbers::pi * j / points;
            cosines[static_cast<std::size_t>(j)] = std::cos(t);
            sines[static_cast<std::size_t>(j)] = std::sin(t);
        }
        const double length = sections.back().x;
        double upper = 0, lower = 0;
        bool known = false;
        for (const FlatSection& s : sections) {
            if (!known || s.p1 != upper || s.p2 != lower) {
                for (std::size_t j = 0; j < factors.size(); ++j) {
                    const bool isUpper = 2 * j < factors.size();
                    const double p = isUpper ? s.p1 : s.p2;
                    factors[j] = {superPower(cosines[j], p), superPower(sines[j], p), isUpper};
                }
                upper = s.p1;
                lower = s.p2;
                known = true;
            }
            const double halfWidth = s.width / 2;
            const double upperHeight = s.bias * s.height;
            const double lowerHeight = (1 - s.bias) * s.height;
            const double u = s.x / length;
            for (int j = 0; j < points; ++j) {
                const Factor& f = factors[static_cast<std::size_t>(j)];
                out[at++] = s.x;
                out[at++] = shift + halfWidth * f.across;
                out[at++] = s.widest + (f.upper ? upperHeight : lowerHeight) * f.up;
                out[at++] = u;
                out[at++] = static_cast<double>(j) / (points - 1);
            }
        }
    }
}

void BM_CreateAll(benchmark::State& state) {
    Plane plane;
    testing::makeAircraft(plane, state.range(0) != 0);
    for (auto _ : state) {
        createAll(plane);
        benchmark::DoNotOptimize(plane.fuselages.fuselage(1).pointGet(1, 1));
    }
}

// The baseline: the fuselages' meshes in the flat loop, the other parts
// rebuilt as createAll rebuilds them.
void BM_CreateAllFlatBaseline(benchmark::State& state) {
    Plane plane;
    testing::makeAircraft(plane, state.range(0) != 0);
    std::vector<std::vector<FlatSection>> fuselages;
    std::size_t values = 0;
    const int points = plane.fuselages.fuselage(1).nb_cross;
    for (int i = 1; i <= plane.fuselages.nbFuselages(); ++i) {
        fuselages.push_back(flatSections(plane.fuselages.fuselage(i)));
        values += fuselages.back().size() * static_cast<std::size_t>(points) * 5;
    }
    std::vector<double> out(values);
    for (auto _ : state) {
        flatMeshes(fuselages, points, plane.fuselages.fuselage(1).shift, out);
        for (int i = 1; i <= plane.mainWing.nbWings; ++i) plane.mainWing.wing(i).create();
        plane.stab.create();
        plane.fin.create();
        plane.equipment.createEquipment();
        benchmark::DoNotOptimize(out.data());
    }
}

// ---- readProject and saveProject ----

fs::path savedProject(const Plane& plane, const std::string& name) {
    const fs::path path = bench::benchFolder() / name;
    testing::FakeImageConverter converter;
    saveProject(plane, path, converter);
    return path;
}

// readProject of `path` onto a new aircraft (not timed) at every iteration;
// the last result.
ProjectReadResult readRepeatedly(benchmark::State& state, Plane& plane, const fs::path& path,
                                 ProjectReadStatus expected) {
    ProjectReadResult result;
    for (auto _ : state) {
        state.PauseTiming();
        newPlane(plane);
        state.ResumeTiming();
        result = readProject(plane, path);
        if (result.status != expected) state.SkipWithError("the project did not read as expected");
    }
    return result;
}

void BM_ReadProject(benchmark::State& state) {
    Plane plane;
    testing::makeAircraft(plane, state.range(0) != 0);
    const fs::path path = savedProject(plane, "read.flx");
    readRepeatedly(state, plane, path, ProjectReadStatus::Read);
    state.counters["KiB"] = static_cast<double>(fs::file_size(path)) / 1024;
}

void BM_ReadProjectBaseline(benchmark::State& state) {
    Plane plane;
    testing::makeAircraft(plane, state.range(0) != 0);
    const fs::path path = savedProject(plane, "read_baseline.flx");
    for (auto _ : state) benchmark::DoNotOptimize(fileText(path));
}

void BM_SaveProject(benchmark::State& state) {
    Plane plane;
    testing::makeAircraft(plane, state.range(0) != 0);
    const fs::path path = bench::benchFolder() / "save.flx";
    testing::FakeImageConverter converter;
    for (auto _ : state) saveProject(plane, path, converter);
}

void BM_SaveProjectBaseline(benchmark::State& state) {
    Plane plane;
    testing::makeAircraft(plane, state.range(0) != 0);
    const fs::path from = savedProject(plane, "copy_from.flx");
    const fs::path to = bench::benchFolder() / "copy_to.flx";
    for (auto _ : state) fs::copy_file(from, to, fs::copy_options::overwrite_existing);
}

// ---- DXF and VRML exports: range(0) the aircraft, range(1) the view (0 for the VRML world) ----

fs::path exportOnce(Plane& plane, int view, const fs::path& path) {
    if (view == 0) {
        testing::FakeImageConverter converter;
        testing::RecordingProgress progress;
        exportVRML(plane, path, converter, progress);
    } else {
        exportDXF(plane, static_cast<ViewKind>(view), path);
    }
    return path;
}

std::string exportName(int view) { return view == 0 ? "world.wrl" : "view" + std::to_string(view) + ".dxf"; }

void BM_Export(benchmark::State& state) {
    Plane plane;
    testing::makeAircraft(plane, state.range(0) != 0);
    const int view = static_cast<int>(state.range(1));
    const fs::path path = bench::benchFolder() / exportName(view);
    for (auto _ : state) exportOnce(plane, view, path);
    state.counters["KiB"] = static_cast<double>(fs::file_size(path)) / 1024;
}

void BM_ExportBaseline(benchmark::State& state) {
    Plane plane;
    testing::makeAircraft(plane, state.range(0) != 0);
    const int view = static_cast<int>(state.range(1));
    const std::string bytes = fileText(exportOnce(plane, view, bench::benchFolder() / ("baseline_" + exportName(view))));
    const fs::path path = bench::benchFolder() / ("copy_" + exportName(view));
    for (auto _ : state) writeInOnePiece(path, bytes);
}

// ---- A damaged file with one line of a megabyte ----

// A project whose third line is 1 MB of digits; readProject stops there.
void BM_ReadProjectMegabyteLine(benchmark::State& state) {
    const fs::path path = bench::benchFolder() / "long_line.flx";
    writeInOnePiece(path, std::string(kProjectHeaderStart) + kProjectVersion + "\r\n1\r\n" +
                              std::string(1 << 20, '7') + "\r\n");
    Plane plane;
    const ProjectReadResult result = readRepeatedly(state, plane, path, ProjectReadStatus::Failed);
    state.counters["message_chars"] = static_cast<double>(result.message.size());
}

// An airfoil whose second point is 1 MB of digits; readXyAirfoil refuses it.
void BM_ReadAirfoilMegabyteLine(benchmark::State& state) {
    const fs::path path = bench::benchFolder() / "long_line.xy";
    writeInOnePiece(path, "title\n1 0\n0.5 " + std::string(1 << 20, '7') + "\n0 0\n");
    std::size_t messageSize = 0;
    for (auto _ : state) {
        try {
            readXyAirfoil(path.string());
            state.SkipWithError("the damaged airfoil was read");
        } catch (const ReadError& error) {
            messageSize = std::string_view(error.what()).size();
        }
    }
    state.counters["message_chars"] = static_cast<double>(messageSize);
}

void aircraftArgs(benchmark::internal::Benchmark* b) { b->ArgName("large")->Arg(0)->Arg(1); }

void exportArgs(benchmark::internal::Benchmark* b) {
    b->ArgNames({"large", "view"});
    for (int large = 0; large <= 1; ++large) {
        for (int view = 0; view <= 4; ++view) b->Args({large, view});
    }
}

BENCHMARK(BM_CreateAll)->Apply(aircraftArgs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreateAllFlatBaseline)->Apply(aircraftArgs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadProject)->Apply(aircraftArgs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadProjectBaseline)->Apply(aircraftArgs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveProject)->Apply(aircraftArgs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveProjectBaseline)->Apply(aircraftArgs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadProjectMegabyteLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAirfoilMegabyteLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Export)->Apply(exportArgs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportBaseline)->Apply(exportArgs)->Unit(benchmark::kMillisecond);

}  // namespace
