#include "editor/drawing/pixel_lines.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace ferlo {

namespace {

QRgb pixelOf(PaletteColor color) {
    const Rgb8 rgb = paletteRgb(color);
    return qRgb(rgb.red, rgb.green, rgb.blue);
}

}  // namespace

PixelLines::PixelLines(QImage& image, const TileGrid& grid)
    : pixels_(reinterpret_cast<QRgb*>(image.bits())),
      stride_(image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb))),
      width_(image.width()),
      height_(image.height()),
      grid_(grid),
      color_(kBlack),
      pixel_(pixelOf(kBlack)) {}

PixelLines::PixelLines(QImage& image, const TileGrid& grid, const std::vector<std::uint8_t>& inTiles)
    : PixelLines(image, grid) {
    inTiles_ = inTiles.data();
}

void PixelLines::draw(const QLineF& line, PaletteColor color) {
    const bool acrossX = std::abs(line.x2() - line.x1()) >= std::abs(line.y2() - line.y1());
    double major1 = acrossX ? line.x1() : line.y1();
    double major2 = acrossX ? line.x2() : line.y2();
    double minor1 = acrossX ? line.y1() : line.x1();
    double minor2 = acrossX ? line.y2() : line.x2();
    if (major1 > major2) {
        std::swap(major1, major2);
        std::swap(minor1, minor2);
    }
    // Ends that are not numbers, or so far apart that their distance is not.
    if (!std::isfinite(major2 - major1) || !std::isfinite(minor2 - minor1)) return;
    const double slope = major2 > major1 ? (minor2 - minor1) / (major2 - major1) : 0.0;
    const int majorSize = acrossX ? width_ : height_;
    const int minorSize = acrossX ? height_ : width_;
    const double first = std::max(std::floor(major1 + 0.5), 0.0);
    const double last = std::min(std::floor(major2 + 0.5), majorSize - 1.0);
    if (first > last) return;
    const double lowest = std::min(minor1, minor2);
    const double highest = std::max(minor1, minor2);
    if (color != color_) {
        color_ = color;
        pixel_ = pixelOf(color);
    }
    const QRgb pixel = pixel_;
    for (int step = static_cast<int>(first), end = static_cast<int>(last); step <= end; ++step) {
        const double across = std::floor(std::clamp(minor1 + (step - major1) * slope, lowest, highest) + 0.5);
        if (across < 0 || across >= minorSize) continue;
        const int x = acrossX ? step : static_cast<int>(across);
        const int y = acrossX ? static_cast<int>(across) : step;
        if (inTiles_ != nullptr && !inTiles_[grid_.tileAt(x, y)]) continue;
        pixels_[y * stride_ + x] = pixel;
    }
}

}  // namespace ferlo
