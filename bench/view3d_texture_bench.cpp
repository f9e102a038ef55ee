#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include <QImage>
#include <QImageReader>
#include <QLoggingCategory>

#include <benchmark/benchmark.h>

#include "base/image_converter.h"
#include "base/part_texture.h"
#include "base/power_of_two_image.h"
#include "bench_folder.h"
#include "support/jpeg_scan_flood.h"
#include "view3d/conversion_progress_window.h"
#include "view3d/image_file.h"
#include "view3d/qt_image_converter.h"

// A part's JPEG image to texture bytes (load, quarter turn for a panel half,
// power-of-two scale, pixels copied), as the 3D view and the VRML export do
// it, next to Qt's own decode of the same file. The image is a 4096 x 4096
// photo, the largest texture.
//
// And a scan flood: a progressive JPEG of 2000 extra empty scans, which Qt
// decodes over the whole image at each scan, next to the check that refuses
// it before decoding.

namespace {

using namespace ferlo;

constexpr int kSide = static_cast<int>(kMaxTextureSide);

// A JPEG of smooth colours with fine detail, as a photograph of wood would be.
std::string largeJpeg() {
    static const std::string path = [] {
        QImage image(kSide, kSide, QImage::Format_RGB32);
        for (int y = 0; y < kSide; ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < kSide; ++x) row[x] = qRgb(x / 16, y / 16, (x * 7 + y * 13) % 256);
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

std::string scanFlood() {
    static const std::string path = [] {
        const QByteArray flood = testing::jpegScanFlood(256, 256, 2000);
        if (flood.isEmpty()) std::abort();
        const std::string file = (bench::benchFolder() / "flood.jpg").string();
        std::ofstream(file, std::ios::binary).write(flood.constData(), flood.size());
        return file;
    }();
    return path;
}

// Qt's decode of the flood, as the program made it before it counted scans.
void BM_ScanFloodQtDecode(benchmark::State& state) {
    const QString file = QString::fromStdString(scanFlood());
    QLoggingCategory::setFilterRules("qt.gui.imageio.jpeg.warning=false");  // a warning a scan
    for (auto _ : state) {
        QImageReader reader(file);
        const QImage image = reader.read();
        benchmark::DoNotOptimize(image.constBits());
    }
    QLoggingCategory::setFilterRules(QString());
}

// The program's reader now: refused after one pass over the bytes.
void BM_ScanFloodRefused(benchmark::State& state) {
    const std::string file = scanFlood();
    for (auto _ : state) {
        try {
            ImageFileReader reader(file);
            std::abort();
        } catch (const ImageError&) {
        }
    }
}

BENCHMARK(BM_JpegToTextureBytes)->ArgName("turned")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_JpegDecodeBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ScanFloodQtDecode)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ScanFloodRefused)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
