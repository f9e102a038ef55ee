#include <cstdint>
#include <string>
#include <vector>

#include <QImage>
#include <QImageReader>

#include <benchmark/benchmark.h>

#include "base/part_texture.h"
#include "base/power_of_two_image.h"
#include "bench_folder.h"
#include "view3d/conversion_progress_window.h"
#include "view3d/qt_image_converter.h"

// A part's JPEG image to texture bytes (load, quarter turn for a panel half,
// power-of-two scale, pixels copied), as the 3D view and the VRML export do
// it, next to Qt's own decode of the same file. The image is the largest the
// texture path takes: 2048 x 2048 pixels (kMaxTexturePixels).

namespace {

using namespace ferlo;

constexpr int kSide = 2048;
static_assert(std::int64_t{kSide} * kSide == kMaxTexturePixels);

// A JPEG of smooth colours with fine detail, as a photograph of wood would be.
std::string largeJpeg() {
    static const std::string path = [] {
        QImage image(kSide, kSide, QImage::Format_RGB32);
        for (int y = 0; y < kSide; ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < kSide; ++x) row[x] = qRgb(x / 8, y / 8, (x * 7 + y * 13) % 256);
        }
        const std::string file = (bench::benchFolder() / "wood.jpg").string();
        if (!image.save(QString::fromStdString(file), "JPEG", 90)) std::abort();
        return file;
    }();
    return path;
}

// range(0): 1 for a panel half (its image turned a quarter), 0 for a fuselage.
void BM_JpegToTextureBytes(benchmark::State& state) {
    const std::string file = largeJpeg();
    QtImageConverter converter;
    ConversionProgressWindow progress;
    bool loaded = false;
    std::int32_t xtex = 0, ytex = 0;
    std::vector<std::uint8_t> bytes;
    const TextureFields fields{file, loaded, xtex, ytex, bytes};
    TextureSteps steps;
    steps.quarterTurn = state.range(0) != 0;
    for (auto _ : state) {
        loaded = false;
        loadPartTexture(fields, steps, converter, progress);
        benchmark::DoNotOptimize(bytes.data());
    }
}

void BM_JpegDecodeBaseline(benchmark::State& state) {
    const QString file = QString::fromStdString(largeJpeg());
    for (auto _ : state) {
        QImageReader reader(file);
        const QImage image = reader.read();
        benchmark::DoNotOptimize(image.constBits());
    }
}

BENCHMARK(BM_JpegToTextureBytes)->ArgName("turned")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_JpegDecodeBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
