#include "editor/drawing/pixel_lines.h"

#include <cmath>
#include <limits>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace ferlo {
namespace {

using Pixels = std::set<std::pair<int, int>>;

// The pixels `line` lights on a transparent image of `size`, painted in
// the tiles `inTiles` marks, or everywhere without it.
Pixels lit(const QLineF& line, QSize size = {40, 30}, const std::vector<std::uint8_t>* inTiles = nullptr) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const TileGrid grid(size);
    if (inTiles) {
        PixelLines(image, grid, *inTiles).draw(line, kLightYellow);
    } else {
        PixelLines(image, grid).draw(line, kLightYellow);
    }
    Pixels pixels;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            if (image.pixel(x, y) == 0) continue;
            EXPECT_EQ(image.pixel(x, y), qRgb(255, 255, 0)) << x << "," << y;
            pixels.insert({x, y});
        }
    }
    return pixels;
}

TEST(PixelLines, EachStepLightsThePixelNearestToTheLineBothEndsIncluded) {
    const struct {
        QLineF line;
        Pixels pixels;
    } cases[] = {
        {{2, 3, 6, 3}, {{2, 3}, {3, 3}, {4, 3}, {5, 3}, {6, 3}}},
        {{5, 1, 5, 4}, {{5, 1}, {5, 2}, {5, 3}, {5, 4}}},
        {{1, 1, 4, 4}, {{1, 1}, {2, 2}, {3, 3}, {4, 4}}},
        {{4, 1, 1, 4}, {{1, 4}, {2, 3}, {3, 2}, {4, 1}}},
        // Fractional ends: the steps of the ends' nearest pixels, the line's
        // place at each step held within its ends.
        {{0.6, 1.2, 6.4, 2.8}, {{1, 1}, {2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 3}}},
        {{2.2, 0.7, 2.9, 5.3}, {{2, 1}, {2, 2}, {3, 3}, {3, 4}, {3, 5}}},
        // Halves round up; a line within one pixel, or a point, lights it.
        {{1.5, 2.5, 1.5, 2.5}, {{2, 3}}},
        {{7.1, 7.2, 7.3, 7.4}, {{7, 7}}},
        // Only what lies on the image.
        {{-5, 2, 3, 2}, {{0, 2}, {1, 2}, {2, 2}, {3, 2}}},
        {{38, 28, 45, 35}, {{38, 28}, {39, 29}}},
        {{-3, -3, -1, -1}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lit(c.line), c.pixels) << c.line.x1() << "," << c.line.y1() << " " << c.line.x2() << "," << c.line.y2();
    }
}

// Random lines: one pixel at each step of the longer axis, each next to the
// one before (no gap), and the same pixels drawn the other way round.
TEST(PixelLines, ALineIsOneUnbrokenPixelWideTrackWhicheverWayItIsDrawn) {
    std::mt19937 random(3);
    std::uniform_real_distribution<double> place(-5, 45);
    for (int k = 0; k < 300; ++k) {
        const QLineF line(place(random), place(random), place(random), place(random));
        const Pixels pixels = lit(line, {40, 40});
        EXPECT_EQ(pixels, lit(QLineF(line.p2(), line.p1()), {40, 40})) << k;
        const bool acrossX = std::abs(line.dx()) >= std::abs(line.dy());
        std::set<int> steps;
        for (const auto& [x, y] : pixels) EXPECT_TRUE(steps.insert(acrossX ? x : y).second) << k << ": two pixels at a step";
        if (steps.empty()) continue;
        EXPECT_EQ(*steps.rbegin() - *steps.begin() + 1, static_cast<int>(steps.size())) << k << ": a step left out";
        const auto across = [&](int step) {
            for (const auto& [x, y] : pixels) {
                if ((acrossX ? x : y) == step) return acrossX ? y : x;
            }
            return -1;
        };
        for (int step = *steps.begin(); step < *steps.rbegin(); ++step) {
            EXPECT_LE(std::abs(across(step + 1) - across(step)), 1) << k << ": a gap after step " << step;
        }
    }
}

// Painted only in some tiles, a line lights there exactly what it lights
// painted everywhere, and nothing elsewhere.
TEST(PixelLines, PaintedInSomeTilesALineLightsOnlyItsPixelsThere) {
    const QSize size(70, 50);
    const TileGrid grid(size);
    std::vector<std::uint8_t> inTiles(static_cast<std::size_t>(grid.count()));
    for (int tile = 0; tile < grid.count(); tile += 3) inTiles[static_cast<std::size_t>(tile)] = 1;
    for (const QLineF& line : {QLineF(-3, 2, 72, 47), QLineF(5, 49, 60, 0.5), QLineF(33, -10, 35, 60)}) {
        Pixels expected;
        for (const auto& pixel : lit(line, size)) {
            if (inTiles[static_cast<std::size_t>(grid.tileAt(pixel.first, pixel.second))]) expected.insert(pixel);
        }
        EXPECT_FALSE(expected.empty());
        EXPECT_EQ(lit(line, size, &inTiles), expected);
    }
}

// Ends far off the image cost no more than the image's width; ends that are
// not numbers, or whose distance is not, draw nothing.
TEST(PixelLines, FarEndsAreClippedToTheImageAndNonNumbersDrawNothing) {
    Pixels row;
    for (int x = 0; x < 40; ++x) row.insert({x, 12});
    EXPECT_EQ(lit(QLineF(-1e12, 12.2, 1e12, 12.2)), row);
    EXPECT_EQ(lit(QLineF(-1e300, 12.2, 1e300, 12.2)), row);
    EXPECT_EQ(lit(QLineF(-1e308, 12, 1e308, 12)), Pixels{});
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(lit(QLineF(nan, 3, 10, 3)), Pixels{});
    EXPECT_EQ(lit(QLineF(2, 3, inf, 3)), Pixels{});
    EXPECT_EQ(lit(QLineF(2, -inf, 2, 10)), Pixels{});
}

}  // namespace
}  // namespace ferlo
